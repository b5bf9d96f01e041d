#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "core/instance_lock.h"

namespace tarnpad {

std::unique_ptr<InstanceLock> InstanceLock::TryTake(const std::filesystem::path& path) {
  const int descriptor = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (descriptor < 0) return nullptr;
  // A lock of the open file description: a second open of the same file,
  // in this process or another, cannot take it.
  if (flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
    close(descriptor);
    return nullptr;
  }
  return std::unique_ptr<InstanceLock>(new InstanceLock(descriptor));
}

InstanceLock::~InstanceLock() {
  close(static_cast<int>(handle_));
}

std::uint64_t CurrentProcessId() {
  return static_cast<std::uint64_t>(getpid());
}

}  // namespace tarnpad
