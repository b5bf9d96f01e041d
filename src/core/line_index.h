#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/gap_buffer.h"
#include "core/text_document.h"

namespace tarnpad {

// Where each physical line of a text starts: line 0 at 0, and a line after
// every LF. Edits shift the starts of all following lines; that shift is kept
// as one pending step applied lazily, so typing within a line costs O(1) here
// and reading a line's start stays O(1).
class LineIndex {
 public:
  LineIndex();

  // Rebuilds the index for a whole text.
  void Reset(std::string_view text);

  // At least 1: the number of LFs plus one.
  std::int64_t LineCount() const { return starts_.Length(); }
  // 0 <= line < LineCount().
  Position LineStart(std::int64_t line) const {
    const Position stored = starts_.At(line);
    return line > stepLine_ ? stored + stepLength_ : stored;
  }
  // The last line that starts at or before pos (pos >= 0).
  std::int64_t LineOfPosition(Position pos) const;

  // The lines that hold the two ends of a range of the text.
  struct Span {
    std::int64_t first = 0;
    std::int64_t last = 0;
    std::int64_t Breaks() const { return last - first; }  // inside the range
  };
  Span SpanOf(Position start, Position end) const;

  // Makes room for lines more lines, so that replacements adding no more than
  // that many in all cannot fail. The index stays as it is on failure.
  void Reserve(std::int64_t lines) { starts_.Reserve(lines); }
  // Keeps the index in step with the text: the bytes [start, end), whose
  // lines span gives as they were, were replaced by text. Allocates only when
  // Reserve made no room for the text's breaks.
  void Replaced(Span span, Position start, Position end, std::string_view text);
  // The line breaks in text.
  static std::int64_t LineFeeds(std::string_view text);

 private:
  // Moves the step so that it applies to the lines after line.
  void MoveStepTo(std::int64_t line);

  // The start of line i is starts_[i], plus stepLength_ when i > stepLine_.
  GapBuffer<std::vector<Position>> starts_;
  std::int64_t stepLine_ = 0;
  Position stepLength_ = 0;
};

}  // namespace tarnpad
