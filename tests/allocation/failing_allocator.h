#pragma once

namespace tarnpad::testing {

// This test program's allocation functions count every allocation and can
// make one chosen allocation fail with std::bad_alloc.

// The index-th allocation from now on (0: the next one) fails, once.
void FailAllocation(long index);
// Stops counting; whether the chosen allocation failed.
bool StopFailingAllocations();

}  // namespace tarnpad::testing
