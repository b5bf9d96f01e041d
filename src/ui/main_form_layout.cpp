// The composition of the main window: which components and controls exist,
// how they nest and dock, their design sizes, captions and fonts.
#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <utility>

#include "editor/text_view.h"
#include "navigation/fragments_tab.h"
#include "navigation/navigation_panel.h"
#include "shell/foreign_characters_question.h"
#include "tools/tools_panel.h"
#include "ui/main_form.h"
#include "ui/status_panels.h"
#include "window/dpi.h"
#include "window/glyphs_win.h"
#include "window/tabbed_notebook.h"
#include "window/tool_bar.h"

namespace tarnpad {

namespace {

constexpr int kToolBarHeight = 35;
constexpr int kStatusBarHeight = 18;

}  // namespace

MainForm::Fonts MainForm::CreateFonts() const {
  Fonts fonts;
  fonts.form.reset(CreateScaledFont(L"MS Sans Serif", -11, dpi_));
  return fonts;
}

void MainForm::ChangeDpi(int dpi) {
  dpi_ = dpi;
  Fonts old = std::exchange(fonts_, CreateFonts());
  ApplyFonts();
  RichEdit->SetDpi(dpi);
  ToolBar->SetDpi(dpi);
  Relayout();
}

void MainForm::CreateControls() {
  ToolBar = std::make_unique<ToolButtonBar>(window_, 28, 27);
  const auto add_button = [this](UINT id, Glyph picture) {
    ToolBar->AddButton(id, picture, [this, id] { Dispatch([this, id] { RunCommand(id); }); });
  };
  add_button(kCmdToolSave, Glyph::FloppyDisk);                // SpeedButton2
  ToolBar->AddSeparator(8);                                   // ToolButton1
  add_button(kCmdToolGuillemets, Glyph::PageWithGuillemets);  // SpeedButton1
  layout_.Add(ToolBar->Handle(), Dock::Top, kToolBarHeight);
  SetWindowId(ToolBar->Handle(), kToolBarId);

  CreateToolsStrip();

  _StatusBar = std::make_unique<StatusPanels>(window_);
  layout_.Add(_StatusBar->Handle(), Dock::Bottom, kStatusBarHeight);
  SetWindowId(_StatusBar->Handle(), kStatusBarId);

  _Notebook = std::make_unique<PageContainer>(window_);
  layout_.Add(_Notebook->Handle(), Dock::Client, 0);
  CreateEditorPage();
  ApplyFonts();
}

// The strip under the tool bar, hidden at height 0 (as it starts), shows the
// password generators' group.
void MainForm::CreateToolsStrip() {
  _ToolsNotebook = std::make_unique<PageContainer>(window_);
  layout_.Add(_ToolsNotebook->Handle(), Dock::Top, 0);
  SetWindowId(_ToolsNotebook->Handle(), kToolsStripId);
  Panel& passwords_page = _ToolsNotebook->AddPage(L"PasswordsGenerator");
  PasswordsGenerator_GroupBox =
      std::make_unique<GroupBox>(passwords_page.Handle(), L"  Генератор паролей  ");
  passwords_page.Layout().Add(PasswordsGenerator_GroupBox->Handle(), Dock::Top, 105);
  Panel& strip_editor_page = _ToolsNotebook->AddPage(L"Editor");
  GroupBox3 = std::make_unique<GroupBox>(strip_editor_page.Handle(), L"GroupBox3");
  strip_editor_page.Layout().Add(GroupBox3->Handle(), Dock::Client, 0);
}

// The form's font goes to every control first; the components then give
// their own fonts to the controls that have one.
void MainForm::ApplyFonts() {
  ApplyFormFont(window_);
  navigation_->SetDpi(dpi_);
  tools_->SetDpi(dpi_);
  fragments_->SetDpi(dpi_);
  Relayout();
}

void MainForm::ApplyFormFont(HWND root) {
  EnumChildWindows(
      root,
      [](HWND child, LPARAM font) {
        SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(fonts_.form.get()));
}

// Editor_Page: the navigation panel and its splitter at the left; the editor
// over the tools panel and its splitter.
void MainForm::CreateEditorPage() {
  Panel& page = _Notebook->AddPage(L"Editor");
  Editor_Panel = std::make_unique<Panel>(page.Handle());
  page.Layout().Add(Editor_Panel->Handle(), Dock::Client, 0);
  const EventRunner run = [this](const std::function<void()>& handler) { Dispatch(handler); };

  Main_Panel = std::make_unique<Panel>(Editor_Panel->Handle());
  TextViewArgs editor_args;
  editor_args.parent = Main_Panel->Handle();
  RichEdit = std::make_unique<TextView>(editor_args);
  SetWindowId(RichEdit->Handle(), kEditorId);

  NavigationPanelArgs navigation;
  navigation.container = Editor_Panel.get();
  navigation.editor = RichEdit.get();
  navigation.file_dialogs = seams_.file_dialogs;
  navigation.run = run;
  navigation.showContextMenu = [this](POINT screen) {
    ShowPopupMenu(menus_.navigation_popup.get(), screen);
  };
  navigation_ = std::make_unique<NavigationPanel>(navigation);
  Editor_Panel->Layout().Add(Main_Panel->Handle(), Dock::Client, 0);

  ToolsPanelArgs tools;
  tools.container = Main_Panel.get();
  tools.editor = RichEdit.get();
  tools.run = run;
  // Every click on the tab row also takes a fresh snapshot of the fragments
  // of the navigation list.
  tools.tabRowClicked = [this] { fragments_->ShowFragmentsOf(navigation_->Entries()); };
  tools_ = std::make_unique<ToolsPanel>(tools);
  Main_Panel->Layout().Add(RichEdit->Handle(), Dock::Client, 0);

  FragmentsTabArgs fragments;
  fragments.page = &tools_->FragmentsPage();
  fragments.editor = RichEdit.get();
  fragments.run = run;
  fragments_ = std::make_unique<FragmentsTab>(fragments);
}

void MainForm::BindEditorEvents() {
  RichEdit->onSelectionChanged = [this] { Dispatch([this] { RichEditSelectionChange(); }); };
  RichEdit->onKeyPress = [this](wchar_t key) { Dispatch([this, key] { RichEditKeyPress(key); }); };
  RichEdit->onTextEdited = [this] { Dispatch([this] { documents_->MarkTextEdited(); }); };
  RichEdit->onOverwriteChanged = [this] { Dispatch([this] { ShowTypingMode(); }); };
  RichEdit->onContextMenu = [this](POINT screen, bool) {
    ShowPopupMenu(menus_.editor_popup.get(), screen);
  };
  RichEdit->onForeignCharacters = [this](std::size_t count) {
    std::optional<ForeignCharacterForm> form;  // a failing question inserts nothing
    Dispatch([this, count, &form] { form = AskForeignCharacterForm(*seams_.boxes, count); });
    return form;
  };
}

void MainForm::Relayout() {
  RECT client;
  GetClientRect(window_, &client);
  layout_.Arrange(client, dpi_);
  _StatusBar->UpdatePanels();
}

}  // namespace tarnpad
