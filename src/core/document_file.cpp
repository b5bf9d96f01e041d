#include "core/document_file.h"

#include <string>
#include <utility>

#include "core/file_system.h"
#include "core/line_breaks.h"
#include "core/text_document.h"

namespace tarnpad {

void LoadEditorText(TextDocument& document, const std::filesystem::path& path) {
  std::string text = ReadFileBytes(path);
  NormalizeLineBreaksInPlace(text);
  document.LoadText(std::move(text));
}

void SaveEditorText(const TextDocument& document, const std::filesystem::path& path) {
  WriteFileBytes(path, document.Text());
}

}  // namespace tarnpad
