#pragma once

#include <cstdint>
#include <span>

namespace tarnpad {

// Where the password generators get their randomness; tests script it.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Fills bytes with independent, uniformly distributed values.
  virtual void Fill(std::span<std::uint8_t> bytes) = 0;
};

// The system's cryptographic generator (random_source_win.cpp,
// random_source_posix.cpp). Throws Failure when the system cannot deliver.
class SystemRandomSource final : public RandomSource {
 public:
  void Fill(std::span<std::uint8_t> bytes) override;
};

inline constexpr const wchar_t* kRandomBytesUnavailable =
    L"The system's random number generator is not available";

}  // namespace tarnpad
