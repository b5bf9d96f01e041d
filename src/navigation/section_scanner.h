#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnpad {

class TextDocument;

// A navigation entry is one text: the 0-based index of a marker line in
// decimal, left-aligned in a field of 7 characters padded with spaces, directly
// followed by the section's title (which may be empty). Every reader of
// entries takes the line index through EntryLineIndex.
inline constexpr std::int64_t kEntryFieldWidth = 7;

// The largest index the field holds. Lines further down are never listed, so
// no entry points to a wrong line.
inline constexpr std::int64_t kLargestEntryLineIndex = 9'999'999;

// The entry for line_index (0 to kLargestEntryLineIndex) and title.
std::string NavigationEntry(std::int64_t line_index, std::string_view title);

// The line index held by the entry's first 7 characters (0 for a text that
// holds no number there, which no scan makes).
std::int64_t EntryLineIndex(std::string_view entry);

// The full scan: for every line in order, one entry per marker rule the line
// matches, tested in this order:
//  - label: "label" at characters 4 to 8; the title is the rest from
//    character 10, trimmed. A line that begins with "/*" and ends with "*/"
//    loses the title's last two characters (not trimmed again).
//  - equals: the line begins with "== " and ends with " =="; the title is what
//    stands between them, untrimmed.
//  - dollar: the line begins with "$" and ends with "begin"; the title is what
//    stands between them less the character just before "begin", trimmed.
std::vector<std::string> ScanSections(const TextDocument& document);

// The label scan: the label rule alone, without the comment-tail cut.
std::vector<std::string> ScanLabelSections(const TextDocument& document);

}  // namespace tarnpad
