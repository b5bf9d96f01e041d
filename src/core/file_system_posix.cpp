#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "core/failure.h"
#include "core/file_system.h"

namespace tarnpad {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxTransfer = std::size_t{1} << 30;  // per read or write call
constexpr int kTempNameAttempts = 100;

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
// the target's place.
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

 private:
  fs::path path_;
  Descriptor file_;
  bool placed_ = false;
};

// A hidden name beside the target; the process id and a counter keep two
// saves apart, and a name left behind by a crash is simply skipped.
TempFile CreateTempBeside(const fs::path& target, const std::wstring& shown_path) {
  static unsigned counter = 0;
  const std::string prefix = "." + target.filename().string() + ".";
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    fs::path name = target.parent_path() / (prefix + std::to_string(::getpid()) + "-" +
                                            std::to_string(++counter) + ".tmp");
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return TempFile(std::move(name), fd);
    if (errno != EEXIST) break;
  }
  throw Failure(CannotCreateFileMessage(shown_path, SystemReason(errno)));
}

void WriteAll(int fd, std::string_view bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    std::size_t chunk = std::min(bytes.size() - written, kMaxTransfer);
    if (write_fault_for_testing) {
      if (written >= *write_fault_for_testing) throw Failure(kFailedToSaveStream);
      chunk = std::min(chunk, *write_fault_for_testing - written);
    }
    const ssize_t count = ::write(fd, bytes.data() + written, chunk);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) throw Failure(kFailedToSaveStream);
    written += static_cast<std::size_t>(count);
  }
}

}  // namespace

std::string ReadFileBytes(const fs::path& path) {
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
  std::string bytes(static_cast<std::size_t>(std::max<off_t>(info.st_size, 0)) + 1, '\0');
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

void WriteFileBytes(const fs::path& path, std::string_view bytes) {
  const fs::path full = FullPath(path);
  const std::wstring shown_path = full.wstring();

  // The target must be writable as it stands, exactly as for writing it in
  // place: a read-only file or a directory is refused here, untouched.
  std::optional<mode_t> target_mode;
  {
    Descriptor target(::open(full.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
    const int error = errno;
    struct stat info {};
    if (target && ::fstat(target.get(), &info) == 0) target_mode = info.st_mode & 07777;
    if (!target && error != ENOENT) {
      throw Failure(CannotCreateFileMessage(shown_path, SystemReason(error)));
    }
  }

  TempFile temp = CreateTempBeside(full, shown_path);
  WriteAll(temp.fd(), bytes);
  // Keeping the target's permissions is a courtesy; the text is what counts.
  if (target_mode) ::fchmod(temp.fd(), *target_mode);
  if (::fsync(temp.fd()) != 0 || !temp.Close() || !temp.ReplaceTarget(full)) {
    throw Failure(kFailedToSaveStream);
  }
  // The rename itself becomes durable with the folder; the file is already
  // in place, so a failure here has nothing left to protect.
  Descriptor folder(::open(full.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder) ::fsync(folder.get());
}

void SetWriteFaultForTesting(std::optional<std::size_t> fail_after_bytes) {
  write_fault_for_testing = fail_after_bytes;
}

}  // namespace tarnpad
