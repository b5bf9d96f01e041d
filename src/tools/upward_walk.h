#pragma once

#include <cstdint>
#include <string>

#include "core/text_document.h"

namespace tarnpad {

// The walk shared by the line shifting and echo framing commands. It visits
// the line of the selection's end, then the lines above it, one at a time,
// while a budget lasts: the budget starts as the selection's length (read
// before anything changes, each line break counting 2) and loses, before each
// step up, the length of the line just visited as that line now is, its
// break not counted. The walk ends at line 0 or when the budget is used up.
// The document's listener hears of the whole walk once, when it ends.
//
// visit(index, line, is_caret_line) may rewrite line index and returns that
// line's length afterwards.
template <typename Visit>
void WalkSelectedLinesUpwards(TextDocument& document, Visit visit) {
  const TextDocument::BulkEdit bulk(document);
  std::int64_t index = document.CaretPoint().Line;
  std::int64_t budget = document.SelectionLength();
  std::string line;
  document.ReadEditorLine(index, line);
  std::int64_t length = visit(index, line, true);
  while (budget > 0 && index > 0) {
    budget -= length;
    --index;
    if (budget <= 0) break;
    document.ReadEditorLine(index, line);
    length = visit(index, line, false);
  }
}

}  // namespace tarnpad
