// The settings as the main window reads them at start-up, and the settings
// page it shows in place of the editor.
#include "editor/text_view.h"
#include "navigation/navigation_panel.h"
#include "settings/settings.h"
#include "settings/settings_page.h"
#include "ui/main_form.h"
#include "window/tabbed_notebook.h"

namespace tarnpad {

void MainForm::ReadSettings() {
  const Settings settings = tarnpad::ReadSettings(SettingsFile(State().ProgramDir));
  documents_->TakeBackupSettings(settings.BackupUse, settings.BackupEdited);
  if (settings.FontSize) navigation_->SetListFontPoints(NavigationFontPoints(*settings.FontSize));
  navigation_->SetListFontName(NavigationListFontName(settings.ListStyle),
                               NavigationListFontIsMonospaced(settings.ListStyle));
}

// Made when first shown: most sessions never open it, and every control
// costs start-up time.
void MainForm::CreateSettingsPage() {
  SettingsPageArgs args;
  args.page = &_Notebook->AddPage(L"Tune");
  args.settings_file = SettingsFile(seams_.program_dir);
  args.run = [this](const std::function<void()>& handler) { Dispatch(handler); };
  // The backup flag itself stays as read; the next opening of the page
  // reads it anew. A running timer keeps its interval.
  args.effects.backupUse = [this](bool use) {
    if (BackupTimerEnabled() != use) SetBackupTimerEnabled(use);
  };
  args.effects.backupEdited = [this](bool edited_only) {
    documents_->SetBackupEditedOnly(edited_only);
  };
  args.effects.listStyle = [this](NavigationListStyle style) {
    navigation_->SetListFontName(NavigationListFontName(style),
                                 NavigationListFontIsMonospaced(style));
  };
  args.effects.fontSize = [this](NavigationFontSize size) {
    navigation_->SetListFontPoints(NavigationFontPoints(size));
  };
  args.effects.done = [this] { ShowEditorPage(); };
  settings_page_ = std::make_unique<SettingsPage>(args);
  ApplyFormFont(args.page->Handle());
  _Notebook->Relayout();  // places the new page, which places its controls
}

// Where showing a stored value changes a control, its effect runs and writes
// that value again, so a settings file that cannot be written stops here and
// the page stays hidden.
void MainForm::N34Click() {
  const Settings stored = tarnpad::ReadSettings(SettingsFile(State().ProgramDir));
  if (!settings_page_) CreateSettingsPage();
  documents_->TakeBackupSettings(stored.BackupUse, stored.BackupEdited);
  navigation_->SetListFontName(NavigationListFontName(stored.ListStyle),
                               NavigationListFontIsMonospaced(stored.ListStyle));
  settings_page_->ShowStored(stored);
  _Notebook->ShowPage(L"Tune");
  // The hidden editor must not keep the keyboard.
  SetFocus(settings_page_->FirstControl());
}

void MainForm::ShowEditorPage() {
  _Notebook->ShowPage(L"Editor");
  SetFocus(RichEdit->Handle());
}

}  // namespace tarnpad
