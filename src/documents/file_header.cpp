#include "documents/file_header.h"

#include <array>
#include <system_error>

#include "core/text_document.h"
#include "core/text_helpers.h"

namespace tarnpad {
namespace {

enum class HeaderValue { Date, FileSize, ClearSize };

// One kind of header line. A line is recognised when its first markerLength
// characters, and (when keywordStart is not 0) its characters from
// keywordStart up to the end of the keyword, equal those of prefix. All
// indices are 0-based.
struct HeaderKind {
  std::string_view prefix;  // what the rewritten line holds in columns 1-60
  std::size_t markerLength;
  std::size_t keywordStart;
  HeaderValue value;
};

constexpr std::size_t kPrefixLength = 60;
constexpr std::size_t kKeywordEnd = 59;  // every specification keyword ends with ":" at column 59
constexpr std::size_t kValueWidth = 10;

constexpr std::array<HeaderKind, 6> kHeaderKinds = {{
    {"#    velbrin.dorn.specification                       date: ", 31, 54, HeaderValue::Date},
    {"#    velbrin.dorn.specification                   filesize: ", 31, 50, HeaderValue::FileSize},
    {"#    velbrin.dorn.specification                  clearsize: ", 31, 49,
     HeaderValue::ClearSize},
    {"#    velbrin.dorn.specs  date                               ", 34, 0, HeaderValue::Date},
    {"#    velbrin.dorn.specs  filesize                           ", 34, 0, HeaderValue::FileSize},
    {"#    velbrin.dorn.specs  clearsize                          ", 34, 0, HeaderValue::ClearSize},
}};

constexpr bool PrefixesFit() {
  for (const HeaderKind& kind : kHeaderKinds) {
    if (kind.prefix.size() != kPrefixLength) return false;
  }
  return true;
}
static_assert(PrefixesFit(), "every header prefix fills columns 1-60");

// Columns 71-120.
constexpr std::string_view kTail = "                                                 @";
static_assert(kTail.size() == 50);

bool SameColumns(std::string_view line, std::string_view prefix, std::size_t begin,
                 std::size_t end) {
  return line.size() >= end && line.substr(begin, end - begin) == prefix.substr(begin, end - begin);
}

bool Recognises(const HeaderKind& kind, std::string_view line) {
  return SameColumns(line, kind.prefix, 0, kind.markerLength) &&
         (kind.keywordStart == 0 || SameColumns(line, kind.prefix, kind.keywordStart, kKeywordEnd));
}

// The value left-aligned in 10 columns: padded with spaces, cut after 10.
std::string ValueField(const std::string& value) {
  return (value + std::string(kValueWidth, ' ')).substr(0, kValueWidth);
}

std::string ZeroPadded(int n, std::size_t width) {
  std::string digits = std::to_string(n);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

}  // namespace

std::string HeaderDate(int year, int month, int day) {
  return ZeroPadded(year, 4) + "-" + ZeroPadded(month, 2) + "-" + ZeroPadded(day, 2);
}

std::int64_t FileSizeOf(const std::filesystem::path& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  return error ? -1 : static_cast<std::int64_t>(size);
}

std::int64_t ClearSize(const TextDocument& document) {
  std::int64_t size = -2;
  std::string line;
  // The one line past EditorLineCount() is always empty, so it adds nothing.
  const std::int64_t count = document.EditorLineCount();
  for (std::int64_t i = 0; i < count; ++i) {
    document.ReadEditorLine(i, line);
    const std::string kept = TrimText(line);
    if (!kept.empty() && kept.front() != '#') size += static_cast<std::int64_t>(kept.size()) + 2;
  }
  return size;
}

bool RefreshFileHeader(TextDocument& document, std::string_view date, std::int64_t file_size) {
  const std::array<std::string, 3> fields = {ValueField(std::string(date)),
                                             ValueField(DecimalText(file_size)),
                                             ValueField(DecimalText(ClearSize(document)))};
  bool changed = false;
  for (std::int64_t i = 1; i <= 20; ++i) {
    const std::string line = document.EditorLine(i);
    for (const HeaderKind& kind : kHeaderKinds) {
      if (!Recognises(kind, line)) continue;
      const std::string rewritten = std::string(kind.prefix) +
                                    fields[static_cast<std::size_t>(kind.value)] +
                                    std::string(kTail);
      changed = changed || rewritten != line;
      document.ReplaceEditorLine(i, rewritten);
      break;  // the kinds exclude each other
    }
  }
  return changed;
}

}  // namespace tarnpad
