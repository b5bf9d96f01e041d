#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "documents/documents.h"
#include "shell/app_state.h"
#include "shell/seams.h"
#include "ui/main_menu.h"
#include "window/dock_layout.h"
#include "window/gdi_win.h"
#include "window/window_base.h"

namespace tarnpad {

class FragmentsTab;
class NavigationPanel;
class PageContainer;
class Panel;
class GroupBox;
class SettingsPage;
class StatusPanels;
class TaskbarOwner;
class TextView;
class ToolButtonBar;
class ToolsPanel;

// The main window composes the components (the documents, the navigation
// panel, the tools panel with its fragments tab, the settings page, the
// status bar) around the editor, routes the menus, the shortcuts and the
// tool-bar buttons to them, and holds the taskbar button.
class MainForm : public WindowBase<MainForm>, private DocumentWindow {
 public:
  // Identifiers of its own controls in the window tree.
  enum ControlId : int { kEditorId = 1001, kToolBarId, kStatusBarId, kToolsStripId };

  // Creates the window and runs the start-up sequence; first_argument is
  // the first command-line argument (the document to open), or empty.
  MainForm(const Seams& seams, const std::wstring& first_argument);
  ~MainForm() override;
  MainForm(const MainForm&) = delete;
  MainForm& operator=(const MainForm&) = delete;

  HWND Handle() const { return window_; }
  // Shows the window, maximised.
  void Show(int show_command);
  // Keyboard shortcuts (and the settings page's dialog keys) for messages of
  // the event loop; true when taken.
  bool TranslateShortcut(MSG& message);
  // Runs when the window is gone; the program ends its event loop there.
  std::function<void()> onDestroyed;

  // The taskbar title (the caption of the hidden owner window).
  std::wstring TaskbarTitle() const override;
  std::wstring Caption() const;

  // Runs a handler; a failure is shown in the error box and the event loop
  // goes on.
  void Dispatch(const std::function<void()>& handler);
  // Shows a failure's message in the error box, as Dispatch does.
  void ShowFailure(const std::wstring& message);

  // The components, for the commands routed to them.
  const AppState& State() const { return documents_->State(); }
  Documents& DocumentFiles() { return *documents_; }
  NavigationPanel& Navigation() { return *navigation_; }
  ToolsPanel& Tools() { return *tools_; }
  // The name of the page shown in place of the editor's: "Editor" or "Tune".
  std::wstring ActivePage() const;
  // The height of the tools strip under the tool bar; 0 while hidden.
  int ToolsStripHeight() const;
  void SetBackupTimerEnabled(bool enabled);
  bool BackupTimerEnabled() const { return backup_timer_enabled_; }

  // Commands, under the names of their menu items and buttons.
  void FormCreate();
  void ReadSettings();
  void MM_File_CreateClick() { documents_->MM_File_CreateClick(); }
  void MM_File_OpenClick() { documents_->MM_File_OpenClick(); }
  void MM_File_SaveClick() { documents_->MM_File_SaveClick(); }
  void MM_File_Save_AsClick() { documents_->SaveDocumentAs(); }
  void MM_File_ExitClick();
  void Backup_TimerTimer() { documents_->Backup_TimerTimer(); }
  void MM_File_DORN_RenewClick() { documents_->MM_File_DORN_RenewClick(); }
  // The window is asked to close; false keeps it open.
  bool FormClose() { return documents_->FormClose(); }
  // The session is about to end: the close question, when the text is
  // modified; false refuses the end of the session.
  bool SessionMayEnd();
  void MM_NavigationClick();
  void N49Click();
  void N34Click();
  void MM_Help_AboutClick();
  void MM_Help_SiteClick();
  void N35Click();
  // The editor's commands (ui/editor_commands.cpp).
  void InsertionItemClick(UINT id);  // the 30 items of the two insertion drop-downs
  void SpeedButton1Click();
  void N3Click();
  void N55Click();
  void N57Click();
  void N59Click();
  void N60Click();
  void N44Click();
  void N6541Click();
  void N36Click();
  void N37Click();
  void N38Click();
  void N50Click();
  void N210Click();
  void N40Click();
  void N41Click();
  void N61Click();
  void N42Click();
  void echobr1Click();
  void PHP1Click();

 private:
  // The fonts of the window itself for the current dpi; the components make
  // their own. The controls only borrow them: a set is released only once
  // the controls have the next one.
  struct Fonts {
    UniqueFont form;  // "MS Sans Serif" 8 points: every control's default
  };
  friend class WindowBase<MainForm>;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void BindHandle(HWND window) { window_ = window; }
  // DocumentWindow
  void ShowCaption(const std::wstring& caption) override;
  void ShowTaskbarTitle(const std::wstring& title) override;
  void EnableSave() override;
  void ScheduleRecoveryCopy(int delay) override;
  // Everything after the window itself: controls, fonts, events, start-up.
  void Compose();
  void CreateControls();
  void CreateToolsStrip();
  void CreateEditorPage();
  void CreateSettingsPage();
  // The form's font for every control under root.
  void ApplyFormFont(HWND root);
  void BindEditorEvents();
  Fonts CreateFonts() const;
  void ApplyFonts();
  // The screen's dpi changed: every font and picture is made for it and
  // applied, and only then the old ones are released.
  void ChangeDpi(int dpi);
  void Relayout();
  void SetToolsStripHeight(int height);
  void ShowEditorPage();
  void RunCommand(UINT id);
  void OpenDropdown(HMENU dropdown, int bar_position);
  void OpenEscapeDropdown();  // F6
  void OpenSymbolDropdown();  // F5
  void ShowPopupMenu(HMENU menu, POINT screen);
  // The status bar follows the editor: caret, selection, typing mode, and
  // "Изменён" once its text is edited, whatever edited it.
  void RichEditSelectionChange();
  void RichEditKeyPress(wchar_t key);
  void ShowTypingMode();

  Seams seams_;
  std::unique_ptr<TaskbarOwner> owner_;  // holds the taskbar button
  HWND window_ = nullptr;
  MainMenus menus_;
  UniqueAccelerators accelerators_;
  DockLayout layout_;
  std::wstring first_argument_;
  bool backup_timer_enabled_ = false;
  bool maximized_ = true;  // made so; see WM_SIZE
  bool backup_tick_running_ = false;
  int dpi_ = 96;
  Fonts fonts_;

  // Controls and components, from the outside in.
  std::unique_ptr<ToolButtonBar> ToolBar;
  std::unique_ptr<PageContainer> _ToolsNotebook;
  std::unique_ptr<GroupBox> PasswordsGenerator_GroupBox;
  std::unique_ptr<GroupBox> GroupBox3;
  std::unique_ptr<StatusPanels> _StatusBar;
  std::unique_ptr<PageContainer> _Notebook;
  std::unique_ptr<Panel> Editor_Panel;
  std::unique_ptr<NavigationPanel> navigation_;
  std::unique_ptr<Panel> Main_Panel;
  std::unique_ptr<TextView> RichEdit;
  std::unique_ptr<ToolsPanel> tools_;
  std::unique_ptr<FragmentsTab> fragments_;
  std::unique_ptr<SettingsPage> settings_page_;
  std::unique_ptr<RecoveryStore> recovery_;  // outlives the documents that use it
  std::unique_ptr<Documents> documents_;
};

}  // namespace tarnpad
