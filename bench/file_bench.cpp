// Loading and saving the generated document, against the references of the
// performance budget measured in the same run: a plain read of the same bytes
// and grep over the same file. All figures are wall-clock times.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bench_document.h"
#include "core/document_file.h"
#include "core/text_document.h"

namespace tarnpad {
namespace {

void BM_PlainRead(benchmark::State& state) {
  const std::filesystem::path path = GeneratedDocumentPath();
  for (auto _ : state) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
      state.SkipWithError("cannot open the document");
      break;
    }
    std::string bytes(static_cast<std::size_t>(std::filesystem::file_size(path)), '\0');
    const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    benchmark::DoNotOptimize(read);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(std::filesystem::file_size(path)));
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->UseRealTime();

// grep's output is read through a pipe: with its output going to /dev/null,
// grep stops at the first match and measures nothing.
void BM_GrepCount(benchmark::State& state) {
  // "echo" occurs on many lines of the generated document.
  const std::string command = "grep -c echo '" + GeneratedDocumentPath().string() + "'";
  for (auto _ : state) {
    std::FILE* output = popen(command.c_str(), "r");
    long count = 0;
    const bool counted = output != nullptr && std::fscanf(output, "%ld", &count) == 1;
    if (output != nullptr) pclose(output);
    if (!counted || count == 0) {
      state.SkipWithError("grep failed");
      break;
    }
  }
}
BENCHMARK(BM_GrepCount)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadEditorText(benchmark::State& state) {
  const std::filesystem::path path = GeneratedDocumentPath();
  TextDocument document;
  for (auto _ : state) {
    LoadEditorText(document, path);
    benchmark::DoNotOptimize(document.EditorLineCount());
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(std::filesystem::file_size(path)));
}
BENCHMARK(BM_LoadEditorText)->Unit(benchmark::kMillisecond)->UseRealTime();

// Includes flushing the new file to disk, which a safe save has to wait for.
void BM_SaveEditorText(benchmark::State& state) {
  const std::filesystem::path source = GeneratedDocumentPath();
  const std::filesystem::path target = source.parent_path() / "tarnpad_bench_saved.txt";
  TextDocument document;
  LoadEditorText(document, source);
  for (auto _ : state) SaveEditorText(document, target);
  state.SetBytesProcessed(state.iterations() * document.Length());
  std::filesystem::remove(target);
}
BENCHMARK(BM_SaveEditorText)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tarnpad
