#include "tools/search_replace.h"

#include <algorithm>
#include <new>
#include <string>

#include "core/gap_buffer.h"
#include "core/text_document.h"
#include "core/win1251.h"

namespace tarnpad {
namespace {

// The size of text after one pass, without building it.
std::size_t PassResultSize(std::string_view text, std::string_view from, std::string_view to) {
  std::size_t hits = 0;
  for (std::size_t hit = text.find(from); hit != std::string_view::npos;
       hit = text.find(from, hit + from.size())) {
    ++hits;
  }
  return text.size() - hits * from.size() + hits * to.size();
}

// Memory that replace-all may still claim; a pass that would need more
// stops the command before it has changed anything.
class MemoryBudget {
 public:
  explicit MemoryBudget(std::uint64_t bytes) : left_(bytes) {}

  void Claim(std::uint64_t bytes) {
    if (bytes > left_) throw ReplaceAllTooLarge();
    left_ -= bytes;
  }
  void Release(std::uint64_t bytes) { left_ += bytes; }

 private:
  std::uint64_t left_;
};

// One pass over text into out; false, leaving out alone, when from does not
// occur. A growing pass first makes sure its result fits the budget.
bool ReplacePass(std::string_view text, std::string_view from, std::string_view to,
                 std::string& out, MemoryBudget& budget) {
  std::size_t hit = text.find(from);
  if (hit == std::string_view::npos) return false;
  if (to.size() > from.size()) {
    const std::size_t size = PassResultSize(text, from, to);
    budget.Claim(size);
    budget.Release(size);
    out.reserve(size);
  }
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
                       std::string& result, std::string& scratch, MemoryBudget& budget) {
  if (!ReplacePass(line, from, to, result, budget)) return false;
  if (!ReplacePass(result, from, to, scratch, budget)) return true;
  if (!ReplacePass(scratch, from, to, result, budget)) result.swap(scratch);
  return true;
}

}  // namespace

std::optional<std::string> SearchableBytes(const std::wstring& text) {
  std::string bytes = EncodeText(text);
  if (DecodeText(bytes) != text) return std::nullopt;
  return bytes;
}

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

std::int64_t ReplaceAll(TextDocument& document, std::string_view from, std::string_view to,
                        std::uint64_t memory_budget) {
  if (from.empty()) return 0;
  MemoryBudget budget(memory_budget);
  // The new text is worked out whole first, line by line into one buffer, so
  // that running out of memory stops the command before the text has
  // changed; the document then takes it in one change. Lines without a hit
  // are copied as they are.
  std::string text;
  std::int64_t changed = 0;
  Position caret = 0;
  std::string line;
  std::string result;
  std::string scratch;
  try {
    const auto length = static_cast<std::uint64_t>(document.Length());
    budget.Claim(length);
    text.reserve(length + static_cast<std::uint64_t>(InitialGapFor(document.Length())));
    const std::int64_t count = document.PhysicalLineCount();
    for (std::int64_t i = 0; i < count; ++i) {
      if (i > 0) text += "\r\n";
      document.ReadEditorLine(i, line);
      if (!ReplaceThreeTimes(line, from, to, result, scratch, budget) || result == line) {
        text += line;
        continue;
      }
      if (result.size() > line.size()) budget.Claim(result.size() - line.size());
      text += result;
      caret = static_cast<Position>(text.size());
      ++changed;
    }
  } catch (const std::bad_alloc&) {
    throw ReplaceAllTooLarge();
  }
  if (changed == 0) return 0;
  try {
    document.RewriteText(std::move(text), caret);
  } catch (const std::bad_alloc&) {
    throw ReplaceAllTooLarge();
  }
  return changed;
}

}  // namespace tarnpad
