#include "settings/ini_file.h"

#include <array>
#include <fstream>
#include <utility>
#include <vector>

#include "core/failure.h"
#include "core/file_system.h"

namespace tarnpad {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
// Editors that save in UTF-8 may put this mark first; it stays where it is
// and is no part of the first line.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::size_t ContentStart(std::string_view bytes) {
  return bytes.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
}

// One line of the file: its text is [begin, end), without the line break;
// next is where the following line starts (the end of the file for the last).
struct LineSpan {
  std::size_t begin;
  std::size_t end;
  std::size_t next;
};

// A line ends at LF; a CR just before the LF belongs to the break.
std::vector<LineSpan> SplitLines(std::string_view bytes) {
  std::vector<LineSpan> lines;
  std::size_t begin = ContentStart(bytes);
  while (begin < bytes.size()) {
    const std::size_t lf = bytes.find('\n', begin);
    if (lf == std::string_view::npos) {
      lines.push_back({begin, bytes.size(), bytes.size()});
      break;
    }
    const std::size_t end = lf > begin && bytes[lf - 1] == '\r' ? lf - 1 : lf;
    lines.push_back({begin, end, lf + 1});
    begin = lf + 1;
  }
  return lines;
}

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= 32;
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Latin letters, and the Cyrillic ones of Windows-1251, in lower case.
unsigned char FoldedCase(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDF)) {
    return static_cast<unsigned char>(byte + 32);
  }
  if (byte == 0xA8) return 0xB8;  // Ё
  return byte;
}

bool NamesMatch(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldedCase(a[i]) != FoldedCase(b[i])) return false;
  }
  return true;
}

bool IsSectionLine(std::string_view trimmed) {
  return !trimmed.empty() && trimmed.front() == '[';
}

// The name between "[" and "]" (or the end of the line when "]" is missing).
std::string_view SectionName(std::string_view trimmed) {
  const std::string_view inside = trimmed.substr(1);
  return Trimmed(inside.substr(0, inside.find(']')));
}

// Where a key stands in the file, as far as it is there.
struct KeyLocation {
  std::optional<std::size_t> sectionLine;
  std::optional<std::size_t> keyLine;
  // The section's last line that is not blank (its header when it has none).
  std::size_t lastSectionLine = 0;
};

KeyLocation Locate(std::string_view bytes, const std::vector<LineSpan>& lines,
                   std::string_view section, std::string_view key) {
  KeyLocation location;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view text =
        Trimmed(bytes.substr(lines[i].begin, lines[i].end - lines[i].begin));
    if (IsSectionLine(text)) {
      if (location.sectionLine) break;
      if (NamesMatch(SectionName(text), section)) {
        location.sectionLine = location.lastSectionLine = i;
      }
      continue;
    }
    if (!location.sectionLine) continue;
    if (!text.empty()) location.lastSectionLine = i;
    const std::size_t equals = text.find('=');
    if (!location.keyLine && equals != std::string_view::npos &&
        NamesMatch(Trimmed(text.substr(0, equals)), key)) {
      location.keyLine = i;
    }
  }
  return location;
}

std::string ValueOf(std::string_view bytes, const LineSpan& line) {
  const std::string_view text = bytes.substr(line.begin, line.end - line.begin);
  return std::string(Trimmed(text.substr(text.find('=') + 1)));
}

// The file's bytes with the key set to value.
std::string WithValue(std::string bytes, std::string_view section, std::string_view key,
                      std::string_view value) {
  const std::vector<LineSpan> lines = SplitLines(bytes);
  const KeyLocation location = Locate(bytes, lines, section, key);
  const std::string key_line = std::string(key) + "=" + std::string(value);
  if (location.keyLine) {
    const LineSpan& line = lines[*location.keyLine];
    const std::size_t value_start = bytes.find('=', line.begin) + 1;
    bytes.replace(value_start, line.end - value_start, value);
  } else if (location.sectionLine) {
    const LineSpan& last = lines[location.lastSectionLine];
    std::string insertion = last.next == last.end ? std::string(kLineBreak) : std::string();
    insertion.append(key_line).append(kLineBreak);
    bytes.insert(last.next, insertion);
  } else {
    if (bytes.size() > ContentStart(bytes) && bytes.back() != '\n') bytes.append(kLineBreak);
    bytes.append("[").append(section).append("]").append(kLineBreak);
    bytes.append(key_line).append(kLineBreak);
  }
  return bytes;
}

// The whole file, or nullopt when it is no file or cannot be read.
std::optional<std::string> ReadBytes(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  std::array<char, 4096> buffer;
  while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0) {
    bytes.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::optional<std::uint64_t> DigitsValue(std::string_view digits, unsigned base,
                                         std::uint64_t limit) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : digits) {
    unsigned digit = 0;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = static_cast<unsigned>(c - 'a' + 10);
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = static_cast<unsigned>(c - 'A' + 10);
    } else {
      return std::nullopt;
    }
    value = value * base + digit;
    if (value > limit) return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<std::int32_t> ParseSettingInteger(std::string_view text) {
  std::string_view hex;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    hex = text.substr(2);
  } else if (text.starts_with('$') || text.starts_with('x') || text.starts_with('X')) {
    hex = text.substr(1);
  } else {
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) text.remove_prefix(1);
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    const std::optional<std::uint64_t> value = DigitsValue(text, 10, limit);
    if (!value) return std::nullopt;
    const auto magnitude = static_cast<std::int64_t>(*value);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  }
  const std::optional<std::uint64_t> value = DigitsValue(hex, 16, 0xFFFFFFFFu);
  if (!value) return std::nullopt;
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(*value));
}

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)) {}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view default_value) const {
  const std::optional<std::string> bytes = ReadBytes(path_);
  if (!bytes) return std::string(default_value);
  const std::vector<LineSpan> lines = SplitLines(*bytes);
  const KeyLocation location = Locate(*bytes, lines, section, key);
  if (!location.keyLine) return std::string(default_value);
  return ValueOf(*bytes, lines[*location.keyLine]);
}

bool IniFile::ReadFlag(std::string_view section, std::string_view key, bool default_value) const {
  const std::optional<std::int32_t> number = ParseSettingInteger(ReadString(section, key, ""));
  return number ? *number != 0 : default_value;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  const Failure unable_to_write(L"Unable to write to " + path_.wstring());
  std::string bytes;
  std::error_code error;
  if (std::filesystem::exists(path_, error)) {
    std::optional<std::string> existing = ReadBytes(path_);
    if (!existing) throw unable_to_write;
    bytes = std::move(*existing);
  } else if (error) {
    throw unable_to_write;
  }
  try {
    WriteFileBytes(path_, WithValue(std::move(bytes), section, key, value));
  } catch (const Failure&) {
    throw unable_to_write;
  }
}

void IniFile::WriteFlag(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

}  // namespace tarnpad
