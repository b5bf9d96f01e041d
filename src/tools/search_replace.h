#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/failure.h"

namespace tarnpad {

class TextDocument;

// The text of a search field as document bytes, or nothing when one of its
// characters has no Windows-1251 byte: such a text occurs in no line, and
// encoding it would turn the character into a "?" that does.
std::optional<std::string> SearchableBytes(const std::wstring& text);

// Search is by line: a line matches when it holds the text as a contiguous,
// case-sensitive substring (its line break excluded, so a hit never spans
// two lines). The empty text matches no line.

// The first matching line among first .. EditorLineCount() - 1.
std::optional<std::int64_t> FindLineContaining(const TextDocument& document, std::string_view text,
                                               std::int64_t first);

// The Search tab's two buttons. A hit becomes last_found_line; without one,
// last_found_line keeps its value. SearchNext starts after last_found_line
// and does not wrap around to the top.
std::optional<std::int64_t> SearchFirst(const TextDocument& document, std::string_view text,
                                        std::int64_t& last_found_line);
std::optional<std::int64_t> SearchNext(const TextDocument& document, std::string_view text,
                                       std::int64_t& last_found_line);

// Replace all: in every line, every occurrence of from becomes to, three
// times over (each pass scans the result of the one before, left to right,
// without overlaps, and does not rescan what it put in), so shrinking or
// growing replacements act repeatedly. Only lines whose text differs
// afterwards change; the others stay byte for byte. The change is not
// recorded for undo, and the caret ends after the last line changed. An
// empty from changes nothing. Both texts are single-line. Returns the number
// of lines rewritten.
//
// All or nothing: the result is worked out whole before the text changes,
// and when it would need more than memory_budget bytes besides the text (or
// memory runs out meanwhile) ReplaceAllTooLarge is thrown with the text
// untouched.
std::int64_t ReplaceAll(TextDocument& document, std::string_view from, std::string_view to,
                        std::uint64_t memory_budget = UINT64_MAX);

class ReplaceAllTooLarge : public Failure {
 public:
  ReplaceAllTooLarge()
      : Failure(L"Замена не выполнена: результат не поместится в памяти. Текст не изменён") {}
};

}  // namespace tarnpad
