#include "settings/settings.h"

#include <gtest/gtest.h>

#include "scratch_folder.h"

namespace tarnpad {
namespace {

TEST(Settings, StoredWordsAreComparedExactly) {
  const ScratchFolder folder;
  const std::filesystem::path file = SettingsFile(folder.Path());
  Settings settings = ReadSettings(file);
  EXPECT_FALSE(settings.BackupUse || settings.BackupEdited);
  EXPECT_EQ(settings.ListStyle, NavigationListStyle::Compact);
  EXPECT_EQ(settings.FontSize, NavigationFontSize::Normal);

  PutFileBytes(file,
               "[Backup]\r\nUse=2\r\nEdited=0x1\r\n[Navigation]\r\nList=wide\r\nFont=Big\r\n");
  settings = ReadSettings(file);
  EXPECT_TRUE(settings.BackupUse && settings.BackupEdited);
  EXPECT_EQ(settings.ListStyle, NavigationListStyle::Compact);
  EXPECT_EQ(settings.FontSize, NavigationFontSize::Big);

  for (const char* font : {"big", "12", ""}) {
    PutFileBytes(file, std::string("[Navigation]\r\nList=Wide\r\nFont=") + font + "\r\n");
    settings = ReadSettings(file);
    EXPECT_EQ(settings.FontSize, std::nullopt) << font;
    EXPECT_EQ(settings.ListStyle, NavigationListStyle::Wide);
  }
}

TEST(Settings, EachWriteStoresItsWord) {
  const ScratchFolder folder;
  const std::filesystem::path file = SettingsFile(folder.Path());
  WriteBackupUse(file, true);
  WriteBackupEdited(file, true);
  WriteNavigationListStyle(file, NavigationListStyle::Wide);
  WriteNavigationFontSize(file, NavigationFontSize::Big);
  WriteBackupEdited(file, false);
  WriteNavigationListStyle(file, NavigationListStyle::Compact);
  WriteNavigationFontSize(file, NavigationFontSize::Small);
  EXPECT_EQ(FileBytes(file),
            "[Backup]\r\nUse=1\r\nEdited=0\r\n[Navigation]\r\nList=Compact\r\nFont=Small\r\n");
}

}  // namespace
}  // namespace tarnpad
