#pragma once

#include <string>
#include <string_view>

namespace tarnpad {

// The fixed Windows-1251 table, independent of the system's code page.
// Every byte has a character: NUL and the unassigned 0x98 get visible
// placeholder characters that encode back to the same byte, so every byte
// value survives a round trip through the screen and the clipboard.
wchar_t DecodeByte(unsigned char byte);
std::wstring DecodeText(std::string_view bytes);

// A character with no Windows-1251 byte becomes '?'. On Windows a surrogate
// pair is one character and becomes one '?'.
constexpr char kNoByte = '?';
char EncodeChar(wchar_t ch);  // a lone surrogate half gives kNoByte
std::string EncodeText(std::wstring_view text);

}  // namespace tarnpad
