// The routing of the menus, the keyboard shortcuts and the tool-bar buttons
// to the components, and the status bar's view of the editor.
#include "editor/text_view.h"
#include "navigation/navigation_panel.h"
#include "shell/web_links.h"
#include "ui/about_form.h"
#include "ui/main_form.h"
#include "ui/status_panels.h"

namespace tarnpad {

void MainForm::RunCommand(UINT id) {
  using Handler = void (MainForm::*)();
  struct CommandHandler {
    UINT id;
    Handler handler;
  };
  // Menu items, keyboard shortcuts and tool-bar buttons, by command.
  static constexpr CommandHandler kHandlers[] = {
      {kCmdFileCreate, &MainForm::MM_File_CreateClick},
      {kCmdFileOpen, &MainForm::MM_File_OpenClick},
      {kCmdFileSave, &MainForm::MM_File_SaveClick},
      {kCmdToolSave, &MainForm::MM_File_SaveClick},  // SpeedButton2, also while the item is off
      {kCmdFileSaveAs, &MainForm::MM_File_Save_AsClick},
      {kCmdFileBackup, &MainForm::Backup_TimerTimer},
      {kCmdFileExit, &MainForm::MM_File_ExitClick},
      {kCmdNavigation, &MainForm::MM_NavigationClick},
      {kCmdFind, &MainForm::N3Click},
      {kCmdPasswordsShow, &MainForm::N55Click},
      {kCmdPasswordsHide, &MainForm::N57Click},
      {kCmdHeaderRenew, &MainForm::MM_File_DORN_RenewClick},
      {kCmdEchoFrame, &MainForm::echobr1Click},
      {kCmdStripComments, &MainForm::PHP1Click},
      {kCmdHelpAbout, &MainForm::MM_Help_AboutClick},
      {kCmdSettings, &MainForm::N34Click},
      {kCmdHelpSite, &MainForm::MM_Help_SiteClick},
      {kCmdHelpProductPage, &MainForm::N35Click},
      {kCmdOpenEscapeMenu, &MainForm::OpenEscapeDropdown},
      {kCmdOpenSymbolMenu, &MainForm::OpenSymbolDropdown},
      {kCmdToolGuillemets, &MainForm::SpeedButton1Click},
      {kCmdUndo, &MainForm::N44Click},
      {kCmdCut, &MainForm::N6541Click},
      {kCmdCopy, &MainForm::N36Click},
      {kCmdPaste, &MainForm::N37Click},
      {kCmdDelete, &MainForm::N38Click},
      {kCmdComplexPassword, &MainForm::N59Click},
      {kCmdSimplePassword, &MainForm::N60Click},
      {kCmdCopyToNotepad, &MainForm::N50Click},
      {kCmdOutdent2, &MainForm::N210Click},
      {kCmdIndent2, &MainForm::N40Click},
      {kCmdIndent4, &MainForm::N41Click},
      {kCmdIndent6, &MainForm::N61Click},
      {kCmdIndentTab, &MainForm::N42Click},
      {kCmdSaveSectionList, &MainForm::N49Click},
  };
  const bool escape_item = id >= kCmdEscapeFirst && id < kCmdEscapeFirst + kInsertionItemCount;
  const bool symbol_item = id >= kCmdSymbolFirst && id < kCmdSymbolFirst + kInsertionItemCount;
  if (escape_item || symbol_item) {
    InsertionItemClick(id);
    return;
  }
  for (const CommandHandler& command : kHandlers) {
    if (command.id == id) {
      (this->*command.handler)();
      return;
    }
  }
}

void MainForm::OpenDropdown(HMENU dropdown, int bar_position) {
  RECT item;
  if (!GetMenuItemRect(window_, menus_.bar, static_cast<UINT>(bar_position), &item)) return;
  TrackPopupMenuEx(dropdown, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, item.left, item.bottom,
                   window_, nullptr);
}

void MainForm::OpenEscapeDropdown() {
  OpenDropdown(menus_.escape_dropdown, menus_.escape_position);
}

void MainForm::OpenSymbolDropdown() {
  OpenDropdown(menus_.symbol_dropdown, menus_.symbol_position);
}

// The chosen item comes back to the main window as a command.
void MainForm::ShowPopupMenu(HMENU menu, POINT screen) {
  TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y,
                   window_, nullptr);
}

void MainForm::MM_NavigationClick() {
  navigation_->Toggle();
}

void MainForm::N49Click() {
  navigation_->ExportList();
}

void MainForm::MM_Help_AboutClick() {
  ShowAboutWindow(window_, State().AppTitle, *seams_.shell);
}

void MainForm::MM_Help_SiteClick() {
  web_links::OpenHomePage(*seams_.shell);
}

void MainForm::N35Click() {
  web_links::OpenProductPage(*seams_.shell);
}

void MainForm::RichEditSelectionChange() {
  _StatusBar->ShowCaret(RichEdit->Document());
}

// A character key marks the text as edited even when it changes nothing.
void MainForm::RichEditKeyPress(wchar_t) {
  documents_->MarkTextEdited();
}

// Panel 5 shows what typing does; nothing else changes the editor's mode.
void MainForm::ShowTypingMode() {
  _StatusBar->ShowTypingMode(RichEdit->OverwriteMode());
}

}  // namespace tarnpad
