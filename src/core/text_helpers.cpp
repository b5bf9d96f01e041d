#include "core/text_helpers.h"

#include <algorithm>

namespace tarnpad {
namespace {

template <typename Char>
std::basic_string<Char> CopyOf(std::basic_string_view<Char> s, std::int64_t p, std::int64_t n) {
  const auto size = static_cast<std::int64_t>(s.size());
  const std::int64_t start = std::max<std::int64_t>(p, 1) - 1;
  if (n <= 0 || start >= size) return {};
  const std::int64_t count = std::min(n, size - start);
  return std::basic_string<Char>(
      s.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(count)));
}

// Bytes above 0x7F are characters, never control codes, whatever the
// signedness of char.
bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= 32;
}
bool IsBlankOrControl(wchar_t c) {
  return static_cast<std::uint32_t>(c) <= 32;
}

template <typename Char>
std::basic_string<Char> TrimOf(std::basic_string_view<Char> s) {
  std::size_t begin = 0;
  std::size_t end = s.size();
  while (begin < end && IsBlankOrControl(s[begin])) ++begin;
  while (end > begin && IsBlankOrControl(s[end - 1])) --end;
  return std::basic_string<Char>(s.substr(begin, end - begin));
}

}  // namespace

std::string CopyText(std::string_view s, std::int64_t p, std::int64_t n) {
  return CopyOf(s, p, n);
}

std::wstring CopyText(std::wstring_view s, std::int64_t p, std::int64_t n) {
  return CopyOf(s, p, n);
}

std::string TrimText(std::string_view s) {
  return TrimOf(s);
}

std::wstring TrimText(std::wstring_view s) {
  return TrimOf(s);
}

std::string DecimalText(std::int64_t n) {
  return std::to_string(n);
}

std::wstring DecimalWideText(std::int64_t n) {
  return std::to_wstring(n);
}

}  // namespace tarnpad
