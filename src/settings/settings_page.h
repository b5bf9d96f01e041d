#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "settings/settings.h"
#include "settings/tune_controls.h"
#include "window/controls.h"
#include "window/dispatch.h"

namespace tarnpad {

// What the settings page puts into effect, each once its value is written
// to the settings file.
struct SettingsEffects {
  std::function<void(bool use)> backupUse;
  std::function<void(bool edited_only)> backupEdited;
  std::function<void(NavigationListStyle style)> listStyle;
  std::function<void(NavigationFontSize size)> fontSize;
  std::function<void()> done;  // "OK": back to the editor
};

struct SettingsPageArgs {
  Panel* page = nullptr;  // the page of the main notebook it fills
  std::filesystem::path settings_file;
  SettingsEffects effects;
  EventRunner run;  // runs the handlers of users' clicks
};

// The settings page (Tune_Page): two groups of check boxes and radio
// buttons, and "OK". Each click writes its value to the settings file at
// once. Tab goes from the backup group to "OK" and then to the navigation
// group.
class SettingsPage {
 public:
  // Identifiers of the controls in the window tree.
  enum ControlId : int {
    kBackupUseId = 1401,
    kBackupEditedId,
    kOkId,
    kListCompactId,
    kListWideId,
    kFontSmallId,
    kFontNormalId,
    kFontBigId,
  };

  explicit SettingsPage(const SettingsPageArgs& args);
  SettingsPage(const SettingsPage&) = delete;
  SettingsPage& operator=(const SettingsPage&) = delete;

  // Shows the stored backup flags and list style; the font size buttons keep
  // this run's last choice. Where that changes a control, its effect runs
  // and writes the value again, so a settings file that cannot be written
  // throws here.
  void ShowStored(const Settings& stored);
  // The control that takes the keyboard when the page is shown.
  HWND FirstControl() const { return Tune_Backup_CheckBox->Handle(); }

 private:
  void CreateControls(HWND page);
  void BindEvents(const EventRunner& run);
  void ChooseListStyle(NavigationListStyle style);
  void ChooseFontSize(NavigationFontSize size);

  std::filesystem::path settings_file_;
  SettingsEffects effects_;

  // Controls, from the outside in.
  std::unique_ptr<Panel> Tune_Panel;
  std::unique_ptr<GroupFrame> Tune_Backup_GroupBox;
  std::unique_ptr<CheckBox> Tune_Backup_CheckBox;
  std::unique_ptr<CheckBox> Tune_Backup_Edited_CheckBox;
  std::unique_ptr<Button> Button2;
  std::unique_ptr<GroupFrame> Tune_Navigation_GroupBox;
  std::unique_ptr<Panel> Tune_Navigation_List_Panel;
  std::unique_ptr<Label> Tune_Navigation_List_Label;
  std::unique_ptr<RadioButton> Tune_Navigation_List_Compact_RadioButton;
  std::unique_ptr<RadioButton> Tune_Navigation_List_Wide_RadioButton;
  std::unique_ptr<Panel> Tune_Navigation_Font_Panel;
  std::unique_ptr<Label> Tune_Navigation_Font_Label;
  std::unique_ptr<RadioButton> Tune_Navigation_Font_Small_RadioButton;
  std::unique_ptr<RadioButton> Tune_Navigation_Font_Normal_RadioButton;
  std::unique_ptr<RadioButton> Tune_Navigation_Font_Big_RadioButton;
  std::unique_ptr<Bevel> Bevel1;
};

}  // namespace tarnpad
