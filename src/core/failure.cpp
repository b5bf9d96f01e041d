#include "core/failure.h"

#include <cstdint>

namespace tarnpad {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

void AppendUtf8(char32_t code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool IsHighSurrogate(char32_t code) {
  return code >= 0xD800 && code <= 0xDBFF;
}
bool IsLowSurrogate(char32_t code) {
  return code >= 0xDC00 && code <= 0xDFFF;
}

// wchar_t holds UTF-16 on Windows and UTF-32 elsewhere; both are read here.
// What is not a character (a lone surrogate half, a value past U+10FFFF)
// shows as U+FFFD.
std::string Utf8Text(const std::wstring& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t code = static_cast<std::uint32_t>(text[i]);
    if (IsHighSurrogate(code) && i + 1 < text.size() &&
        IsLowSurrogate(static_cast<std::uint32_t>(text[i + 1]))) {
      const char32_t low = static_cast<std::uint32_t>(text[++i]);
      code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
    } else if (IsHighSurrogate(code) || IsLowSurrogate(code) || code > 0x10FFFF) {
      code = kReplacementCharacter;
    }
    AppendUtf8(code, out);
  }
  return out;
}

}  // namespace

Failure::Failure(std::wstring message)
    : std::runtime_error(Utf8Text(message)), message_(std::move(message)) {}

std::wstring ErrorBoxText(const std::wstring& message) {
  if (!message.empty() && static_cast<std::uint32_t>(message.back()) > L'.') return message + L'.';
  return message;
}

}  // namespace tarnpad
