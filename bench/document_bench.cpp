#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "bench_document.h"
#include "core/document_file.h"
#include "core/text_document.h"
#include "status_bar_listener.h"

namespace tarnpad {
namespace {

const std::string& DocumentBytes() {
  static const std::string bytes = [] {
    const std::filesystem::path path = GeneratedDocumentPath();
    std::string read(static_cast<std::size_t>(std::filesystem::file_size(path)), '\0');
    std::ifstream(path, std::ios::binary)
        .read(read.data(), static_cast<std::streamsize>(read.size()));
    return read;
  }();
  return bytes;
}

// Resident memory of the process in bytes, 0 where it cannot be read.
std::int64_t ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  std::int64_t total_pages = 0;
  std::int64_t resident_pages = 0;
  if (!(statm >> total_pages >> resident_pages)) return 0;
  return resident_pages * 4096;
}

// The document's memory after loading a file and after the first edit in the
// middle, against the budget of 1.5 times the text
// plus 16 bytes a line.
void BM_DocumentMemory(benchmark::State& state) {
  const std::string& bytes = DocumentBytes();
  for (auto _ : state) {
    const std::int64_t before = ResidentBytes();
    TextDocument document;
    LoadEditorText(document, GeneratedDocumentPath());  // as the program loads a file
    const std::int64_t loaded = ResidentBytes() - before;
    document.SetCaret(document.LineStart(document.PhysicalLineCount() / 2));
    document.TypeText("x");
    const std::int64_t edited = ResidentBytes() - before;
    const double budget = 1.5 * static_cast<double>(bytes.size()) +
                          16.0 * static_cast<double>(document.PhysicalLineCount());
    state.counters["loaded_of_text"] =
        static_cast<double>(loaded) / static_cast<double>(bytes.size());
    state.counters["edited_of_text"] =
        static_cast<double>(edited) / static_cast<double>(bytes.size());
    state.counters["edited_of_budget"] = static_cast<double>(edited) / budget;
  }
}
BENCHMARK(BM_DocumentMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// The first character typed in the middle of a file just loaded: the gap
// moves there, and no longer has to be made.
void BM_FirstEditAfterLoad(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    // Freeing the previous text is not part of the measurement.
    auto document = std::make_unique<TextDocument>();
    LoadEditorText(*document, GeneratedDocumentPath());
    document->SetCaret(document->LineStart(document->PhysicalLineCount() / 2));
    state.ResumeTiming();
    document->TypeText("x");
    state.PauseTiming();
    document.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FirstEditAfterLoad)->Iterations(10)->Unit(benchmark::kMillisecond);

// A character typed at one end of the text after one typed at the other:
// the gap, and the line starts' pending shift, move over the whole text.
void BM_TypeAfterJumpAcross(benchmark::State& state) {
  TextDocument document;
  LoadEditorText(document, GeneratedDocumentPath());
  bool at_start = true;
  for (auto _ : state) {
    document.SetCaret(at_start ? 0 : document.Length());
    document.TypeText("x");
    at_start = !at_start;
  }
}
BENCHMARK(BM_TypeAfterJumpAcross)->Unit(benchmark::kMillisecond);

// The caller hands its bytes over, as the file loader does; copying them is
// not part of the measurement.
void BM_LoadText(benchmark::State& state) {
  const std::string& bytes = DocumentBytes();
  TextDocument document;
  for (auto _ : state) {
    state.PauseTiming();
    std::string text = bytes;
    state.ResumeTiming();
    document.LoadText(std::move(text));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
  state.counters["lines"] = static_cast<double>(document.EditorLineCount());
}
BENCHMARK(BM_LoadText)->Unit(benchmark::kMillisecond);

void BM_EditorLineEveryLine(benchmark::State& state) {
  TextDocument document;
  document.LoadText(DocumentBytes());
  for (auto _ : state) {
    std::int64_t total = 0;
    for (std::int64_t i = 0; i < document.EditorLineCount(); ++i) {
      total += static_cast<std::int64_t>(document.EditorLine(i).size());
    }
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(state.iterations() * document.Length());
}
BENCHMARK(BM_EditorLineEveryLine)->Unit(benchmark::kMillisecond);

void BM_ReadEditorLineEveryLine(benchmark::State& state) {
  TextDocument document;
  document.LoadText(DocumentBytes());
  std::string line;
  for (auto _ : state) {
    std::int64_t total = 0;
    for (std::int64_t i = 0; i < document.EditorLineCount(); ++i) {
      document.ReadEditorLine(i, line);
      total += static_cast<std::int64_t>(line.size());
    }
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(state.iterations() * document.Length());
}
BENCHMARK(BM_ReadEditorLineEveryLine)->Unit(benchmark::kMillisecond);

// One character typed and removed again in the middle of the document, with
// the status bar reading the caret after each. The fixed iteration count keeps
// the undo history (two steps an iteration) small.
void BM_TypeAndBackspaceInTheMiddle(benchmark::State& state) {
  TextDocument document;
  document.LoadText(DocumentBytes());
  StatusBarListener listener(document);
  document.SetListener(&listener);
  document.SetCaret(document.LineStart(document.PhysicalLineCount() / 2) + 3);
  // The first edit moves the gap to the caret and grows it.
  document.TypeText("x");
  document.Backspace();
  for (auto _ : state) {
    document.TypeText("x");
    document.Backspace();
  }
}
BENCHMARK(BM_TypeAndBackspaceInTheMiddle)->Iterations(100'000)->Unit(benchmark::kMicrosecond);

// Indents every tenth line by two spaces, then takes them out again on the
// next pass, as the line-shifting tools do.
void BM_ReplaceEveryTenthLine(benchmark::State& state) {
  TextDocument document;
  document.LoadText(DocumentBytes());
  StatusBarListener listener(document);
  document.SetListener(&listener);
  std::int64_t replaced = 0;
  bool indent = true;
  std::string line;
  for (auto _ : state) {
    for (std::int64_t i = 0; i < document.EditorLineCount(); i += 10) {
      document.ReadEditorLine(i, line);
      if (indent) {
        line.insert(0, "  ");
      } else {
        line.erase(0, 2);
      }
      document.ReplaceEditorLine(i, line);
      ++replaced;
    }
    indent = !indent;
  }
  state.SetItemsProcessed(replaced);
}
BENCHMARK(BM_ReplaceEveryTenthLine)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnpad
