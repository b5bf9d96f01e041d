// Column lookups on lines long enough to use checkpoints must agree with a
// plain walk over the line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/line_columns.h"

namespace tarnpad {
namespace {

// The column at which each byte of line begins, and its width at the end.
std::vector<std::int64_t> WalkColumns(const std::string& line) {
  std::vector<std::int64_t> columns{0};
  for (const char byte : line) columns.push_back(ColumnAfter(columns.back(), byte));
  return columns;
}

// Bytes, tabs and runs of Cyrillic in an uneven pattern.
std::string MixedLine(std::size_t length) {
  std::string line;
  for (std::size_t i = 0; line.size() < length; ++i) {
    line += i % 7 == 0 ? "\t" : i % 5 == 0 ? "\xEF\xF0\xE8" : "ab";
  }
  return line;
}

TEST(LineColumns, LongLineLookupsAgreeWithAPlainWalk) {
  const std::string line = MixedLine(30000);
  TextDocument document;
  document.LoadText("short\r\n" + line + "\r\n\tend");
  const Position start = document.LineStart(1);
  const std::vector<std::int64_t> expected = WalkColumns(line);
  LineColumns columns(document);

  EXPECT_EQ(columns.Width(1), expected.back());
  EXPECT_EQ(columns.Width(2), 11);
  for (std::size_t i = 0; i <= line.size(); ++i) {
    ASSERT_EQ(columns.ColumnOf(start + static_cast<Position>(i)), expected[i]) << i;
  }
  // Every column maps to the byte edge nearest to it.
  std::size_t byte = 0;
  for (std::int64_t column = 0; column <= expected.back() + 2; ++column) {
    while (byte + 1 < expected.size() && expected[byte + 1] <= column) ++byte;
    std::size_t nearest = byte;
    if (byte + 1 < expected.size() &&
        (column - expected[byte]) * 2 > expected[byte + 1] - expected[byte]) {
      nearest = byte + 1;
    }
    ASSERT_EQ(columns.PositionAt(1, column), start + static_cast<Position>(nearest)) << column;
  }
  // A window of columns gives the bytes that reach into it.
  for (const std::int64_t first : {std::int64_t{0}, std::int64_t{4095}, std::int64_t{20001}}) {
    const ColumnSpan span = columns.Span(1, first, first + 100);
    const auto a = static_cast<std::size_t>(span.start - start);
    const auto b = static_cast<std::size_t>(span.end - start);
    EXPECT_EQ(span.startColumn, expected[a]);
    EXPECT_LE(expected[a], first);
    EXPECT_GT(expected[a + 1], first);
    EXPECT_LT(expected[b - 1], first + 100);
    EXPECT_GE(expected[b], first + 100);
  }
  const ColumnSpan past = columns.Span(1, expected.back() + 5, expected.back() + 50);
  EXPECT_EQ(past.start, document.LineEnd(1));
  EXPECT_EQ(past.end, document.LineEnd(1));
}

TEST(LineColumns, ColumnsFollowAnEditOnceForgotten) {
  TextDocument document;
  document.LoadText(std::string(20000, 'x'));
  LineColumns columns(document);
  EXPECT_EQ(columns.ColumnOf(15000), 15000);
  document.SetCaret(100);
  document.TypeText("\t");
  columns.Forget();
  EXPECT_EQ(columns.ColumnOf(15001), 15000 + 8 - 100 % 8);
}

TEST(LineColumns, WidestLineIsFoundAcrossTheLargeReadPieces) {
  // The LF of the first break opens the second piece of 64 KiB that the
  // text is read in.
  constexpr std::int64_t kPiece = 1 << 16;
  const std::string text = std::string(kPiece - 1, 'a') + "\r\n" + std::string(kPiece + 9, 'b') +
                           "\r\n" + std::string(300, 'c');
  TextDocument document;
  document.LoadText(text);
  ASSERT_EQ(document.ByteAt(kPiece), '\n');
  LineColumns columns(document);
  EXPECT_EQ(columns.Width(1), kPiece + 9);
  EXPECT_EQ(WidestLineWidth(document), columns.Width(1));
}

}  // namespace
}  // namespace tarnpad
