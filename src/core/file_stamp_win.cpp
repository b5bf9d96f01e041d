#include <windows.h>

#include "core/file_stamp.h"

namespace tarnpad {

std::optional<FileStamp> StampOf(const std::filesystem::path& path) {
  // Attributes only: a file another program holds open can still be looked at.
  HANDLE file = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION information{};
  const bool known = GetFileInformationByHandle(file, &information) != 0 &&
                     (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  CloseHandle(file);
  if (!known) return std::nullopt;
  const auto join = [](DWORD high, DWORD low) {
    return (static_cast<std::uint64_t>(high) << 32) | low;
  };
  FileStamp stamp;
  stamp.size = join(information.nFileSizeHigh, information.nFileSizeLow);
  stamp.last_write = static_cast<std::int64_t>(
      join(information.ftLastWriteTime.dwHighDateTime, information.ftLastWriteTime.dwLowDateTime));
  stamp.volume = information.dwVolumeSerialNumber;
  stamp.file = join(information.nFileIndexHigh, information.nFileIndexLow);
  return stamp;
}

}  // namespace tarnpad
