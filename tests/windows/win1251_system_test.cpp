// Our fixed Windows-1251 table must agree with the system's own code page
// 1251 for every assigned byte, whatever the system's ANSI code page is.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/win1251.h"

namespace tarnpad {
namespace {

TEST(Win1251AgainstSystem, EveryAssignedByteDecodesLikeCodePage1251) {
  for (int byte = 1; byte < 256; ++byte) {
    if (byte == 0x98) continue;  // unassigned: we show a placeholder instead
    const char narrow = static_cast<char>(byte);
    wchar_t system = 0;
    ASSERT_EQ(MultiByteToWideChar(1251, 0, &narrow, 1, &system, 1), 1);
    EXPECT_EQ(DecodeByte(static_cast<unsigned char>(byte)), system) << "byte " << byte;
  }
}

TEST(Win1251AgainstSystem, SurrogatePairIsOneForeignCharacter) {
  EXPECT_EQ(EncodeText(L"a\U0001F600b"), "a?b");
  EXPECT_EQ(CountForeignCharacters(L"a\U0001F600b"), 1u);
  EXPECT_EQ(EncodeText(L"a\U0001F600b", ForeignCharacterForm::Reference), "a&#128512;b");
  // Two halves in the wrong order are two halves alone.
  const std::wstring swapped{static_cast<wchar_t>(0xDE00), static_cast<wchar_t>(0xD83D)};
  EXPECT_EQ(EncodeText(swapped, ForeignCharacterForm::Reference), "&#65533;&#65533;");
}

}  // namespace
}  // namespace tarnpad
