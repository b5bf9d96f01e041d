#include "navigation/fragments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text_document.h"
#include "navigation/section_scanner.h"

namespace tarnpad {
namespace {

const std::string kStop = "// ------####################";  // "#" at characters 10 to 29

// Lines "0" to "<count - 1>", each ended by CR LF; line stop_at is a stop line.
std::string Numbered(int count, int stop_at = -1) {
  std::string text;
  for (int i = 0; i < count; ++i) text += (i == stop_at ? kStop : std::to_string(i)) + "\r\n";
  return text;
}

TEST(FragmentList, HashAndSpaceTitlesOnLinesOfAtMostSixDigits) {
  const std::vector<std::string> entries = {
      NavigationEntry(5, "# News"),
      NavigationEntry(6, "#News"),
      NavigationEntry(8, " # News"),
      NavigationEntry(999'999, "# Far"),
      NavigationEntry(1'000'000, "# Too far"),
  };
  EXPECT_EQ(FragmentEntries(entries), (std::vector<std::string>{entries[0], entries[3]}));

  TextDocument document;
  document.LoadText("// label # Intro\r\n== # News ==\r\n$# x_begin\r\n== #Not ==");
  EXPECT_EQ(FragmentEntries(ScanSections(document)),
            (std::vector<std::string>{"0      # Intro", "1      # News", "2      # x"}));
}

TEST(FragmentExcerpt, StopLineRule) {
  EXPECT_TRUE(IsStopLine("\t\t\t\t\t\t\t\t\t#################### tail"));
  EXPECT_FALSE(IsStopLine("123456789###################"));
  EXPECT_FALSE(IsStopLine("12345678####################"));
}

TEST(FragmentExcerpt, EndsAtTheFirstStopLineWithinThreeHundredAndOneLines) {
  TextDocument document;
  document.LoadText(Numbered(20, 4));
  EXPECT_EQ(FragmentExcerpt(document, 4), kStop + "\r\n");
  EXPECT_EQ(FragmentExcerpt(document, 2), "2\r\n3\r\n" + kStop + "\r\n");

  // A stop line 300 lines below the start is the last line; one further, it
  // is never reached.
  document.LoadText(Numbered(1000, 310));
  EXPECT_EQ(FragmentExcerpt(document, 10),
            Numbered(310).substr(Numbered(10).size()) + kStop + "\r\n");
  EXPECT_EQ(FragmentExcerpt(document, 9), Numbered(310).substr(Numbered(9).size()));
}

TEST(FragmentExcerpt, FillsUpWithEmptyLinesPastTheEnd) {
  TextDocument document;
  document.LoadText(Numbered(50));
  std::string expected = Numbered(50).substr(Numbered(40).size());
  for (int k = 10; k < 301; ++k) expected += "\r\n";
  EXPECT_EQ(FragmentExcerpt(document, 40), expected);
}

}  // namespace
}  // namespace tarnpad
