// The settings page in a real main window: what it shows, what its clicks
// write to the settings file and put into effect, and unwritable settings.
#include <gtest/gtest.h>

#include "form_fixture.h"
#include "settings/settings_page.h"

namespace tarnpad {
namespace {

namespace fs = std::filesystem;

// The navigation list's font as the window has it.
LOGFONTW ListFont(MainForm& form) {
  LOGFONTW font{};
  HWND list = FindWindowById(form.Handle(), NavigationPanel::kListId);
  const auto handle = reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0));
  GetObjectW(handle, sizeof(font), &font);
  return font;
}

void Click(const Control& control) {
  SendMessageW(control.Handle(), BM_CLICK, 0, 0);
}

class TunePageTest : public FormFixture {
 protected:
  fs::path Ini() const { return program_dir_ / L"tarnpad.ini"; }
  CheckBox& BackupUse() { return Find<CheckBox>(SettingsPage::kBackupUseId); }
  CheckBox& BackupEdited() { return Find<CheckBox>(SettingsPage::kBackupEditedId); }
  RadioButton& Radio(SettingsPage::ControlId id) { return Find<RadioButton>(id); }
  Button& Ok() { return Find<Button>(SettingsPage::kOkId); }
};

TEST_F(TunePageTest, WithoutASettingsFileThePageShowsTheDefaultsAndWritesNothing) {
  MainForm& form = Start();
  const LONG initial_height = ListFont(form).lfHeight;
  form.N34Click();
  EXPECT_EQ(form.ActivePage(), L"Tune");
  EXPECT_TRUE(Radio(SettingsPage::kListCompactId).Checked());
  EXPECT_FALSE(Radio(SettingsPage::kListWideId).Checked());
  EXPECT_TRUE(Radio(SettingsPage::kFontNormalId).Checked());
  EXPECT_FALSE(BackupUse().Checked());
  EXPECT_FALSE(BackupEdited().Checked());
  EXPECT_FALSE(fs::exists(Ini()));
  EXPECT_FALSE(form.BackupTimerEnabled());
  EXPECT_STREQ(ListFont(form).lfFaceName, L"Small Fonts");
  EXPECT_EQ(ListFont(form).lfHeight, initial_height);

  Click(Ok());
  EXPECT_EQ(form.ActivePage(), L"Editor");
  EXPECT_EQ(GetFocus(), Editor().Handle());
}

TEST_F(TunePageTest, CheckBoxClicksWriteTheirFlagAndTakeEffect) {
  MainForm& form = Start();
  form.N34Click();
  Click(BackupUse());
  EXPECT_TRUE(BackupUse().Checked());
  EXPECT_EQ(ReadFile(Ini()), "[Backup]\r\nUse=1\r\n");
  EXPECT_TRUE(form.BackupTimerEnabled());
  EXPECT_FALSE(form.State().BackupUse);  // read anew when the page opens

  Click(BackupEdited());
  EXPECT_TRUE(form.State().BackupEdited);
  Click(BackupUse());
  EXPECT_EQ(ReadFile(Ini()), "[Backup]\r\nUse=0\r\nEdited=1\r\n");
  EXPECT_FALSE(form.BackupTimerEnabled());
}

TEST_F(TunePageTest, RadioButtonsWriteTheirWordOnlyWhenTheyChangeTheChoice) {
  MainForm& form = Start();
  form.N34Click();
  Click(Radio(SettingsPage::kFontNormalId));  // already checked
  EXPECT_FALSE(fs::exists(Ini()));

  Click(Radio(SettingsPage::kListWideId));
  Click(Radio(SettingsPage::kFontBigId));
  EXPECT_FALSE(Radio(SettingsPage::kListCompactId).Checked());
  EXPECT_FALSE(Radio(SettingsPage::kFontNormalId).Checked());
  EXPECT_TRUE(Radio(SettingsPage::kFontBigId).Checked());
  EXPECT_EQ(ReadFile(Ini()), "[Navigation]\r\nList=Wide\r\nFont=Big\r\n");
  // "Lucida Console", or another monospaced face where the system lacks it.
  EXPECT_TRUE(HasMonospacedFont(NavigationList().Handle()));
  const LONG big = ListFont(form).lfHeight;
  Click(Radio(SettingsPage::kFontSmallId));
  EXPECT_GT(ListFont(form).lfHeight, big);  // heights are negative: smaller type

  fs::remove(Ini());
  Click(Radio(SettingsPage::kListWideId));
  EXPECT_FALSE(fs::exists(Ini()));
}

// Showing a stored value that differs from the page runs that control's
// reaction, which writes the value again and applies it; the font size is
// not read when the page opens.
TEST_F(TunePageTest, OpeningThePageShowsTheStoredValuesAndAppliesThem) {
  WriteFile(Ini(), "; kept\r\n[backup]\r\nuse = 0x1\r\n[Navigation]\r\nList=Wide\r\n");
  MainForm& form = Start();
  EXPECT_TRUE(form.BackupTimerEnabled());
  form.SetBackupTimerEnabled(false);
  WriteFile(Ini(), "; kept\r\n[backup]\r\nuse = 0x1\r\n[Navigation]\r\nList=Wide\r\nFont=Big\r\n");
  const LONG height = ListFont(form).lfHeight;
  form.N34Click();
  EXPECT_TRUE(Radio(SettingsPage::kListWideId).Checked());
  EXPECT_TRUE(BackupUse().Checked());
  EXPECT_TRUE(form.BackupTimerEnabled());
  EXPECT_TRUE(form.State().BackupUse);
  EXPECT_EQ(ReadFile(Ini()),
            "; kept\r\n[backup]\r\nuse =1\r\n[Navigation]\r\nList=Wide\r\nFont=Big\r\n");
  EXPECT_TRUE(HasMonospacedFont(NavigationList().Handle()));
  EXPECT_EQ(ListFont(form).lfHeight, height);
  EXPECT_TRUE(Radio(SettingsPage::kFontNormalId).Checked());

  // Another program changed the file meanwhile: "wide" is not "Wide".
  Click(Ok());
  WriteFile(Ini(), "[Navigation]\r\nList=wide\r\n");
  form.N34Click();
  EXPECT_TRUE(Radio(SettingsPage::kListCompactId).Checked());
  EXPECT_FALSE(BackupUse().Checked());
  EXPECT_FALSE(form.BackupTimerEnabled());
  EXPECT_STREQ(ListFont(form).lfFaceName, L"Small Fonts");
}

TEST_F(TunePageTest, AnUnwritableSettingsFileIsReportedAndNothingTakesEffect) {
  WriteFile(Ini(), "[Backup]\r\nUse=1\r\n");
  SetFileAttributesW(Ini().c_str(), FILE_ATTRIBUTE_READONLY);
  MainForm& form = Start();
  form.SetBackupTimerEnabled(false);
  form.Dispatch([&] { form.N34Click(); });
  ASSERT_EQ(surroundings_.boxes.shown.size(), 1u);
  EXPECT_EQ(surroundings_.boxes.shown[0].kind, BoxKind::Error);
  EXPECT_EQ(surroundings_.boxes.shown[0].text, L"Unable to write to " + Ini().wstring() + L".");
  EXPECT_EQ(form.ActivePage(), L"Editor");
  EXPECT_TRUE(BackupUse().Checked());
  EXPECT_FALSE(form.BackupTimerEnabled());

  // A user's click: the box keeps its new state, the effect does not follow.
  Click(BackupEdited());
  ASSERT_EQ(surroundings_.boxes.shown.size(), 2u);
  EXPECT_TRUE(BackupEdited().Checked());
  EXPECT_FALSE(form.State().BackupEdited);
  EXPECT_EQ(ReadFile(Ini()), "[Backup]\r\nUse=1\r\n");
}

TEST_F(TunePageTest, TheKeyboardVisitsTheBackupGroupThenOkThenTheNavigationGroup) {
  MainForm& form = Start();
  form.N34Click();
  HWND panel = GetParent(Ok().Handle());
  std::vector<HWND> order;
  for (HWND child = GetWindow(panel, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    order.push_back(child);
  }
  ASSERT_GE(order.size(), 3u);
  EXPECT_EQ(order[0], GetParent(BackupUse().Handle()));
  EXPECT_EQ(order[1], Ok().Handle());
  EXPECT_EQ(order[2], GetParent(GetParent(Radio(SettingsPage::kListWideId).Handle())));
  EXPECT_EQ(GetFocus(), BackupUse().Handle());
  EXPECT_EQ(GetNextDlgTabItem(form.Handle(), BackupEdited().Handle(), FALSE), Ok().Handle());
}

}  // namespace
}  // namespace tarnpad
