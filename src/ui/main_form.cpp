#include "ui/main_form.h"

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <vector>

#include "core/failure.h"
#include "documents/document_flow.h"
#include "editor/text_view.h"
#include "navigation/fragments_tab.h"
#include "navigation/navigation_panel.h"
#include "settings/settings_page.h"
#include "tools/tools_panel.h"
#include "ui/status_panels.h"
#include "ui/taskbar_owner.h"
#include "window/dispatch.h"
#include "window/dpi.h"
#include "window/tabbed_notebook.h"
#include "window/tool_bar.h"

namespace tarnpad {
namespace {

constexpr wchar_t kFormClass[] = L"T_Form";
// Posted when the program comes back to the front: the question about a
// file changed on disk waits until the activation is done.
constexpr UINT kCheckFileOnDisk = WM_APP + 1;
constexpr UINT_PTR kRecoveryTimerId = 2;

HICON ProgramIcon() {
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
  return icon ? icon : LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace

MainForm::MainForm(const Seams& seams, const std::wstring& first_argument)
    : seams_(seams), first_argument_(first_argument) {
  owner_ = std::make_unique<TaskbarOwner>(kAppTitle, ProgramIcon());
  menus_ = BuildMainMenus();
  accelerators_ = BuildAccelerators();
  WindowClass form_class;
  form_class.name = kFormClass;
  form_class.icon = ProgramIcon();
  form_class.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  // Maximized from the start, as it is shown: the controls are laid out once,
  // while the window is hidden, and showing it moves none of them.
  CreateBound(form_class, WS_EX_CONTROLPARENT, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_MAXIMIZE,
              kAppTitle, {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + 827, CW_USEDEFAULT + 613},
              owner_->Handle(), menus_.bar);
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
  DocumentsArgs documents;
  documents.text = &RichEdit->Document();
  documents.status = _StatusBar.get();
  documents.window = this;
  documents.seams = seams_;
  if (!seams_.recovery_dir.empty()) {
    recovery_ = std::make_unique<RecoveryStore>(seams_.recovery_dir);
    documents.recovery = recovery_.get();
  }
  documents_ = std::make_unique<Documents>(documents);
  BindEditorEvents();
  DragAcceptFiles(window_, TRUE);
  // A failure in any window of the program shows in the main window's box.
  SetFailureReporter([this](const std::wstring& message) { ShowFailure(message); });
  Dispatch([this] { FormCreate(); });
  // Also when the document named on the command line could not be read.
  Dispatch([this] { documents_->OfferRecovery(); });
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

std::wstring MainForm::ActivePage() const {
  return _Notebook->ActivePage();
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

void MainForm::ShowTaskbarTitle(const std::wstring& title) {
  owner_->SetTitle(title);
}

void MainForm::ShowCaption(const std::wstring& caption) {
  SetWindowTextW(window_, caption.c_str());
}

void MainForm::ScheduleRecoveryCopy(int delay) {
  SetTimer(window_, kRecoveryTimerId, static_cast<UINT>(delay), nullptr);
}

void MainForm::EnableSave() {
  EnableMenuItem(menus_.bar, kCmdFileSave, MF_BYCOMMAND | MF_ENABLED);
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
      // Controls that draw differently in a maximized window (the status
      // bar's size grip) leave their old pixels behind when it changes.
      if (wparam != SIZE_MINIMIZED && (wparam == SIZE_MAXIMIZED) != maximized_) {
        maximized_ = wparam == SIZE_MAXIMIZED;
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      }
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
    case WM_ACTIVATEAPP:
      // Back from another program; the program's own boxes and dialogs
      // closing do not count.
      if (wparam) PostMessageW(window_, kCheckFileOnDisk, 0, 0);
      break;
    case kCheckFileOnDisk:
      Dispatch([this] { documents_->CheckFileOnDisk(); });
      return 0;
    case WM_DROPFILES: {
      const auto drop = reinterpret_cast<HDROP>(wparam);
      std::vector<std::filesystem::path> paths;
      const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
      for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
        paths.emplace_back(path);
      }
      DragFinish(drop);
      Dispatch([this, &paths] { documents_->OpenDroppedFiles(paths); });
      return 0;
    }
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
      if (wparam == kRecoveryTimerId) {
        KillTimer(window_, kRecoveryTimerId);
        Dispatch([this] { documents_->WriteRecoveryCopy(); });
        return 0;
      }
      // The backup timer ticks on while a box is open, the error box of a
      // failed copy included: a tick during a tick is skipped, so failures
      // do not pile up boxes.
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

void MainForm::Dispatch(const std::function<void()>& handler) {
  RunHandler(handler, *seams_.boxes, [this] { return TaskbarTitle(); });
}

void MainForm::ShowFailure(const std::wstring& message) {
  Dispatch([&message] { throw Failure(message); });
}

int MainForm::ToolsStripHeight() const {
  return layout_.Size(_ToolsNotebook->Handle());
}

void MainForm::SetToolsStripHeight(int height) {
  layout_.SetSize(_ToolsNotebook->Handle(), height);
  Relayout();
}

void MainForm::MM_File_ExitClick() {
  PostMessageW(window_, WM_CLOSE, 0, 0);
}

bool MainForm::SessionMayEnd() {
  if (!State().TextModified) return true;
  // The system shows the reason while the question waits for the user.
  ShutdownBlockReasonCreate(window_, kUnsavedTextReason);
  bool allowed = false;  // a failing question keeps the text
  Dispatch([this, &allowed] { allowed = FormClose(); });
  ShutdownBlockReasonDestroy(window_);
  return allowed;
}

}  // namespace tarnpad
