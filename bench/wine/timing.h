// Shared by the timing programs: a stopwatch, one figure a line, and the
// generated document they time.
#pragma once

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace tarnpad::timing {

inline double Milliseconds(const std::function<void()>& step) {
  LARGE_INTEGER frequency;
  LARGE_INTEGER start;
  LARGE_INTEGER end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  step();
  QueryPerformanceCounter(&end);
  return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

inline void Report(const std::string& what, double milliseconds) {
  std::printf("%-60s %10.2f ms\n", what.c_str(), milliseconds);
  std::fflush(stdout);
}

// About 50 bytes a line, Cyrillic and a tab in each.
inline std::string ManyLines(int lines) {
  std::string text;
  text.reserve(static_cast<std::size_t>(lines) * 52);
  char line[96];
  for (int i = 0; i < lines; ++i) {
    const int length = std::snprintf(
        line, sizeof(line), "\xd1\xf2\xf0\xee\xea\xe0 %07d:\tabcdefghij klmnopqrs %08x\r\n", i,
        static_cast<unsigned>(i) * 2654435761U);
    text.append(line, static_cast<std::size_t>(length));
  }
  return text;
}

inline void WriteManyLines(const std::filesystem::path& path, int lines) {
  const std::string text = ManyLines(lines);
  std::ofstream(path, std::ios::binary)
      .write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace tarnpad::timing
