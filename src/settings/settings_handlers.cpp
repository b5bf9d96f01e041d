// Reading the settings into the running program, and the settings page's
// reactions: each click writes its value to the settings file at once and
// puts it into effect only once it is written.
#include "editor/text_view.h"
#include "settings/settings.h"
#include "settings/tune_page.h"
#include "ui/main_form.h"

namespace tarnpad {
namespace {

void ChooseListStyle(MainForm& form, NavigationListStyle style) {
  WriteNavigationListStyle(SettingsFile(form.state.ProgramDir), style);
  form.SetNavigationListFontName(NavigationListFontName(style));
}

void ChooseFontSize(MainForm& form, NavigationFontSize size) {
  WriteNavigationFontSize(SettingsFile(form.state.ProgramDir), size);
  form.SetNavigationListFontPoints(NavigationFontPoints(size));
}

}  // namespace

void MainForm::ReadSettings() {
  const Settings settings = tarnpad::ReadSettings(SettingsFile(state.ProgramDir));
  state.BackupUse = settings.BackupUse;
  state.BackupEdited = settings.BackupEdited;
  if (settings.FontSize) SetNavigationListFontPoints(NavigationFontPoints(*settings.FontSize));
  SetNavigationListFontName(NavigationListFontName(settings.ListStyle));
}

// The page shows the stored backup flags and list style; the font size
// buttons keep this run's last choice. Where showing a stored value changes
// a control, its reaction runs and writes that value again, so a settings
// file that cannot be written stops here and the page stays hidden.
void MainForm::N34Click() {
  const Settings stored = tarnpad::ReadSettings(SettingsFile(state.ProgramDir));
  state.BackupUse = stored.BackupUse;
  state.BackupEdited = stored.BackupEdited;
  SetNavigationListFontName(NavigationListFontName(stored.ListStyle));
  TunePage& page = *tune;
  if (stored.ListStyle == NavigationListStyle::Wide) {
    page.Tune_Navigation_List_Wide_RadioButton->SetChecked(true);
  } else {
    page.Tune_Navigation_List_Compact_RadioButton->SetChecked(true);
  }
  page.Tune_Backup_CheckBox->SetChecked(state.BackupUse);
  page.Tune_Backup_Edited_CheckBox->SetChecked(state.BackupEdited);
  _Notebook->ShowPage(L"Tune");
  // The hidden editor must not keep the keyboard.
  SetFocus(page.Tune_Backup_CheckBox->Handle());
}

// BackupUse itself stays as read; the next opening of the page reads it anew.
void MainForm::Tune_Backup_CheckBoxClick() {
  const bool use = tune->Tune_Backup_CheckBox->Checked();
  WriteBackupUse(SettingsFile(state.ProgramDir), use);
  // A running timer keeps its interval.
  if (BackupTimerEnabled() != use) SetBackupTimerEnabled(use);
}

void MainForm::Tune_Backup_Edited_CheckBoxClick() {
  const bool edited_only = tune->Tune_Backup_Edited_CheckBox->Checked();
  WriteBackupEdited(SettingsFile(state.ProgramDir), edited_only);
  state.BackupEdited = edited_only;
}

void MainForm::Tune_Navigation_List_Wide_RadioButtonClick() {
  ChooseListStyle(*this, NavigationListStyle::Wide);
}

void MainForm::Tune_Navigation_List_Compact_RadioButtonClick() {
  ChooseListStyle(*this, NavigationListStyle::Compact);
}

void MainForm::Tune_Navigation_Font_Small_RadioButtonClick() {
  ChooseFontSize(*this, NavigationFontSize::Small);
}

void MainForm::Tune_Navigation_Font_Normal_RadioButtonClick() {
  ChooseFontSize(*this, NavigationFontSize::Normal);
}

void MainForm::Tune_Navigation_Font_Big_RadioButtonClick() {
  ChooseFontSize(*this, NavigationFontSize::Big);
}

void MainForm::Button2Click() {
  _Notebook->ShowPage(L"Editor");
  SetFocus(RichEdit->Handle());
}

}  // namespace tarnpad
