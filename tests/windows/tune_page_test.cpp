// The settings page in a real main window: what it shows, what its clicks
// write to the settings file and put into effect, and unwritable settings.
#include <gtest/gtest.h>

#include "form_fixture.h"
#include "settings/tune_page.h"

namespace tarnpad {
namespace {

namespace fs = std::filesystem;

// The navigation list's font as the window has it.
LOGFONTW ListFont(MainForm& form) {
  LOGFONTW font{};
  const auto handle =
      reinterpret_cast<HFONT>(SendMessageW(form.Navigation_ListBox->Handle(), WM_GETFONT, 0, 0));
  GetObjectW(handle, sizeof(font), &font);
  return font;
}

void Click(const Control& control) {
  SendMessageW(control.Handle(), BM_CLICK, 0, 0);
}

class TunePageTest : public FormFixture {
 protected:
  fs::path Ini() const { return program_dir_ / L"tarnpad.ini"; }
  MainForm::TunePage& Page() { return *form_->tune; }
};

TEST_F(TunePageTest, WithoutASettingsFileThePageShowsTheDefaultsAndWritesNothing) {
  MainForm& form = Start();
  const LONG initial_height = ListFont(form).lfHeight;
  form.N34Click();
  EXPECT_EQ(form._Notebook->ActivePage(), L"Tune");
  EXPECT_TRUE(Page().Tune_Navigation_List_Compact_RadioButton->Checked());
  EXPECT_FALSE(Page().Tune_Navigation_List_Wide_RadioButton->Checked());
  EXPECT_TRUE(Page().Tune_Navigation_Font_Normal_RadioButton->Checked());
  EXPECT_FALSE(Page().Tune_Backup_CheckBox->Checked());
  EXPECT_FALSE(Page().Tune_Backup_Edited_CheckBox->Checked());
  EXPECT_FALSE(fs::exists(Ini()));
  EXPECT_FALSE(form.BackupTimerEnabled());
  EXPECT_STREQ(ListFont(form).lfFaceName, L"Small Fonts");
  EXPECT_EQ(ListFont(form).lfHeight, initial_height);

  Click(*Page().Button2);
  EXPECT_EQ(form._Notebook->ActivePage(), L"Editor");
  EXPECT_EQ(GetFocus(), form.RichEdit->Handle());
}

TEST_F(TunePageTest, CheckBoxClicksWriteTheirFlagAndTakeEffect) {
  MainForm& form = Start();
  form.N34Click();
  Click(*Page().Tune_Backup_CheckBox);
  EXPECT_TRUE(Page().Tune_Backup_CheckBox->Checked());
  EXPECT_EQ(ReadFile(Ini()), "[Backup]\r\nUse=1\r\n");
  EXPECT_TRUE(form.BackupTimerEnabled());
  EXPECT_FALSE(form.state.BackupUse);  // read anew when the page opens

  Click(*Page().Tune_Backup_Edited_CheckBox);
  EXPECT_TRUE(form.state.BackupEdited);
  Click(*Page().Tune_Backup_CheckBox);
  EXPECT_EQ(ReadFile(Ini()), "[Backup]\r\nUse=0\r\nEdited=1\r\n");
  EXPECT_FALSE(form.BackupTimerEnabled());
}

TEST_F(TunePageTest, RadioButtonsWriteTheirWordOnlyWhenTheyChangeTheChoice) {
  MainForm& form = Start();
  Click(*Page().Tune_Navigation_Font_Normal_RadioButton);  // already checked
  EXPECT_FALSE(fs::exists(Ini()));

  Click(*Page().Tune_Navigation_List_Wide_RadioButton);
  Click(*Page().Tune_Navigation_Font_Big_RadioButton);
  EXPECT_FALSE(Page().Tune_Navigation_List_Compact_RadioButton->Checked());
  EXPECT_FALSE(Page().Tune_Navigation_Font_Normal_RadioButton->Checked());
  EXPECT_TRUE(Page().Tune_Navigation_Font_Big_RadioButton->Checked());
  EXPECT_EQ(ReadFile(Ini()), "[Navigation]\r\nList=Wide\r\nFont=Big\r\n");
  EXPECT_STREQ(ListFont(form).lfFaceName, L"Lucida Console");
  const LONG big = ListFont(form).lfHeight;
  Click(*Page().Tune_Navigation_Font_Small_RadioButton);
  EXPECT_GT(ListFont(form).lfHeight, big);  // heights are negative: smaller type

  fs::remove(Ini());
  Click(*Page().Tune_Navigation_List_Wide_RadioButton);
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
  EXPECT_TRUE(Page().Tune_Navigation_List_Wide_RadioButton->Checked());
  EXPECT_TRUE(Page().Tune_Backup_CheckBox->Checked());
  EXPECT_TRUE(form.BackupTimerEnabled());
  EXPECT_TRUE(form.state.BackupUse);
  EXPECT_EQ(ReadFile(Ini()),
            "; kept\r\n[backup]\r\nuse =1\r\n[Navigation]\r\nList=Wide\r\nFont=Big\r\n");
  EXPECT_STREQ(ListFont(form).lfFaceName, L"Lucida Console");
  EXPECT_EQ(ListFont(form).lfHeight, height);
  EXPECT_TRUE(Page().Tune_Navigation_Font_Normal_RadioButton->Checked());

  // Another program changed the file meanwhile: "wide" is not "Wide".
  Click(*Page().Button2);
  WriteFile(Ini(), "[Navigation]\r\nList=wide\r\n");
  form.N34Click();
  EXPECT_TRUE(Page().Tune_Navigation_List_Compact_RadioButton->Checked());
  EXPECT_FALSE(Page().Tune_Backup_CheckBox->Checked());
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
  EXPECT_EQ(form._Notebook->ActivePage(), L"Editor");
  EXPECT_TRUE(Page().Tune_Backup_CheckBox->Checked());
  EXPECT_FALSE(form.BackupTimerEnabled());

  // A user's click: the box keeps its new state, the effect does not follow.
  Click(*Page().Tune_Backup_Edited_CheckBox);
  ASSERT_EQ(surroundings_.boxes.shown.size(), 2u);
  EXPECT_TRUE(Page().Tune_Backup_Edited_CheckBox->Checked());
  EXPECT_FALSE(form.state.BackupEdited);
  EXPECT_EQ(ReadFile(Ini()), "[Backup]\r\nUse=1\r\n");
}

TEST_F(TunePageTest, TheKeyboardVisitsTheBackupGroupThenOkThenTheNavigationGroup) {
  MainForm& form = Start();
  HWND panel = Page().Tune_Panel->Handle();
  std::vector<HWND> order;
  for (HWND child = GetWindow(panel, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    order.push_back(child);
  }
  ASSERT_GE(order.size(), 3u);
  EXPECT_EQ(order[0], Page().Tune_Backup_GroupBox->Handle());
  EXPECT_EQ(order[1], Page().Button2->Handle());
  EXPECT_EQ(order[2], Page().Tune_Navigation_GroupBox->Handle());
  form.N34Click();
  EXPECT_EQ(GetFocus(), Page().Tune_Backup_CheckBox->Handle());
  EXPECT_EQ(GetNextDlgTabItem(form.Handle(), Page().Tune_Backup_Edited_CheckBox->Handle(), FALSE),
            Page().Button2->Handle());
}

}  // namespace
}  // namespace tarnpad
