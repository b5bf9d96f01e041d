#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "navigation/section_export.h"
#include "shell/app_state.h"
#include "shell/seams.h"
#include "ui/main_menu.h"
#include "ui/status_panels.h"
#include "window/controls.h"
#include "window/gdi_win.h"
#include "window/splitter.h"
#include "window/tabbed_notebook.h"
#include "window/tool_bar.h"
#include "window/window_base.h"

namespace tarnpad {

class SettingsPage;
class TaskbarOwner;
class TextView;

// The main window: every control of the program under the name the program
// gives it, the program-wide state, and the handlers. The handlers of each
// subsystem are defined in that subsystem's folder.
class MainForm : public WindowBase<MainForm> {
 public:
  // Creates the window and runs the start-up sequence; first_argument is
  // the first command-line argument (the document to open), or empty.
  MainForm(const Seams& seams, const std::wstring& first_argument);
  ~MainForm();
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
  std::wstring TaskbarTitle() const;
  void SetTaskbarTitle(const std::wstring& title);
  std::wstring Caption() const;

  // Runs a handler; a failure is shown in the error box and the event loop
  // goes on.
  void Dispatch(const std::function<void()>& handler);
  // Shows a failure's message in the error box, as Dispatch does.
  void ShowFailure(const std::wstring& message);

  AppState state;

  // Controls, from the outside in.
  std::unique_ptr<ToolButtonBar> ToolBar;
  std::unique_ptr<PageContainer> _ToolsNotebook;
  std::unique_ptr<GroupBox> PasswordsGenerator_GroupBox;
  std::unique_ptr<GroupBox> GroupBox3;
  std::unique_ptr<StatusPanels> _StatusBar;
  std::unique_ptr<PageContainer> _Notebook;
  Panel* Editor_Page = nullptr;
  Panel* Tune_Page = nullptr;
  std::unique_ptr<Panel> Editor_Panel;
  std::unique_ptr<Panel> Navigation_Panel;
  std::unique_ptr<Panel> Navigation_Tools_Panel;
  std::unique_ptr<Label> Navigation_Tools_Hide_Label;
  std::unique_ptr<Label> Navigation_Tools_Recount_Label;
  std::unique_ptr<Label> Navigation_Tools_RecountHint_Label;
  std::unique_ptr<ListBox> Navigation_ListBox;
  std::unique_ptr<Splitter> Splitter1;
  std::unique_ptr<Panel> Main_Panel;
  std::unique_ptr<TextView> RichEdit;
  std::unique_ptr<Splitter> Splitter2;
  std::unique_ptr<Panel> Tools_Panel;
  std::unique_ptr<TabbedNotebook> TabbedNotebook1;
  std::unique_ptr<ListBox> Fragment_ListBox;
  std::unique_ptr<Splitter> Splitter3;
  std::unique_ptr<TextView> Fragment_Memo;
  std::unique_ptr<Edit> Memo1;
  std::unique_ptr<Edit> Search_Edit;
  std::unique_ptr<Button> Search_Button;
  std::unique_ptr<Button> Search_More_Button;
  std::unique_ptr<Edit> Replace_From_Edit;
  std::unique_ptr<Edit> Replace_To_Edit;
  std::unique_ptr<Button> Replace_All_Button;
  std::unique_ptr<Button> Button3;
  std::unique_ptr<Button> Button4;
  MainMenus menus;

  // State and controls of the subsystems, each kept by its own folder's code.
  // Navigation (navigation/):
  SectionExportDialog NavigationSaveDialog;
  // Opens NavigationPopupMenu when the navigation list asks for a context menu.
  void AttachNavigationPopupMenu();

  // Documents (documents/):
  // What each file dialog proposes next: the name and filter last chosen in it.
  FileDialogResult open_dialog_choice;
  FileDialogResult save_dialog_choice;
  // Save As: asks for a name, then writes the text there; false when the
  // user cancelled the dialog.
  bool SaveDocumentAs();
  // The text now belongs to the file path: it is unmodified and Save is on.
  void TakeFileName(const std::filesystem::path& path);
  // New's and Open's question about modified text; false when the text
  // should stay.
  bool SettleUnsavedDocument();

  // Sizes of the panels whose special values carry a state: the navigation
  // panel at width 1 is hidden, the tools panel at height 25 is collapsed,
  // the tools strip at height 0 is hidden (96-dpi pixels).
  int NavigationPanelWidth() const;
  void SetNavigationPanelWidth(int width);
  int ToolsPanelHeight() const;
  void SetToolsPanelHeight(int height);
  int ToolsNotebookHeight() const;
  void SetToolsNotebookHeight(int height);

  // The navigation list's font, as the settings choose it.
  void SetNavigationListFontName(const std::wstring& face);
  void SetNavigationListFontPoints(int points);

  // Start-up, titles and settings.
  void FormCreate();
  void ReadSettings();
  void UpdateTitle(const std::wstring& path);
  void SetBackupTimerEnabled(bool enabled);
  bool BackupTimerEnabled() const { return backup_timer_enabled_; }

  // Help.
  void MM_Help_AboutClick();
  void MM_Help_SiteClick();
  void N35Click();

  // Documents (documents/).
  void LoadDocument(const std::wstring& path);
  void MM_File_CreateClick();
  void MM_File_OpenClick();
  void MM_File_SaveClick();
  void MM_File_Save_AsClick();
  void MM_File_ExitClick();
  // The window is asked to close; false keeps it open.
  bool FormClose();
  // The session is about to end: the close question, when the text is
  // modified; false refuses the end of the session.
  bool SessionMayEnd();
  void Backup_TimerTimer();
  void MM_File_DORN_RenewClick();

  // Settings page (settings/).
  void N34Click();

  // Navigation (navigation/).
  void MM_NavigationClick();
  void Navigation_Tools_Hide_LabelClick();
  void Navigation_Tools_Recount_LabelClick();
  void Navigation_ListBoxClick();
  void Navigation_ListBoxDblClick();
  void Splitter1Moved();
  void N49Click();
  void TabbedNotebook1Change(int new_index);
  void TabbedNotebook1Click();
  void Fragment_ListBoxClick();

  // Editing tools (tools/).
  void InsertionItemClick(UINT id);  // the 30 items of the two insertion drop-downs
  void SpeedButton1Click();
  void N3Click();
  void Search_ButtonClick();
  void Search_More_ButtonClick();
  void Replace_All_ButtonClick();
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
  void Button3Click();
  void Button4Click();
  void N210Click();
  void N40Click();
  void N41Click();
  void N61Click();
  void N42Click();
  void echobr1Click();
  void PHP1Click();

  // The status bar. Every edit of the editor's text, whatever made it, marks
  // the document as modified (RichEdit's edit event); so does every
  // character key pressed in the editor, even one that changes nothing.
  void MarkTextEdited();
  void RichEditSelectionChange();
  void RichEditKeyPress(wchar_t key);
  void RichEditKeyUp(UINT key);
  void RichEditKeyDown(UINT key);

 private:
  // The fonts for the current dpi. The controls only borrow them: a set is
  // released only once the controls have the next one.
  struct Fonts {
    UniqueFont form;         // "MS Sans Serif" 8 points: every control's default
    UniqueFont list;         // Navigation_ListBox, from the settings
    UniqueFont tool_button;  // Arial 8 points: the buttons on the tab row
    UniqueFont memo;         // "Lucida Console" -13: the notepad
  };
  friend class WindowBase<MainForm>;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void BindHandle(HWND window) { window_ = window; }
  // Everything after the window itself: controls, fonts, events, start-up.
  void Compose();
  void CreateControls();
  void CreateEditorPage();
  void CreateToolsPanel();
  void CreateSettingsPage();
  void ShowEditorPage();
  Fonts CreateFonts() const;
  void ApplyFonts();
  void ApplyNavigationListFont();
  void Relayout();
  void RunCommand(UINT id);
  void OpenDropdown(HMENU dropdown, int bar_position);
  void OpenEscapeDropdown();  // F6
  void OpenSymbolDropdown();  // F5
  void ShowEditorContextMenu(POINT screen);
  void BindControlEvents();

  Seams seams_;
  std::unique_ptr<SettingsPage> settings_page_;
  std::unique_ptr<TaskbarOwner> owner_;  // holds the taskbar button
  HWND window_ = nullptr;
  UniqueAccelerators accelerators_;
  DockLayout layout_;
  std::wstring first_argument_;
  bool backup_timer_enabled_ = false;
  bool backup_tick_running_ = false;
  int dpi_ = 96;
  Fonts fonts_;
  // The screen's dpi changed: every font and picture is made for it and
  // applied, and only then the old ones are released.
  void ChangeDpi(int dpi);
  std::wstring navigation_list_face_ = L"Small Fonts";
  int navigation_list_height_ = -9;  // 96-dpi pixels
};

}  // namespace tarnpad
