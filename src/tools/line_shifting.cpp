#include "tools/line_shifting.h"

#include <string>

#include "core/text_document.h"
#include "tools/upward_walk.h"

namespace tarnpad {

std::int64_t ShiftSelectedLines(TextDocument& document, std::string_view indent) {
  std::int64_t changed = 0;
  std::string rebuilt;
  const auto indent_line = [&](std::int64_t index, const std::string& line, bool caret_line) {
    if (line.empty() && !caret_line) return std::int64_t{0};
    rebuilt.assign(indent);
    rebuilt += line;
    document.ReplaceEditorLine(index, rebuilt);
    ++changed;
    return static_cast<std::int64_t>(rebuilt.size());
  };
  WalkSelectedLinesUpwards(document, indent_line);
  return changed;
}

std::int64_t OutdentSelectedLines(TextDocument& document) {
  std::int64_t changed = 0;
  const auto outdent_line = [&](std::int64_t index, const std::string& line, bool) {
    const auto length = static_cast<std::int64_t>(line.size());
    if (!line.starts_with("  ")) return length;
    document.ReplaceEditorLine(index, std::string_view(line).substr(2));
    ++changed;
    return length - 2;
  };
  WalkSelectedLinesUpwards(document, outdent_line);
  return changed;
}

}  // namespace tarnpad
