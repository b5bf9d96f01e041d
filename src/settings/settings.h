#pragma once

#include <filesystem>
#include <optional>

namespace tarnpad {

// How the navigation list shows its entries; the word stored is "Wide" or
// "Compact", and anything but "Wide" reads as compact.
enum class NavigationListStyle { Compact, Wide };

// The navigation list's font size; stored as "Small", "Normal" or "Big".
enum class NavigationFontSize { Small, Normal, Big };

// The settings as stored in the settings file, with the defaults of a
// missing file, section or key.
struct Settings {
  bool BackupUse = false;
  bool BackupEdited = false;
  NavigationListStyle ListStyle = NavigationListStyle::Compact;
  // Empty when the stored word is none of the three: the list then keeps the
  // size it has from the window's layout.
  std::optional<NavigationFontSize> FontSize = NavigationFontSize::Normal;
};

// "tarnpad.ini" in the program's folder.
std::filesystem::path SettingsFile(const std::filesystem::path& program_dir);

// Never writes and never fails: what cannot be read gives its default.
Settings ReadSettings(const std::filesystem::path& settings_file);

// Each writes one value at once; they throw Failure ("Unable to write to "
// and the file's path) when it cannot be written.
void WriteBackupUse(const std::filesystem::path& settings_file, bool use);
void WriteBackupEdited(const std::filesystem::path& settings_file, bool edited_only);
void WriteNavigationListStyle(const std::filesystem::path& settings_file,
                              NavigationListStyle style);
void WriteNavigationFontSize(const std::filesystem::path& settings_file, NavigationFontSize size);

// The navigation list's font face for a style: a monospaced face for the wide
// style, a small one for the compact style.
const wchar_t* NavigationListFontName(NavigationListStyle style);

// Whether that face is monospaced (the wide style's columns line up).
inline bool NavigationListFontIsMonospaced(NavigationListStyle style) {
  return style == NavigationListStyle::Wide;
}

// The navigation list's font size in points: 7, 8 or 9.
int NavigationFontPoints(NavigationFontSize size);

}  // namespace tarnpad
