#include "editor/line_columns.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace tarnpad {
namespace {

// Lines up to this length are read whole on every lookup.
constexpr Position kShortLine = 8192;
// How many long lines keep their checkpoints at a time: the few on screen.
constexpr std::size_t kLongLinesKept = 4;
// How much of a long text is read at once: small enough for the buffer to
// be reused from piece to piece rather than mapped afresh.
constexpr Position kReadPiece = 1 << 16;

// Calls visit(pos, byte) for the bytes of [start, end) in order until it
// returns false; reads the text in pieces. Returns the position where it
// stopped (end when every byte was visited).
template <typename Visit>
Position VisitBytes(const TextDocument& document, Position start, Position end, Visit visit) {
  std::string piece;
  for (Position pieceStart = start; pieceStart < end; pieceStart += kReadPiece) {
    const Position pieceEnd = std::min(end, pieceStart + kReadPiece);
    piece = document.TextRange(pieceStart, pieceEnd);
    for (std::size_t i = 0; i < piece.size(); ++i) {
      const Position pos = pieceStart + static_cast<Position>(i);
      if (!visit(pos, piece[i])) return pos;
    }
  }
  return end;
}

// The column after bytes that start at column; a run without tabs is counted
// at once.
std::int64_t ColumnAfterRun(std::int64_t column, std::string_view bytes) {
  if (bytes.find('\t') == std::string_view::npos) {
    return column + static_cast<std::int64_t>(bytes.size());
  }
  for (const char byte : bytes) column = ColumnAfter(column, byte);
  return column;
}

}  // namespace

std::int64_t LineColumns::ColumnOf(Position pos) {
  const std::int64_t line = document_.LineOfPosition(pos);
  const Position lineStart = document_.LineStart(line);
  const Position target = std::clamp(pos, lineStart, document_.LineEnd(line));
  const Landmark landmark = LandmarkBefore(lineStart, document_.LineEnd(line), target);
  std::int64_t column = landmark.column;
  VisitBytes(document_, landmark.pos, target, [&column](Position, char byte) {
    column = ColumnAfter(column, byte);
    return true;
  });
  return column;
}

Position LineColumns::PositionAt(std::int64_t line, std::int64_t column) {
  const Position lineStart = document_.LineStart(line);
  const Position lineEnd = document_.LineEnd(line);
  const Landmark landmark = LandmarkBeforeColumn(lineStart, lineEnd, column);
  std::int64_t left = landmark.column;
  Position nearest = lineEnd;
  VisitBytes(document_, landmark.pos, lineEnd, [&](Position pos, char byte) {
    const std::int64_t right = ColumnAfter(left, byte);
    if (right <= column) {
      left = right;
      return true;
    }
    // column falls inside this byte: take the nearer of its two edges.
    nearest = (column - left) * 2 > right - left ? pos + 1 : pos;
    return false;
  });
  return nearest;
}

std::int64_t LineColumns::Width(std::int64_t line) {
  const Position lineStart = document_.LineStart(line);
  const Position lineEnd = document_.LineEnd(line);
  if (const LongLine* longLine = LongLineAt(lineStart, lineEnd))
    return longLine->checkpoints.back();
  std::int64_t column = 0;
  VisitBytes(document_, lineStart, lineEnd, [&column](Position, char byte) {
    column = ColumnAfter(column, byte);
    return true;
  });
  return column;
}

ColumnSpan LineColumns::Span(std::int64_t line, std::int64_t first, std::int64_t last) {
  const Position lineStart = document_.LineStart(line);
  const Position lineEnd = document_.LineEnd(line);
  const Landmark landmark = LandmarkBeforeColumn(lineStart, lineEnd, first);
  ColumnSpan span{lineEnd, lineEnd, 0};
  std::int64_t column = landmark.column;
  bool started = false;
  const Position stop = VisitBytes(document_, landmark.pos, lineEnd, [&](Position pos, char byte) {
    if (!started) {
      const std::int64_t next = ColumnAfter(column, byte);
      if (next <= first) {
        column = next;
        return true;
      }
      started = true;
      span.start = pos;
      span.startColumn = column;
    }
    if (column >= last) return false;
    column = ColumnAfter(column, byte);
    return true;
  });
  if (!started) span.startColumn = column;
  span.end = started ? stop : lineEnd;
  return span;
}

LineColumns::Landmark LineColumns::LandmarkBefore(Position lineStart, Position lineEnd,
                                                  Position pos) {
  const LongLine* longLine = LongLineAt(lineStart, lineEnd);
  if (longLine == nullptr) return {lineStart, 0};
  const auto k = static_cast<std::size_t>((pos - lineStart) / kCheckpointStride);
  return {lineStart + static_cast<Position>(k) * kCheckpointStride, longLine->checkpoints[k]};
}

LineColumns::Landmark LineColumns::LandmarkBeforeColumn(Position lineStart, Position lineEnd,
                                                        std::int64_t column) {
  const LongLine* longLine = LongLineAt(lineStart, lineEnd);
  if (longLine == nullptr) return {lineStart, 0};
  // The checkpoints but the last (the width) belong to bytes of the line.
  const auto begin = longLine->checkpoints.begin();
  const auto end = longLine->checkpoints.end() - 1;
  const auto after = std::upper_bound(begin, end, column);
  const auto k = after == begin ? 0 : after - begin - 1;
  return {lineStart + k * kCheckpointStride, begin[k]};
}

const LineColumns::LongLine* LineColumns::LongLineAt(Position lineStart, Position lineEnd) {
  if (lineEnd - lineStart <= kShortLine) return nullptr;
  const auto found = std::find_if(longLines_.begin(), longLines_.end(), [&](const LongLine& l) {
    return l.start == lineStart && l.end == lineEnd;
  });
  if (found == longLines_.end()) return &Measure(lineStart, lineEnd);
  std::rotate(found, found + 1, longLines_.end());
  return &longLines_.back();
}

const LineColumns::LongLine& LineColumns::Measure(Position lineStart, Position lineEnd) {
  static_assert(kReadPiece % kCheckpointStride == 0, "checkpoints must not straddle pieces");
  if (longLines_.size() == kLongLinesKept) longLines_.erase(longLines_.begin());
  LongLine& measured = longLines_.emplace_back();
  measured.start = lineStart;
  measured.end = lineEnd;
  std::int64_t column = 0;
  std::string piece;
  for (Position pieceStart = lineStart; pieceStart < lineEnd; pieceStart += kReadPiece) {
    piece = document_.TextRange(pieceStart, std::min(lineEnd, pieceStart + kReadPiece));
    const std::string_view bytes = piece;
    for (std::size_t offset = 0; offset < bytes.size(); offset += kCheckpointStride) {
      measured.checkpoints.push_back(column);
      column = ColumnAfterRun(column, bytes.substr(offset, kCheckpointStride));
    }
  }
  measured.checkpoints.push_back(column);
  return measured;
}

std::int64_t WidestLineWidth(const TextDocument& document) {
  std::int64_t widest = 0;
  std::int64_t column = 0;  // of the line being read, up to the current piece
  const Position length = document.Length();
  for (Position pieceStart = 0; pieceStart < length; pieceStart += kReadPiece) {
    const std::string piece =
        document.TextRange(pieceStart, std::min(length, pieceStart + kReadPiece));
    std::string_view rest = piece;
    while (!rest.empty()) {
      // Every LF ends a CR LF pair whose CR closed the line already; such an
      // LF may open a piece.
      if (rest.front() == '\n') {
        rest.remove_prefix(1);
        continue;
      }
      const std::size_t lineBreak = rest.find('\r');
      column = ColumnAfterRun(column, rest.substr(0, lineBreak));
      if (lineBreak == std::string_view::npos) break;
      widest = std::max(widest, column);
      column = 0;
      rest.remove_prefix(lineBreak + 1);
    }
  }
  return std::max(widest, column);
}

}  // namespace tarnpad
