#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarnpad {

// Whole-file access for documents and copies, through the platform's own
// calls (file_system_win.cpp, file_system_posix.cpp). Failures carry the
// messages the error box shows.

// The file's bytes, all of them. Other programs may read the file meanwhile
// but not write it (where the system can deny that). Throws Failure
// (CannotOpenFileMessage) when the file cannot be opened or a read fails.
std::string ReadFileBytes(const std::filesystem::path& path);

// Makes the file hold exactly bytes, creating it when needed. The bytes go to
// a new file in the same folder, flushed to disk, which then takes the
// target's place; an existing target is untouched until that last step, and
// the new file never outlives a failure. A target that cannot be written
// (read-only, open elsewhere) or a folder where no file can be made throws
// Failure (CannotCreateFileMessage); a failing write, flush or replacement
// throws Failure (kFailedToSaveStream).
void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);

// Makes every later WriteFileBytes fail as a full disk does once it has
// written this many bytes of the new file; nullopt ends that.
void SetWriteFaultForTesting(std::optional<std::size_t> fail_after_bytes);

inline constexpr const wchar_t* kFailedToSaveStream = L"Failed to Save Stream";

inline std::wstring CannotOpenFileMessage(const std::wstring& full_path,
                                          const std::wstring& reason) {
  return L"Cannot open file \"" + full_path + L"\". " + reason;
}

inline std::wstring CannotCreateFileMessage(const std::wstring& full_path,
                                            const std::wstring& reason) {
  return L"Cannot create file \"" + full_path + L"\". " + reason;
}

}  // namespace tarnpad
