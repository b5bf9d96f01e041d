// The main window under Wine: start-up state, titles, the status bar and the
// failure box, with scripted surroundings.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include <filesystem>
#include <fstream>
#include <memory>

#include "core/failure.h"
#include "core/text_document.h"
#include "form_fixture.h"

namespace tarnpad {
namespace {

namespace fs = std::filesystem;

class MainFormTest : public FormFixture {
 protected:
  MainForm& Start(const std::wstring& argument = L"") { return FormFixture::Start(argument); }
  fs::path WriteFile(const std::wstring& name, const std::string& bytes) {
    return FormFixture::WriteFile(folder_ / name, bytes);
  }
};

TEST_F(MainFormTest, StartsUntitledWithPanelsCollapsed) {
  for (const std::wstring& argument : {std::wstring(), std::wstring(L"Z:\\no\\such\\file.php")}) {
    MainForm& form = Start(argument);
    EXPECT_EQ(form.Caption(), L"Velbrin Tarnpad");
    EXPECT_EQ(form.TaskbarTitle(), L"Velbrin Tarnpad");
    EXPECT_EQ(Editor().Document().Length(), 0);
    EXPECT_FALSE(SaveEnabled());
    EXPECT_EQ(form.Navigation().Width(), 1);
    EXPECT_EQ(form.Tools().Height(), 25);
    EXPECT_EQ(form.ToolsStripHeight(), 0);
    EXPECT_EQ(form.Navigation().SavedWidth(), 400);
    EXPECT_FALSE(form.BackupTimerEnabled());
    EXPECT_EQ(Panel(2), L"Статус");
    EXPECT_EQ(Panel(4), L"08.12.2026");
    EXPECT_TRUE(HasMonospacedFont(Notepad().Handle()));
    EXPECT_EQ(Panel(5), L"Вставка");
    EXPECT_TRUE(surroundings_.boxes.shown.empty());
  }
}

TEST_F(MainFormTest, StartsWithTheDocumentNamedOnTheCommandLine) {
  const fs::path path = WriteFile(L"velbrin.dorn.pages.index.php", "<?php\r\necho 1;\r\n");
  MainForm& form = Start(path.wstring());
  EXPECT_EQ(form.Caption(), L"Velbrin Tarnpad - " + path.wstring());
  EXPECT_EQ(form.TaskbarTitle(), L"Velbrin Tarnpad - v.d.p.index.php");
  EXPECT_EQ(Editor().Document().Text(), "<?php\r\necho 1;\r\n");
  EXPECT_EQ(form.State().CurrentFileName, path);
  EXPECT_TRUE(SaveEnabled());
  EXPECT_FALSE(form.State().TextModified);
}

TEST_F(MainFormTest, PanelsFollowTheCaretAndTheLaterEndOfASelection) {
  Start();
  TextDocument& document = Editor().Document();
  document.LoadText("abc\r\ndef\r\n");
  EXPECT_EQ(Panel(0), L"x=0:3");
  EXPECT_EQ(Panel(1), L"y=0:2");
  EXPECT_EQ(Panel(3), L"Нет выделения");

  document.SetCaret(document.Length());  // after the final break
  EXPECT_EQ(Panel(0), L"x=0:0");
  EXPECT_EQ(Panel(1), L"y=2:2");

  document.SetSelection(7, 1);  // made backwards: the caret blinks at 1
  EXPECT_EQ(Panel(0), L"x=2:3");
  EXPECT_EQ(Panel(1), L"y=1:2");
  EXPECT_EQ(Panel(3), L"Выделено: 6 - bc\r\nde");

  document.ClearEditorText();
  EXPECT_EQ(Panel(0), L"x=0:0");
  EXPECT_EQ(Panel(1), L"y=0:0");
  EXPECT_EQ(Panel(3), L"Нет выделения");
}

TEST_F(MainFormTest, AHugeSelectionShowsItsExactCountAndTheStartOfItsText) {
  Start();
  TextDocument& document = Editor().Document();
  document.LoadText(std::string(200000, 'a') + "\r\n" + std::string(5000, 'b'));
  document.SelectAll();
  const std::wstring panel = Panel(3);
  const std::wstring prefix = L"Выделено: 205002 - ";
  ASSERT_EQ(panel.substr(0, prefix.size()), prefix);
  EXPECT_GE(panel.size() - prefix.size(), 1000u);
  EXPECT_LT(panel.size(), 205002u);
  EXPECT_EQ(panel.back(), L'a');
}

TEST_F(MainFormTest, EveryEditAndEveryCharacterKeyMarksTheTextModified) {
  MainForm& form = Start();
  HWND editor = Editor().Handle();
  // Keys that change nothing mark nothing.
  SendMessageW(editor, WM_KEYDOWN, VK_DELETE, 0);
  SendMessageW(editor, WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_FALSE(form.State().TextModified);
  EXPECT_EQ(Panel(2), L"Статус");

  SendMessageW(editor, WM_CHAR, 3, 0);  // Ctrl+C delivers a control character
  EXPECT_TRUE(form.State().TextModified);
  EXPECT_TRUE(form.State().BackupPending);
  EXPECT_EQ(Panel(2), L"Изменён");
  EXPECT_EQ(Editor().Document().Length(), 0);

  SendMessageW(editor, WM_CHAR, L'я', 0);
  EXPECT_EQ(Editor().Document().Text(), "\xFF");

  // Delete delivers no character, yet it changes the text. Loading is no edit.
  surroundings_.boxes.answers = {BoxAnswer::No};
  form.MM_File_CreateClick();
  ASSERT_FALSE(form.State().TextModified);
  Editor().Document().LoadText("keep me");
  SendMessageW(editor, WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_EQ(Editor().Document().Text(), "eep me");
  EXPECT_TRUE(form.State().TextModified);
  EXPECT_TRUE(form.State().BackupPending);
}

// Panel 5 and typing are one state: it starts as the Insert key's toggle
// says, and the Insert key alone flips it.
TEST_F(MainFormTest, PanelFiveShowsWhatTypingDoes) {
  Start();
  EXPECT_EQ(Panel(5), L"Вставка");
  Editor().Document().LoadText("abc");
  Type(L"x");
  EXPECT_EQ(Editor().Document().Text(), "xabc");
  SendMessageW(Editor().Handle(), WM_KEYDOWN, VK_INSERT, 0);
  EXPECT_EQ(Panel(5), L"Замена");
  Type(L"y");
  EXPECT_EQ(Editor().Document().Text(), "xybc");
  SendMessageW(Editor().Handle(), WM_KEYUP, VK_INSERT, 0);  // a key release changes nothing
  EXPECT_EQ(Panel(5), L"Замена");

  surroundings_.shell.insert_key = true;  // toggled on before the start
  Start();
  EXPECT_EQ(Panel(5), L"Замена");
  Editor().Document().LoadText("abc");
  Type(L"z");
  EXPECT_EQ(Editor().Document().Text(), "zbc");
}

TEST_F(MainFormTest, AFailingHandlerIsShownInTheErrorBoxTitledWithTheTaskbarTitle) {
  const fs::path path = WriteFile(L"velbrin.dorn.modules.news.php", "x");
  MainForm& form = Start(path.wstring());
  form.Dispatch([] { throw Failure(L"Cannot open file \"C:\\a.txt\". Access denied"); });
  ASSERT_EQ(surroundings_.boxes.shown.size(), 1u);
  const auto& box = surroundings_.boxes.shown[0];
  EXPECT_EQ(box.kind, BoxKind::Error);
  EXPECT_EQ(box.title, L"Velbrin Tarnpad - v.d.m.news.php");
  EXPECT_EQ(box.text, L"Cannot open file \"C:\\a.txt\". Access denied.");
  EXPECT_EQ(box.buttons, BoxButtons::Ok);
}

TEST_F(MainFormTest, MenusCarryTheirFixedStates) {
  MainForm& form = Start();
  EXPECT_NE(GetMenuState(GetMenu(form.Handle()), kCmdIrreversibleWarning, MF_BYCOMMAND) & MF_GRAYED,
            0u);
  // The escape drop-down breaks into columns before its sixth and eleventh items.
  for (int position : {5, 10}) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_FTYPE;
    HMENU escape_dropdown = GetSubMenu(GetMenu(form.Handle()), BuildMainMenus().escape_position);
    GetMenuItemInfoW(escape_dropdown, static_cast<UINT>(position), TRUE, &item);
    EXPECT_NE(item.fType & MFT_MENUBARBREAK, 0u) << position;
  }
}

// Moving to a screen of another resolution: the editor's font, the tool
// bar's pictures and every control's font follow; the text stays.
TEST_F(MainFormTest, ADpiChangeRemakesFontsAndPicturesForTheNewScreen) {
  MainForm& form = Start();
  Editor().Document().LoadText("kept");
  const int line_height = Editor().LineHeight();
  const int image_size = Find<ToolButtonBar>(MainForm::kToolBarId).ImageSize();
  const auto font_height = [](HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font),
               &font);
    return std::abs(font.lfHeight);
  };
  const LONG memo_height = font_height(Notepad().Handle());

  RECT suggested{0, 0, 1200, 900};
  SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(192, 192),
               reinterpret_cast<LPARAM>(&suggested));
  EXPECT_GT(Editor().LineHeight(), line_height * 3 / 2);
  EXPECT_GT(Find<ToolButtonBar>(MainForm::kToolBarId).ImageSize(), image_size);
  EXPECT_GT(font_height(Notepad().Handle()), memo_height * 3 / 2);
  EXPECT_EQ(Editor().Document().Text(), "kept");
}

}  // namespace
}  // namespace tarnpad
