// The full and the label scan of a generated document of 1 000 000 lines that
// carries marker lines of every kind, against grep -c over the same file in
// the same run. All figures are wall-clock times.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "bench_document.h"
#include "core/text_document.h"
#include "navigation/fragments.h"
#include "navigation/section_export.h"
#include "navigation/section_scanner.h"

namespace tarnpad {
namespace {

// One marker line after every kMarkerSpacing - 1 generated lines.
constexpr int kMarkerSpacing = 500;
constexpr int kMarkers = kDocumentLines / kMarkerSpacing;

constexpr std::array<std::string_view, 4> kMarkerLines = {
    "// label Section",
    "== Chapter ==",
    "$block_begin",
    "/* label # Fragment */",
};

// The generated text with a marker line before every (kMarkerSpacing - 1)th
// generated line, kDocumentLines lines in all.
std::string MarkedDocumentBytes() {
  const std::string plain = GenerateDocumentBytes(kDocumentLines - kMarkers);
  std::string text;
  text.reserve(plain.size() + static_cast<std::size_t>(kMarkers) * 24);
  std::size_t begin = 0;
  int markers = 0;
  for (int line = 0;; ++line) {
    if (line % (kMarkerSpacing - 1) == 0 && markers < kMarkers) {
      text += kMarkerLines[static_cast<std::size_t>(markers++) % kMarkerLines.size()];
      text += "\r\n";
    }
    const std::size_t end = plain.find("\r\n", begin);
    if (end == std::string::npos) {
      text.append(plain, begin);
      return text;
    }
    text.append(plain, begin, end + 2 - begin);
    begin = end + 2;
  }
}

const std::string& MarkedBytes() {
  static const std::string bytes = MarkedDocumentBytes();
  return bytes;
}

const std::filesystem::path& MarkedDocumentPath() {
  static const std::filesystem::path path = [] {
    std::filesystem::path written =
        std::filesystem::temp_directory_path() / "tarnpad_navigation_bench.txt";
    std::ofstream file(written, std::ios::binary | std::ios::trunc);
    file.write(MarkedBytes().data(), static_cast<std::streamsize>(MarkedBytes().size()));
    if (!file.flush()) throw std::runtime_error("cannot write " + written.string());
    return written;
  }();
  return path;
}

const TextDocument& MarkedDocument() {
  struct Loaded {
    Loaded() { document.LoadText(MarkedBytes()); }
    TextDocument document;
  };
  static const Loaded loaded;
  return loaded.document;
}

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

// Runs grep -c over the marked document and reads its count through a pipe:
// grep stops at the first match when its output is /dev/null. -1 on failure.
long GrepCount() {
  static const std::string command = "grep -c label '" + MarkedDocumentPath().string() + "'";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return -1;
  long count = -1;
  if (std::fscanf(pipe, "%ld", &count) != 1) count = -1;
  return pclose(pipe) == 0 ? count : -1;
}

// The full scan, with grep -c over the same file run before it in every
// iteration. On a busy machine single times scatter widely, so the fastest
// scan is compared with the fastest grep; the reported time is the scan's.
void BM_ScanSections(benchmark::State& state) {
  const TextDocument& document = MarkedDocument();
  double fastest_grep = std::numeric_limits<double>::max();
  double fastest_scan = std::numeric_limits<double>::max();
  std::size_t entries = 0;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    if (GrepCount() < 0) {
      state.SkipWithError("grep failed");
      break;
    }
    fastest_grep = std::min(fastest_grep, MillisecondsSince(start));
    start = std::chrono::steady_clock::now();
    entries = ScanSections(document).size();
    const double scan = MillisecondsSince(start);
    fastest_scan = std::min(fastest_scan, scan);
    state.SetIterationTime(scan / 1000.0);
  }
  state.counters["lines"] = static_cast<double>(document.EditorLineCount());
  state.counters["entries"] = static_cast<double>(entries);
  state.counters["fastest_scan_ms"] = fastest_scan;
  state.counters["fastest_grep_ms"] = fastest_grep;
  state.counters["scan_to_grep"] = fastest_scan / fastest_grep;
}
BENCHMARK(BM_ScanSections)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);

void BM_ScanLabelSections(benchmark::State& state) {
  const TextDocument& document = MarkedDocument();
  std::size_t entries = 0;
  for (auto _ : state) entries = ScanLabelSections(document).size();
  state.counters["entries"] = static_cast<double>(entries);
}
BENCHMARK(BM_ScanLabelSections)->Unit(benchmark::kMillisecond)->UseRealTime();

// The export and the fragment list of every section of the document.
void BM_SectionListCsvAndFragments(benchmark::State& state) {
  const std::vector<std::string> entries = ScanSections(MarkedDocument());
  for (auto _ : state) {
    benchmark::DoNotOptimize(SectionListCsv(entries));
    benchmark::DoNotOptimize(FragmentEntries(entries));
  }
}
BENCHMARK(BM_SectionListCsvAndFragments)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tarnpad
