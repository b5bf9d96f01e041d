#include "bench_document.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string_view>

namespace tarnpad {

namespace {

// A fixed linear congruential generator, so every run and every platform
// produces the same document.
class Random {
 public:
  std::uint32_t Next(std::uint32_t bound) {
    state_ = state_ * 6364136223846793005u + 1442695040888963407u;
    return static_cast<std::uint32_t>(state_ >> 33) % bound;
  }

 private:
  std::uint64_t state_ = 20261208;
};

// Words of PHP sources and Russian prose, the latter in Windows-1251.
constexpr std::array<std::string_view, 16> kWords = {
    "<?php",
    "echo",
    "$value",
    "return",
    "function",
    "array(",
    ");",
    "=",
    "\xEF\xF0\xE8\xE2\xE5\xF2",
    "\xF1\xF2\xF0\xE0\xED\xE8\xF6\xE0",
    "\xEC\xEE\xE4\xF3\xEB\xFC",
    "\xF0\xE0\xE7\xE4\xE5\xEB",
    "\xD2\xE5\xEA\xF1\xF2",
    "\xE8",
    "\xE2",
    "\xAB\xF6\xE8\xF2\xE0\xF2\xE0\xBB",
};

void AppendLine(Random& random, std::int64_t length, std::string& out) {
  const std::size_t end = out.size() + static_cast<std::size_t>(length);
  while (out.size() < end) {
    out += kWords[random.Next(static_cast<std::uint32_t>(kWords.size()))];
    out += ' ';
  }
}

}  // namespace

std::string GenerateDocumentBytes(int lines) {
  Random random;
  std::string text;
  text.reserve(static_cast<std::size_t>(lines) * 52);
  for (int i = 0; i < lines; ++i) {
    if (i > 0) text += "\r\n";
    if (i % 1000 == 999) {
      AppendLine(random, 2000 + random.Next(6000), text);
    } else if (random.Next(16) != 0) {
      AppendLine(random, 8 + random.Next(70), text);
    }
  }
  return text;
}

std::filesystem::path GeneratedDocumentPath() {
  static const std::filesystem::path path = [] {
    std::filesystem::path written =
        std::filesystem::temp_directory_path() / "tarnpad_bench_document.txt";
    const std::string bytes = GenerateDocumentBytes(kDocumentLines);
    std::ofstream file(written, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) throw std::runtime_error("cannot write " + written.string());
    return written;
  }();
  return path;
}

}  // namespace tarnpad
