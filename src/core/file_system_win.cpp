#include <windows.h>

#include <algorithm>
#include <utility>

#include "core/failure.h"
#include "core/file_system.h"

namespace tarnpad {
namespace {

constexpr DWORD kMaxTransfer = DWORD{1} << 30;  // per ReadFile or WriteFile call
constexpr int kTempNameAttempts = 100;
// Attributes of the target that the new file takes over. Read-only cannot
// occur (such a target is refused), and the rest belong to the volume.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

std::optional<std::size_t> write_fault_for_testing;

// The system's own text for an error code, in the user's language, without
// the line break it ends with.
std::wstring SystemReason(DWORD error) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text(buffer, length);
  LocalFree(buffer);
  while (!text.empty() && text.back() <= L' ') text.pop_back();
  if (text.empty()) return L"System error " + std::to_wstring(error);
  return text;
}

std::wstring FullPath(const std::filesystem::path& path) {
  const std::wstring given = path.wstring();
  const DWORD needed = GetFullPathNameW(given.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return given;
  std::wstring full(needed, L'\0');
  const DWORD length = GetFullPathNameW(given.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return given;
  full.resize(length);
  return full;
}

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() {
    if (*this) CloseHandle(handle_);
  }

  explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  // Closes now, reporting the failure that a destructor would swallow.
  bool Close() { return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0; }

 private:
  HANDLE handle_;
};

// The new file while it is being written: removed again unless it has taken
// the target's place.
class TempFile {
 public:
  TempFile(std::wstring path, HANDLE handle) : path_(std::move(path)), file_(handle) {}
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (placed_) return;
    if (file_) file_.Close();
    DeleteFileW(path_.c_str());
  }

  HANDLE get() const { return file_.get(); }
  bool Close() { return file_.Close(); }
  bool ReplaceTarget(const std::wstring& target) {
    placed_ = MoveFileExW(path_.c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    return placed_;
  }

 private:
  std::wstring path_;
  Handle file_;
  bool placed_ = false;
};

// A short name beside the target (so a long target name does not push it
// past the path limit); the process id and a counter keep two saves apart,
// and a name left behind by a crash is simply skipped.
TempFile CreateTempBeside(const std::wstring& target, DWORD attributes) {
  static unsigned counter = 0;
  const std::wstring folder = target.substr(0, target.find_last_of(L"\\/") + 1);
  DWORD error = ERROR_FILE_EXISTS;
  for (int attempt = 0; attempt < kTempNameAttempts && error == ERROR_FILE_EXISTS; ++attempt) {
    std::wstring name = folder + L"~tarnpad-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                        std::to_wstring(++counter) + L".tmp";
    const HANDLE handle =
        CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
    if (handle != INVALID_HANDLE_VALUE) return TempFile(std::move(name), handle);
    error = GetLastError();
  }
  throw Failure(CannotCreateFileMessage(target, SystemReason(error)));
}

void WriteAll(HANDLE file, std::string_view bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    std::size_t chunk = std::min<std::size_t>(bytes.size() - written, kMaxTransfer);
    if (write_fault_for_testing) {
      if (written >= *write_fault_for_testing) throw Failure(kFailedToSaveStream);
      chunk = std::min(chunk, *write_fault_for_testing - written);
    }
    DWORD count = 0;
    if (!WriteFile(file, bytes.data() + written, static_cast<DWORD>(chunk), &count, nullptr) ||
        count == 0) {
      throw Failure(kFailedToSaveStream);
    }
    written += count;
  }
}

}  // namespace

std::string ReadFileBytes(const std::filesystem::path& path) {
  const std::wstring full = FullPath(path);
  const auto fail = [&full](DWORD error) {
    return Failure(CannotOpenFileMessage(full, SystemReason(error)));
  };
  // Readers may share the file; writers may not change it under us.
  Handle file(CreateFileW(full.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file) throw fail(GetLastError());
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) throw fail(GetLastError());

  // One spare byte lets the read that meets the end confirm it, so a file of
  // the size it reported is read without growing the buffer.
  std::string bytes(static_cast<std::size_t>(size.QuadPart) + 1, '\0');
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) bytes.resize(bytes.size() * 2);
    const auto wanted =
        static_cast<DWORD>(std::min<std::size_t>(bytes.size() - filled, kMaxTransfer));
    DWORD count = 0;
    if (!ReadFile(file.get(), bytes.data() + filled, wanted, &count, nullptr)) {
      throw fail(GetLastError());
    }
    if (count == 0) break;
    filled += count;
  }
  bytes.resize(filled);
  return bytes;
}

void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes) {
  const std::wstring full = FullPath(path);

  // The target must be writable as it stands, exactly as for writing it in
  // place: opening it for writing with no sharing gives the system's reason
  // for a read-only file, a file open elsewhere or a folder of that name.
  BY_HANDLE_FILE_INFORMATION target{};
  bool target_exists = false;
  {
    Handle probe(CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    const DWORD error = GetLastError();
    if (probe) {
      target_exists = GetFileInformationByHandle(probe.get(), &target) != 0;
    } else if (error != ERROR_FILE_NOT_FOUND) {
      throw Failure(CannotCreateFileMessage(full, SystemReason(error)));
    }
  }
  // Where file permissions do not bind the user (Wine run by root), a
  // read-only file still opens for writing; it is refused all the same, with
  // the reason Windows itself gives.
  if (target_exists && (target.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
    throw Failure(CannotCreateFileMessage(full, SystemReason(ERROR_ACCESS_DENIED)));
  }

  const DWORD kept = target_exists ? target.dwFileAttributes & kKeptAttributes : 0;
  TempFile temp = CreateTempBeside(full, kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL);
  WriteAll(temp.get(), bytes);
  // Keeping the creation time is a courtesy; the text is what counts.
  if (target_exists) SetFileTime(temp.get(), &target.ftCreationTime, nullptr, nullptr);
  if (!FlushFileBuffers(temp.get()) || !temp.Close() || !temp.ReplaceTarget(full)) {
    throw Failure(kFailedToSaveStream);
  }
}

void SetWriteFaultForTesting(std::optional<std::size_t> fail_after_bytes) {
  write_fault_for_testing = fail_after_bytes;
}

}  // namespace tarnpad
