#include "tools/passwords.h"

#include <cstdint>
#include <string_view>

namespace tarnpad {
namespace {

constexpr std::string_view kLookAlikes = "CcIlOoSsVvWwXxZz10";

char RandomDigit(RandomSource& source) {
  return static_cast<char>('0' + RandomBelow(source, 10));
}

// Groups of four characters joined by "-".
std::string Grouped(const std::string& characters) {
  std::string grouped;
  for (std::size_t i = 0; i < characters.size(); i += 4) {
    if (i > 0) grouped += '-';
    grouped += characters.substr(i, 4);
  }
  return grouped;
}

}  // namespace

int RandomBelow(RandomSource& source, int n) {
  const int accepted = 256 - 256 % n;
  std::uint8_t byte = 0;
  do {
    source.Fill({&byte, 1});
  } while (byte >= accepted);
  return byte % n;
}

std::string ComplexPassword(RandomSource& source) {
  std::string characters;
  while (characters.size() < 16) {
    char candidate = 0;
    switch (RandomBelow(source, 3)) {
      case 0:
        candidate = RandomDigit(source);
        break;
      case 1:
        candidate = static_cast<char>('a' + RandomBelow(source, 26));
        break;
      default:
        candidate = static_cast<char>('A' + RandomBelow(source, 26));
        break;
    }
    if (kLookAlikes.find(candidate) == std::string_view::npos) characters += candidate;
  }
  return Grouped(characters);
}

std::string SimplePassword(RandomSource& source) {
  std::string digits;
  while (digits.size() < 8) digits += RandomDigit(source);
  return Grouped(digits);
}

}  // namespace tarnpad
