#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/text_document.h"
#include "status_bar_listener.h"
#include "tools/line_rewrites.h"
#include "tools/line_shifting.h"
#include "tools/search_replace.h"

namespace tarnpad {
namespace {

constexpr int kHitLines = 1'000'000;

// kHitLines indented PHP-like lines of about 45 bytes, each holding one "X";
// every tenth line is a "#" comment. No final line break.
const std::string& HitPerLineBytes() {
  static const std::string bytes = [] {
    std::string text;
    text.reserve(static_cast<std::size_t>(kHitLines) * 48);
    for (int i = 0; i < kHitLines; ++i) {
      if (i > 0) text += "\r\n";
      const std::string number = std::to_string(i);
      if (i % 10 == 9) {
        text += "    # note X on line " + number + " of the list";
      } else {
        text += "    $value" + number + " = 'X marks line " + number + "';";
      }
    }
    return text;
  }();
  return bytes;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The mean wall time of a shell command over runs runs.
double CommandSeconds(const std::string& command, int runs) {
  double total = 0;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) return 0;
    total += SecondsSince(start);
  }
  return total / runs;
}

// Replace-all of "X" by "Y" (every line rewritten) against sed applying the
// same replacement three times to the same bytes in a file.
void BM_ReplaceAllHitPerLine(benchmark::State& state) {
  const std::string& bytes = HitPerLineBytes();
  TextDocument document;
  StatusBarListener listener(document);
  document.SetListener(&listener);
  double seconds = 0;
  for (auto _ : state) {
    state.PauseTiming();
    document.LoadText(bytes);
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(ReplaceAll(document, "X", "Y"));
    seconds += SecondsSince(start);
  }
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "tarnpad_tools_bench_hits.txt";
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  const double sed =
      CommandSeconds("sed -e s/X/Y/g -e s/X/Y/g -e s/X/Y/g '" + path.string() + "' > /dev/null", 3);
  std::filesystem::remove(path);
  const double ours = seconds / static_cast<double>(state.iterations());
  state.counters["ours_s"] = ours;
  state.counters["sed_s"] = sed;
  state.counters["of_sed"] = sed > 0 ? ours / sed : 0;
}
BENCHMARK(BM_ReplaceAllHitPerLine)->Iterations(3)->Unit(benchmark::kMillisecond);

// Comment stripping of the same document: every line is indented, so each
// one is rewritten or deleted. Budget: 2 s.
void BM_StripCommentsHitPerLine(benchmark::State& state) {
  const std::string& bytes = HitPerLineBytes();
  TextDocument document;
  StatusBarListener listener(document);
  document.SetListener(&listener);
  for (auto _ : state) {
    state.PauseTiming();
    document.LoadText(bytes);
    state.ResumeTiming();
    benchmark::DoNotOptimize(StripComments(document));
  }
}
BENCHMARK(BM_StripCommentsHitPerLine)->Iterations(3)->Unit(benchmark::kMillisecond);

// Two-space indent of a selection of 100 000 whole lines in the middle.
void BM_IndentHundredThousandLines(benchmark::State& state) {
  const std::string& bytes = HitPerLineBytes();
  TextDocument document;
  StatusBarListener listener(document);
  document.SetListener(&listener);
  constexpr std::int64_t kFirst = kHitLines / 2;
  for (auto _ : state) {
    state.PauseTiming();
    document.LoadText(bytes);
    document.SetSelection(document.LineStart(kFirst), document.LineEnd(kFirst + 99'999));
    state.ResumeTiming();
    benchmark::DoNotOptimize(ShiftSelectedLines(document, kIndentTwoSpaces));
  }
}
BENCHMARK(BM_IndentHundredThousandLines)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnpad
