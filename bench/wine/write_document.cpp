// Writes the generated benchmark document of the native benchmarks
// (GenerateDocumentBytes) to a file, for the side-by-side timing script.
//
//   write_document LINES OUT_FILE
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "bench_document.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: write_document LINES OUT_FILE\n");
    return 2;
  }
  const int lines = std::atoi(argv[1]);
  const std::string bytes = tarnpad::GenerateDocumentBytes(lines);
  std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file.flush()) {
    std::fprintf(stderr, "write_document: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
