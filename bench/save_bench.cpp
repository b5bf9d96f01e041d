// The references for saving the generated document: the same bytes written
// with a plain write into one file, with and without waiting for the disk.
// A save writes a new file, flushes it and puts it in the target's place, so
// the flushed plain write is its like-for-like reference.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "bench_document.h"
#include "core/document_file.h"
#include "core/text_document.h"

namespace tarnpad {
namespace {

void PlainWrite(benchmark::State& state, bool flush) {
  const std::filesystem::path source = GeneratedDocumentPath();
  const std::filesystem::path target = source.parent_path() / "tarnpad_bench_plain.txt";
  TextDocument document;
  LoadEditorText(document, source);
  const std::string bytes = document.Text();
  for (auto _ : state) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const bool written =
        fd >= 0 && ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
        (!flush || ::fsync(fd) == 0);
    if (fd >= 0) ::close(fd);
    if (!written) {
      state.SkipWithError("cannot write the reference file");
      break;
    }
  }
  state.SetBytesProcessed(state.iterations() * document.Length());
  std::filesystem::remove(target);
}

void BM_PlainWrite(benchmark::State& state) {
  PlainWrite(state, false);
}
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PlainWriteFlushed(benchmark::State& state) {
  PlainWrite(state, true);
}
BENCHMARK(BM_PlainWriteFlushed)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tarnpad
