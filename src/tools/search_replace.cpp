#include "tools/search_replace.h"

#include <algorithm>
#include <string>

#include "core/text_document.h"

namespace tarnpad {
namespace {

// One pass over text into out; false, leaving out alone, when from does not
// occur.
bool ReplacePass(std::string_view text, std::string_view from, std::string_view to,
                 std::string& out) {
  std::size_t hit = text.find(from);
  if (hit == std::string_view::npos) return false;
  out.clear();
  std::size_t done = 0;
  do {
    out.append(text.substr(done, hit - done));
    out.append(to);
    done = hit + from.size();
    hit = text.find(from, done);
  } while (hit != std::string_view::npos);
  out.append(text.substr(done));
  return true;
}

// The three passes over line, into result; scratch is a second buffer kept
// by the caller. False when from does not occur in line. A pass that finds
// nothing leaves the text as it is, and so would the passes after it.
bool ReplaceThreeTimes(std::string_view line, std::string_view from, std::string_view to,
                       std::string& result, std::string& scratch) {
  if (!ReplacePass(line, from, to, result)) return false;
  if (!ReplacePass(result, from, to, scratch)) return true;
  if (!ReplacePass(scratch, from, to, result)) result.swap(scratch);
  return true;
}

}  // namespace

std::optional<std::int64_t> FindLineContaining(const TextDocument& document, std::string_view text,
                                               std::int64_t first) {
  if (text.empty()) return std::nullopt;
  const std::int64_t count = document.EditorLineCount();
  std::string line;
  for (std::int64_t i = std::max<std::int64_t>(first, 0); i < count; ++i) {
    document.ReadEditorLine(i, line);
    if (line.find(text) != std::string::npos) return i;
  }
  return std::nullopt;
}

std::optional<std::int64_t> SearchFirst(const TextDocument& document, std::string_view text,
                                        std::int64_t& last_found_line) {
  const auto hit = FindLineContaining(document, text, 0);
  if (hit) last_found_line = *hit;
  return hit;
}

std::optional<std::int64_t> SearchNext(const TextDocument& document, std::string_view text,
                                       std::int64_t& last_found_line) {
  const auto hit = FindLineContaining(document, text, last_found_line + 1);
  if (hit) last_found_line = *hit;
  return hit;
}

std::int64_t ReplaceAll(TextDocument& document, std::string_view from, std::string_view to) {
  if (from.empty()) return 0;
  const TextDocument::BulkEdit bulk(document);
  std::int64_t changed = 0;
  std::string line;
  std::string result;
  std::string scratch;
  // The count is taken once. The empty line at index count, were it read,
  // could never change.
  const std::int64_t count = document.EditorLineCount();
  for (std::int64_t i = 0; i < count; ++i) {
    document.ReadEditorLine(i, line);
    if (!ReplaceThreeTimes(line, from, to, result, scratch) || result == line) continue;
    document.ReplaceEditorLine(i, result);
    ++changed;
  }
  return changed;
}

}  // namespace tarnpad
