#include "tools/caret_insertion.h"

#include <gtest/gtest.h>

#include "core/win1251.h"
#include "loaded_document.h"
#include "tools/insertion_items.h"

namespace tarnpad {
namespace {

TEST(InsertionItems, SymbolsInsertTheCharacterTheirCaptionShows) {
  for (const InsertionItem& item : kSymbolItems) {
    EXPECT_EQ(EncodeText(item.caption), std::string(item.opening) + std::string(item.closing));
  }
}

// Texts use letters that cannot be read as part of a hex escape.
TEST(InsertAtCaret, WithoutSelectionInsertsAtTheCaretAndEndsAtTheLineEnd) {
  LoadedDocument empty("");
  InsertAtCaret(empty, "&copy;", "");
  EXPECT_EQ(empty.Text(), "&copy;");

  LoadedDocument start("xyz\r\nnext");
  InsertAtCaret(start, "\x97", "");
  EXPECT_EQ(start.Text(), "\x97xyz\r\nnext");
  EXPECT_EQ(start.Caret(), 4);

  LoadedDocument tabs("x\r\n\tq\tr", 6, 6);  // a tab is one column
  InsertAtCaret(tabs, "\xB1", "");
  EXPECT_EQ(tabs.Text(), "x\r\n\tq\t\xB1r");

  LoadedDocument after_final_break("a\r\n", 3, 3);
  InsertAtCaret(after_final_break, "&nbsp;", "");
  EXPECT_EQ(after_final_break.Text(), "a\r\n&nbsp;");
}

TEST(InsertAtCaret, SelectionWithinTheLineIsEnclosedOrPrefixed) {
  LoadedDocument wrapped("one\r\npxyzp\r\nend", 6, 9);
  WrapInGuillemets(wrapped);
  EXPECT_EQ(wrapped.Text(), "one\r\np\xABxyz\xBBp\r\nend");
  EXPECT_EQ(wrapped.SelectionLength(), 0);
  EXPECT_EQ(wrapped.Caret(), 12);

  LoadedDocument prefixed("pxyzp", 1, 4);
  InsertAtCaret(prefixed, "&amp;", "");
  EXPECT_EQ(prefixed.Text(), "p&amp;xyzp");
}

TEST(InsertAtCaret, SelectionFromAnEarlierLineIsEnclosedAcrossLines) {
  LoadedDocument across("top\r\nmn\r\nop\r\nqr\r\nend", 6, 14);
  WrapInGuillemets(across);
  EXPECT_EQ(across.Text(), "top\r\nm\xABn\r\nop\r\nq\xBBr\r\nend");
  EXPECT_EQ(across.CaretPoint(), (CaretPoint{3, 3}));

  // A whole line with its break: the closing text goes after the break.
  LoadedDocument whole_line("mn\r\nop", 0, 4);
  WrapInGuillemets(whole_line);
  EXPECT_EQ(whole_line.Text(), "\xABmn\r\n\xBBop");
  EXPECT_EQ(whole_line.CaretPoint(), (CaretPoint{3, 1}));
}

}  // namespace
}  // namespace tarnpad
