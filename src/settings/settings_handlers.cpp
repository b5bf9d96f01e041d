// Reading the settings into the running program.
#include "settings/settings.h"
#include "ui/main_form.h"

namespace tarnpad {

void MainForm::ReadSettings() {
  const Settings settings = tarnpad::ReadSettings(SettingsFile(state.ProgramDir));
  state.BackupUse = settings.BackupUse;
  state.BackupEdited = settings.BackupEdited;
  if (settings.FontSize) SetNavigationListFontPoints(NavigationFontPoints(*settings.FontSize));
  SetNavigationListFontName(NavigationListFontName(settings.ListStyle));
}

}  // namespace tarnpad
