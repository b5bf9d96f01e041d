// The navigation panel, the section list export and the fragments tab of the
// main window under Wine, driven through the real controls.
#include <gtest/gtest.h>

#include <vector>

#include "core/text_document.h"
#include "form_fixture.h"
#include "navigation/entry_list_win.h"

namespace tarnpad {
namespace {

namespace fs = std::filesystem;

// count lines "x", with the given lines put in at their indices.
std::string Lines(int count, const std::vector<std::pair<int, std::string>>& marked = {}) {
  std::vector<std::string> lines(static_cast<size_t>(count), "x");
  for (const auto& [index, text] : marked) lines[static_cast<size_t>(index)] = text;
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

bool HasVisibleStyle(const Control& control) {
  return (GetWindowLongW(control.Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
}

class NavigationTest : public FormFixture {
 protected:
  TextDocument& Document() { return Editor().Document(); }
  // Menu commands arrive at the window as the menu bar and the shortcuts send them.
  void Command(UINT id) { SendMessageW(form_->Handle(), WM_COMMAND, id, 0); }
  std::vector<std::string> NavigationEntries() { return ListedEntries(NavigationList()); }

  // A real mouse click (or double click) on item index of a list.
  static void ClickItem(const ListBox& list, int index, bool twice = false) {
    RECT item;
    SendMessageW(list.Handle(), LB_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 2, item.top + 2);
    SendMessageW(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list.Handle(), WM_LBUTTONUP, 0, at);
    if (!twice) return;
    SendMessageW(list.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(list.Handle(), WM_LBUTTONUP, 0, at);
  }

  // A real mouse click on the tab with this index.
  void ClickTab(int index) {
    HWND tabs = FindWindowExW(ToolTabs().Handle(), nullptr, WC_TABCONTROLW, nullptr);
    RECT tab;
    SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tab));
    const LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(tabs, WM_LBUTTONUP, 0, at);
  }

  // Drags Splitter1 by dx physical pixels (0: a click that moves nothing).
  void DragSplitter(int dx) {
    HWND bar = Find<Splitter>(NavigationPanel::kSplitterId).Handle();
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 10));
    if (dx != 0) SendMessageW(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1 + dx, 10));
    SendMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(1 + dx, 10));
  }
};

TEST_F(NavigationTest, TheToggleRescansOnEveryShowingAndKeepsTheWidth) {
  MainForm& form = Start();
  // "Раздел" and "Меню" in Windows-1251: titles keep the document's bytes.
  Document().LoadText(Lines(30, {{0, "// label \xD0\xE0\xE7\xE4\xE5\xEB"},
                                 {7, "== label Intro =="},
                                 {12, "/* label \xCC\xE5\xED\xFE */"},
                                 {20, "$menu_begin"}}));
  EXPECT_TRUE(HasVisibleStyle(Find<Label>(NavigationPanel::kHintId)));  // until the first toggle
  Command(kCmdNavigation);
  EXPECT_EQ(form.Navigation().Width(), 400);
  EXPECT_EQ(NavigationEntries(),
            (std::vector<std::string>{"0      \xD0\xE0\xE7\xE4\xE5\xEB",
                                      "7      Intro ==", "7      label Intro",
                                      "12     \xCC\xE5\xED\xFE ", "20     menu"}));
  EXPECT_FALSE(HasVisibleStyle(Find<Label>(NavigationPanel::kHintId)));

  // Editing leaves the list alone; hiding and showing again rebuilds it.
  Document().LoadText(Lines(5, {{3, "== News =="}}));
  EXPECT_EQ(NavigationEntries().size(), 5u);
  form.Navigation().SetWidth(249);
  DragSplitter(1);
  Command(kCmdNavigation);
  EXPECT_EQ(form.Navigation().Width(), 1);
  EXPECT_EQ(form.Navigation().SavedWidth(), 250);
  EXPECT_EQ(NavigationEntries().size(), 5u);
  Command(kCmdNavigation);
  EXPECT_EQ(form.Navigation().Width(), 250);
  EXPECT_EQ(NavigationEntries(), std::vector<std::string>{"3      News"});

  // "Спрятать" hides like the toggle; a second hide keeps the saved width.
  form.Navigation().Hide();
  form.Navigation().Hide();
  EXPECT_EQ(form.Navigation().Width(), 1);
  EXPECT_EQ(form.Navigation().SavedWidth(), 250);
}

TEST_F(NavigationTest, LargeDocumentsKeepANonEmptyListAndShowTheHint) {
  MainForm& form = Start();
  Document().LoadText(Lines(8199, {{5, "== A =="}}));
  Command(kCmdNavigation);
  Document().LoadText(Lines(8199, {{6, "== B =="}}));
  Command(kCmdNavigation);
  Command(kCmdNavigation);
  EXPECT_EQ(NavigationEntries(), std::vector<std::string>{"6      B"});
  EXPECT_FALSE(HasVisibleStyle(Find<Label>(NavigationPanel::kHintId)));

  Document().LoadText(Lines(8200, {{7, "== C =="}}));
  Command(kCmdNavigation);  // hiding also sets the hint
  EXPECT_TRUE(HasVisibleStyle(Find<Label>(NavigationPanel::kHintId)));
  Command(kCmdNavigation);
  EXPECT_EQ(NavigationEntries(), std::vector<std::string>{"6      B"});
  EXPECT_EQ(form.Navigation().Width(), 400);

  // "Обновить" lists label lines alone, without the comment-tail cut, and
  // leaves the width and the hint as they are.
  Document().LoadText(Lines(8200, {{1, "== label C =="}, {2, "/* label Menu */"}}));
  form.Navigation().Recount();
  EXPECT_EQ(NavigationEntries(), (std::vector<std::string>{"1      C ==", "2      Menu */"}));
  EXPECT_EQ(form.Navigation().Width(), 400);
  EXPECT_TRUE(HasVisibleStyle(Find<Label>(NavigationPanel::kHintId)));

  // A large document with an empty list is scanned at the showing.
  Document().LoadText(Lines(9000));
  form.Navigation().Recount();
  Command(kCmdNavigation);
  Document().LoadText(Lines(9000, {{8500, "== D =="}}));
  Command(kCmdNavigation);
  EXPECT_EQ(NavigationEntries(), std::vector<std::string>{"8500   D"});
}

TEST_F(NavigationTest, AClickScrollsTheSectionToTheTopAndADoubleClickAlsoHides) {
  MainForm& form = Start();
  Document().LoadText(Lines(1000, {{0, "== Top =="}, {500, "== Middle =="}}));
  const Position anchor = Document().LineStart(3);
  const Position caret = Document().LineStart(5) + 1;
  Document().SetSelection(anchor, caret);
  Command(kCmdNavigation);
  ClickItem(NavigationList(), 1);
  EXPECT_EQ(Editor().FirstVisibleLine(), 500);
  EXPECT_EQ(Document().Anchor(), anchor);
  EXPECT_EQ(Document().Caret(), caret);
  ClickItem(NavigationList(), 0);
  EXPECT_EQ(Editor().FirstVisibleLine(), 0);
  EXPECT_EQ(form.Navigation().Width(), 400);

  ClickItem(NavigationList(), 1, true);
  EXPECT_EQ(Editor().FirstVisibleLine(), 500);
  EXPECT_EQ(form.Navigation().Width(), 1);
  EXPECT_EQ(form.Navigation().SavedWidth(), 400);

  // With nothing selected a double click only hides.
  Command(kCmdNavigation);
  NavigationList().SetSelectedIndex(-1);
  Editor().ScrollLineToTop(100);
  HWND list = NavigationList().Handle();
  SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(NavigationPanel::kListId, LBN_DBLCLK),
               reinterpret_cast<LPARAM>(list));
  EXPECT_EQ(Editor().FirstVisibleLine(), 100);
  EXPECT_EQ(form.Navigation().Width(), 1);
}

// The items of the navigation list take the height of the font the settings
// choose, so a large font is not cut off and a small one leaves no gaps.
TEST_F(NavigationTest, TheListItemsTakeTheHeightOfTheChosenFont) {
  MainForm& form = Start();
  HWND list = NavigationList().Handle();
  for (int points : {20, 8}) {
    form.Navigation().SetListFontPoints(points);
    EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), FontMetrics(list).tmHeight) << points;
  }
}

TEST_F(NavigationTest, TheSplitterGivesTooNarrowAPanelTheDesignWidth) {
  MainForm& form = Start();
  Document().LoadText(Lines(10, {{2, "== A =="}}));
  // A click on the bar of the hidden panel changes nothing; a drag shows the
  // panel without a scan, at 200 when it would be narrower than 40.
  DragSplitter(0);
  EXPECT_EQ(form.Navigation().Width(), 1);
  DragSplitter(30);
  EXPECT_EQ(form.Navigation().Width(), 200);
  EXPECT_EQ(form.Navigation().SavedWidth(), 200);
  EXPECT_EQ(NavigationList().Count(), 0);
  Command(kCmdNavigation);
  EXPECT_EQ(form.Navigation().Width(), 1);

  form.Navigation().SetWidth(39);
  DragSplitter(1);
  EXPECT_EQ(form.Navigation().Width(), 40);
  EXPECT_EQ(form.Navigation().SavedWidth(), 40);
  Command(kCmdNavigation);
  Command(kCmdNavigation);
  EXPECT_EQ(form.Navigation().Width(), 40);
}

TEST_F(NavigationTest, TabsCollapseAndExpandTheToolsPanel) {
  MainForm& form = Start();
  ASSERT_EQ(form.Tools().Height(), 25);
  ClickTab(0);
  EXPECT_EQ(form.Tools().Height(), 120);
  ClickTab(4);
  EXPECT_EQ(form.Tools().Height(), 25);
  ClickTab(4);  // the active tab: a click on "Свернуть" never expands
  EXPECT_EQ(form.Tools().Height(), 25);
  ClickTab(2);
  EXPECT_EQ(ToolTabs().ActiveIndex(), 2);
  EXPECT_EQ(form.Tools().Height(), 120);

  // A height of the user's own is kept by clicks and lost to "Свернуть".
  form.Tools().SetHeight(200);
  ClickTab(1);
  EXPECT_EQ(form.Tools().Height(), 200);
  ToolTabs().SelectIndex(4);
  EXPECT_EQ(form.Tools().Height(), 25);
  // A switch without a click runs only the change rule.
  ToolTabs().SelectByCaption(L"Блокнот");
  EXPECT_EQ(form.Tools().Height(), 25);
}

TEST_F(NavigationTest, FragmentsAreTakenAtTabClicksAndShowTheirExcerpt) {
  Start();
  Document().LoadText(Lines(400, {{3, "// label # News"},
                                  {5, "123456789####################"},
                                  {9, "== #Intro =="},
                                  {390, "== # Tail =="}}));
  ClickTab(0);  // the navigation list was never built
  EXPECT_EQ(Find<ListBox>(FragmentsTab::kListId).Count(), 0);

  Command(kCmdNavigation);
  ClickTab(0);
  ASSERT_EQ(ListedEntries(Find<ListBox>(FragmentsTab::kListId)),
            (std::vector<std::string>{"3      # News", "390    # Tail"}));

  View(FragmentsTab::kExcerptId).ScrollLineToTop(2);
  ClickItem(Find<ListBox>(FragmentsTab::kListId), 0);
  EXPECT_EQ(View(FragmentsTab::kExcerptId).Document().Text(),
            "// label # News\r\nx\r\n123456789####################\r\n\r\n");
  EXPECT_EQ(View(FragmentsTab::kExcerptId).FirstVisibleLine(), 0);

  // Near the end the excerpt is filled up with empty lines to 301.
  ClickItem(Find<ListBox>(FragmentsTab::kListId), 1);
  std::string empty_lines;
  for (int i = 0; i < 291; ++i) empty_lines += "\r\n";
  EXPECT_EQ(View(FragmentsTab::kExcerptId).Document().Text(),
            "== # Tail ==\r\n" + Lines(9) + empty_lines + "\r\n");
}

TEST_F(NavigationTest, TheExportWritesTheListWithTheCsvChoiceOnly) {
  Start();
  // "Новости" in Windows-1251.
  Document().LoadText(Lines(50, {{0, "== Intro =="},
                                 {12, "== label \xCD\xEE\xE2\xEE\xF1\xF2\xE8 =="},
                                 {40, "/* label End */"}}));
  Command(kCmdNavigation);
  const fs::path csv = folder_ / L"разделы.csv";
  auto& dialogs = surroundings_.file_dialogs;
  dialogs.results.push_back(FileDialogResult{csv, 1});
  Command(kCmdSaveSectionList);
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_EQ(dialogs.requests[0].title, L"Сохранение списка разделов");
  EXPECT_EQ(dialogs.requests[0].filter, L"Список разделов с размерами (CSV)|*.csv|Все файлы|*.*");
  EXPECT_EQ(dialogs.requests[0].filter_index, 1);
  EXPECT_TRUE(dialogs.requests[0].ask_before_overwrite);
  EXPECT_EQ(ReadFile(csv),
            "0;12;Intro\r\n12;0;\xCD\xEE\xE2\xEE\xF1\xF2\xE8 ==\r\n"
            "12;28;label \xCD\xEE\xE2\xEE\xF1\xF2\xE8\r\n40;;End\r\n");

  // "Все файлы" writes nothing and is preselected next time; a cancel
  // changes nothing.
  dialogs.results.push_back(FileDialogResult{folder_ / L"other.csv", 2});
  Command(kCmdSaveSectionList);
  dialogs.results.push_back(std::nullopt);
  Command(kCmdSaveSectionList);
  EXPECT_EQ(dialogs.requests[2].filter_index, 2);
  EXPECT_FALSE(fs::exists(folder_ / L"other.csv"));

  // An empty list replaces the file with an empty one.
  NavigationList().Clear();
  dialogs.results.push_back(FileDialogResult{csv, 1});
  Command(kCmdSaveSectionList);
  EXPECT_EQ(dialogs.requests[3].filter_index, 2);
  EXPECT_EQ(fs::file_size(csv), 0u);
  EXPECT_TRUE(surroundings_.boxes.shown.empty());

  // A file that cannot be created is reported with the system's reason.
  dialogs.results.push_back(FileDialogResult{folder_ / L"no such folder" / L"a.csv", 1});
  Command(kCmdSaveSectionList);
  ASSERT_EQ(surroundings_.boxes.shown.size(), 1u);
  EXPECT_EQ(surroundings_.boxes.shown[0].kind, BoxKind::Error);
  EXPECT_EQ(surroundings_.boxes.shown[0].text.rfind(L"Cannot create file \"", 0), 0u);
}

}  // namespace
}  // namespace tarnpad
