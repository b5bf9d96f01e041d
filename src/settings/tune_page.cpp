// The composition of the settings page.
#include "settings/tune_page.h"

namespace tarnpad {
namespace {

// A caption's width depends on the face that stands in for the form's font,
// so the labels take the whole width of their panel rather than clip.
constexpr int kLabelWidth = 113;

}  // namespace

void MainForm::TunePageDeleter::operator()(TunePage* page) const {
  delete page;
}

void MainForm::CreateTunePage() {
  tune.reset(new TunePage);
  TunePage& page = *tune;
  page.Tune_Panel = std::make_unique<Panel>(Tune_Page->Handle());
  Tune_Page->Layout().Add(page.Tune_Panel->Handle(), Dock::Client, 0);
  DockLayout& panel = page.Tune_Panel->Layout();

  // Created in the keyboard order of the page.
  page.Tune_Backup_GroupBox =
      std::make_unique<GroupFrame>(page.Tune_Panel->Handle(), L"  Резервное копирование  ");
  panel.AddFixed(page.Tune_Backup_GroupBox->Handle(), 168, 8, 153, 73);
  HWND backup = page.Tune_Backup_GroupBox->Handle();
  page.Tune_Backup_CheckBox = std::make_unique<CheckBox>(backup, L"использовать");
  page.Tune_Backup_Edited_CheckBox = std::make_unique<CheckBox>(backup, L"только измененное");
  DockLayout& backup_layout = page.Tune_Backup_GroupBox->Layout();
  backup_layout.AddFixed(page.Tune_Backup_CheckBox->Handle(), 16, 24, 97, 17);
  backup_layout.AddFixed(page.Tune_Backup_Edited_CheckBox->Handle(), 16, 48, 129, 17);

  page.Button2 = std::make_unique<Button>(page.Tune_Panel->Handle(), L"OK");
  panel.AddFixed(page.Button2->Handle(), 248, 200, 75, 25);

  page.Tune_Navigation_GroupBox =
      std::make_unique<GroupFrame>(page.Tune_Panel->Handle(), L"  Навигация  ");
  panel.AddFixed(page.Tune_Navigation_GroupBox->Handle(), 8, 8, 153, 169);
  HWND navigation = page.Tune_Navigation_GroupBox->Handle();
  DockLayout& navigation_layout = page.Tune_Navigation_GroupBox->Layout();

  page.Tune_Navigation_List_Panel = std::make_unique<Panel>(navigation);
  navigation_layout.AddFixed(page.Tune_Navigation_List_Panel->Handle(), 8, 16, 129, 65);
  HWND list = page.Tune_Navigation_List_Panel->Handle();
  page.Tune_Navigation_List_Label = std::make_unique<Label>(list, L"Отображать список");
  page.Tune_Navigation_List_Compact_RadioButton =
      std::make_unique<RadioButton>(list, L"компактно", true, true);
  page.Tune_Navigation_List_Wide_RadioButton =
      std::make_unique<RadioButton>(list, L"развернуто", false);
  DockLayout& list_layout = page.Tune_Navigation_List_Panel->Layout();
  list_layout.AddFixed(page.Tune_Navigation_List_Label->Handle(), 8, 8, kLabelWidth, 13);
  list_layout.AddFixed(page.Tune_Navigation_List_Compact_RadioButton->Handle(), 8, 24, 89, 17);
  list_layout.AddFixed(page.Tune_Navigation_List_Wide_RadioButton->Handle(), 8, 40, 89, 17);

  page.Tune_Navigation_Font_Panel = std::make_unique<Panel>(navigation);
  navigation_layout.AddFixed(page.Tune_Navigation_Font_Panel->Handle(), 8, 80, 129, 81);
  HWND font = page.Tune_Navigation_Font_Panel->Handle();
  page.Tune_Navigation_Font_Label = std::make_unique<Label>(font, L"Размер шрифта");
  page.Tune_Navigation_Font_Small_RadioButton =
      std::make_unique<RadioButton>(font, L"мелкий", true);
  page.Tune_Navigation_Font_Normal_RadioButton =
      std::make_unique<RadioButton>(font, L"нормальный", false, true);
  page.Tune_Navigation_Font_Big_RadioButton =
      std::make_unique<RadioButton>(font, L"крупный", false);
  DockLayout& font_layout = page.Tune_Navigation_Font_Panel->Layout();
  font_layout.AddFixed(page.Tune_Navigation_Font_Label->Handle(), 8, 8, kLabelWidth, 13);
  font_layout.AddFixed(page.Tune_Navigation_Font_Small_RadioButton->Handle(), 8, 24, 89, 17);
  font_layout.AddFixed(page.Tune_Navigation_Font_Normal_RadioButton->Handle(), 8, 40, 89, 17);
  font_layout.AddFixed(page.Tune_Navigation_Font_Big_RadioButton->Handle(), 8, 56, 89, 17);

  page.Bevel1 = std::make_unique<Bevel>(page.Tune_Panel->Handle());
  panel.AddFixed(page.Bevel1->Handle(), 8, 192, 313, 2);

  const auto bind = [this](ToggleButton& control, void (MainForm::*handler)()) {
    control.onClick = [this, handler] { (this->*handler)(); };
    control.runUserClick = [this](const std::function<void()>& run) { Dispatch(run); };
  };
  bind(*page.Tune_Backup_CheckBox, &MainForm::Tune_Backup_CheckBoxClick);
  bind(*page.Tune_Backup_Edited_CheckBox, &MainForm::Tune_Backup_Edited_CheckBoxClick);
  bind(*page.Tune_Navigation_List_Compact_RadioButton,
       &MainForm::Tune_Navigation_List_Compact_RadioButtonClick);
  bind(*page.Tune_Navigation_List_Wide_RadioButton,
       &MainForm::Tune_Navigation_List_Wide_RadioButtonClick);
  bind(*page.Tune_Navigation_Font_Small_RadioButton,
       &MainForm::Tune_Navigation_Font_Small_RadioButtonClick);
  bind(*page.Tune_Navigation_Font_Normal_RadioButton,
       &MainForm::Tune_Navigation_Font_Normal_RadioButtonClick);
  bind(*page.Tune_Navigation_Font_Big_RadioButton,
       &MainForm::Tune_Navigation_Font_Big_RadioButtonClick);
  page.Button2->onClick = [this] { Dispatch([this] { Button2Click(); }); };
}

}  // namespace tarnpad
