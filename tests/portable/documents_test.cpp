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
  void ScheduleRecoveryCopy(int) override { ++recovery_copies_scheduled; }
  int recovery_copies_scheduled = 0;
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
    args.recovery = &recovery_;
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
  ScratchFolder recovery_folder_;
  RecoveryStore recovery_{recovery_folder_.Path()};
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

// Another program writes the file behind the editor's back.
TEST_F(DocumentsTest, AFileChangedOnDiskIsNeitherOverwrittenNorReloadedUnasked) {
  const std::filesystem::path file = folder_ / "page.php";
  PutFileBytes(file, "mine");
  dialogs_.choices = {file};
  documents_->MM_File_OpenClick();

  PutFileBytes(file, "theirs!");
  documents_->CheckFileOnDisk();  // unmodified text: the new version is offered
  ASSERT_EQ(boxes_.asked.size(), 1u);
  EXPECT_EQ(boxes_.asked.back(), L"Файл изменён другой программой. Загрузить его заново?");
  EXPECT_EQ(text_.Text(), "mine");  // declined
  documents_->CheckFileOnDisk();    // the same change is not offered twice
  EXPECT_EQ(boxes_.asked.size(), 1u);

  Type("x");
  EXPECT_FALSE(documents_->MM_File_SaveClick());  // "Перезаписать?" answered No
  EXPECT_EQ(boxes_.asked.back(), L"Файл изменён другой программой. Перезаписать?");
  EXPECT_EQ(FileBytes(file), "theirs!");
  EXPECT_TRUE(documents_->State().TextModified);
  boxes_.answers = {BoxAnswer::Yes};
  EXPECT_TRUE(documents_->MM_File_SaveClick());
  EXPECT_EQ(FileBytes(file), "xmine");

  std::filesystem::remove(file);  // a deleted file is simply written again
  Type("y");
  EXPECT_TRUE(documents_->MM_File_SaveClick());
  EXPECT_EQ(FileBytes(file), "xymine");
  EXPECT_EQ(boxes_.asked.size(), 3u);  // no question for the deleted file

  PutFileBytes(file, "reloaded");
  boxes_.answers = {BoxAnswer::Yes};
  documents_->CheckFileOnDisk();
  EXPECT_EQ(text_.Text(), "reloaded");
  EXPECT_FALSE(documents_->State().TextModified);
}

// Modified text has a recovery copy until it is saved; a copy that a killed
// instance left is offered at start-up and comes back as modified text.
TEST_F(DocumentsTest, RecoveryCopiesFollowTheTextAndComeBackAfterACrash) {
  const auto copies = [this] {
    std::size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(recovery_folder_.Path())) {
      count += entry.path().extension() == ".text";
    }
    return count;
  };
  Type("a");
  Type("b");
  EXPECT_EQ(window_.recovery_copies_scheduled, 1);  // later edits do not push it back
  documents_->WriteRecoveryCopy();
  recovery_.Wait();
  EXPECT_EQ(copies(), 1u);
  boxes_.answers = {BoxAnswer::Yes};
  dialogs_.choices = {folder_ / "saved.txt"};
  ASSERT_TRUE(documents_->SaveDocumentAs());
  EXPECT_EQ(copies(), 0u);

  PutFileBytes(recovery_folder_ / "7-1.text", "lost text");
  PutFileBytes(recovery_folder_ / "7-1.note",
               "file=" + (folder_ / "page.php").string() + "\ncaret=4\n");
  PutFileBytes(recovery_folder_ / "8-1.text", "unwanted");
  PutFileBytes(recovery_folder_ / "8-1.note", "file=\n");
  std::filesystem::last_write_time(
      recovery_folder_ / "8-1.note",
      std::filesystem::file_time_type::clock::now() + std::chrono::hours(1));
  boxes_.answers = {BoxAnswer::No, BoxAnswer::Yes};
  documents_->OfferRecovery();
  ASSERT_EQ(boxes_.asked.size(), 2u);
  EXPECT_EQ(boxes_.asked[0], L"Найден несохранённый текст нового документа. Восстановить?");
  EXPECT_EQ(boxes_.asked[1], L"Найден несохранённый текст файла " +
                                 (folder_ / "page.php").wstring() + L". Восстановить?");
  EXPECT_EQ(text_.Text(), "lost text");
  EXPECT_EQ(text_.Caret(), 4);
  EXPECT_EQ(documents_->State().CurrentFileName, folder_ / "page.php");
  EXPECT_TRUE(documents_->State().TextModified);
  EXPECT_EQ(window_.taskbar_title, L"Velbrin Tarnpad - page.php");
  // The restored text's copy became this instance's own at once.
  EXPECT_FALSE(std::filesystem::exists(recovery_folder_ / "7-1.text"));
  EXPECT_FALSE(std::filesystem::exists(recovery_folder_ / "8-1.text"));
  EXPECT_EQ(FileBytes(recovery_folder_ / (recovery_.OwnId() + ".text")), "lost text");

  // A copy that cannot be read now is kept for a later start, unasked.
  std::filesystem::create_directory(recovery_folder_ / "9-1.text");
  PutFileBytes(recovery_folder_ / "9-1.note", "file=\n");
  documents_->OfferRecovery();
  EXPECT_EQ(boxes_.asked.size(), 2u);
  EXPECT_TRUE(std::filesystem::exists(recovery_folder_ / "9-1.note"));
}

// Save As onto the document's own file asks when another program changed it;
// a dropped folder opens nothing.
TEST_F(DocumentsTest, SaveAsOntoItsOwnChangedFileAsksAndAFolderIsNoDocument) {
  const std::filesystem::path file = folder_ / "page.php";
  PutFileBytes(file, "mine");
  dialogs_.choices = {file};
  documents_->MM_File_OpenClick();
  PutFileBytes(file, "theirs!");
  Type("x");
  dialogs_.choices = {file};
  EXPECT_FALSE(documents_->SaveDocumentAs());  // the question refused, the dialog cancelled
  EXPECT_EQ(boxes_.asked.back(), L"Файл изменён другой программой. Перезаписать?");
  EXPECT_EQ(FileBytes(file), "theirs!");

  documents_->OpenDroppedFiles({folder_.Path()});
  EXPECT_EQ(window_.state, L"Это не файл");
  EXPECT_EQ(documents_->State().CurrentFileName, file);
  EXPECT_EQ(text_.Text(), "xmine");
}

}  // namespace
}  // namespace tarnpad
