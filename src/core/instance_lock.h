#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

namespace tarnpad {

// A file held open and locked for as long as its object lives. The system
// lets the lock go when the process ends in any way, a kill included, so a
// lock file that can be taken belongs to no running instance.
class InstanceLock {
 public:
  // Creates the file when needed and takes the lock; nullptr when the file
  // is locked already (by another process, or by another object here) or
  // cannot be made.
  static std::unique_ptr<InstanceLock> TryTake(const std::filesystem::path& path);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

 private:
  explicit InstanceLock(std::intptr_t handle) : handle_(handle) {}
  std::intptr_t handle_;  // the platform's file handle or descriptor
};

// This process's identifier.
std::uint64_t CurrentProcessId();

}  // namespace tarnpad
