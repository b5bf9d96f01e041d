#include "navigation/fragments.h"

#include "core/text_document.h"
#include "core/text_helpers.h"

namespace tarnpad {

bool IsFragmentEntry(std::string_view entry) {
  return CopyText(entry, 7, 3) == " # ";
}

std::vector<std::string> FragmentEntries(const std::vector<std::string>& navigation_entries) {
  std::vector<std::string> fragments;
  for (const std::string& entry : navigation_entries) {
    if (IsFragmentEntry(entry)) fragments.push_back(entry);
  }
  return fragments;
}

bool IsStopLine(std::string_view line) {
  return CopyText(line, 10, 20) == std::string_view("####################");
}

std::string FragmentExcerpt(const TextDocument& document, std::int64_t start) {
  std::string excerpt;
  std::string line;
  for (std::int64_t k = 0; k < kExcerptMaxLines; ++k) {
    document.ReadEditorLine(start + k, line);
    excerpt += line;
    excerpt += "\r\n";
    if (IsStopLine(line)) break;
  }
  return excerpt;
}

}  // namespace tarnpad
