#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarnpad {

// Whole-file access for documents and copies, through the platform's own
// calls (file_system_win.cpp, file_system_posix.cpp). Failures carry the
// messages the error box shows.

// The file's bytes, all of them. Other programs may read the file meanwhile
// but not write it (where the system can deny that). Throws Failure
// (CannotOpenFileMessage) when the file cannot be opened or a read fails.
// With spare_room, the string has room for that many bytes more, for text
// that grows in place.
std::string ReadFileBytes(const std::filesystem::path& path, std::size_t spare_room = 0);

// Makes the file hold exactly bytes, creating it when needed. The file is
// the one the path leads to: through a symbolic link (or junction) the bytes
// go to the link's final target and the link stays a link; messages still
// name the path as given.
//
// The bytes first go to a new file in the target's folder, flushed to disk.
// Usually that file then takes the target's place, keeping the target's
// permissions, owner, attributes and creation time; the target is untouched
// until that last step, and the new file never outlives a failure. Where a
// new file cannot become the same file (a target with other hard links; on
// Wine, whose files carry Unix permissions) the target is rewritten in place
// instead, where Windows writes only the blocks that differ from what the
// file holds; should that fail the new file stays and the message names it
// (FailedToSaveStreamMessage). New files that killed saves left in the folder
// are removed on the way.
//
// A target that cannot be written (read-only, open elsewhere) or a folder
// where no file can be made throws Failure (CannotCreateFileMessage); a
// failing write, flush or replacement throws Failure (kFailedToSaveStream).
//
// The bytes may come in parts, written one after the other (a text kept in
// two pieces is written without joining them first).
using ByteParts = std::span<const std::string_view>;
void WriteFileBytes(const std::filesystem::path& path, ByteParts parts);
inline void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes) {
  const std::string_view whole[] = {bytes};
  WriteFileBytes(path, ByteParts(whole));
}

// Makes every later WriteFileBytes fail as a full disk does once it has
// written this many bytes, counting the new file and then the target
// rewritten in place; nullopt ends that.
void SetWriteFaultForTesting(std::optional<std::size_t> fail_after_bytes);

inline constexpr const wchar_t* kFailedToSaveStream = L"Failed to Save Stream";

// A save that failed while rewriting the target in place: the whole text is
// still in the file at kept_copy.
inline std::wstring FailedToSaveStreamMessage(const std::wstring& kept_copy) {
  return std::wstring(kFailedToSaveStream) + L". The text is kept in \"" + kept_copy + L"\"";
}

inline std::wstring CannotOpenFileMessage(const std::wstring& full_path,
                                          const std::wstring& reason) {
  return L"Cannot open file \"" + full_path + L"\". " + reason;
}

inline std::wstring CannotCreateFileMessage(const std::wstring& full_path,
                                            const std::wstring& reason) {
  return L"Cannot create file \"" + full_path + L"\". " + reason;
}

}  // namespace tarnpad
