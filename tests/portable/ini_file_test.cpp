#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include "core/failure.h"
#include "core/file_system.h"
#include "scratch_folder.h"

namespace tarnpad {
namespace {

class IniFileTest : public testing::Test {
 protected:
  void TearDown() override { SetWriteFaultForTesting(std::nullopt); }

  static std::wstring WriteFailure(const std::filesystem::path& path) {
    try {
      IniFile(path).WriteString("Backup", "Use", "1");
    } catch (const Failure& failure) {
      return failure.Message();
    }
    return L"(no failure)";
  }

  ScratchFolder folder_;
  std::filesystem::path path_ = folder_ / "tarnpad.ini";
};

TEST_F(IniFileTest, ReadsNamesWithoutCaseAndValuesTrimmed) {
  PutFileBytes(path_,
               "Use=9\r\n"  // before any section: belongs to none
               "[ backup ]\r\n  USE =  1 \t\r\nEdited=\r\nPath=a=b\nuse=2\r\n"
               "[BACKUP]\r\nOther=3\r\n"  // only the first section of a name counts
               "[\xCD\xE0\xE2]\r\nK=v");  // Cyrillic, no final break
  const IniFile file(path_);
  EXPECT_EQ(file.ReadString("Backup", "Use", "d"), "1");
  EXPECT_EQ(file.ReadString("Backup", "Edited", "d"), "");
  EXPECT_EQ(file.ReadString("Backup", "Path", "d"), "a=b");
  EXPECT_EQ(file.ReadString("Backup", "Other", "d"), "d");
  EXPECT_EQ(file.ReadString("\xED\xC0\xC2", "k", "d"), "v");
  EXPECT_EQ(file.ReadString("Missing", "Use", "d"), "d");
}

TEST_F(IniFileTest, ReadingWhatIsNotThereGivesDefaultsAndCreatesNothing) {
  EXPECT_EQ(IniFile(path_).ReadString("Backup", "Use", "x"), "x");
  EXPECT_FALSE(std::filesystem::exists(path_));
  std::filesystem::create_directory(path_);
  EXPECT_TRUE(IniFile(path_).ReadFlag("Backup", "Use", true));
}

TEST_F(IniFileTest, WritesTouchOnlyTheirKeysLine) {
  PutFileBytes(path_, "; kept\r\n[Backup]\n Use = 1 \r\n\r\n[Other]\r\nA=1");
  IniFile file(path_);
  file.WriteString("BACKUP", "use", "0");    // in place
  file.WriteFlag("Backup", "Edited", true);  // after the section's last line
  file.WriteString("Other", "B", "2");       // the file had no final break
  file.WriteString("Navigation", "Font", "Big");
  EXPECT_EQ(FileBytes(path_),
            "; kept\r\n[Backup]\n Use =0\r\nEdited=1\r\n\r\n[Other]\r\nA=1\r\nB=2\r\n"
            "[Navigation]\r\nFont=Big\r\n");

  IniFile created(folder_ / "new.ini");
  created.WriteFlag("Backup", "Use", false);
  EXPECT_EQ(FileBytes(created.Path()), "[Backup]\r\nUse=0\r\n");
}

// A file saved by an editor that starts UTF-8 files with a byte-order mark.
TEST_F(IniFileTest, ALeadingByteOrderMarkIsSkippedAndKept) {
  PutFileBytes(path_, "\xEF\xBB\xBF[Backup]\r\nUse=1\r\n");
  IniFile file(path_);
  EXPECT_TRUE(file.ReadFlag("Backup", "Use", false));
  file.WriteFlag("Backup", "Use", false);
  file.WriteString("Navigation", "List", "Wide");
  EXPECT_EQ(FileBytes(path_), "\xEF\xBB\xBF[Backup]\r\nUse=0\r\n[Navigation]\r\nList=Wide\r\n");

  PutFileBytes(path_, "\xEF\xBB\xBF");  // the mark alone
  file.WriteFlag("Backup", "Edited", true);
  EXPECT_EQ(FileBytes(path_), "\xEF\xBB\xBF[Backup]\r\nEdited=1\r\n");
}

TEST_F(IniFileTest, AFailedWriteSaysWhereAndLeavesTheFileAsItWas) {
  const std::filesystem::path in_missing_folder = folder_ / "gone" / "tarnpad.ini";
  EXPECT_EQ(WriteFailure(in_missing_folder), L"Unable to write to " + in_missing_folder.wstring());

  PutFileBytes(path_, "[Backup]\r\nUse=0\r\n");
  SetWriteFaultForTesting(4);  // the disk fills up during the write
  EXPECT_EQ(WriteFailure(path_), L"Unable to write to " + path_.wstring());
  EXPECT_EQ(FileBytes(path_), "[Backup]\r\nUse=0\r\n");

  const std::filesystem::path folder_in_place = folder_ / "folder.ini";
  std::filesystem::create_directory(folder_in_place);
  EXPECT_EQ(WriteFailure(folder_in_place), L"Unable to write to " + folder_in_place.wstring());
  EXPECT_TRUE(std::filesystem::is_directory(folder_in_place));
}

TEST(SettingInteger, DecimalWithSignOrHexadecimalAfterAPrefix) {
  const std::pair<const char*, std::int32_t> numbers[] = {
      {"0", 0},   {"-0", 0},         {"+7", 7},        {"-2147483648", -2147483647 - 1},
      {"0x1", 1}, {"0X0", 0},        {"$fF", 255},     {"x10", 16},
      {"X0", 0},  {"$FFFFFFFF", -1}, {"$000000001", 1}};
  for (const auto& [text, value] : numbers) EXPECT_EQ(ParseSettingInteger(text), value) << text;
  for (const char* text : {"", "yes", "1a", "1 2", "-", "--1", "0x", "$", "0xg", "-$1",
                           "2147483648", "-2147483649", "$100000000", "1.0"}) {
    EXPECT_EQ(ParseSettingInteger(text), std::nullopt) << text;
  }
}

TEST_F(IniFileTest, FlagsFallBackToTheDefaultOnlyWhenNotANumber) {
  PutFileBytes(path_, "[Backup]\r\nA=2\r\nB=yes\r\nC=0\r\nD=\r\n");
  const IniFile file(path_);
  EXPECT_TRUE(file.ReadFlag("Backup", "A", false));
  EXPECT_FALSE(file.ReadFlag("Backup", "B", false));
  EXPECT_TRUE(file.ReadFlag("Backup", "B", true));
  EXPECT_FALSE(file.ReadFlag("Backup", "C", true));
  EXPECT_TRUE(file.ReadFlag("Backup", "D", true));
}

}  // namespace
}  // namespace tarnpad
