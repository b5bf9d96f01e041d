#include "tools/line_rewrites.h"

#include "core/text_document.h"
#include "core/text_helpers.h"
#include "tools/upward_walk.h"

namespace tarnpad {

std::string EchoForm(std::string_view line) {
  return "echo '" + TrimText(line) + "'.$br;";
}

std::int64_t FrameSelectedLinesInEcho(TextDocument& document) {
  std::int64_t changed = 0;
  const auto frame_line = [&](std::int64_t index, const std::string& line, bool) {
    const std::string framed = EchoForm(line);
    document.ReplaceEditorLine(index, framed);
    ++changed;  // an echo form never equals the line it came from
    return static_cast<std::int64_t>(framed.size());
  };
  WalkSelectedLinesUpwards(document, frame_line);
  return changed;
}

std::int64_t StripComments(TextDocument& document) {
  const TextDocument::BulkEdit bulk(document);
  std::int64_t changed = 0;
  bool last_step_changed = false;
  std::string line;
  std::int64_t index = 0;
  while (index != document.EditorLineCount()) {
    document.ReadEditorLine(index, line);
    const std::string trimmed = TrimText(line);
    if (trimmed.empty() || trimmed.front() == '#') {
      document.DeleteEditorLine(index);
      ++changed;
      last_step_changed = true;
      continue;
    }
    last_step_changed = trimmed.size() != line.size();
    if (last_step_changed) {
      document.ReplaceEditorLine(index, trimmed);
      ++changed;
    }
    ++index;
  }
  // A kept last line that needed no rewrite: the caret goes where rewriting
  // it would have left it.
  if (changed > 0 && !last_step_changed) document.SetCaret(document.LineEnd(index - 1));
  return changed;
}

}  // namespace tarnpad
