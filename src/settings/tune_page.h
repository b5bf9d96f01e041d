#pragma once

#include <memory>

#include "settings/tune_controls.h"
#include "ui/main_form.h"
#include "window/controls.h"

namespace tarnpad {

// The controls of the settings page, from the outside in. Tab goes from
// the backup group to "OK" and then to the navigation group.
struct MainForm::TunePage {
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
