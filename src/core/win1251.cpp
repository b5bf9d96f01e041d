#include "core/win1251.h"

#include <array>
#include <cstdint>
#include <string>

namespace tarnpad {
namespace {

// Placeholders for the two bytes that have no character of their own. Both
// lie outside the table, so they encode back without ambiguity, and both are
// among the symbols that the editor's monospaced fonts draw (the characters
// made for these purposes, U+2400 and U+FFFD, are not).
constexpr wchar_t kNulPlaceholder = 0x25CB;         // WHITE CIRCLE
constexpr wchar_t kUnassignedPlaceholder = 0x25A1;  // WHITE SQUARE
constexpr unsigned char kUnassignedByte = 0x98;

// Bytes 0x80-0xBF; 0xC0-0xFF are the Cyrillic letters U+0410-U+044F in order
// and 0x00-0x7F are ASCII.
// clang-format off
constexpr std::array<wchar_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x25A1, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};
// clang-format on
static_assert(kUpperHalf[kUnassignedByte - 0x80] == kUnassignedPlaceholder);

constexpr std::array<wchar_t, 256> MakeDecodeTable() {
  std::array<wchar_t, 256> table{};
  for (int byte = 0; byte < 0x80; ++byte) table[byte] = static_cast<wchar_t>(byte);
  table[0] = kNulPlaceholder;
  for (int byte = 0x80; byte < 0xC0; ++byte) table[byte] = kUpperHalf[byte - 0x80];
  for (int byte = 0xC0; byte < 0x100; ++byte) {
    table[byte] = static_cast<wchar_t>(0x0410 + byte - 0xC0);
  }
  return table;
}

constexpr std::array<wchar_t, 256> kDecodeTable = MakeDecodeTable();

constexpr std::size_t kBmpSize = 0x10000;

// Every character of the Basic Multilingual Plane to its byte, kNoByte where
// there is none. Built on first use from the decode table.
class EncodeTable {
 public:
  EncodeTable() {
    table_.fill(kNoByte);
    for (std::size_t byte = 0; byte < kDecodeTable.size(); ++byte) {
      table_[static_cast<std::uint16_t>(kDecodeTable[byte])] = static_cast<char>(byte);
    }
    // The control characters the placeholders stand for also map back, so
    // text from programs that decode 0x98 as U+0098 keeps its byte.
    table_[0] = '\0';
    table_[kUnassignedByte] = static_cast<char>(kUnassignedByte);
  }

  char operator[](std::uint32_t code) const { return code < kBmpSize ? table_[code] : kNoByte; }

 private:
  std::array<char, kBmpSize> table_;
};

const EncodeTable& Encoder() {
  static const EncodeTable table;
  return table;
}

// With 16-bit wchar_t a character beyond the BMP arrives as a surrogate pair.
// With 32-bit wchar_t it is one value, and two halves in a row are two
// malformed characters, not a pair.
bool StartsSurrogatePair(std::wstring_view text, std::size_t i) {
  if (sizeof(wchar_t) != 2 || i + 1 >= text.size()) return false;
  const auto high = static_cast<std::uint32_t>(text[i]);
  const auto low = static_cast<std::uint32_t>(text[i + 1]);
  return high >= 0xD800 && high <= 0xDBFF && low >= 0xDC00 && low <= 0xDFFF;
}

// The code point that starts at text[i]; i moves onto the last unit it takes.
std::uint32_t TakeCodePoint(std::wstring_view text, std::size_t& i) {
  const auto code = static_cast<std::uint32_t>(text[i]);
  if (!StartsSurrogatePair(text, i)) return code;
  const auto low = static_cast<std::uint32_t>(text[++i]);
  return 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
}

bool IsForeign(const EncodeTable& encoder, std::uint32_t code) {
  return encoder[code] == kNoByte && code != static_cast<std::uint32_t>(kNoByte);
}

constexpr std::uint32_t kReplacementCharacter = 0xFFFD;

// Neither a surrogate half nor a value past the last code point of Unicode.
bool IsCharacter(std::uint32_t code) {
  return code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
}

void AppendReference(std::string& bytes, std::uint32_t code) {
  bytes += "&#";
  bytes += std::to_string(IsCharacter(code) ? code : kReplacementCharacter);
  bytes += ';';
}

}  // namespace

wchar_t DecodeByte(unsigned char byte) {
  return kDecodeTable[byte];
}

std::wstring DecodeText(std::string_view bytes) {
  std::wstring text(bytes.size(), L'\0');
  DecodeInto(bytes, text.data());
  return text;
}

wchar_t* DecodeInto(std::string_view bytes, wchar_t* out) {
  for (const char byte : bytes) *out++ = kDecodeTable[static_cast<unsigned char>(byte)];
  return out;
}

char EncodeChar(wchar_t ch) {
  return Encoder()[static_cast<std::uint32_t>(ch)];
}

std::string EncodeText(std::wstring_view text) {
  return EncodeText(text, ForeignCharacterForm::QuestionMark);
}

std::size_t CountForeignCharacters(std::wstring_view text) {
  const EncodeTable& encoder = Encoder();
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsForeign(encoder, TakeCodePoint(text, i))) ++count;
  }
  return count;
}

std::string EncodeText(std::wstring_view text, ForeignCharacterForm form) {
  const EncodeTable& encoder = Encoder();
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A character beyond the BMP is one foreign character, whether it
    // arrives as a pair or as one value past the table.
    const std::uint32_t code = TakeCodePoint(text, i);
    if (form == ForeignCharacterForm::Reference && IsForeign(encoder, code)) {
      AppendReference(bytes, code);
    } else {
      bytes += encoder[code];
    }
  }
  return bytes;
}

}  // namespace tarnpad
