#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string_view>
#include <utility>

#include "core/failure.h"
#include "core/file_system.h"
#include "core/save_temp_name.h"

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
// the target's place or is kept.
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
  // Puts the file in the place of a target that does not exist yet.
  bool MoveTo(const std::wstring& target) {
    placed_ = MoveFileExW(path_.c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    return placed_;
  }
  // Puts the file in the place of an existing target, which hands over its
  // identity: attributes, creation time, security, alternate streams.
  bool ReplaceTarget(const std::wstring& target) {
    if (ReplaceFileW(target.c_str(), path_.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                     nullptr, nullptr)) {
      placed_ = true;
      return true;
    }
    switch (GetLastError()) {
      case ERROR_INVALID_FUNCTION:
      case ERROR_NOT_SUPPORTED:
        // The volume cannot replace files (some network shares); the
        // target is untouched and a plain move is the best left.
        return MoveTo(target);
      case ERROR_UNABLE_TO_MOVE_REPLACEMENT:
        // The target is gone already and the text exists only here.
        if (MoveTo(target)) return true;
        Keep();
        return false;
      default:
        return false;
    }
  }
  // Leaves the file where it is, for the user; its full path.
  const std::wstring& Keep() {
    placed_ = true;
    return path_;
  }
  bool Kept() const { return placed_; }

 private:
  std::wstring path_;
  Handle file_;
  bool placed_ = false;
};

std::wstring FolderOf(const std::wstring& path) {
  return path.substr(0, path.find_last_of(L"\\/") + 1);
}

// The file path leads to, through symbolic links and junctions, as the system
// resolves them on opening it; path itself when nothing of that name exists.
std::wstring FinalPath(const std::wstring& path) {
  Handle file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file) return path;
  std::wstring final_path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFinalPathNameByHandleW(
        file.get(), final_path.data(), static_cast<DWORD>(final_path.size()), VOLUME_NAME_DOS);
    if (length == 0) return path;
    if (length < final_path.size()) {
      final_path.resize(length);
      break;
    }
    final_path.resize(length);
  }
  // The answer comes in the long-path form: "\\?\C:\..." or "\\?\UNC\server\...".
  constexpr std::wstring_view kLocal = L"\\\\?\\";
  constexpr std::wstring_view kNetwork = L"\\\\?\\UNC\\";
  if (final_path.starts_with(kNetwork)) return L"\\\\" + final_path.substr(kNetwork.size());
  if (final_path.starts_with(kLocal)) return final_path.substr(kLocal.size());
  return final_path;
}

// Removes the new files of saves whose process is gone: a save killed
// halfway leaves one behind. A running save's file is never touched.
void RemoveLeftoverTemps(const std::wstring& folder) {
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW((folder + L"~tarnpad-*.tmp").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring_view name = found.cFileName;
    if (std::any_of(name.begin(), name.end(), [](wchar_t c) { return c > 0x7f; })) continue;
    const auto owner = SaveTempOwner(std::string(name.begin(), name.end()));
    if (!owner || *owner == GetCurrentProcessId()) continue;
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, *owner);
    const bool gone = process == nullptr ? GetLastError() == ERROR_INVALID_PARAMETER
                                         : WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    if (process != nullptr) CloseHandle(process);
    if (gone) DeleteFileW((folder + found.cFileName).c_str());
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

// A short name beside the target (so a long target name does not push it
// past the path limit); a name in use is skipped.
TempFile CreateTempBeside(const std::wstring& target, const std::wstring& shown_path,
                          DWORD attributes) {
  static std::atomic<unsigned> counter = 0;  // saves run on more than one thread
  const std::wstring folder = FolderOf(target);
  DWORD error = ERROR_FILE_EXISTS;
  for (int attempt = 0; attempt < kTempNameAttempts && error == ERROR_FILE_EXISTS; ++attempt) {
    const std::string name = SaveTempName(GetCurrentProcessId(), ++counter);
    std::wstring path = folder + std::wstring(name.begin(), name.end());
    const HANDLE handle =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr);
    if (handle != INVALID_HANDLE_VALUE) return TempFile(std::move(path), handle);
    error = GetLastError();
  }
  throw Failure(CannotCreateFileMessage(shown_path, SystemReason(error)));
}

// Bytes written by the save under way, which the injected fault counts.
thread_local std::size_t written_by_save = 0;

void WritePart(HANDLE file, std::string_view bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    std::size_t chunk = std::min<std::size_t>(bytes.size() - written, kMaxTransfer);
    if (write_fault_for_testing) {
      if (written_by_save >= *write_fault_for_testing) throw Failure(kFailedToSaveStream);
      chunk = std::min(chunk, *write_fault_for_testing - written_by_save);
    }
    DWORD count = 0;
    if (!WriteFile(file, bytes.data() + written, static_cast<DWORD>(chunk), &count, nullptr) ||
        count == 0) {
      throw Failure(kFailedToSaveStream);
    }
    written += count;
    written_by_save += count;
  }
}

void WriteAll(HANDLE file, ByteParts parts) {
  for (const std::string_view part : parts) WritePart(file, part);
}

void Seek(HANDLE file, std::uint64_t offset) {
  LARGE_INTEGER position{};
  position.QuadPart = static_cast<LONGLONG>(offset);
  if (!SetFilePointerEx(file, position, nullptr, FILE_BEGIN)) throw Failure(kFailedToSaveStream);
}

// Reads size bytes at offset into out; false when the file cannot be read.
bool ReadAt(HANDLE file, std::uint64_t offset, std::size_t size, std::string& out) {
  out.resize(size);
  Seek(file, offset);
  DWORD count = 0;
  if (!ReadFile(file, out.data(), static_cast<DWORD>(size), &count, nullptr)) return false;
  out.resize(count);
  return true;
}

// Makes the file hold parts. A block that already holds its bytes is not
// written again: saving a small edit of a large file writes, and flushes,
// little. A file opened without read access is written whole.
void RewriteInPlace(HANDLE file, ByteParts parts) {
  constexpr std::size_t kBlock = std::size_t{1} << 20;
  std::string block;
  std::string on_disk;
  bool readable = true;
  std::uint64_t offset = 0;
  const auto rewrite = [&] {
    if (block.empty()) return;
    readable = readable && ReadAt(file, offset, block.size(), on_disk);
    if (!readable || on_disk != block) {
      Seek(file, offset);
      WritePart(file, block);
    }
    offset += block.size();
    block.clear();
  };
  for (std::string_view part : parts) {
    while (!part.empty()) {
      const std::size_t taken = std::min(part.size(), kBlock - block.size());
      block.append(part.substr(0, taken));
      part.remove_prefix(taken);
      if (block.size() == kBlock) rewrite();
    }
  }
  rewrite();
  Seek(file, offset);
  if (!SetEndOfFile(file) || !FlushFileBuffers(file)) throw Failure(kFailedToSaveStream);
}

// Under Wine a file's permissions are its Unix mode, owner and group. No
// Windows call gives a new file exactly those (a DACL sets the group's bits
// to the owner's, execute included), so a replacement would change them.
bool FilesHaveUnixPermissions() {
  static const bool wine =
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
  return wine;
}

}  // namespace

std::string ReadFileBytes(const std::filesystem::path& path, std::size_t spare_room) {
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
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(size.QuadPart) + 1 + spare_room);
  bytes.resize(static_cast<std::size_t>(size.QuadPart) + 1);
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

void WriteFileBytes(const std::filesystem::path& path, ByteParts parts) {
  const std::wstring full = FullPath(path);
  const std::wstring target_path = FinalPath(full);
  written_by_save = 0;

  // The target must be writable as it stands, exactly as for writing it in
  // place: opening it for writing with no sharing gives the system's reason
  // for a read-only file, a file open elsewhere or a folder of that name. It
  // stays open, so nobody changes it until the text has arrived.
  // Read access too, where there is any, lets a rewrite in place skip what
  // the file already holds.
  const auto open_target = [&target_path](DWORD access) {
    return CreateFileW(target_path.c_str(), access, 0, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  HANDLE opened = open_target(GENERIC_READ | GENERIC_WRITE);
  if (opened == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED) {
    opened = open_target(GENERIC_WRITE);
  }
  const DWORD open_error = GetLastError();
  Handle target(opened);
  if (!target && open_error != ERROR_FILE_NOT_FOUND) {
    throw Failure(CannotCreateFileMessage(full, SystemReason(open_error)));
  }
  BY_HANDLE_FILE_INFORMATION target_info{};
  const bool target_exists = target && GetFileInformationByHandle(target.get(), &target_info);
  // Where file permissions do not bind the user (Wine run by root), a
  // read-only file still opens for writing; it is refused all the same, with
  // the reason Windows itself gives.
  if (target_exists && (target_info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
    throw Failure(CannotCreateFileMessage(full, SystemReason(ERROR_ACCESS_DENIED)));
  }

  RemoveLeftoverTemps(FolderOf(target_path));
  const DWORD kept = target_exists ? target_info.dwFileAttributes & kKeptAttributes : 0;
  TempFile temp = CreateTempBeside(target_path, full, kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL);
  WriteAll(temp.get(), parts);
  // For a volume that cannot replace files, where the new file simply moves.
  if (target_exists) SetFileTime(temp.get(), &target_info.ftCreationTime, nullptr, nullptr);
  if (!FlushFileBuffers(temp.get()) || !temp.Close()) throw Failure(kFailedToSaveStream);

  if (!target_exists) {
    if (!temp.MoveTo(target_path)) throw Failure(kFailedToSaveStream);
    return;
  }
  // Replacing a file with other hard links would part it from them: such a
  // file takes the text in place, now that a whole copy is safe on disk.
  if (target_info.nNumberOfLinks > 1 || FilesHaveUnixPermissions()) {
    try {
      RewriteInPlace(target.get(), parts);
      if (!target.Close()) throw Failure(kFailedToSaveStream);
    } catch (const Failure&) {
      throw Failure(FailedToSaveStreamMessage(temp.Keep()));
    }
    return;
  }
  target.Close();
  if (!temp.ReplaceTarget(target_path)) {
    throw Failure(temp.Kept() ? FailedToSaveStreamMessage(temp.Keep()) : kFailedToSaveStream);
  }
}

void SetWriteFaultForTesting(std::optional<std::size_t> fail_after_bytes) {
  write_fault_for_testing = fail_after_bytes;
}

}  // namespace tarnpad
