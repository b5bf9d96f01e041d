#include "documents/file_header.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "core/text_document.h"
#include "scratch_folder.h"

namespace tarnpad {
namespace {

// A line with each text placed at its 1-based column, spaces between.
std::string Columns(std::initializer_list<std::pair<std::size_t, std::string_view>> pieces) {
  std::string line;
  for (const auto& [column, text] : pieces) {
    line.resize(column - 1, ' ');
    line.append(text);
  }
  return line;
}

void Load(TextDocument& document, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  document.LoadText(text);
}

std::string Canonical(std::string_view prefix, std::string value) {
  value.resize(10, ' ');
  return std::string(prefix) + value + std::string(49, ' ') + "@";
}

constexpr std::string_view kSpecification = "#    velbrin.dorn.specification";
constexpr std::string_view kSpecsDate = "#    velbrin.dorn.specs  date     ";

TEST(FileHeader, EveryKindIsRewrittenOnLinesOneToTwenty) {
  std::vector<std::string> lines(22);
  lines[0] = Columns({{1, kSpecification}, {55, "date:"}, {61, "old"}});
  lines[1] = Columns({{1, kSpecification},
                      {33, "(notes)"},
                      {55, "date:"},
                      {61, "2014-01-01"},
                      {71, "text past the value"},
                      {130, "@@"}});
  lines[2] = Columns({{1, kSpecification}, {51, "filesize:"}});
  lines[3] = Columns({{1, kSpecification}, {50, "clearsize:"}, {61, "123"}});
  lines[4] = std::string(kSpecsDate) + "2001-01-01";
  lines[5] = "#    velbrin.dorn.specs  filesize ";
  lines[6] = "#    velbrin.dorn.specs  clearsize";
  lines[7] = "  code(); ";
  lines[20] = lines[21] = kSpecsDate;
  TextDocument document;
  Load(document, lines);

  EXPECT_TRUE(RefreshFileHeader(document, "2026-12-07", -1));

  std::vector<std::string> expected = lines;
  expected[1] =
      Canonical("#    velbrin.dorn.specification                       date: ", "2026-12-07");
  expected[2] = Canonical("#    velbrin.dorn.specification                   filesize: ", "-1");
  expected[3] = Canonical("#    velbrin.dorn.specification                  clearsize: ", "7");
  expected[4] =
      Canonical("#    velbrin.dorn.specs  date                               ", "2026-12-07");
  expected[5] = Canonical("#    velbrin.dorn.specs  filesize                           ", "-1");
  expected[6] = Canonical("#    velbrin.dorn.specs  clearsize                          ", "7");
  expected[20] = expected[4];
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(document.EditorLine(static_cast<std::int64_t>(i)), expected[i]) << "line " << i;
  }
  EXPECT_EQ(document.CaretPoint(), (CaretPoint{120, 20}));  // after the last line rewritten

  // The same values again change no text; a value past ten columns is cut.
  EXPECT_FALSE(RefreshFileHeader(document, "2026-12-07", -1));
  EXPECT_TRUE(RefreshFileHeader(document, "2026-12-07", 12345678901));
  EXPECT_EQ(document.EditorLine(2).substr(60, 11), "1234567890 ");
}

TEST(FileHeader, LinesOffByAColumnOrACharacterAreLeftAlone) {
  TextDocument document;
  Load(document, {"", Columns({{1, kSpecification}, {54, "date:"}}),
                  Columns({{1, kSpecification}, {52, "filesize:"}}),
                  "#    velbrin.dorn.specs  date",  // columns 1-34 must all be there
                  "#    velbrin.dorn.specs  Date     x", " #    velbrin.dorn.specs  clearsize"});
  const std::string before = document.Text();
  EXPECT_FALSE(RefreshFileHeader(document, "2026-12-07", 10));
  EXPECT_EQ(document.Text(), before);
}

TEST(FileHeader, ClearSizeCountsTrimmedLinesThatAreNotComments) {
  TextDocument document;
  EXPECT_EQ(ClearSize(document), -2);
  Load(document, {"  # indented comment", " \t ", "#x", ""});
  EXPECT_EQ(ClearSize(document), -2);
  document.LoadText("ab\r\n c \r\n# no\r\n\r\nd#");
  EXPECT_EQ(ClearSize(document), 2 + 2 + 1 + 2 + 2 + 2 - 2);
}

TEST(FileHeader, DateAndFileSize) {
  EXPECT_EQ(HeaderDate(2026, 12, 7), "2026-12-07");
  EXPECT_EQ(HeaderDate(987, 1, 2), "0987-01-02");

  const ScratchFolder folder;
  PutFileBytes(folder / "a.php", "hello");
  EXPECT_EQ(FileSizeOf(folder / "a.php"), 5);
  EXPECT_EQ(FileSizeOf(folder / "missing.php"), -1);
  EXPECT_EQ(FileSizeOf(""), -1);
  EXPECT_EQ(FileSizeOf(folder.Path()), -1);
  // Past 2 GiB the size is told in full, not wrapped to a negative number.
  PutFileBytes(folder / "big.txt", "");
  std::filesystem::resize_file(folder / "big.txt", 3'000'000'000u);
  EXPECT_EQ(FileSizeOf(folder / "big.txt"), 3'000'000'000);
}

}  // namespace
}  // namespace tarnpad
