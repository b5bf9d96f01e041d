#pragma once

#include <filesystem>
#include <string>

namespace tarnpad {

inline constexpr const wchar_t* kAppTitle = L"Velbrin Tarnpad";

// The document's binding to its file, shared by New, Open, Save, the close
// question and the backup copies. Touched only on the user-interface thread.
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
};

}  // namespace tarnpad
