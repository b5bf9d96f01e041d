#include "editor/caret_motion.h"

#include <gtest/gtest.h>

#include "loaded_document.h"

namespace tarnpad {
namespace {

// "Слово" in Windows-1251: Cyrillic letters belong to words.
constexpr const char* kText = "int x  = \xD1\xEB\xEE\xE2\xEE_2;\t// end\r\n  next";

TEST(CaretMotion, CharacterStepsTakeABreakAsOne) {
  LoadedDocument document("a\r\nb");
  EXPECT_EQ(NextCharacter(document, 1), 3);
  EXPECT_EQ(PreviousCharacter(document, 3), 1);
  EXPECT_EQ(NextCharacter(document, 4), 4);
  EXPECT_EQ(PreviousCharacter(document, 0), 0);
}

TEST(CaretMotion, NextWordSkipsTheRunAndTheSpacesAfterIt) {
  LoadedDocument document(kText);
  Position pos = 0;
  std::vector<Position> stops;
  while (pos < document.Length()) stops.push_back(pos = NextWordStart(document, pos));
  // int | x | = | Слово_2 | ; | // | end | the break | the indent | next | the end
  EXPECT_EQ(stops, (std::vector<Position>{4, 7, 9, 16, 18, 21, 24, 26, 28, 32}));
}

TEST(CaretMotion, PreviousWordStopsAtWordStartsAndLineEnds) {
  LoadedDocument document(kText);
  Position pos = document.Length();
  std::vector<Position> stops;
  while (pos > 0) stops.push_back(pos = PreviousWordStart(document, pos));
  EXPECT_EQ(stops, (std::vector<Position>{28, 26, 24, 21, 18, 16, 9, 7, 4, 0}));
}

TEST(CaretMotion, WordAroundStaysWithinTheLine) {
  LoadedDocument document(kText);
  EXPECT_EQ(WordAround(document, 11), (std::pair<Position, Position>{9, 16}));
  EXPECT_EQ(WordAround(document, 5), (std::pair<Position, Position>{5, 7}));     // the spaces
  EXPECT_EQ(WordAround(document, 24), (std::pair<Position, Position>{21, 24}));  // line end
  LoadedDocument empty("a\r\n\r\nb");
  EXPECT_EQ(WordAround(empty, 3), (std::pair<Position, Position>{3, 3}));
}

}  // namespace
}  // namespace tarnpad
