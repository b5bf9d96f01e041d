// The documents' flow against fake surroundings: what the window is told
// (titles, Save enabled, the status panel) and what reaches the disk.
#include "documents/documents.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "core/failure.h"
#include "core/text_document.h"
#include "scratch_folder.h"

namespace tarnpad {
namespace {

struct FakeBoxes : MessageBoxes {
  std::deque<BoxAnswer> answers;
  std::vector<std::wstring> asked;
  BoxAnswer Show(BoxKind, const std::wstring&, const std::wstring& text, BoxButtons) override {
    asked.push_back(text);
    const BoxAnswer answer = answers.empty() ? BoxAnswer::Cancel : answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }
  BoxAnswer ShowChoice(BoxKind kind, const std::wstring& title, const std::wstring& text,
                       const ChoiceCaptions&) override {
    return Show(kind, title, text, BoxButtons::YesNoCancel);
  }
  std::optional<std::wstring> InputBox(const std::wstring&, const std::wstring&,
                                       const std::wstring&) override {
    return std::nullopt;
  }
};

struct FakeDialogs : FileDialogs {
  std::deque<std::optional<std::filesystem::path>> choices;
  std::optional<FileDialogResult> Next() {
    if (choices.empty() || !choices.front()) {
      if (!choices.empty()) choices.pop_front();
      return std::nullopt;
    }
    FileDialogResult result{*choices.front(), 1};
    choices.pop_front();
    return result;
  }
  std::optional<FileDialogResult> ChooseFileToOpen(const FileDialogRequest&) override {
    return Next();
  }
  std::optional<FileDialogResult> ChooseFileToSave(const FileDialogRequest&) override {
    return Next();
  }
};

struct FakeWindow : DocumentWindow, StatusSink {
  std::wstring caption, taskbar_title = L"Velbrin Tarnpad", state, date;
  bool save_enabled = false;
  void ShowCaption(const std::wstring& text) override { caption = text; }
  std::wstring TaskbarTitle() const override { return taskbar_title; }
  void ShowTaskbarTitle(const std::wstring& title) override { taskbar_title = title; }
  void EnableSave() override { save_enabled = true; }
  void ShowDocumentState(const std::wstring& text) override { state = text; }
  void ShowDate(const std::wstring& text) override { date = text; }
};

class DocumentsTest : public ::testing::Test {
 protected:
  DocumentsTest() {
    DocumentsArgs args;
    args.text = &text_;
    args.status = &window_;
    args.window = &window_;
    args.seams.boxes = &boxes_;
    args.seams.file_dialogs = &dialogs_;
    args.seams.program_dir = folder_.Path();
    documents_ = std::make_unique<Documents>(args);
  }
  void Type(const std::string& bytes) {
    text_.TypeText(bytes);
    documents_->MarkTextEdited();
  }

  ScratchFolder folder_;
  TextDocument text_;
  FakeBoxes boxes_;
  FakeDialogs dialogs_;
  FakeWindow window_;
  std::unique_ptr<Documents> documents_;
};

TEST_F(DocumentsTest, OpenNamesTheFileInBothTitlesAndANewNameIsKeptForSave) {
  PutFileBytes(folder_ / "velbrin.dorn.pages.a.php", "abc");
  dialogs_.choices = {folder_ / "velbrin.dorn.pages.a.php"};
  documents_->MM_File_OpenClick();
  EXPECT_EQ(text_.Text(), "abc");
  EXPECT_EQ(window_.caption,
            L"Velbrin Tarnpad - " + (folder_ / "velbrin.dorn.pages.a.php").wstring());
  EXPECT_EQ(window_.taskbar_title, L"Velbrin Tarnpad - v.d.p.a.php");
  EXPECT_TRUE(window_.save_enabled);

  const std::filesystem::path fresh = folder_ / "fresh.txt";
  dialogs_.choices = {fresh};
  documents_->MM_File_OpenClick();
  EXPECT_EQ(text_.Text(), "abc");  // nothing to load: the text stays
  EXPECT_EQ(documents_->State().CurrentFileName, fresh);
  documents_->MM_File_SaveClick();
  EXPECT_EQ(FileBytes(fresh), "abc");
}

TEST_F(DocumentsTest, EditsAreMarkedAndTheQuestionsGuardThem) {
  Type("x");
  EXPECT_TRUE(documents_->State().TextModified);
  EXPECT_EQ(window_.state, L"Изменён");

  boxes_.answers = {BoxAnswer::Cancel};
  EXPECT_FALSE(documents_->FormClose());
  documents_->MM_File_CreateClick();  // Cancel to "save?": the text stays
  EXPECT_EQ(text_.Text(), "x");

  // Yes on an untitled text goes through Save As; a cancelled dialog keeps it.
  boxes_.answers = {BoxAnswer::Yes};
  dialogs_.choices = {std::nullopt};
  documents_->MM_File_CreateClick();
  EXPECT_EQ(text_.Text(), "x");
  boxes_.answers = {BoxAnswer::Yes};
  dialogs_.choices = {folder_ / "kept.txt"};
  documents_->MM_File_CreateClick();
  EXPECT_EQ(FileBytes(folder_ / "kept.txt"), "x");
  EXPECT_EQ(text_.Text(), "");
  EXPECT_FALSE(documents_->State().TextModified);
  EXPECT_TRUE(documents_->FormClose());
}

TEST_F(DocumentsTest, AFailedSaveAsKeepsTheNameAndTheTitles) {
  Type("y");
  dialogs_.choices = {folder_ / "missing" / "a.txt"};
  EXPECT_THROW(documents_->SaveDocumentAs(), Failure);
  EXPECT_TRUE(documents_->State().CurrentFileName.empty());
  EXPECT_EQ(window_.caption, L"");
  EXPECT_EQ(window_.taskbar_title, L"Velbrin Tarnpad");
  EXPECT_TRUE(documents_->State().TextModified);
}

}  // namespace
}  // namespace tarnpad
