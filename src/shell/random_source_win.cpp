#include <windows.h>

#include <bcrypt.h>

#include "core/failure.h"
#include "shell/random_source.h"

namespace tarnpad {

void SystemRandomSource::Fill(std::span<std::uint8_t> bytes) {
  constexpr std::size_t kLargestRequest = 1u << 30;
  for (std::size_t filled = 0; filled < bytes.size();) {
    const std::size_t left = bytes.size() - filled;
    const std::size_t request = left < kLargestRequest ? left : kLargestRequest;
    const NTSTATUS status =
        BCryptGenRandom(nullptr, bytes.data() + filled, static_cast<ULONG>(request),
                        BCRYPT_USE_SYSTEM_PREFERRED_RNG);
    if (!BCRYPT_SUCCESS(status)) throw Failure(kRandomBytesUnavailable);
    filled += request;
  }
}

}  // namespace tarnpad
