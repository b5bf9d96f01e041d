#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <utility>

#include "core/failure.h"
#include "core/file_system.h"
#include "core/save_temp_name.h"

namespace tarnpad {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxTransfer = std::size_t{1} << 30;  // per read or write call
constexpr int kTempNameAttempts = 100;
constexpr int kMaxLinkHops = 40;  // as the system's own limit on a chain of links

std::optional<std::size_t> write_fault_for_testing;

// The C locale's messages are ASCII, so widening byte by byte is exact.
std::wstring SystemReason(int error) {
  const std::string_view text = std::strerror(error);
  return std::wstring(text.begin(), text.end());
}

fs::path FullPath(const fs::path& path) {
  std::error_code error;
  fs::path full = fs::absolute(path, error);
  return error ? path : full;
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }

  explicit operator bool() const { return fd_ >= 0; }
  int get() const { return fd_; }
  // Closes now, reporting the failure that a destructor would swallow.
  bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

 private:
  int fd_;
};

// The new file while it is being written: removed again unless it has taken
// the target's place or is kept.
class TempFile {
 public:
  TempFile(fs::path path, int fd) : path_(std::move(path)), file_(fd) {}
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (!placed_) ::unlink(path_.c_str());
  }

  int fd() const { return file_.get(); }
  bool Close() { return file_.Close(); }
  bool ReplaceTarget(const fs::path& target) {
    placed_ = ::rename(path_.c_str(), target.c_str()) == 0;
    return placed_;
  }
  // Leaves the file where it is, for the user; its full path.
  const fs::path& Keep() {
    placed_ = true;
    return path_;
  }

 private:
  fs::path path_;
  Descriptor file_;
  bool placed_ = false;
};

// The file path leads to, through any chain of symbolic links, also when the
// last link points at a file not made yet; path itself when it is no link.
fs::path FinalTarget(const fs::path& path) {
  fs::path current = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    if (char* resolved = ::realpath(current.c_str(), nullptr)) {
      fs::path final_path(resolved);
      std::free(resolved);
      return final_path;
    }
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(current, error))) return current;
    const fs::path next = fs::read_symlink(current, error);
    if (error) return current;
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  return current;
}

// Removes the new files of saves whose process is gone: a save killed
// halfway leaves one behind. A running save's file is never touched.
void RemoveLeftoverTemps(const fs::path& folder) {
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    if (!name.starts_with('.')) continue;
    const auto owner = SaveTempOwner(std::string_view(name).substr(1));
    if (!owner || *owner > static_cast<std::uint32_t>(std::numeric_limits<pid_t>::max())) continue;
    if (::kill(static_cast<pid_t>(*owner), 0) != 0 && errno == ESRCH) {
      ::unlink(entry->path().c_str());
    }
  }
}

// A hidden short name beside the target; a name in use is skipped.
TempFile CreateTempBeside(const fs::path& target, const std::wstring& shown_path) {
  static std::atomic<unsigned> counter = 0;  // saves run on more than one thread
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    fs::path name = target.parent_path() /
                    ("." + SaveTempName(static_cast<std::uint32_t>(::getpid()), ++counter));
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return TempFile(std::move(name), fd);
    if (errno != EEXIST) break;
  }
  throw Failure(CannotCreateFileMessage(shown_path, SystemReason(errno)));
}

// Bytes written by the save under way, which the injected fault counts.
thread_local std::size_t written_by_save = 0;

void WritePart(int fd, std::string_view bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    std::size_t chunk = std::min(bytes.size() - written, kMaxTransfer);
    if (write_fault_for_testing) {
      if (written_by_save >= *write_fault_for_testing) throw Failure(kFailedToSaveStream);
      chunk = std::min(chunk, *write_fault_for_testing - written_by_save);
    }
    const ssize_t count = ::write(fd, bytes.data() + written, chunk);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) throw Failure(kFailedToSaveStream);
    written += static_cast<std::size_t>(count);
    written_by_save += static_cast<std::size_t>(count);
  }
}

void WriteAll(int fd, ByteParts parts) {
  for (const std::string_view part : parts) WritePart(fd, part);
}

std::size_t TotalSize(ByteParts parts) {
  std::size_t total = 0;
  for (const std::string_view part : parts) total += part.size();
  return total;
}

// The new file takes over the target's owner, group and permissions, as far
// as the user may give them away; the text is what counts.
void TakeOverIdentity(int fd, const struct stat& target) {
  if (::fchown(fd, target.st_uid, target.st_gid) != 0 && ::fchown(fd, -1, target.st_gid) != 0) {
    // Another group of the user's is as good as it gets.
  }
  // After the owner: changing it may clear the set-id bits.
  ::fchmod(fd, target.st_mode & 07777);
}

void RewriteInPlace(int fd, ByteParts parts) {
  if (::lseek(fd, 0, SEEK_SET) != 0) throw Failure(kFailedToSaveStream);
  WriteAll(fd, parts);
  if (::ftruncate(fd, static_cast<off_t>(TotalSize(parts))) != 0 || ::fsync(fd) != 0) {
    throw Failure(kFailedToSaveStream);
  }
}

}  // namespace

std::string ReadFileBytes(const fs::path& path, std::size_t spare_room) {
  const fs::path full = FullPath(path);
  const auto fail = [&full](int error) {
    return Failure(CannotOpenFileMessage(full.wstring(), SystemReason(error)));
  };
  Descriptor file(::open(full.c_str(), O_RDONLY | O_CLOEXEC));
  if (!file) throw fail(errno);
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) throw fail(errno);

  // One spare byte lets the read that meets the end confirm it, so a file of
  // the size it reported is read without growing the buffer.
  const auto size = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
  std::string bytes;
  bytes.reserve(size + 1 + spare_room);
  bytes.resize(size + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) bytes.resize(bytes.size() * 2);
    const ssize_t count =
        ::read(file.get(), bytes.data() + filled, std::min(bytes.size() - filled, kMaxTransfer));
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) throw fail(errno);
    if (count == 0) break;
    filled += static_cast<std::size_t>(count);
  }
  bytes.resize(filled);
  return bytes;
}

void WriteFileBytes(const fs::path& path, ByteParts parts) {
  const fs::path full = FullPath(path);
  const std::wstring shown_path = full.wstring();
  const fs::path target_path = FinalTarget(full);
  written_by_save = 0;

  // The target must be writable as it stands, exactly as for writing it in
  // place: a read-only file or a directory is refused here, untouched.
  Descriptor target(::open(target_path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
  const int open_error = errno;
  if (!target && open_error != ENOENT) {
    throw Failure(CannotCreateFileMessage(shown_path, SystemReason(open_error)));
  }
  struct stat target_info {};
  const bool target_exists = target && ::fstat(target.get(), &target_info) == 0;

  RemoveLeftoverTemps(target_path.parent_path());
  TempFile temp = CreateTempBeside(target_path, shown_path);
  WriteAll(temp.fd(), parts);
  if (target_exists) TakeOverIdentity(temp.fd(), target_info);
  if (::fsync(temp.fd()) != 0 || !temp.Close()) throw Failure(kFailedToSaveStream);

  // Renaming over a file with other hard links would part it from them: such
  // a file takes the text in place, now that a whole copy is safe on disk.
  if (target_exists && target_info.st_nlink > 1) {
    try {
      RewriteInPlace(target.get(), parts);
      if (!target.Close()) throw Failure(kFailedToSaveStream);
    } catch (const Failure&) {
      throw Failure(FailedToSaveStreamMessage(temp.Keep().wstring()));
    }
    return;
  }
  if (!temp.ReplaceTarget(target_path)) throw Failure(kFailedToSaveStream);
  // The rename itself becomes durable with the folder; the file is already
  // in place, so a failure here has nothing left to protect.
  Descriptor folder(::open(target_path.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder) ::fsync(folder.get());
}

void SetWriteFaultForTesting(std::optional<std::size_t> fail_after_bytes) {
  write_fault_for_testing = fail_after_bytes;
}

}  // namespace tarnpad
