#pragma once

#include <cstdint>
#include <vector>

#include "core/text_document.h"

namespace tarnpad {

// Screen columns of the text. A tab advances to the next multiple of
// kTabWidth; every other byte, placeholders included, takes one column. A
// line break takes none.
inline constexpr std::int64_t kTabWidth = 8;

// The column after a byte that starts at column.
constexpr std::int64_t ColumnAfter(std::int64_t column, char byte) {
  return byte == '\t' ? (column / kTabWidth + 1) * kTabWidth : column + 1;
}

// The bytes of one line that fall into a range of columns.
struct ColumnSpan {
  Position start = 0;            // the first byte that reaches into the range
  Position end = 0;              // after the last byte that starts inside it
  std::int64_t startColumn = 0;  // where the byte at start begins
};

// Maps positions of a line to columns and back. A short line is read whole;
// a long line (a whole file on one line is a case that must stay smooth)
// keeps checkpoints, the column at every kCheckpointStride-th byte, so a
// lookup reads a few kilobytes of it instead of megabytes. Forget() must be
// called whenever the text changes.
class LineColumns {
 public:
  explicit LineColumns(const TextDocument& document) : document_(document) {}

  void Forget() { longLines_.clear(); }

  // The column at which the byte at pos begins, counted in pos's line.
  std::int64_t ColumnOf(Position pos);
  // The position in line whose left edge is nearest to column; the end of
  // the line for a column past it.
  Position PositionAt(std::int64_t line, std::int64_t column);
  // The columns that the whole line takes.
  std::int64_t Width(std::int64_t line);
  // The bytes of line shown in columns [first, last).
  ColumnSpan Span(std::int64_t line, std::int64_t first, std::int64_t last);

 private:
  static constexpr Position kCheckpointStride = 4096;

  struct LongLine {
    Position start = 0;
    Position end = 0;
    // checkpoints[k] is the column of the byte at start + k * kCheckpointStride;
    // the last entry is the width of the line.
    std::vector<std::int64_t> checkpoints;
  };

  // The nearest known column at or before pos in a line that begins at
  // lineStart and ends at lineEnd: the line start, or a checkpoint.
  struct Landmark {
    Position pos = 0;
    std::int64_t column = 0;
  };
  Landmark LandmarkBefore(Position lineStart, Position lineEnd, Position pos);
  Landmark LandmarkBeforeColumn(Position lineStart, Position lineEnd, std::int64_t column);
  const LongLine* LongLineAt(Position lineStart, Position lineEnd);
  const LongLine& Measure(Position lineStart, Position lineEnd);

  const TextDocument& document_;
  std::vector<LongLine> longLines_;  // most recently measured last
};

// The width in columns of the widest line of the whole text; one pass over
// it, read in large pieces.
std::int64_t WidestLineWidth(const TextDocument& document);

}  // namespace tarnpad
