#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarnpad {

// An INI file of "[section]" lines and "key=value" lines, in bytes as stored.
// Section and key names match whatever their letter case; a value is the text
// after the key's first "=", without the blanks around it. The first section
// of a name and the first key of a name within it are the ones that count.
//
// Nothing is cached: every read and every write goes to the file when it is
// made. Reading never writes; a missing or unreadable file reads as empty.
// Writing changes only the line of its key (or adds one) and leaves every
// other byte as it was.
class IniFile {
 public:
  explicit IniFile(std::filesystem::path path);

  const std::filesystem::path& Path() const { return path_; }

  // The value, or default_value when the file, the section or the key is
  // missing. A key present with nothing after "=" gives the empty text.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view default_value) const;

  // The value read as a number: 0 is false, any other number true; an empty
  // value or one that is not a number gives default_value.
  bool ReadFlag(std::string_view section, std::string_view key, bool default_value) const;

  // Replaces the key's value where it stands; a missing key is added after
  // the last line of its section, a missing section (with the key) at the end
  // of the file, and the file is created when missing. Throws Failure
  // ("Unable to write to " and the path) when the file or its folder cannot
  // be written, or when an existing file cannot be read (writing would lose
  // its other lines); the file is then left as it was.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);

  // "1" for true, "0" for false.
  void WriteFlag(std::string_view section, std::string_view key, bool value);

 private:
  std::filesystem::path path_;
};

// The number a value stands for: decimal with an optional sign, or
// hexadecimal after "$", "x", "X", "0x" or "0X", in the range of a 32-bit
// integer (hexadecimal up to FFFFFFFF, which wraps to negative). nullopt when
// the text is anything else, trailing characters included.
std::optional<std::int32_t> ParseSettingInteger(std::string_view text);

}  // namespace tarnpad
