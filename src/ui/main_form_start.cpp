// Start-up of the main window and its backup timer.
#include "editor/text_view.h"
#include "navigation/navigation_panel.h"
#include "navigation/panel_rules.h"
#include "tools/tools_panel.h"
#include "tools/tools_panel_rules.h"
#include "ui/main_form.h"
#include "ui/status_panels.h"

namespace tarnpad {

namespace {
constexpr UINT_PTR kBackupTimerId = 1;
constexpr UINT kBackupInterval = 600000;  // ten minutes
}  // namespace

// The navigation panel starts hidden, to be shown at width 400.
void MainForm::FormCreate() {
  ReadSettings();
  ShowCaption(State().AppTitle);
  ShowTaskbarTitle(State().AppTitle);
  navigation_->SetWidth(kHiddenNavigationWidth);
  tools_->SetHeight(kToolsCollapsedHeight);
  _StatusBar->ShowDate(seams_.clock->ShortDateText());
  // Typing starts as the Insert key's toggle says: on means overwriting.
  RichEdit->SetOverwriteMode(seams_.shell->InsertKeyState());
  ShowTypingMode();
  SetToolsStripHeight(0);
  EnableMenuItem(menus_.bar, kCmdFileSave, MF_BYCOMMAND | MF_GRAYED);
  SetBackupTimerEnabled(State().BackupUse);
  if (!first_argument_.empty()) documents_->LoadDocument(first_argument_);
}

void MainForm::SetBackupTimerEnabled(bool enabled) {
  if (enabled) {
    SetTimer(window_, kBackupTimerId, kBackupInterval, nullptr);
  } else {
    KillTimer(window_, kBackupTimerId);
  }
  backup_timer_enabled_ = enabled;
}

}  // namespace tarnpad
