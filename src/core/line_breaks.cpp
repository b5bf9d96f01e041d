#include "core/line_breaks.h"

#include <algorithm>
#include <cstring>

namespace tarnpad {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

// Finds the breaks that are not already CR LF. The CRs and the LFs are looked
// up with memchr, each at most once per occurrence, so a scan of a large text
// runs at memory speed instead of testing every byte.
class LoneBreakFinder {
 public:
  explicit LoneBreakFinder(std::string_view text)
      : text_(text), next_cr_(Find('\r', 0)), next_lf_(Find('\n', 0)) {}

  // The first lone CR or lone LF at or after from; kNone when there is none.
  std::size_t Next(std::size_t from) {
    for (;;) {
      if (next_cr_ < from) next_cr_ = Find('\r', from);
      if (next_lf_ < from) next_lf_ = Find('\n', from);
      const std::size_t found = std::min(next_cr_, next_lf_);
      if (found == kNone) return kNone;
      if (found != next_cr_ || next_lf_ != found + 1) return found;
      from = found + 2;
    }
  }

 private:
  std::size_t Find(char c, std::size_t from) const {
    if (from >= text_.size()) return kNone;
    const void* hit = std::memchr(text_.data() + from, c, text_.size() - from);
    return hit == nullptr ? kNone
                          : static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data());
  }

  std::string_view text_;
  std::size_t next_cr_;  // first CR at or after the last search start, or kNone
  std::size_t next_lf_;  // same for LF
};

// Appends text from `copied` on, the lone break at `lone` and every later
// one written as CR LF.
void AppendFrom(std::string_view text, std::size_t copied, std::size_t lone,
                LoneBreakFinder& finder, std::string& out) {
  for (; lone != kNone; lone = finder.Next(copied)) {
    out.append(text.data() + copied, lone - copied);
    out += "\r\n";
    copied = lone + 1;
  }
  out.append(text.data() + copied, text.size() - copied);
}

}  // namespace

std::string NormalizeLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendNormalized(text, out);
  return out;
}

void AppendNormalized(std::string_view text, std::string& out) {
  LoneBreakFinder finder(text);
  AppendFrom(text, 0, finder.Next(0), finder, out);
}

void NormalizeLineBreaksInPlace(std::string& text) {
  LoneBreakFinder finder(text);
  const std::size_t first = finder.Next(0);
  if (first == kNone) return;
  std::string out;
  out.reserve(text.size());
  AppendFrom(text, 0, first, finder, out);
  text = std::move(out);
}

}  // namespace tarnpad
