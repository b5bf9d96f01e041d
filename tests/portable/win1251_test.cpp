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

TEST(Win1251, ForeignCharactersAreCountedOncePerCharacter) {
  EXPECT_EQ(CountForeignCharacters(L""), 0u);
  EXPECT_EQ(CountForeignCharacters(L"Привет, «мир» № 1? €\r\n\u25CB\u25A1"), 0u);
  EXPECT_EQ(CountForeignCharacters(L"✓ and α"), 2u);
  // A pair is one character whatever the width of wchar_t; halves alone count each.
  EXPECT_EQ(CountForeignCharacters(L"\U0001F600\U0010FFFF"), 2u);
  const std::wstring lone_halves{static_cast<wchar_t>(0xDE00), L'?', static_cast<wchar_t>(0xD83D)};
  EXPECT_EQ(CountForeignCharacters(lone_halves), 2u);
}

TEST(Win1251, ForeignCharactersBecomeDecimalReferencesOrQuestionMarks) {
  const std::wstring mixed = L"Ж ✓ and α, 中\U0001F600? &amp;";
  EXPECT_EQ(EncodeText(mixed, ForeignCharacterForm::Reference),
            "\xC6 &#10003; and &#945;, &#20013;&#128512;? &amp;");
  EXPECT_EQ(EncodeText(mixed, ForeignCharacterForm::QuestionMark), "\xC6 ? and ?, ??? &amp;");
  EXPECT_EQ(EncodeText(L"\U0010FFFF", ForeignCharacterForm::Reference), "&#1114111;");

  // A half without its partner names no character: the replacement character's reference.
  const std::wstring lone_halves{L'a', static_cast<wchar_t>(0xD83D), L'b',
                                 static_cast<wchar_t>(0xDE00)};
  EXPECT_EQ(EncodeText(lone_halves, ForeignCharacterForm::Reference), "a&#65533;b&#65533;");
  EXPECT_EQ(EncodeText(lone_halves, ForeignCharacterForm::QuestionMark), "a?b?");

  // Text of Windows-1251 characters alone is the same in either form.
  std::string bytes;
  for (int byte = 0; byte < 256; ++byte) bytes += static_cast<char>(byte);
  EXPECT_EQ(EncodeText(DecodeText(bytes), ForeignCharacterForm::Reference), bytes);
}

}  // namespace
}  // namespace tarnpad
