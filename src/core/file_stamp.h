#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace tarnpad {

// What tells one state of a file from another: its size, its last write and
// which file it is (volume and file number), so that a file another program
// replaced with one of the same size and time still differs. Through a
// symbolic link it is the linked file's.
struct FileStamp {
  std::uint64_t size = 0;
  std::int64_t last_write = 0;  // in the platform's ticks
  std::uint64_t volume = 0;
  std::uint64_t file = 0;
  bool operator==(const FileStamp&) const = default;
};

// The file's stamp now; nullopt when there is no such file (or it cannot be
// looked at).
std::optional<FileStamp> StampOf(const std::filesystem::path& path);

}  // namespace tarnpad
