#include "core/text_helpers.h"

#include <gtest/gtest.h>

#include <limits>

namespace tarnpad {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TEST(TextHelpers, CopyTextClampsToTheText) {
  EXPECT_EQ(CopyText("abcdef", 2, 3), "bcd");
  EXPECT_EQ(CopyText("abcdef", kMin, 2), "ab");  // a position below 1 counts as 1
  EXPECT_EQ(CopyText("abcdef", 4, kMax), "def");
  EXPECT_EQ(CopyText("abcdef", 6, 1), "f");
  EXPECT_EQ(CopyText("abcdef", 7, 1), "");
  EXPECT_EQ(CopyText("abcdef", 2, 0), "");
  EXPECT_EQ(CopyText("abcdef", 2, kMin), "");
  EXPECT_EQ(CopyText(L"Привет", 0, 3), L"При");
}

TEST(TextHelpers, TrimTextKeepsBytesAboveCode127) {
  EXPECT_EQ(TrimText(std::string(" \t\r\n\0a b\x1F ", 10)), "a b");
  EXPECT_EQ(TrimText(" \t "), "");
  // NBSP and the Cyrillic letters are characters, even where char is signed.
  EXPECT_EQ(TrimText("\xA0\xC0 \xFF"), "\xA0\xC0 \xFF");
  EXPECT_EQ(TrimText(L"\t\u00A0Ж\r\n"), L"\u00A0Ж");
}

TEST(TextHelpers, DecimalTextCoversTheWholeRange) {
  EXPECT_EQ(DecimalText(0), "0");
  EXPECT_EQ(DecimalText(kMax), "9223372036854775807");
  EXPECT_EQ(DecimalText(kMin), "-9223372036854775808");
  EXPECT_EQ(DecimalWideText(-42), L"-42");
}

}  // namespace
}  // namespace tarnpad
