#include "core/document_file.h"

#include <string>
#include <utility>

#include "core/file_system.h"
#include "core/text_document.h"

namespace tarnpad {

void LoadEditorText(TextDocument& document, const std::filesystem::path& path) {
  // The document makes every break CR LF as it takes the bytes over.
  document.LoadText(ReadFileBytes(path));
}

void SaveEditorText(const TextDocument& document, const std::filesystem::path& path) {
  WriteFileBytes(path, document.Text());
}

}  // namespace tarnpad
