#include "core/line_breaks.h"

#include <gtest/gtest.h>

#include <random>

namespace tarnpad {
namespace {

// The rule spelled out one byte at a time.
std::string ReferenceNormalize(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') {
      out += text[i];
      continue;
    }
    out += "\r\n";
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  return out;
}

std::string InPlace(std::string text) {
  NormalizeLineBreaksInPlace(text);
  return text;
}

TEST(LineBreaks, EveryKindOfBreakBecomesCrLf) {
  EXPECT_EQ(NormalizeLineBreaks("a\nb\rc\r\nd\n\re\r"), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
  EXPECT_EQ(InPlace("\r\r\n\n"), "\r\n\r\n\r\n");
  std::mt19937 random(1251);
  const char alphabet[] = {'a', '\r', '\n', '\0'};
  for (int round = 0; round < 2000; ++round) {
    std::string text(random() % 300, ' ');
    for (char& c : text) c = alphabet[random() % 4];
    const std::string expected = ReferenceNormalize(text);
    ASSERT_EQ(NormalizeLineBreaks(text), expected) << testing::PrintToString(text);
    ASSERT_EQ(InPlace(text), expected) << testing::PrintToString(text);
  }
}

TEST(LineBreaks, InPlaceLeavesNormalTextInItsBuffer) {
  std::string text;
  for (int line = 0; line < 1000; ++line) text += "line\r\n";
  const char* buffer = text.data();
  NormalizeLineBreaksInPlace(text);
  EXPECT_EQ(text.data(), buffer);
}

}  // namespace
}  // namespace tarnpad
