#include "tools/search_replace.h"

#include <gtest/gtest.h>

#include "loaded_document.h"

namespace tarnpad {
namespace {

TEST(FindLineContaining, MatchesExactlyWithinOneLine) {
  // "Привет" in Windows-1251; the lower-case form differs in its first byte.
  LoadedDocument document("abc\r\nx \xCF\xF0\xE8\xE2\xE5\xF2 y");
  EXPECT_EQ(FindLineContaining(document, "\xCF\xF0\xE8\xE2\xE5\xF2", 0), 1);
  EXPECT_EQ(FindLineContaining(document, "\xEF\xF0\xE8\xE2\xE5\xF2", 0), std::nullopt);
  EXPECT_EQ(FindLineContaining(document, "abc\r\nx", 0), std::nullopt);
  EXPECT_EQ(FindLineContaining(document, "", 0), std::nullopt);
}

TEST(SearchNext, GoesOnFromTheLastFoundLineWithoutWrappingAround) {
  LoadedDocument document("hit 0\r\n1\r\nhit 2\r\n3\r\nhit 4");
  std::int64_t last_found_line = 0;
  EXPECT_EQ(SearchNext(document, "hit", last_found_line), 2);  // line 0 is skipped
  EXPECT_EQ(SearchNext(document, "hit", last_found_line), 4);
  EXPECT_EQ(SearchNext(document, "hit", last_found_line), std::nullopt);
  EXPECT_EQ(last_found_line, 4);
  EXPECT_EQ(SearchFirst(document, "", last_found_line), std::nullopt);
  EXPECT_EQ(last_found_line, 4);
  EXPECT_EQ(SearchFirst(document, "hit", last_found_line), 0);
  EXPECT_EQ(last_found_line, 0);
}

TEST(ReplaceAll, ThreePassesActRepeatedlyOnEachLine) {
  LoadedDocument spaces("a        b\r\nc    d");
  ReplaceAll(spaces, "  ", " ");
  EXPECT_EQ(spaces.Text(), "a b\r\nc d");

  LoadedDocument letters("xay");
  ReplaceAll(letters, "a", "aa");
  EXPECT_EQ(letters.Text(), "x" + std::string(8, 'a') + "y");

  LoadedDocument removal("aaaabbbb\r\naaaaa");
  ReplaceAll(removal, "ab", "");
  ReplaceAll(removal, "aa", "b");
  EXPECT_EQ(removal.Text(), "ab\r\nbba");
}

TEST(ReplaceAll, RewritesOnlyTheLinesThatChange) {
  LoadedDocument document("keep  \r\nswap me\r\nsame x\r\n", 1, 3);
  EXPECT_EQ(ReplaceAll(document, "x", "x"), 0);
  EXPECT_EQ(document.SelectionLength(), 2);
  EXPECT_EQ(ReplaceAll(document, "swap", "trade"), 1);
  EXPECT_EQ(document.Text(), "keep  \r\ntrade me\r\nsame x\r\n");
  // The caret ends after the last line changed; the change is not undone.
  EXPECT_EQ(document.Caret(), 16);
  EXPECT_EQ(document.SelectionLength(), 0);
  EXPECT_FALSE(document.CanUndo());
}

// A replacement that holds what it replaces grows a line by the cube of its
// growth: 1 000 "a" with "a" turned into 100 "a" would become 10^9 bytes.
TEST(ReplaceAll, RefusesAResultBeyondTheMemoryBudgetBeforeChangingAnything) {
  const std::string text = "keep\r\n" + std::string(1000, 'a') + "\r\nkeep a";
  LoadedDocument document(text, 2, 5);
  document.TypeText("b");
  EXPECT_THROW(ReplaceAll(document, "a", std::string(100, 'a'), 64 << 20), ReplaceAllTooLarge);
  EXPECT_EQ(document.EditorLine(1), std::string(1000, 'a'));
  EXPECT_EQ(document.Caret(), 3);
  EXPECT_TRUE(document.CanUndo());

  // Within the budget every line changes, the last one included.
  EXPECT_EQ(ReplaceAll(document, "a", "aa", 64 << 20), 2);
  EXPECT_EQ(document.EditorLine(1), std::string(8000, 'a'));
  EXPECT_EQ(document.EditorLine(2), "keep aaaaaaaa");
}

}  // namespace
}  // namespace tarnpad
