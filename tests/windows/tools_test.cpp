// The editing tools in the real main window: each command through its menu
// identifier or its control, the focus they leave, the notepad's panel rule,
// the clipboard, and which commands count as edits.
#include <gtest/gtest.h>

#include <optional>
#include <regex>

#include "core/text_document.h"
#include "editor/clipboard.h"
#include "form_fixture.h"

namespace tarnpad {
namespace {

// Remembers what the input box was asked with.
class RecordingBoxes : public ScriptedBoxes {
 public:
  std::wstring caption, prompt, initial;
  std::optional<std::wstring> InputBox(const std::wstring& c, const std::wstring& p,
                                       const std::wstring& i) override {
    caption = c;
    prompt = p;
    initial = i;
    return ScriptedBoxes::InputBox(c, p, i);
  }
};

class ToolsTest : public FormFixture {
 protected:
  void SetUp() override {
    FormFixture::SetUp();
    Seams seams = surroundings_.seams(program_dir_);
    seams.boxes = &boxes_;
    form_ = std::make_unique<MainForm>(seams, L"");
  }

  TextDocument& Doc() { return Editor().Document(); }
  // A fresh untitled document with this text, not modified.
  void Load(const std::string& text) {
    if (form_->State().TextModified) boxes_.answers.push_back(BoxAnswer::No);
    form_->MM_File_CreateClick();
    boxes_.shown.clear();
    Doc().LoadText(text);
  }
  void Command(UINT id) { SendMessageW(form_->Handle(), WM_COMMAND, id, 0); }
  bool Modified() const { return form_->State().TextModified && Panel(2) == L"Изменён"; }
  static std::string ManyLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "line " + std::to_string(i) + "\r\n";
    return text;
  }

  RecordingBoxes boxes_;
};

TEST_F(ToolsTest, InsertionItemsPutTheirWindows1251BytesAtTheCaret) {
  const struct {
    UINT id;
    std::string before, after;  // what goes around the selection
  } cases[] = {
      {kCmdEscapeFirst, "&copy;", ""},       {kCmdEscapeFirst + 1, "&amp;", ""},
      {kCmdEscapeFirst + 14, "&nbsp;", ""},  {kCmdSymbolFirst, "\xB7", ""},
      {kCmdSymbolFirst + 5, "\xAB", "\xBB"}, {kCmdSymbolFirst + 14, "\xA7", ""},
  };
  for (const auto& c : cases) {
    Load("first\r\nxabcx\r\nlast");
    Doc().SetSelection(8, 11);  // abc
    Command(c.id);
    EXPECT_EQ(Doc().Text(), "first\r\nx" + c.before + "abc" + c.after + "x\r\nlast") << c.id;
    EXPECT_EQ(Doc().SelectionLength(), 0);
    EXPECT_EQ(Doc().Caret(), Doc().LineEnd(1));
    EXPECT_TRUE(Modified());
  }

  // Undo from the context menu does not take an insertion back.
  Load("");
  Command(kCmdEscapeFirst);
  Command(kCmdUndo);
  EXPECT_EQ(Doc().Text(), "&copy;");
}

TEST_F(ToolsTest, TheGuillemetButtonAndIndentingLeaveTheFocusInTheEditorButOutdentingDoesNot) {
  ShowWindow(form_->Handle(), SW_SHOWNOACTIVATE);
  Load("xabcx");
  Doc().SetSelection(1, 4);
  SetFocus(Editor().Handle());
  HWND bar = Find<ToolButtonBar>(MainForm::kToolBarId).Handle();
  const auto index = SendMessageW(bar, TB_COMMANDTOINDEX, kCmdToolGuillemets, 0);
  RECT button;
  ASSERT_TRUE(SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(index),
                           reinterpret_cast<LPARAM>(&button)));
  const LPARAM middle =
      MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
  SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, middle);
  SendMessageW(bar, WM_LBUTTONUP, 0, middle);
  EXPECT_EQ(Doc().Text(),
            "x\xAB"
            "abc\xBBx");
  EXPECT_TRUE(Modified());
  EXPECT_EQ(GetFocus(), Editor().Handle());

  ToolTabs().SelectByCaption(L"Поиск");
  const struct {
    UINT id;
    std::string text;
  } cases[] = {
      {kCmdIndent2, "zero\r\n  one\r\n  two\r\n  three"},
      {kCmdIndent4, "zero\r\none\r\n    two\r\n    three"},
      {kCmdIndent6, "zero\r\none\r\n      two\r\n      three"},
      {kCmdIndentTab, "\tzero\r\n\tone\r\n\ttwo\r\n\tthree"},
  };
  for (const auto& c : cases) {
    Load("zero\r\none\r\ntwo\r\nthree");
    Doc().SetSelection(6, Doc().Length());
    SetFocus(Find<Edit>(ToolsPanel::kSearchTextId).Handle());
    Command(c.id);
    EXPECT_EQ(Doc().Text(), c.text) << c.id;
    EXPECT_EQ(GetFocus(), Editor().Handle()) << c.id;
    EXPECT_TRUE(Modified());
  }

  Load("  a\r\n\tb\r\n   c");
  Doc().SelectAll();
  SetFocus(Find<Edit>(ToolsPanel::kSearchTextId).Handle());
  Command(kCmdOutdent2);
  EXPECT_EQ(Doc().Text(), "a\r\n\tb\r\n c");
  EXPECT_EQ(GetFocus(), Find<Edit>(ToolsPanel::kSearchTextId).Handle());
  EXPECT_TRUE(Modified());
}

TEST_F(ToolsTest, CommandsThatLeaveEveryLineAsItWasAreNoEdit) {
  Load("  $a = 1;");
  Command(kCmdEchoFrame);
  EXPECT_EQ(Doc().Text(), "echo '$a = 1;'.$br;");
  EXPECT_TRUE(Modified());

  Load("$a = 2;\r\n\r\n  # note\r\n    $x = 1; # set\r\n// old");
  Command(kCmdStripComments);
  EXPECT_EQ(Doc().Text(), "$a = 2;\r\n$x = 1; # set\r\n// old");
  EXPECT_TRUE(Modified());

  // A second strip and an outdent of unindented lines change nothing.
  Load(Doc().Text());
  Doc().SelectAll();
  Command(kCmdStripComments);
  Command(kCmdOutdent2);
  EXPECT_EQ(Doc().Text(), "$a = 2;\r\n$x = 1; # set\r\n// old");
  EXPECT_FALSE(form_->State().TextModified);
  EXPECT_EQ(Panel(2), L"");
}

TEST_F(ToolsTest, FindAsksForTextAndScrollsToTheFirstLineOrSaysNothingFound) {
  Load(ManyLines(40) + "\xC8\xF1\xEA\xE0\xF2\xFC\r\n" + ManyLines(50) + "\xC8\xF1\xEA\xE0\xF2\xFC" +
       "\r\n" + ManyLines(200));
  Doc().SetCaret(3);

  boxes_.inputs = {std::nullopt, L"", L"Искать", L"искать"};
  Command(kCmdFind);  // cancelled
  Command(kCmdFind);  // empty
  EXPECT_TRUE(boxes_.shown.empty());
  EXPECT_EQ(Editor().FirstVisibleLine(), 0);

  Command(kCmdFind);
  EXPECT_EQ(boxes_.caption, L"Поиск текста");
  EXPECT_EQ(boxes_.prompt, L"Введите строку поиска");
  EXPECT_EQ(boxes_.initial, L"");
  EXPECT_EQ(Editor().FirstVisibleLine(), 40);
  EXPECT_EQ(Doc().Caret(), 3);
  EXPECT_EQ(form_->Tools().LastFoundLine(), 0);  // find by line leaves find-next alone

  Command(kCmdFind);  // the letter case differs
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].kind, BoxKind::Plain);
  EXPECT_EQ(boxes_.shown[0].title, form_->TaskbarTitle());
  EXPECT_EQ(boxes_.shown[0].text, L"Ничего не найдено");
  EXPECT_EQ(boxes_.shown[0].buttons, BoxButtons::Ok);
  EXPECT_EQ(Editor().FirstVisibleLine(), 40);
}

TEST_F(ToolsTest, SearchTabFindsFromTheLastHitWithoutWrappingAround) {
  Load("? hit\r\n" + ManyLines(40) + "hit\r\n" + ManyLines(50) + "hit\r\n" + ManyLines(200));
  Edit& field = Find<Edit>(ToolsPanel::kSearchTextId);
  field.SetText(L"hit");
  Find<Button>(ToolsPanel::kSearchMoreId).onClick();  // line 0 is skipped before any find
  EXPECT_EQ(form_->Tools().LastFoundLine(), 41);
  Find<Button>(ToolsPanel::kSearchMoreId).onClick();
  EXPECT_EQ(form_->Tools().LastFoundLine(), 92);
  EXPECT_EQ(Editor().FirstVisibleLine(), 92);
  Find<Button>(ToolsPanel::kSearchMoreId).onClick();  // no wrap-around
  EXPECT_EQ(form_->Tools().LastFoundLine(), 92);
  EXPECT_EQ(Editor().FirstVisibleLine(), 92);

  // Neither an empty text, nor one that cannot occur in the document, nor
  // Enter in the field starts a search.
  for (const wchar_t* text : {L"", L"中"}) {
    field.SetText(text);
    Find<Button>(ToolsPanel::kSearchId).onClick();
    EXPECT_EQ(form_->Tools().LastFoundLine(), 92);
  }
  field.SetText(L"hit");
  SendMessageW(field.Handle(), WM_KEYDOWN, VK_RETURN, 1);
  SendMessageW(field.Handle(), WM_CHAR, L'\r', 1);
  EXPECT_EQ(form_->Tools().LastFoundLine(), 92);

  Find<Button>(ToolsPanel::kSearchId).onClick();
  EXPECT_EQ(form_->Tools().LastFoundLine(), 0);
  EXPECT_EQ(Editor().FirstVisibleLine(), 0);
}

TEST_F(ToolsTest, ReplaceAllWorksOnTheBytesOfTheFieldsTexts) {
  const std::string untouched = "keep  \t \r\n";
  Load("a b\r\n" + untouched + "\xF1\xEB\xEE\xE2\xEE\r\n? mark");
  Find<Edit>(ToolsPanel::kReplaceFromId).SetText(L"слово");
  Find<Edit>(ToolsPanel::kReplaceToId).SetText(L"Ё");
  Find<Button>(ToolsPanel::kReplaceAllId).onClick();
  EXPECT_EQ(Doc().Text(), "a b\r\n" + untouched + "\xA8\r\n? mark");
  EXPECT_TRUE(Modified());

  // No hit, an empty text to find or one with no Windows-1251 byte is no edit.
  Load(Doc().Text());
  for (const wchar_t* from : {L"nowhere", L"", L"中"}) {
    Find<Edit>(ToolsPanel::kReplaceFromId).SetText(from);
    Find<Button>(ToolsPanel::kReplaceAllId).onClick();
  }
  EXPECT_EQ(Doc().Text(), "a b\r\n" + untouched + "\xA8\r\n? mark");
  EXPECT_FALSE(form_->State().TextModified);
  EXPECT_EQ(Panel(2), L"");
}

TEST_F(ToolsTest, PasswordsGoInFrontOfTheSelectionAndTheStripShowsTheirGroup) {
  Load("xabcx");
  Doc().SetSelection(1, 4);
  Command(kCmdComplexPassword);
  const std::string line = Doc().Text();
  EXPECT_TRUE(std::regex_match(line, std::regex("x(\\w{4}-){3}\\w{4}abcx"))) << line;
  EXPECT_TRUE(Modified());
  Load("");
  Command(kCmdSimplePassword);
  EXPECT_TRUE(std::regex_match(Doc().Text(), std::regex("\\d{4}-\\d{4}"))) << Doc().Text();

  for (int i = 0; i < 2; ++i) {
    Command(kCmdPasswordsShow);
    EXPECT_EQ(form_->ToolsStripHeight(), 105);
    EXPECT_EQ(Find<PageContainer>(MainForm::kToolsStripId).ActivePage(), L"PasswordsGenerator");
  }
  for (int i = 0; i < 2; ++i) {
    Command(kCmdPasswordsHide);
    EXPECT_EQ(form_->ToolsStripHeight(), 0);
  }
}

TEST_F(ToolsTest, ContextMenuEditsGoThroughTheClipboardAndCountAsEdits) {
  HWND window = form_->Handle();
  Load("abcd");
  Doc().SetSelection(1, 3);
  Command(kCmdCopy);
  EXPECT_EQ(ClipboardText(window), L"bc");
  EXPECT_FALSE(form_->State().TextModified);

  Command(kCmdPaste);  // the very text that was selected
  EXPECT_EQ(Doc().Text(), "abcd");
  EXPECT_FALSE(form_->State().TextModified);

  ASSERT_TRUE(PutClipboardText(window, "\xC6\r\n"));
  Doc().SetCaret(4);
  Command(kCmdPaste);
  EXPECT_EQ(Doc().Text(), "abcd\xC6\r\n");
  EXPECT_TRUE(Modified());

  Load("abcd");
  Command(kCmdCut);  // nothing selected
  Command(kCmdDelete);
  Command(kCmdUndo);  // nothing to undo after loading
  EXPECT_FALSE(form_->State().TextModified);
  Doc().SetSelection(3, 1);
  Command(kCmdCut);
  EXPECT_EQ(Doc().Text(), "ad");
  EXPECT_EQ(ClipboardText(window), L"bc");
  EXPECT_TRUE(Modified());

  Load("abcd");
  Doc().SetSelection(0, 2);
  Command(kCmdDelete);
  EXPECT_EQ(Doc().Text(), "cd");
  EXPECT_TRUE(Modified());
  WillChoose(folder_ / L"undo.txt");
  form_->MM_File_Save_AsClick();
  ASSERT_FALSE(form_->State().TextModified);
  Command(kCmdUndo);
  EXPECT_EQ(Doc().Text(), "abcd");
  EXPECT_TRUE(form_->State().TextModified);
}

TEST_F(ToolsTest, CopyToNotepadOpensACollapsedPanelOnTheNotepadTab) {
  TabbedNotebook& tabs = ToolTabs();
  Load("ab\r\n\xF6\xE4\r\n");
  Doc().SetSelection(0, 6);
  Notepad().SetText(L"old");
  ASSERT_EQ(form_->Tools().Height(), 25);
  Command(kCmdCopyToNotepad);
  EXPECT_EQ(Notepad().Text(), L"ab\r\nцд\r\n");
  EXPECT_EQ(form_->Tools().Height(), 120);
  EXPECT_EQ(tabs.ActiveCaption(), L"Блокнот");

  // Any other height stays; only the tab changes.
  tabs.SelectByCaption(L"Поиск");
  form_->Tools().SetHeight(60);
  Doc().SetCaret(0);
  Command(kCmdCopyToNotepad);
  EXPECT_EQ(Notepad().Text(), L"\r\n");
  EXPECT_EQ(form_->Tools().Height(), 60);
  EXPECT_EQ(tabs.ActiveCaption(), L"Блокнот");

  // "Выделить" selects the notepad without taking the focus; "Очистить"
  // works from any tab.
  ShowWindow(form_->Handle(), SW_SHOWNOACTIVATE);
  Notepad().SetText(L"notes");
  SetFocus(Editor().Handle());
  Find<Button>(ToolsPanel::kSelectNotepadId).onClick();
  DWORD start = 1, end = 0;
  SendMessageW(Notepad().Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 5u);
  EXPECT_EQ(GetFocus(), Editor().Handle());
  tabs.SelectByCaption(L"Замена");
  Find<Button>(ToolsPanel::kClearNotepadId).onClick();
  EXPECT_EQ(Notepad().Text(), L"");
  EXPECT_FALSE(form_->State().TextModified);
}

// The system's edit control holds 30 000 characters unless told otherwise;
// past that it cuts text short and refuses typing without a word.
TEST_F(ToolsTest, NotepadTakesAnyAmountOfTextAndTypingGoesOn) {
  std::string text;
  while (text.size() < 100'000) text += "\xC1\xEB\xEE\xEA\xED\xEE\xF2 line\r\n";
  Load(text);
  Doc().SelectAll();
  Command(kCmdCopyToNotepad);
  HWND memo = Notepad().Handle();
  const auto length = [memo] { return GetWindowTextLengthW(memo); };
  // The selection and the line break the command adds after it.
  EXPECT_EQ(length(), static_cast<int>(text.size()) + 2);

  SendMessageW(memo, EM_SETSEL, length(), length());
  SendMessageW(memo, WM_CHAR, L'ж', 0);
  EXPECT_EQ(length(), static_cast<int>(text.size()) + 3);
  EXPECT_FALSE(form_->State().TextModified);
}

}  // namespace
}  // namespace tarnpad
