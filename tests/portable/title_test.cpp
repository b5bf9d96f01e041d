#include "shell/title.h"

#include <gtest/gtest.h>

namespace tarnpad {
namespace {

TEST(Title, FileNamePartFollowsTheLastSeparator) {
  EXPECT_EQ(FileNamePart(L"C:\\site\\index.php"), L"index.php");
  EXPECT_EQ(FileNamePart(L"C:index.php"), L"index.php");
  EXPECT_EQ(FileNamePart(L"/home/site/a b.txt"), L"a b.txt");
  EXPECT_EQ(FileNamePart(L"name"), L"name");
  EXPECT_EQ(FileNamePart(L"C:\\site\\"), L"");
}

TEST(Title, SpecificPrefixesAreShortenedBeforeTheGeneralOne) {
  EXPECT_EQ(AbbreviatedFileName(L"velbrin.dorn.modules.news.php"), L"v.d.m.news.php");
  EXPECT_EQ(AbbreviatedFileName(L"velbrin.dorn.pages.index.php"), L"v.d.p.index.php");
  EXPECT_EQ(AbbreviatedFileName(L"velbrin.dorn.system.x"), L"v.d.s.x");
  EXPECT_EQ(AbbreviatedFileName(L"velbrin.dorn.custom.x"), L"v.d.c.x");
  EXPECT_EQ(AbbreviatedFileName(L"velbrin.dorn.x.php"), L"v.d.x.php");
  EXPECT_EQ(AbbreviatedFileName(L"a.velbrin.dorn.pages.velbrin.dorn.b"), L"a.v.d.p.v.d.b");
  EXPECT_EQ(AbbreviatedFileName(L"Velbrin.Dorn.pages.x"), L"Velbrin.Dorn.pages.x");
  EXPECT_EQ(AbbreviatedFileName(L"readme.txt"), L"readme.txt");
}

TEST(Title, ATitledDocumentNamesBothTitles) {
  const Titles titles = TitlesFor(L"Velbrin Tarnpad", L"C:\\site\\velbrin.dorn.pages.index.php");
  EXPECT_EQ(titles.Caption, L"Velbrin Tarnpad - C:\\site\\velbrin.dorn.pages.index.php");
  EXPECT_EQ(titles.TaskbarTitle, L"Velbrin Tarnpad - v.d.p.index.php");
}

TEST(Title, AnUntitledDocumentChangesOnlyTheCaption) {
  const Titles titles = TitlesFor(L"Velbrin Tarnpad", L"");
  EXPECT_EQ(titles.Caption, L"Velbrin Tarnpad");
  EXPECT_EQ(titles.TaskbarTitle, std::nullopt);
  EXPECT_EQ(DocumentCaption(L"Velbrin Tarnpad", L"D:\\a.txt"), L"Velbrin Tarnpad - D:\\a.txt");
}

}  // namespace
}  // namespace tarnpad
