#include "settings/settings.h"

#include <array>
#include <string>

#include "settings/ini_file.h"

namespace tarnpad {
namespace {

constexpr const char* kBackup = "Backup";
constexpr const char* kNavigation = "Navigation";

// Indexed by NavigationFontSize.
constexpr std::array<const char*, 3> kFontSizeWords = {"Small", "Normal", "Big"};
constexpr std::array<int, 3> kFontSizePoints = {7, 8, 9};

std::optional<NavigationFontSize> FontSizeNamed(const std::string& word) {
  for (std::size_t i = 0; i < kFontSizeWords.size(); ++i) {
    if (word == kFontSizeWords[i]) return static_cast<NavigationFontSize>(i);
  }
  return std::nullopt;
}

}  // namespace

std::filesystem::path SettingsFile(const std::filesystem::path& program_dir) {
  return program_dir / "tarnpad.ini";
}

Settings ReadSettings(const std::filesystem::path& settings_file) {
  const IniFile file(settings_file);
  Settings settings;
  settings.BackupUse = file.ReadFlag(kBackup, "Use", false);
  settings.BackupEdited = file.ReadFlag(kBackup, "Edited", false);
  settings.FontSize = FontSizeNamed(file.ReadString(kNavigation, "Font", "Normal"));
  settings.ListStyle = file.ReadString(kNavigation, "List", "Compact") == "Wide"
                           ? NavigationListStyle::Wide
                           : NavigationListStyle::Compact;
  return settings;
}

void WriteBackupUse(const std::filesystem::path& settings_file, bool use) {
  IniFile(settings_file).WriteFlag(kBackup, "Use", use);
}

void WriteBackupEdited(const std::filesystem::path& settings_file, bool edited_only) {
  IniFile(settings_file).WriteFlag(kBackup, "Edited", edited_only);
}

void WriteNavigationListStyle(const std::filesystem::path& settings_file,
                              NavigationListStyle style) {
  IniFile(settings_file)
      .WriteString(kNavigation, "List", style == NavigationListStyle::Wide ? "Wide" : "Compact");
}

void WriteNavigationFontSize(const std::filesystem::path& settings_file, NavigationFontSize size) {
  IniFile(settings_file)
      .WriteString(kNavigation, "Font", kFontSizeWords[static_cast<std::size_t>(size)]);
}

const wchar_t* NavigationListFontName(NavigationListStyle style) {
  return style == NavigationListStyle::Wide ? L"Lucida Console" : L"Small Fonts";
}

int NavigationFontPoints(NavigationFontSize size) {
  return kFontSizePoints[static_cast<std::size_t>(size)];
}

}  // namespace tarnpad
