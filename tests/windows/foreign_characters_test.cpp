// Characters without a Windows-1251 byte, pasted, replaced in or typed into
// the real main window: the question says how many, and its answer decides
// whether they go in as references, as "?" or not at all.
#include <gtest/gtest.h>

#include <string>

#include "core/text_document.h"
#include "form_fixture.h"
#include "put_on_clipboard.h"
#include "shell/foreign_characters_question.h"

namespace tarnpad {
namespace {

class ForeignCharactersTest : public FormFixture {
 protected:
  void SetUp() override {
    FormFixture::SetUp();
    Start();
  }

  TextDocument& Doc() { return Editor().Document(); }
  ScriptedBoxes& Boxes() { return surroundings_.boxes; }
  // A fresh untitled document with this text, not modified; no box shown yet.
  void Load(const std::string& text) {
    if (form_->State().TextModified) Boxes().answers.push_back(BoxAnswer::No);
    form_->MM_File_CreateClick();
    Boxes().shown.clear();
    Boxes().choices.clear();
    Doc().LoadText(text);
  }
  void Paste(const std::wstring& text, BoxAnswer answer) {
    PutOnClipboard(form_->Handle(), text);
    Boxes().answers = {answer};
    SendMessageW(form_->Handle(), WM_COMMAND, kCmdPaste, 0);
  }
  void ReplaceAll(const std::wstring& from, const std::wstring& to, BoxAnswer answer) {
    Find<Edit>(ToolsPanel::kReplaceFromId).SetText(from);
    Find<Edit>(ToolsPanel::kReplaceToId).SetText(to);
    Boxes().answers = {answer};
    Find<Button>(ToolsPanel::kReplaceAllId).onClick();
  }
  std::wstring LastQuestion() const {
    return surroundings_.boxes.shown.empty() ? L"" : surroundings_.boxes.shown.back().text;
  }
};

TEST_F(ForeignCharactersTest, PasteAsksOnceAndPutsReferencesQuestionMarksOrNothing) {
  Load("<p></p>");
  Doc().SetCaret(3);
  Paste(L"✓ and α", BoxAnswer::Yes);
  EXPECT_EQ(Doc().Text(), "<p>&#10003; and &#945;</p>");
  ASSERT_EQ(Boxes().shown.size(), 1u);
  EXPECT_EQ(Boxes().shown[0].kind, BoxKind::Confirmation);
  EXPECT_EQ(LastQuestion(), ForeignCharactersQuestion(2));
  ASSERT_EQ(Boxes().choices.size(), 1u);
  EXPECT_EQ(Boxes().choices[0].yes, ForeignCharactersChoices().yes);

  Load("a_b");
  Doc().SetSelection(1, 2);
  Paste(L"Ж\U0001F600\r\n中", BoxAnswer::No);  // the pair is one character
  EXPECT_EQ(Doc().Text(), "a\xC6?\r\n?b");
  EXPECT_EQ(LastQuestion(), ForeignCharactersQuestion(2));

  // Cancel leaves the text, the selection and the modified state alone.
  Load("a_b");
  Doc().SetSelection(1, 2);
  Paste(L"\U0001F600", BoxAnswer::Cancel);
  EXPECT_EQ(Doc().Text(), "a_b");
  EXPECT_EQ(Doc().SelectionText(), "_");
  EXPECT_FALSE(form_->State().TextModified);

  // Text of Windows-1251 characters alone goes in without a question.
  Paste(L"Ёж № 1?", BoxAnswer::Cancel);
  EXPECT_EQ(Doc().Text(), "a\xA8\xE6 \xB9 1?b");
  EXPECT_EQ(Boxes().shown.size(), 1u);
}

TEST_F(ForeignCharactersTest, ReplaceAllAsksBeforeReplacingAndCancelReplacesNothing) {
  Load("a b a\r\nb");
  ReplaceAll(L"a", L"α✓", BoxAnswer::Cancel);
  EXPECT_EQ(Doc().Text(), "a b a\r\nb");
  EXPECT_FALSE(form_->State().TextModified);
  EXPECT_EQ(LastQuestion(), ForeignCharactersQuestion(2));

  ReplaceAll(L"a", L"α✓", BoxAnswer::Yes);
  EXPECT_EQ(Doc().Text(), "&#945;&#10003; b &#945;&#10003;\r\nb");
  ReplaceAll(L"b", L"β", BoxAnswer::No);
  EXPECT_EQ(Doc().Text(), "&#945;&#10003; ? &#945;&#10003;\r\n?");
  ASSERT_EQ(Boxes().shown.size(), 3u);

  // No question without a hit, nor for a replacement of Windows-1251 characters.
  ReplaceAll(L"nowhere", L"β", BoxAnswer::Yes);
  ReplaceAll(L"?", L"«»", BoxAnswer::Cancel);
  EXPECT_EQ(Doc().Text(), "&#945;&#10003; \xAB\xBB &#945;&#10003;\r\n\xAB\xBB");
  EXPECT_EQ(Boxes().shown.size(), 3u);
}

TEST_F(ForeignCharactersTest, EachTypedCharacterWithoutAByteAsksWhateverMessageBringsIt) {
  const HWND editor = Editor().Handle();
  Load("");
  Type(L"x");
  Boxes().answers = {BoxAnswer::Yes, BoxAnswer::No, BoxAnswer::Yes, BoxAnswer::Cancel};
  SendMessageW(editor, WM_CHAR, L'α', 1);
  SendMessageW(editor, WM_IME_CHAR, L'✓', 1);
  SendMessageW(editor, WM_CHAR, 0xD83D, 1);  // a pair in two messages: one question
  SendMessageW(editor, WM_CHAR, 0xDE00, 1);
  SendMessageW(editor, WM_UNICHAR, 0x1F600, 1);
  EXPECT_EQ(Doc().Text(), "x&#945;?&#128512;");
  EXPECT_EQ(Boxes().shown.size(), 4u);
  EXPECT_EQ(LastQuestion(), ForeignCharactersQuestion(1));
}

// Answers the first question only once more characters have come, as the
// rest of an input method's text comes while the box is open.
class BoxesTypedUnder : public ScriptedBoxes {
 public:
  HWND editor = nullptr;
  BoxAnswer ShowChoice(BoxKind kind, const std::wstring& title, const std::wstring& text,
                       const ChoiceCaptions& captions) override {
    for (const wchar_t ch : std::wstring(L"β ✓")) SendMessageW(editor, WM_IME_CHAR, ch, 1);
    return ScriptedBoxes::ShowChoice(kind, title, text, captions);
  }
};

TEST_F(ForeignCharactersTest, CharactersThatComeWhileTheQuestionIsOpenTakeItsAnswer) {
  BoxesTypedUnder boxes;
  form_.reset();
  Seams seams = surroundings_.seams(program_dir_);
  seams.boxes = &boxes;
  form_ = std::make_unique<MainForm>(seams, L"");
  boxes.editor = Editor().Handle();

  boxes.answers = {BoxAnswer::Yes};
  SendMessageW(boxes.editor, WM_IME_CHAR, L'α', 1);
  EXPECT_EQ(Doc().Text(), "&#945;&#946; &#10003;");
  boxes.answers = {BoxAnswer::Cancel};
  SendMessageW(boxes.editor, WM_IME_CHAR, L'α', 1);
  EXPECT_EQ(Doc().Text(), "&#945;&#946; &#10003;");
  EXPECT_EQ(boxes.shown.size(), 2u);
}

}  // namespace
}  // namespace tarnpad
