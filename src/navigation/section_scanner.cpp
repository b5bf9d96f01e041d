#include "navigation/section_scanner.h"

#include <algorithm>
#include <charconv>

#include "core/text_document.h"
#include "core/text_helpers.h"

namespace tarnpad {
namespace {

// The rule tests run on every line of the document, so they compare views in
// place; titles are built only for lines that match.

bool MatchesLabelRule(std::string_view s) {
  return s.size() >= 8 && s.substr(3, 5) == "label";
}

std::string LabelTitle(std::string_view s) {
  return TrimText(CopyText(s, 10, static_cast<std::int64_t>(s.size()) - 9));
}

// A label line written as one block comment: the title loses the comment's
// closing "*/", or whatever two characters end it.
std::string CutCommentTail(std::string_view s, std::string title) {
  if (s.starts_with("/*") && s.ends_with("*/")) {
    return CopyText(title, 1, static_cast<std::int64_t>(title.size()) - 2);
  }
  return title;
}

bool MatchesEqualsRule(std::string_view s) {
  return s.starts_with("== ") && s.ends_with(" ==");
}

std::string EqualsTitle(std::string_view s) {
  return CopyText(s, 4, static_cast<std::int64_t>(s.size()) - 6);
}

bool MatchesDollarRule(std::string_view s) {
  return s.starts_with('$') && s.ends_with("begin");
}

std::string DollarTitle(std::string_view s) {
  return TrimText(CopyText(s, 2, static_cast<std::int64_t>(s.size()) - 7));
}

// Reads every listable line into one reused buffer and hands it to
// add_entries(index, line, entries). The scan never changes the text, so the
// line count read once is the count of every pass.
template <typename AddEntries>
std::vector<std::string> ScanLines(const TextDocument& document, AddEntries add_entries) {
  std::vector<std::string> entries;
  std::string line;
  const std::int64_t count = std::min(document.EditorLineCount(), kLargestEntryLineIndex + 1);
  for (std::int64_t i = 0; i < count; ++i) {
    document.ReadEditorLine(i, line);
    add_entries(i, std::string_view(line), entries);
  }
  return entries;
}

}  // namespace

std::string NavigationEntry(std::int64_t line_index, std::string_view title) {
  std::string entry = CopyText(DecimalText(line_index) + "       ", 1, kEntryFieldWidth);
  entry += title;
  return entry;
}

std::int64_t EntryLineIndex(std::string_view entry) {
  const std::string field = TrimText(CopyText(entry, 1, kEntryFieldWidth));
  std::int64_t index = 0;
  std::from_chars(field.data(), field.data() + field.size(), index);
  return index;
}

std::vector<std::string> ScanSections(const TextDocument& document) {
  return ScanLines(document, [](std::int64_t i, std::string_view s, auto& entries) {
    if (MatchesLabelRule(s))
      entries.push_back(NavigationEntry(i, CutCommentTail(s, LabelTitle(s))));
    if (MatchesEqualsRule(s)) entries.push_back(NavigationEntry(i, EqualsTitle(s)));
    if (MatchesDollarRule(s)) entries.push_back(NavigationEntry(i, DollarTitle(s)));
  });
}

std::vector<std::string> ScanLabelSections(const TextDocument& document) {
  return ScanLines(document, [](std::int64_t i, std::string_view s, auto& entries) {
    if (MatchesLabelRule(s)) entries.push_back(NavigationEntry(i, LabelTitle(s)));
  });
}

}  // namespace tarnpad
