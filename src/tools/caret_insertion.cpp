#include "tools/caret_insertion.h"

#include <string>

#include "core/text_document.h"
#include "core/text_helpers.h"
#include "tools/insertion_items.h"

namespace tarnpad {
namespace {

// line with text put in at the 0-based column.
std::string InsertedAt(std::string_view line, std::int64_t column, std::string_view text) {
  const auto length = static_cast<std::int64_t>(line.size());
  return CopyText(line, 1, column) + std::string(text) +
         CopyText(line, column + 1, length - column);
}

}  // namespace

bool InsertAtCaret(TextDocument& document, std::string_view opening, std::string_view closing) {
  const std::int64_t selected = document.SelectionLength();
  const auto [column, line_index] = document.CaretPoint();
  const std::string line = document.EditorLine(line_index);
  const bool changes = !opening.empty() || !closing.empty();
  const TextDocument::BulkEdit bulk(document);

  if (selected <= column) {
    // Nothing selected, or the selection lies within the caret line.
    document.ReplaceEditorLine(
        line_index, InsertedAt(InsertedAt(line, column, closing), column - selected, opening));
    return changes;
  }

  // The selection starts on an earlier line: opening goes there, closing
  // goes to the caret line, and the caret line is rewritten last so that
  // the caret ends at its end.
  const Position start = document.SelectionStart();
  const std::int64_t first_index = document.LineOfPosition(start);
  const std::string first_line = document.EditorLine(first_index);
  const std::int64_t first_column = start - document.LineStart(first_index);
  document.ReplaceEditorLine(first_index, InsertedAt(first_line, first_column, opening));
  document.ReplaceEditorLine(line_index, InsertedAt(line, column, closing));
  return changes;
}

bool WrapInGuillemets(TextDocument& document) {
  return InsertAtCaret(document, kLeftGuillemet, kRightGuillemet);
}

}  // namespace tarnpad
