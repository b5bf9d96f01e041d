#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarnpad {

// The fixed Windows-1251 table, independent of the system's code page.
// Every byte has a character: NUL and the unassigned 0x98 get visible
// placeholder characters that encode back to the same byte, so every byte
// value survives a round trip through the screen and the clipboard.
wchar_t DecodeByte(unsigned char byte);
std::wstring DecodeText(std::string_view bytes);
// Writes the characters of bytes to out, which has room for them; returns
// the end of what it wrote.
wchar_t* DecodeInto(std::string_view bytes, wchar_t* out);

// A character with no Windows-1251 byte becomes '?'. On Windows a surrogate
// pair is one character and becomes one '?'.
constexpr char kNoByte = '?';
char EncodeChar(wchar_t ch);  // a lone surrogate half gives kNoByte
std::string EncodeText(std::wstring_view text);

// A character with no Windows-1251 byte (a foreign character) goes in either
// as '?' or as the HTML decimal reference of its code point ("α" as
// "&#945;", "😀" as "&#128512;"), which a browser shows as the character
// itself while the file stays 8-bit.
enum class ForeignCharacterForm { QuestionMark, Reference };

// The foreign characters of text: a surrogate pair counts once, a lone
// surrogate half counts too. '?' itself has its byte and does not count.
std::size_t CountForeignCharacters(std::wstring_view text);

// EncodeText, with foreign characters in the given form. A lone surrogate
// half is no character, and a reference to it is no valid HTML: as a
// reference it becomes that of U+FFFD, the replacement character a browser
// shows in its place.
std::string EncodeText(std::wstring_view text, ForeignCharacterForm form);

}  // namespace tarnpad
