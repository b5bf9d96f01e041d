#include "core/failure.h"

#include <gtest/gtest.h>

namespace tarnpad {
namespace {

TEST(Failure, WhatIsTheMessageInUtf8) {
  const Failure failure(L"Файл \"C:\\a.txt\" – €");
  EXPECT_EQ(failure.Message(), L"Файл \"C:\\a.txt\" – €");
  EXPECT_STREQ(static_cast<const std::exception&>(failure).what(), "Файл \"C:\\a.txt\" – €");
  EXPECT_STREQ(Failure(L"a\U0001F600b").what(),
               "a\xF0\x9F\x98\x80"
               "b");
  const std::wstring lone_half{L'a', static_cast<wchar_t>(0xD800)};
  EXPECT_STREQ(Failure(lone_half).what(), "a\xEF\xBF\xBD");
}

TEST(Failure, ErrorBoxAppendsFullStopAfterCharactersAboveIt) {
  EXPECT_EQ(ErrorBoxText(L"Failed to Save Stream"), L"Failed to Save Stream.");
  EXPECT_EQ(ErrorBoxText(L"a/"), L"a/.");  // '/' is the code right after '.'
  EXPECT_EQ(ErrorBoxText(L"Файл"), L"Файл.");
  EXPECT_EQ(ErrorBoxText(L"Done."), L"Done.");
  EXPECT_EQ(ErrorBoxText(L"Wait-"), L"Wait-");
  EXPECT_EQ(ErrorBoxText(L"\"quoted\""), L"\"quoted\"");
  EXPECT_EQ(ErrorBoxText(L""), L"");
}

}  // namespace
}  // namespace tarnpad
