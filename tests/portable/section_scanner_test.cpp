#include "navigation/section_scanner.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "core/text_document.h"

namespace tarnpad {
namespace {

using Entries = std::vector<std::string>;

TextDocument& Loaded(TextDocument& document, const Entries& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i > 0 ? "\r\n" : "") + lines[i];
  document.LoadText(text);
  return document;
}

TEST(SectionEntry, FieldIsSevenCharactersAndReadsBack) {
  EXPECT_EQ(NavigationEntry(42, "Contacts"), "42     Contacts");
  EXPECT_EQ(NavigationEntry(9'999'999, "Far"), "9999999Far");
  EXPECT_EQ(EntryLineIndex("0      "), 0);
  // A title that begins with digits does not run into the number.
  EXPECT_EQ(EntryLineIndex(NavigationEntry(1'234'567, "89 items")), 1'234'567);
  EXPECT_EQ(EntryLineIndex(NavigationEntry(3, "12")), 3);
}

TEST(SectionScan, MarkerRulesAndTheirTitles) {
  // Each line alone as a document, and the titles the full scan lists for it.
  const std::vector<std::pair<std::string, Entries>> cases = {
      {"// label Contacts", {"Contacts"}},
      {"\t# label \xD0\xE0\xE7\xE4\xE5\xEB",
       {"\xD0\xE0\xE7\xE4\xE5\xEB"}},  // a tab is one character
      {"label Contacts", {}},
      {"//  label Contacts", {}},
      {"// LABEL Contacts", {}},
      {"// label", {""}},
      {"// labelXTitle", {"Title"}},
      {"// label   Title \t\x01", {"Title"}},
      {"// label x\xA0", {"x\xA0"}},  // bytes above 0x7F are never trimmed
      {"/* label Menu */", {"Menu "}},
      {"/* label Menu */ ", {"Menu */"}},
      {"/* label x*/", {"x"}},
      {"/* label */", {""}},
      {"/* a comment */", {}},
      {"== Intro ==", {"Intro"}},
      {"==  x  ==", {" x "}},
      {"== ==", {""}},
      {"== Intro == ", {}},
      {"== =", {}},
      {"$menu_begin", {"menu"}},
      {"$x begin", {"x"}},
      {"$ padded  _begin", {"padded"}},
      {"$begin", {""}},
      {"$_begin", {""}},
      {"$abc_begin ", {}},
      {"$abc_Begin", {}},
      {"== label Intro ==", {"Intro ==", "label Intro"}},
  };
  for (const auto& [line, titles] : cases) {
    TextDocument document;
    Entries expected;
    for (const std::string& title : titles) expected.push_back("0      " + title);
    EXPECT_EQ(ScanSections(Loaded(document, {line})), expected) << line;
  }
}

TEST(SectionScan, EntriesFollowLinesThenRules) {
  TextDocument document;
  Loaded(document,
         {"text", "// label First", "== label Intro ==", "", "$menu_begin", "/* label Menu */"});
  EXPECT_EQ(ScanSections(document), (Entries{"1      First", "2      Intro ==",
                                             "2      label Intro", "4      menu", "5      Menu "}));
  // The label scan keeps the comment's tail and lists no other rule.
  EXPECT_EQ(ScanLabelSections(document),
            (Entries{"1      First", "2      Intro ==", "5      Menu */"}));
  EXPECT_TRUE(ScanSections(Loaded(document, {})).empty());
}

TEST(SectionScan, ListsNoLineBeyondSevenDigitIndices) {
  // Line 9 999 999 is the last one the entry's field can hold.
  std::string text;
  for (int i = 0; i < 9'999'999; ++i) text += "\r\n";
  text += "// label Last\r\n$beyond_begin\r\n// label Beyond";
  TextDocument document;
  document.LoadText(std::move(text));
  EXPECT_EQ(ScanSections(document), Entries{"9999999Last"});
  EXPECT_EQ(ScanLabelSections(document), Entries{"9999999Last"});
}

}  // namespace
}  // namespace tarnpad
