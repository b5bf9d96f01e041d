#include "core/document_file.h"

#include <string>
#include <system_error>
#include <utility>

#include "core/file_system.h"
#include "core/gap_buffer.h"
#include "core/text_document.h"

namespace tarnpad {

// The bytes are read with the room the text's first insertions need, so
// the first edit copies nothing.
void LoadEditorText(TextDocument& document, const std::filesystem::path& path) {
  std::error_code error;
  const auto size = static_cast<std::int64_t>(std::filesystem::file_size(path, error));
  const std::size_t room = error ? 0 : static_cast<std::size_t>(InitialGapFor(size));
  // The document makes every break CR LF as it takes the bytes over.
  document.LoadText(ReadFileBytes(path, room));
}

// Straight from the text's two runs: no whole copy first.
void SaveEditorText(const TextDocument& document, const std::filesystem::path& path) {
  const std::array<std::string_view, 2> parts = document.TextParts();
  WriteFileBytes(path, ByteParts(parts));
}

}  // namespace tarnpad
