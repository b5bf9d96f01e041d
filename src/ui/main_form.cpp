#include "ui/main_form.h"

#include <windows.h>

#include <commctrl.h>

#include "core/failure.h"
#include "documents/backup.h"
#include "editor/text_view.h"
#include "settings/settings_page.h"
#include "ui/taskbar_owner.h"
#include "window/dispatch.h"
#include "window/dpi.h"

namespace tarnpad {
namespace {

constexpr wchar_t kFormClass[] = L"T_Form";

HICON ProgramIcon() {
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  return icon ? icon : LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace

MainForm::MainForm(const Seams& seams, const std::wstring& first_argument)
    : seams_(seams), first_argument_(first_argument) {
  owner_ = std::make_unique<TaskbarOwner>(state.AppTitle, ProgramIcon());
  menus = BuildMainMenus();
  accelerators_ = BuildAccelerators();
  WindowClass form_class;
  form_class.name = kFormClass;
  form_class.icon = ProgramIcon();
  form_class.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  CreateBound(form_class, WS_EX_CONTROLPARENT, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
              state.AppTitle.c_str(),
              {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + 827, CW_USEDEFAULT + 613},
              owner_->Handle(), menus.bar);
  owner_->SetMainWindow(window_);
  try {
    Compose();
  } catch (...) {
    // The members go next: the window must not reach them meanwhile.
    SetFailureReporter(nullptr);
    DestroyUnbound();
    throw;
  }
}

void MainForm::Compose() {
  dpi_ = WindowDpi(window_);
  fonts_ = CreateFonts();
  CreateControls();
  BindControlEvents();
  // A failure in any window of the program shows in the main window's box.
  SetFailureReporter([this](const std::wstring& message) { ShowFailure(message); });
  Dispatch([this] { FormCreate(); });
}

MainForm::~MainForm() {
  SetFailureReporter(nullptr);
  // Before the controls and the owner go; takes the menu bar along.
  DestroyUnbound();
}

void MainForm::Show(int show_command) {
  ShowWindow(owner_->Handle(), SW_SHOWNA);
  ShowWindow(window_, show_command == SW_SHOWMINIMIZED ? show_command : SW_SHOWMAXIMIZED);
  UpdateWindow(window_);
  SetFocus(RichEdit->Handle());
}

bool MainForm::TranslateShortcut(MSG& message) {
  if (TranslateAcceleratorW(window_, accelerators_.get(), &message)) return true;
  // The settings page is walked with Tab and the arrow keys like a dialog;
  // elsewhere Tab belongs to the editor and the notepad.
  return _Notebook->ActivePage() == L"Tune" && IsDialogMessageW(window_, &message);
}

std::wstring MainForm::TaskbarTitle() const {
  return owner_->Title();
}

void MainForm::SetTaskbarTitle(const std::wstring& title) {
  owner_->SetTitle(title);
}

std::wstring MainForm::Caption() const {
  return WindowText(window_);
}

LRESULT MainForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (Control::Reflect(message, wparam, lparam, result)) return result;
  switch (message) {
    case WM_SIZE:
      Relayout();
      return 0;
    case WM_DPICHANGED: {
      // Moved to a screen of another resolution: the design sizes are kept
      // as logical sizes, so only the fonts, the pictures and the placement
      // change.
      const RECT* suggested = reinterpret_cast<const RECT*>(lparam);
      ChangeDpi(HIWORD(wparam));
      SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_COMMAND:
      if (lparam == 0) {  // a menu item or a keyboard shortcut
        const UINT id = LOWORD(wparam);
        Dispatch([this, id] { RunCommand(id); });
        return 0;
      }
      break;
    case WM_SYSCOMMAND:
      if ((wparam & 0xFFF0) == SC_MINIMIZE) {
        // Minimising the owner takes the main window and the taskbar button
        // along.
        ShowWindow(owner_->Handle(), SW_MINIMIZE);
        return 0;
      }
      break;
    case WM_SETFOCUS:
      // Back from a box or another program: the editor takes the keys again,
      // unless the settings page stands in its place.
      if (RichEdit && _Notebook->ActivePage() == L"Editor") SetFocus(RichEdit->Handle());
      return 0;
    case WM_CLOSE: {
      bool close = false;
      Dispatch([this, &close] { close = FormClose(); });
      if (close) DestroyWindow(window_);
      return 0;
    }
    case WM_QUERYENDSESSION:
      return SessionMayEnd() ? TRUE : FALSE;
    case WM_ENDSESSION:
      // The session ends now, with the user's consent to drop any unsaved
      // text; the program ends as after a close.
      if (wparam) DestroyWindow(window_);
      return 0;
    case WM_TIMER:
      // The timer ticks on while a box is open, the error box of a failed
      // copy included: a tick during a tick is skipped, so failures do not
      // pile up boxes.
      if (!backup_tick_running_) {
        backup_tick_running_ = true;
        Dispatch([this] { Backup_TimerTimer(); });
        backup_tick_running_ = false;
      }
      return 0;
    case WM_DESTROY:
      if (onDestroyed) onDestroyed();
      return 0;
    case WM_NCDESTROY: {
      // The handle is dead from here on; the destructor must not reuse it.
      const LRESULT destroyed = DefWindowProcW(window_, message, wparam, lparam);
      window_ = nullptr;
      return destroyed;
    }
    default:
      break;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

void MainForm::Backup_TimerTimer() {
  RunBackup(state, RichEdit->Document(), *seams_.clock, *_StatusBar);
}

void MainForm::Dispatch(const std::function<void()>& handler) {
  RunHandler(handler, *seams_.boxes, [this] { return TaskbarTitle(); });
}

void MainForm::ShowFailure(const std::wstring& message) {
  Dispatch([&message] { throw Failure(message); });
}

void MainForm::Relayout() {
  RECT client;
  GetClientRect(window_, &client);
  layout_.Arrange(client, dpi_);
  _StatusBar->UpdatePanels();
}

int MainForm::NavigationPanelWidth() const {
  return Editor_Panel->Layout().Size(Navigation_Panel->Handle());
}

void MainForm::SetNavigationPanelWidth(int width) {
  Editor_Panel->Layout().SetSize(Navigation_Panel->Handle(), width);
  Editor_Panel->Relayout();
}

int MainForm::ToolsPanelHeight() const {
  return Main_Panel->Layout().Size(Tools_Panel->Handle());
}

void MainForm::SetToolsPanelHeight(int height) {
  Main_Panel->Layout().SetSize(Tools_Panel->Handle(), height);
  Main_Panel->Relayout();
}

int MainForm::ToolsNotebookHeight() const {
  return layout_.Size(_ToolsNotebook->Handle());
}

void MainForm::SetToolsNotebookHeight(int height) {
  layout_.SetSize(_ToolsNotebook->Handle(), height);
  Relayout();
}

void MainForm::OpenDropdown(HMENU dropdown, int bar_position) {
  RECT item;
  if (!GetMenuItemRect(window_, menus.bar, static_cast<UINT>(bar_position), &item)) return;
  TrackPopupMenuEx(dropdown, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, item.left, item.bottom,
                   window_, nullptr);
}

void MainForm::ShowEditorContextMenu(POINT screen) {
  TrackPopupMenuEx(menus.editor_popup.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON,
                   screen.x, screen.y, window_, nullptr);
}

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

void MainForm::OpenEscapeDropdown() {
  OpenDropdown(menus.escape_dropdown, menus.escape_position);
}

void MainForm::OpenSymbolDropdown() {
  OpenDropdown(menus.symbol_dropdown, menus.symbol_position);
}

void MainForm::BindControlEvents() {
  const auto bind = [this](std::function<void()>& event, void (MainForm::*handler)()) {
    event = [this, handler] { Dispatch([this, handler] { (this->*handler)(); }); };
  };
  bind(Navigation_Tools_Hide_Label->onClick, &MainForm::Navigation_Tools_Hide_LabelClick);
  bind(Navigation_Tools_Recount_Label->onClick, &MainForm::Navigation_Tools_Recount_LabelClick);
  bind(Navigation_ListBox->onClick, &MainForm::Navigation_ListBoxClick);
  bind(Navigation_ListBox->onDoubleClick, &MainForm::Navigation_ListBoxDblClick);
  AttachNavigationPopupMenu();
  bind(Splitter1->onMoved, &MainForm::Splitter1Moved);
  bind(TabbedNotebook1->onClick, &MainForm::TabbedNotebook1Click);
  TabbedNotebook1->onChange = [this](int index) {
    Dispatch([this, index] { TabbedNotebook1Change(index); });
  };
  bind(Fragment_ListBox->onClick, &MainForm::Fragment_ListBoxClick);
  bind(Search_Button->onClick, &MainForm::Search_ButtonClick);
  bind(Search_More_Button->onClick, &MainForm::Search_More_ButtonClick);
  bind(Replace_All_Button->onClick, &MainForm::Replace_All_ButtonClick);
  bind(Button3->onClick, &MainForm::Button3Click);
  bind(Button4->onClick, &MainForm::Button4Click);
}

}  // namespace tarnpad
