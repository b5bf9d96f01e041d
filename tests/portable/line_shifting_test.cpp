#include "tools/line_shifting.h"

#include <gtest/gtest.h>

#include "loaded_document.h"

namespace tarnpad {
namespace {

TEST(ShiftSelectedLines, TheBudgetDecidesHowFarTheWalkGoes) {
  // Lines 1 to 3 of "zero one two three" selected: 15 characters.
  struct Case {
    std::string_view indent;
    std::int64_t changed;
    const char* text;
  };
  for (const Case& c : {Case{kIndentTwoSpaces, 3, "zero\r\n  one\r\n  two\r\n  three"},
                        Case{kIndentTab, 4, "\tzero\r\n\tone\r\n\ttwo\r\n\tthree"},
                        Case{kIndentFourSpaces, 2, "zero\r\none\r\n    two\r\n    three"}}) {
    LoadedDocument document("zero\r\none\r\ntwo\r\nthree", 6, 21);
    EXPECT_EQ(ShiftSelectedLines(document, c.indent), c.changed);
    EXPECT_EQ(document.Text(), c.text);
  }
}

TEST(ShiftSelectedLines, EmptyLinesStayUnlessTheCaretIsOnThem) {
  LoadedDocument caret_line("a\r\n\r\nb", 3, 3);
  ShiftSelectedLines(caret_line, kIndentSixSpaces);
  EXPECT_EQ(caret_line.Text(), "a\r\n      \r\nb");

  LoadedDocument inside("a\r\n\r\nb", 0, 7);
  EXPECT_EQ(ShiftSelectedLines(inside, kIndentTwoSpaces), 2);
  EXPECT_EQ(inside.Text(), "  a\r\n\r\n  b");
  EXPECT_EQ(inside.CaretPoint(), (CaretPoint{3, 0}));
}

TEST(OutdentSelectedLines, RemovesExactlyTwoLeadingSpacesFromTheLinesReached) {
  LoadedDocument document("    four\r\n  two\r\n\tb\r\n one\r\n  \r\n  end", 0, 32);
  EXPECT_EQ(OutdentSelectedLines(document), 4);
  EXPECT_EQ(document.Text(), "  four\r\ntwo\r\n\tb\r\n one\r\n\r\nend");

  // The shortened lines count less, so the walk runs above the selection.
  LoadedDocument above("  p\r\n  a\r\n  b", 5, 13);
  OutdentSelectedLines(above);
  EXPECT_EQ(above.Text(), "p\r\na\r\nb");

  // A budget used up exactly by the caret line ends the walk there.
  LoadedDocument exact("  a\r\nbc", 5, 7);
  OutdentSelectedLines(exact);
  EXPECT_EQ(exact.Text(), "  a\r\nbc");

  LoadedDocument unchanged("\tx\r\n y", 1, 6);
  EXPECT_EQ(OutdentSelectedLines(unchanged), 0);
  EXPECT_EQ(unchanged.SelectionLength(), 5);
}

}  // namespace
}  // namespace tarnpad
