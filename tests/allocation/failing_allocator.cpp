#include "failing_allocator.h"

#include <cstdlib>
#include <new>

namespace tarnpad::testing {
namespace {

// Allocations left before the one that fails; negative while nothing is armed.
long allocations_left = -1;
bool failed = false;

void* Allocate(std::size_t size) {
  if (allocations_left == 0) {
    allocations_left = -1;
    failed = true;
    throw std::bad_alloc();
  }
  if (allocations_left > 0) --allocations_left;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

}  // namespace

void FailAllocation(long index) {
  failed = false;
  allocations_left = index;
}

bool StopFailingAllocations() {
  allocations_left = -1;
  return failed;
}

}  // namespace tarnpad::testing

void* operator new(std::size_t size) {
  return tarnpad::testing::Allocate(size);
}
void* operator new[](std::size_t size) {
  return tarnpad::testing::Allocate(size);
}
void operator delete(void* memory) noexcept {
  std::free(memory);
}
void operator delete[](void* memory) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
  std::free(memory);
}
