#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnpad {

class TextDocument;

// A fragment is a navigation entry whose characters 7 to 9 are " # ": a line
// index of at most 6 digits and a title that begins with "#" and a space.
bool IsFragmentEntry(std::string_view entry);

// The fragment entries of a navigation list, unchanged and in list order.
std::vector<std::string> FragmentEntries(const std::vector<std::string>& navigation_entries);

// A line whose characters 10 to 29 are twenty "#" ends an excerpt.
bool IsStopLine(std::string_view line);

// The most lines an excerpt holds.
inline constexpr std::int64_t kExcerptMaxLines = 301;

// The lines from start down to the first stop line, that line included, or
// kExcerptMaxLines lines when none comes first; each line is followed by
// CR LF. Lines past the end of the document count as empty lines. The
// fragment view shows it as one added line, so one more CR LF follows there.
std::string FragmentExcerpt(const TextDocument& document, std::int64_t start);

}  // namespace tarnpad
