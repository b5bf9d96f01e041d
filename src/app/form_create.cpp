// Start-up of the main window and the titles that name the document.
#include <filesystem>

#include "navigation/panel_rules.h"
#include "shell/title.h"
#include "ui/main_form.h"

namespace tarnpad {

namespace {
constexpr UINT_PTR kBackupTimerId = 1;
constexpr UINT kBackupInterval = 600000;  // ten minutes
}  // namespace

void MainForm::FormCreate() {
  state.AppTitle = kAppTitle;
  state.BackupUse = false;
  state.ProgramDir = seams_.program_dir;
  ReadSettings();
  SetWindowTextW(window_, state.AppTitle.c_str());
  SetTaskbarTitle(state.AppTitle);
  SetNavigationPanelWidth(kHiddenNavigationWidth);
  state.SavedNavigationWidth = 400;
  SetToolsPanelHeight(kToolsCollapsedHeight);
  _StatusBar->ShowDate(seams_.clock->ShortDateText());
  SetToolsNotebookHeight(0);
  EnableMenuItem(menus.bar, kCmdFileSave, MF_BYCOMMAND | MF_GRAYED);
  SetBackupTimerEnabled(state.BackupUse);
  if (!first_argument_.empty()) LoadDocument(first_argument_);
}

void MainForm::SetBackupTimerEnabled(bool enabled) {
  if (enabled) {
    SetTimer(window_, kBackupTimerId, kBackupInterval, nullptr);
  } else {
    KillTimer(window_, kBackupTimerId);
  }
  backup_timer_enabled_ = enabled;
}

void MainForm::UpdateTitle(const std::wstring& path) {
  const Titles titles = TitlesFor(state.AppTitle, path);
  SetWindowTextW(window_, titles.Caption.c_str());
  if (titles.TaskbarTitle) SetTaskbarTitle(*titles.TaskbarTitle);
}

}  // namespace tarnpad
