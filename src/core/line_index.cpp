#include "core/line_index.h"

#include <cstring>
#include <utility>

namespace tarnpad {

namespace {

// Calls found(offset) for the offset of every LF in text, in order.
template <typename Found>
void ForEachLineFeed(std::string_view text, Found found) {
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  for (const char* p = begin; p < end; ++p) {
    p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
    if (p == nullptr) break;
    found(static_cast<Position>(p - begin));
  }
}

}  // namespace

LineIndex::LineIndex() {
  Reset({});
}

void LineIndex::Reset(std::string_view text) {
  // Counted first, so the starts fill one allocation with just the gap's
  // room to spare: a vector growing as it goes copies them again and again,
  // into fresh memory each time, and may end up with as much again unused.
  const std::int64_t count = LineFeeds(text) + 1;
  std::vector<Position> starts;
  starts.reserve(static_cast<std::size_t>(count + InitialGapFor(count)));
  starts.push_back(0);
  ForEachLineFeed(text, [&](Position offset) { starts.push_back(offset + 1); });
  starts_.Adopt(std::move(starts));
  stepLine_ = 0;
  stepLength_ = 0;
}

std::int64_t LineIndex::LineOfPosition(Position pos) const {
  std::int64_t low = 0;
  std::int64_t high = LineCount() - 1;
  while (low < high) {
    const std::int64_t middle = low + (high - low + 1) / 2;
    if (LineStart(middle) <= pos) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  return low;
}

std::int64_t LineIndex::LineFeeds(std::string_view text) {
  std::int64_t count = 0;
  ForEachLineFeed(text, [&count](Position) { ++count; });
  return count;
}

LineIndex::Span LineIndex::SpanOf(Position start, Position end) const {
  const std::int64_t first = LineOfPosition(start);
  return {first, start < end ? LineOfPosition(end) : first};
}

void LineIndex::Replaced(Span span, Position start, Position end, std::string_view text) {
  const std::int64_t line = span.first;
  MoveStepTo(line);
  if (start < end) {
    // The lines that started inside (start, end] lost the break before them.
    starts_.Delete(line + 1, span.Breaks());
    stepLength_ -= end - start;
    MoveStepTo(line);  // the step may now lie past the last line
  }
  if (text.empty()) return;
  stepLength_ += static_cast<Position>(text.size());
  // New lines sit after the step's line, so they are stored without the
  // step. One at a time: each lands at the gap, so none moves anything.
  std::int64_t at = line + 1;
  ForEachLineFeed(text, [&](Position offset) {
    const Position stored = start + offset + 1 - stepLength_;
    starts_.Insert(at++, &stored, 1);
  });
}

void LineIndex::MoveStepTo(std::int64_t line) {
  if (stepLength_ != 0) {
    if (line > stepLine_) starts_.AddToRange(stepLine_ + 1, line + 1, stepLength_);
    if (line < stepLine_) starts_.AddToRange(line + 1, stepLine_ + 1, -stepLength_);
  }
  stepLine_ = line;
  // A step past the last line applies to nothing; forget it.
  if (stepLine_ >= LineCount() - 1) stepLength_ = 0;
}

}  // namespace tarnpad
