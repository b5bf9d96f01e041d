#include <windows.h>

#include "core/instance_lock.h"

namespace tarnpad {

std::unique_ptr<InstanceLock> InstanceLock::TryTake(const std::filesystem::path& path) {
  // Shared for reading only: nobody else can open it for writing, nor
  // delete it, while it is held.
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  return std::unique_ptr<InstanceLock>(new InstanceLock(reinterpret_cast<std::intptr_t>(file)));
}

InstanceLock::~InstanceLock() {
  CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

std::uint64_t CurrentProcessId() {
  return GetCurrentProcessId();
}

}  // namespace tarnpad
