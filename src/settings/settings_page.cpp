#include "settings/settings_page.h"

namespace tarnpad {
namespace {

// A caption's width depends on the face that stands in for the form's font,
// so the labels take the whole width of their panel rather than clip.
constexpr int kLabelWidth = 113;

}  // namespace

SettingsPage::SettingsPage(const SettingsPageArgs& args)
    : settings_file_(args.settings_file), effects_(args.effects) {
  CreateControls(args.page->Handle());
  args.page->Layout().Add(Tune_Panel->Handle(), Dock::Client, 0);
  BindEvents(args.run);
}

void SettingsPage::ShowStored(const Settings& stored) {
  if (stored.ListStyle == NavigationListStyle::Wide) {
    Tune_Navigation_List_Wide_RadioButton->SetChecked(true);
  } else {
    Tune_Navigation_List_Compact_RadioButton->SetChecked(true);
  }
  Tune_Backup_CheckBox->SetChecked(stored.BackupUse);
  Tune_Backup_Edited_CheckBox->SetChecked(stored.BackupEdited);
}

void SettingsPage::ChooseListStyle(NavigationListStyle style) {
  WriteNavigationListStyle(settings_file_, style);
  effects_.listStyle(style);
}

void SettingsPage::ChooseFontSize(NavigationFontSize size) {
  WriteNavigationFontSize(settings_file_, size);
  effects_.fontSize(size);
}

void SettingsPage::BindEvents(const EventRunner& run) {
  const auto bind = [&run](ToggleButton& control, std::function<void()> handler) {
    control.onClick = std::move(handler);
    control.runUserClick = run;
  };
  bind(*Tune_Backup_CheckBox, [this] {
    const bool use = Tune_Backup_CheckBox->Checked();
    WriteBackupUse(settings_file_, use);
    effects_.backupUse(use);
  });
  bind(*Tune_Backup_Edited_CheckBox, [this] {
    const bool edited_only = Tune_Backup_Edited_CheckBox->Checked();
    WriteBackupEdited(settings_file_, edited_only);
    effects_.backupEdited(edited_only);
  });
  bind(*Tune_Navigation_List_Compact_RadioButton,
       [this] { ChooseListStyle(NavigationListStyle::Compact); });
  bind(*Tune_Navigation_List_Wide_RadioButton,
       [this] { ChooseListStyle(NavigationListStyle::Wide); });
  bind(*Tune_Navigation_Font_Small_RadioButton,
       [this] { ChooseFontSize(NavigationFontSize::Small); });
  bind(*Tune_Navigation_Font_Normal_RadioButton,
       [this] { ChooseFontSize(NavigationFontSize::Normal); });
  bind(*Tune_Navigation_Font_Big_RadioButton, [this] { ChooseFontSize(NavigationFontSize::Big); });
  Button2->onClick = RunsThrough(run, [this] { effects_.done(); });
}

void SettingsPage::CreateControls(HWND page) {
  Tune_Panel = std::make_unique<Panel>(page);
  DockLayout& panel = Tune_Panel->Layout();

  // Created in the keyboard order of the page.
  Tune_Backup_GroupBox =
      std::make_unique<GroupFrame>(Tune_Panel->Handle(), L"  Резервное копирование  ");
  panel.AddFixed(Tune_Backup_GroupBox->Handle(), 168, 8, 153, 73);
  HWND backup = Tune_Backup_GroupBox->Handle();
  Tune_Backup_CheckBox = std::make_unique<CheckBox>(backup, L"использовать");
  Tune_Backup_Edited_CheckBox = std::make_unique<CheckBox>(backup, L"только измененное");
  DockLayout& backup_layout = Tune_Backup_GroupBox->Layout();
  backup_layout.AddFixed(Tune_Backup_CheckBox->Handle(), 16, 24, 97, 17);
  backup_layout.AddFixed(Tune_Backup_Edited_CheckBox->Handle(), 16, 48, 129, 17);

  Button2 = std::make_unique<Button>(Tune_Panel->Handle(), L"OK");
  panel.AddFixed(Button2->Handle(), 248, 200, 75, 25);

  Tune_Navigation_GroupBox = std::make_unique<GroupFrame>(Tune_Panel->Handle(), L"  Навигация  ");
  panel.AddFixed(Tune_Navigation_GroupBox->Handle(), 8, 8, 153, 169);
  HWND navigation = Tune_Navigation_GroupBox->Handle();
  DockLayout& navigation_layout = Tune_Navigation_GroupBox->Layout();

  Tune_Navigation_List_Panel = std::make_unique<Panel>(navigation);
  navigation_layout.AddFixed(Tune_Navigation_List_Panel->Handle(), 8, 16, 129, 65);
  HWND list = Tune_Navigation_List_Panel->Handle();
  Tune_Navigation_List_Label = std::make_unique<Label>(list, L"Отображать список");
  Tune_Navigation_List_Compact_RadioButton =
      std::make_unique<RadioButton>(list, L"компактно", true, true);
  Tune_Navigation_List_Wide_RadioButton = std::make_unique<RadioButton>(list, L"развернуто", false);
  DockLayout& list_layout = Tune_Navigation_List_Panel->Layout();
  list_layout.AddFixed(Tune_Navigation_List_Label->Handle(), 8, 8, kLabelWidth, 13);
  list_layout.AddFixed(Tune_Navigation_List_Compact_RadioButton->Handle(), 8, 24, 89, 17);
  list_layout.AddFixed(Tune_Navigation_List_Wide_RadioButton->Handle(), 8, 40, 89, 17);

  Tune_Navigation_Font_Panel = std::make_unique<Panel>(navigation);
  navigation_layout.AddFixed(Tune_Navigation_Font_Panel->Handle(), 8, 80, 129, 81);
  HWND font = Tune_Navigation_Font_Panel->Handle();
  Tune_Navigation_Font_Label = std::make_unique<Label>(font, L"Размер шрифта");
  Tune_Navigation_Font_Small_RadioButton = std::make_unique<RadioButton>(font, L"мелкий", true);
  Tune_Navigation_Font_Normal_RadioButton =
      std::make_unique<RadioButton>(font, L"нормальный", false, true);
  Tune_Navigation_Font_Big_RadioButton = std::make_unique<RadioButton>(font, L"крупный", false);
  DockLayout& font_layout = Tune_Navigation_Font_Panel->Layout();
  font_layout.AddFixed(Tune_Navigation_Font_Label->Handle(), 8, 8, kLabelWidth, 13);
  font_layout.AddFixed(Tune_Navigation_Font_Small_RadioButton->Handle(), 8, 24, 89, 17);
  font_layout.AddFixed(Tune_Navigation_Font_Normal_RadioButton->Handle(), 8, 40, 89, 17);
  font_layout.AddFixed(Tune_Navigation_Font_Big_RadioButton->Handle(), 8, 56, 89, 17);

  Bevel1 = std::make_unique<Bevel>(Tune_Panel->Handle());
  panel.AddFixed(Bevel1->Handle(), 8, 192, 313, 2);

  const std::pair<Control*, ControlId> ids[] = {
      {Tune_Backup_CheckBox.get(), kBackupUseId},
      {Tune_Backup_Edited_CheckBox.get(), kBackupEditedId},
      {Button2.get(), kOkId},
      {Tune_Navigation_List_Compact_RadioButton.get(), kListCompactId},
      {Tune_Navigation_List_Wide_RadioButton.get(), kListWideId},
      {Tune_Navigation_Font_Small_RadioButton.get(), kFontSmallId},
      {Tune_Navigation_Font_Normal_RadioButton.get(), kFontNormalId},
      {Tune_Navigation_Font_Big_RadioButton.get(), kFontBigId},
  };
  for (const auto& [control, id] : ids) SetWindowId(control->Handle(), id);
}

}  // namespace tarnpad
