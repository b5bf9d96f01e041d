#include "core/win1251.h"

#include <gtest/gtest.h>

#include <set>

namespace tarnpad {
namespace {

TEST(Win1251, EveryByteHasItsOwnCharacterAndComesBack) {
  std::string bytes;
  for (int byte = 0; byte < 256; ++byte) bytes += static_cast<char>(byte);
  const std::wstring text = DecodeText(bytes);
  EXPECT_EQ(std::set<wchar_t>(text.begin(), text.end()).size(), 256u);
  EXPECT_EQ(EncodeText(text), bytes);
  EXPECT_EQ(DecodeText("\xC0\xFF\xA8\xB8\xB9\x88\x98"), L"АяЁё№€\u25A1");
}

TEST(Win1251, NulAndUnassignedByteShowAsVisiblePlaceholders) {
  for (const int byte : {0x00, 0x98}) {
    const wchar_t shown = DecodeByte(static_cast<unsigned char>(byte));
    EXPECT_FALSE(shown < 0x20 || (shown >= 0x7F && shown <= 0x9F)) << "byte " << byte;
    EXPECT_EQ(EncodeChar(shown), static_cast<char>(byte));
    // The control character itself keeps its byte too.
    EXPECT_EQ(EncodeChar(static_cast<wchar_t>(byte)), static_cast<char>(byte));
  }
}

TEST(Win1251, CharactersWithoutByteBecomeOneQuestionMarkEach) {
  EXPECT_EQ(EncodeText(L"αÀ中x"), "???x");
  EXPECT_EQ(EncodeText(L"a\U0001F600b"), "a?b");  // whatever the width of wchar_t
  const std::wstring lone_halves{L'a', static_cast<wchar_t>(0xD83D), L'b',
                                 static_cast<wchar_t>(0xDE00)};
  EXPECT_EQ(EncodeText(lone_halves), "a?b?");
}

}  // namespace
}  // namespace tarnpad
