#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnpad {

// The substring of s that starts at the 1-based position p and has at most n
// characters. p below 1 counts as 1; n of 0 or less, or p past the end, gives
// the empty text; the result stops at the end of s.
std::string CopyText(std::string_view s, std::int64_t p, std::int64_t n);
std::wstring CopyText(std::wstring_view s, std::int64_t p, std::int64_t n);

// s without the characters of code 32 or below at both ends.
std::string TrimText(std::string_view s);
std::wstring TrimText(std::wstring_view s);

// Plain decimal, with a leading "-" when negative.
std::string DecimalText(std::int64_t n);
std::wstring DecimalWideText(std::int64_t n);

}  // namespace tarnpad
