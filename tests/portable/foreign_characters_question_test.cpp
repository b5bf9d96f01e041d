#include "shell/foreign_characters_question.h"

#include <gtest/gtest.h>

namespace tarnpad {
namespace {

TEST(ForeignCharactersQuestion, TheCountAgreesWithItsNoun) {
  const struct {
    std::size_t count;
    const wchar_t* start;
  } cases[] = {
      {1, L"В тексте 1 символ, которого нет"},      {2, L"В тексте 2 символа, которых нет"},
      {4, L"В тексте 4 символа, которых нет"},      {5, L"В тексте 5 символов, которых нет"},
      {11, L"В тексте 11 символов, которых нет"},   {14, L"В тексте 14 символов, которых нет"},
      {21, L"В тексте 21 символ, которого нет"},    {22, L"В тексте 22 символа, которых нет"},
      {111, L"В тексте 111 символов, которых нет"}, {1000, L"В тексте 1000 символов, которых нет"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ForeignCharactersQuestion(c.count).rfind(c.start, 0), 0u)
        << ForeignCharactersQuestion(c.count).substr(0, 40);
  }
}

}  // namespace
}  // namespace tarnpad
