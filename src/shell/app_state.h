#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace tarnpad {

inline constexpr const wchar_t* kAppTitle = L"Velbrin Tarnpad";

// The program-wide values that the main window's handlers share. They live
// for the whole run and are touched only on the user-interface thread.
struct AppState {
  // Prefix of every caption and taskbar title.
  std::wstring AppTitle = kAppTitle;
  // The executable's folder: home of the settings file and of backup copies.
  std::filesystem::path ProgramDir;
  // Full path of the document; empty while it is untitled.
  std::filesystem::path CurrentFileName;
  // The text was changed since it was last loaded or saved.
  bool TextModified = false;
  // The text was changed since the last backup copy.
  bool BackupPending = false;
  // Settings Backup/Use and Backup/Edited as last read.
  bool BackupUse = false;
  bool BackupEdited = false;
  // Width, in 96-dpi pixels, the navigation panel gets when shown again.
  int SavedNavigationWidth = 400;
  // Line of the last search hit, where find-next starts.
  std::int64_t LastFoundLine = 0;
};

}  // namespace tarnpad
