#include "tools/passwords.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

namespace tarnpad {
namespace {

// Hands out the bytes it was given, in order.
class ScriptedRandomSource : public RandomSource {
 public:
  explicit ScriptedRandomSource(std::deque<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  void Fill(std::span<std::uint8_t> out) override {
    for (std::uint8_t& byte : out) {
      if (bytes_.empty()) throw std::out_of_range("script exhausted");
      byte = bytes_.front();
      bytes_.pop_front();
    }
  }
  bool Exhausted() const { return bytes_.empty(); }

 private:
  std::deque<std::uint8_t> bytes_;
};

TEST(RandomBelow, EveryResultIsEquallyLikely) {
  for (int n : {3, 10, 26}) {
    // Every byte value once, the rejected top values first.
    std::deque<std::uint8_t> every_byte;
    for (int i = 255; i >= 0; --i) every_byte.push_back(static_cast<std::uint8_t>(i));
    ScriptedRandomSource source(every_byte);
    std::map<int, int> counts;
    while (!source.Exhausted()) ++counts[RandomBelow(source, n)];
    ASSERT_EQ(static_cast<int>(counts.size()), n);
    for (const auto& [value, count] : counts) EXPECT_EQ(count, 256 / n) << n << " " << value;
  }
}

TEST(ComplexPassword, KindsThenCharactersWithLookAlikesDrawnAgain) {
  // Kind bytes 0, 1, 2: digit, lower case, upper case. "1", "0", "l", "O" and
  // "z" are look-alikes and are dropped.
  std::deque<std::uint8_t> script = {0, 1, 0, 0, 1, 11, 2, 14, 0, 2, 1, 8, 2, 11, 1, 25, 2, 24};
  for (int i = 0; i < 12; ++i) script.insert(script.end(), {0, 9});
  ScriptedRandomSource source(script);
  EXPECT_EQ(ComplexPassword(source), "2iLY-9999-9999-9999");
  EXPECT_TRUE(source.Exhausted());
}

TEST(Passwords, ShapeAndAlphabetFromTheSystemGenerator) {
  const std::string alphabet = "23456789abdefghijkmnpqrtuyABDEFGHJKLMNPQRTUY";
  SystemRandomSource source;
  std::set<char> seen;
  for (int i = 0; i < 300; ++i) {
    const std::string complex = ComplexPassword(source);
    ASSERT_EQ(complex.size(), 19u);
    for (std::size_t j = 0; j < complex.size(); ++j) {
      const bool allowed = alphabet.find(complex[j]) != std::string::npos;
      ASSERT_TRUE(j % 5 == 4 ? complex[j] == '-' : allowed) << complex;
      seen.insert(complex[j]);
    }
    const std::string simple = SimplePassword(source);
    ASSERT_EQ(simple.size(), 9u);
    for (std::size_t j = 0; j < simple.size(); ++j) {
      const bool digit = simple[j] >= '0' && simple[j] <= '9';
      ASSERT_TRUE(j == 4 ? simple[j] == '-' : digit) << simple;
    }
  }
  // 4800 characters: every one of the alphabet shows up, and the dash.
  EXPECT_EQ(seen.size(), alphabet.size() + 1);
  EXPECT_NE(ComplexPassword(source), ComplexPassword(source));
  EXPECT_NE(SimplePassword(source), SimplePassword(source));
}

}  // namespace
}  // namespace tarnpad
