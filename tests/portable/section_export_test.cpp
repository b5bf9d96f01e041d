#include "navigation/section_export.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "navigation/section_scanner.h"

namespace tarnpad {
namespace {

TEST(SectionExport, SizesComeFromTheNextEntry) {
  EXPECT_EQ(SectionListCsv({NavigationEntry(0, "Intro"), NavigationEntry(12, "News"),
                            NavigationEntry(12, "# Block"), NavigationEntry(40, "End")}),
            "0;12;Intro\r\n12;0;News\r\n12;28;# Block\r\n40;;End\r\n");
  EXPECT_EQ(SectionListCsv({}), "");
  EXPECT_EQ(SectionListCsv({NavigationEntry(3, ""), NavigationEntry(9'999'999, "")}),
            "3;9999996;\r\n9999999;;\r\n");
}

TEST(SectionExport, TitlesAreCutThenTrimmedAndOtherwiseUnchanged) {
  EXPECT_EQ(SectionListCsv({NavigationEntry(5, "Menu ")}), "5;;Menu\r\n");
  EXPECT_EQ(SectionListCsv({NavigationEntry(5, "a;b \xD0\xE0")}), "5;;a;b \xD0\xE0\r\n");
  // The cut comes first: a blank that ends the first 197 characters goes too.
  const std::string kept(196, 'x');
  EXPECT_EQ(SectionListCsv({NavigationEntry(1, kept + " yz")}), "1;;" + kept + "\r\n");
  const std::string whole(197, 'x');
  EXPECT_EQ(SectionListCsv({NavigationEntry(1, whole + "yz")}), "1;;" + whole + "\r\n");
}

TEST(SectionExport, DialogKeepsTheLastConfirmedChoiceAndOnlyCsvWrites) {
  SectionExportDialog dialog;
  EXPECT_EQ(dialog.Request().filter_index, 1);
  EXPECT_FALSE(dialog.Confirm({"list.csv", 2}));
  EXPECT_EQ(dialog.Request().filter_index, 2);
  EXPECT_TRUE(dialog.Confirm({"list.csv", 1}));
  EXPECT_EQ(dialog.Request().filter_index, 1);
}

}  // namespace
}  // namespace tarnpad
