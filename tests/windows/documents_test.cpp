// New, Open, Save, Save As, closing, backups and the header refresh in a
// real main window, with scripted dialogs and boxes.
#include <windows.h>

#include <gtest/gtest.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <vector>

#include "core/text_document.h"
#include "documents/document_flow.h"
#include "form_fixture.h"
#include "modal_script.h"
#include "window/windows_seams.h"

namespace tarnpad {
namespace {

namespace fs = std::filesystem;

std::ptrdiff_t FileCount(const fs::path& folder) {
  return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

class DocumentsTest : public FormFixture {
 protected:
  std::string Text() const { return Editor().Document().Text(); }
  const ScriptedBoxes::Shown& LastBox() const { return surroundings_.boxes.shown.back(); }
  bool LastBoxStartsWith(const std::wstring& prefix) const {
    return LastBox().text.rfind(prefix, 0) == 0;
  }
  const FileDialogRequest& Request(size_t index) const {
    return surroundings_.file_dialogs.requests.at(index);
  }
  // The edit flag, the backup flag and the status panel that shows them.
  std::wstring Flags() const {
    return std::wstring(form_->State().TextModified ? L"modified" : L"saved") +
           (form_->State().BackupPending ? L" +copy:" : L" -copy:") + Panel(2);
  }
  // The caption names the whole path, the taskbar a short name.
  std::wstring Titles() const { return form_->Caption() + L" | " + form_->TaskbarTitle(); }
  static std::wstring Titles(const fs::path& name, const std::wstring& taskbar) {
    return L"Velbrin Tarnpad - " + name.wstring() + L" | Velbrin Tarnpad - " + taskbar;
  }
};

TEST_F(DocumentsTest, OpenLoadsTheChosenFileOrKeepsTheTextForANewNameAndRemembersItsChoice) {
  const fs::path first = WriteFile(folder_ / L"velbrin.dorn.pages.a.php", "first");
  const fs::path second = WriteFile(folder_ / L"b.txt", "second");
  MainForm& form = Start(first);
  Type(L"x");  // a copy is due even once the text is saved
  form.MM_File_SaveClick();
  WillChoose(second, 3);
  form.MM_File_OpenClick();
  EXPECT_EQ(Request(0).title, L"Открытие файла");
  EXPECT_EQ(Request(0).filter,
            L"Поддерживаемые файлы (*.txt; *.php)|*.php;*.txt|Текстовые файлы (*.txt)|*.txt|"
            L"Файлы PHP (*.php)|*.php|Все файлы (*.*)|*.*");
  EXPECT_EQ(Request(0).filter_index, 1);
  EXPECT_TRUE(Request(0).proposed_name.empty());
  EXPECT_EQ(Text(), "second");
  EXPECT_EQ(form.State().CurrentFileName, second);
  EXPECT_EQ(Flags(), L"saved -copy:");
  EXPECT_EQ(Titles(), Titles(second, L"b.txt"));

  form.MM_File_Save_AsClick();  // cancelled; Save As has its own memory
  EXPECT_TRUE(Request(1).proposed_name.empty());
  form.MM_File_OpenClick();
  EXPECT_EQ(Request(2).proposed_name, second);
  EXPECT_EQ(Request(2).filter_index, 3);

  // A name that does not exist keeps the text and is named in the titles;
  // Save writes there.
  const fs::path typed = folder_ / L"новый.txt";
  Type(L"x");
  WillChoose(typed);
  surroundings_.boxes.answers = {BoxAnswer::No};  // do not save the typing first
  form.MM_File_OpenClick();
  EXPECT_EQ(Text(), "xsecond");
  EXPECT_EQ(Titles(), Titles(typed, L"новый.txt"));
  EXPECT_EQ(form.State().CurrentFileName, typed);
  EXPECT_EQ(Flags(), L"saved -copy:");
  EXPECT_TRUE(SaveEnabled());
  form.MM_File_SaveClick();
  EXPECT_EQ(ReadFile(typed), "xsecond");
  EXPECT_EQ(ReadFile(second), "second");
}

TEST_F(DocumentsTest, NewAndOpenAskAboutModifiedTextOnlyAndFollowTheAnswer) {
  const fs::path file = WriteFile(folder_ / L"a.txt", "abc");
  const fs::path other = WriteFile(folder_ / L"b.txt", "other");
  MainForm& form = Start(file);
  Type(L"x");  // a copy is due even once the text is saved
  form.MM_File_SaveClick();
  form.MM_File_CreateClick();  // unmodified: empties the name and the caption only
  EXPECT_TRUE(surroundings_.boxes.shown.empty());
  EXPECT_EQ(Text(), "");
  EXPECT_TRUE(form.State().CurrentFileName.empty());
  EXPECT_EQ(Titles(), L"Velbrin Tarnpad | Velbrin Tarnpad");  // the closed file is named nowhere
  EXPECT_EQ(Flags(), L"saved +copy:");
  EXPECT_TRUE(SaveEnabled());
  form.MM_File_SaveClick();  // untitled: nothing happens
  EXPECT_TRUE(surroundings_.file_dialogs.requests.empty());

  WillChoose(file);
  form.MM_File_OpenClick();
  Type(L"1");
  surroundings_.boxes.answers = {BoxAnswer::Cancel};
  form.MM_File_OpenClick();
  form.MM_File_CreateClick();
  EXPECT_EQ(surroundings_.file_dialogs.requests.size(), 1u);
  EXPECT_EQ(Text(), "1xabc");
  EXPECT_TRUE(form.State().TextModified);
  ASSERT_EQ(surroundings_.boxes.shown.size(), 2u);
  EXPECT_EQ(LastBox().kind, BoxKind::Plain);
  EXPECT_EQ(LastBox().title, L"Velbrin Tarnpad - a.txt");
  EXPECT_EQ(LastBox().text, L"Файл не сохранен. Сохранить?");
  EXPECT_EQ(LastBox().buttons, BoxButtons::YesNoCancel);

  surroundings_.boxes.answers = {BoxAnswer::Yes};
  WillChoose(other);
  form.MM_File_OpenClick();
  EXPECT_EQ(ReadFile(file), "1xabc");
  EXPECT_EQ(Text(), "other");
  Type(L"2");
  surroundings_.boxes.answers = {BoxAnswer::No};
  form.MM_File_CreateClick();
  EXPECT_EQ(ReadFile(other), "other");
  EXPECT_EQ(Text(), "");
  EXPECT_TRUE(form.State().CurrentFileName.empty());

  // Untitled: Yes goes through Save As, and a cancelled dialog keeps the text.
  Type(L"3");
  surroundings_.boxes.answers = {BoxAnswer::Yes};
  form.MM_File_CreateClick();
  EXPECT_EQ(Text(), "3");
  EXPECT_TRUE(form.State().TextModified);
  surroundings_.boxes.answers = {BoxAnswer::Yes};
  WillChoose(folder_ / L"c.txt");
  form.MM_File_CreateClick();
  EXPECT_EQ(ReadFile(folder_ / L"c.txt"), "3");
  EXPECT_EQ(Text(), "");
}

TEST_F(DocumentsTest, SaveKeepsPanelAndBackupFlagAndClosingAsksOnlyAboutUnsavedText) {
  const std::string saved = "\xDFline\r\n\xFF\x98";
  const fs::path file = WriteFile(folder_ / L"a.txt", "line\r\n\xFF\x98");
  MainForm& form = Start(file);
  EXPECT_TRUE(form.FormClose());
  Type(L"Я");
  SendMessageW(form.Handle(), WM_COMMAND, kCmdFileSave, 0);
  EXPECT_EQ(ReadFile(file), saved);
  EXPECT_EQ(Flags(), L"saved +copy:Изменён");
  EXPECT_TRUE(form.FormClose());
  EXPECT_TRUE(surroundings_.boxes.shown.empty());

  Type(L"x");
  form.MM_File_ExitClick();  // asks the window to close, as its close button does
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  ASSERT_EQ(surroundings_.boxes.shown.size(), 1u);
  EXPECT_EQ(LastBox().kind, BoxKind::Confirmation);
  EXPECT_EQ(LastBox().text, L"Текст не сохранен. Все таки выйти?");
  EXPECT_EQ(LastBox().buttons, BoxButtons::OkCancel);
  EXPECT_TRUE(IsWindow(form.Handle()));
  EXPECT_EQ(Text(), "\xDFxline\r\n\xFF\x98");
  surroundings_.boxes.answers = {BoxAnswer::Ok};
  EXPECT_TRUE(form.FormClose());
  EXPECT_EQ(ReadFile(file), saved);
  EXPECT_EQ(FileCount(program_dir_), 0);
}

TEST_F(DocumentsTest, SaveAsNamesTheDocumentAndAsksBeforeReplacingAnotherFileButNotItsOwn) {
  MainForm& form = Start();
  Type(L"ab");
  const fs::path target = folder_ / L"velbrin.dorn.modules.no-extension";
  WillChoose(target, 2);
  form.MM_File_Save_AsClick();
  EXPECT_EQ(Request(0).title, L"Сохранение файла");
  EXPECT_EQ(Request(0).filter,
            L"Текстовые файлы (*.txt)|*.txt|Файлы PHP (*.php)|*.php|Все файлы (*.*)|*.*");
  EXPECT_TRUE(Request(0).default_extension.empty());
  EXPECT_FALSE(Request(0).ask_before_overwrite);
  EXPECT_EQ(ReadFile(target), "ab");
  EXPECT_EQ(form.State().CurrentFileName, target);
  EXPECT_EQ(Flags(), L"saved +copy:Изменён");
  EXPECT_EQ(Titles(), Titles(target, L"v.d.m.no-extension"));
  EXPECT_TRUE(SaveEnabled());  // the document has a name now

  // The menu command and the tool button save alike.
  Type(L"c");
  SendMessageW(form.Handle(), WM_COMMAND, kCmdFileSave, 0);
  EXPECT_EQ(ReadFile(target), "abc");
  Type(L"d");
  SendMessageW(form.Handle(), WM_COMMAND, kCmdToolSave, 0);
  EXPECT_EQ(ReadFile(target), "abcd");
  WillChoose(target);
  form.MM_File_Save_AsClick();
  EXPECT_EQ(Request(1).proposed_name, target);
  EXPECT_EQ(Request(1).filter_index, 2);
  EXPECT_TRUE(surroundings_.boxes.shown.empty());

  // No goes back to the dialog, which proposes the refused name.
  const fs::path other = WriteFile(folder_ / L"other.txt", "other");
  Type(L"+");
  WillChoose(other);
  WillChoose(other);
  surroundings_.boxes.answers = {BoxAnswer::No, BoxAnswer::Yes};
  form.MM_File_Save_AsClick();
  ASSERT_EQ(surroundings_.boxes.shown.size(), 2u);
  EXPECT_EQ(LastBox().kind, BoxKind::Confirmation);
  EXPECT_EQ(LastBox().buttons, BoxButtons::YesNo);
  EXPECT_NE(LastBox().text.find(other.wstring()), std::wstring::npos);
  EXPECT_EQ(Request(3).proposed_name, other);
  EXPECT_EQ(ReadFile(other), "abcd+");
  EXPECT_EQ(form.State().CurrentFileName, other);
}

TEST_F(DocumentsTest, FailedSavesAndOpensShowTheErrorAndLeaveTheDocumentAsItWas) {
  const fs::path file = WriteFile(folder_ / L"locked.txt", "old");
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
  MainForm& form = Start(file);
  Type(L"x");
  form.Dispatch([&] { form.MM_File_SaveClick(); });
  ASSERT_EQ(surroundings_.boxes.shown.size(), 1u);
  EXPECT_EQ(LastBox().kind, BoxKind::Error);
  EXPECT_TRUE(LastBoxStartsWith(L"Cannot create file \"" + file.wstring() + L"\". "));
  EXPECT_EQ(ReadFile(file), "old");
  EXPECT_TRUE(form.State().TextModified);

  const fs::path nowhere = folder_ / L"missing" / L"a.txt";
  WillChoose(nowhere);
  form.Dispatch([&] { form.MM_File_Save_AsClick(); });
  ASSERT_EQ(surroundings_.boxes.shown.size(), 2u);
  EXPECT_TRUE(LastBoxStartsWith(L"Cannot create file"));
  EXPECT_FALSE(fs::exists(nowhere));
  EXPECT_EQ(form.State().CurrentFileName, file);
  EXPECT_EQ(Titles(), Titles(file, L"locked.txt"));
  EXPECT_TRUE(form.State().TextModified);

  // A file that cannot be read is reported and opening stops there.
  surroundings_.boxes.answers = {BoxAnswer::No};  // the text is not to be saved
  const fs::path held = WriteFile(folder_ / L"held.txt", "other");
  HANDLE holder = CreateFileW(held.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  WillChoose(held);
  form.Dispatch([&] { form.MM_File_OpenClick(); });
  CloseHandle(holder);
  ASSERT_EQ(surroundings_.boxes.shown.size(), 4u);
  EXPECT_TRUE(LastBoxStartsWith(L"Cannot open file \"" + held.wstring() + L"\". "));
  EXPECT_EQ(Text(), "xold");
  EXPECT_EQ(form.State().CurrentFileName, file);
  EXPECT_EQ(Titles(), Titles(file, L"locked.txt"));
  EXPECT_TRUE(form.State().BackupPending);
}

TEST_F(DocumentsTest, ABackupIsWrittenWhenDueAndTheDateIsRefreshedEveryTime) {
  const fs::path file = WriteFile(folder_ / L"index.php", "abc");
  MainForm& form = Start(file);
  form.DocumentFiles().SetBackupEditedOnly(true);
  surroundings_.clock.short_date = L"07.12.2026";
  surroundings_.clock.long_time = L"9:05:03";
  form.Backup_TimerTimer();  // nothing typed yet
  EXPECT_EQ(FileCount(program_dir_), 0);
  EXPECT_EQ(Panel(4), L"07.12.2026");

  Type(L"x");
  form.Backup_TimerTimer();
  EXPECT_EQ(ReadFile(program_dir_ / L"2026-12-07-09-05-03 index.php"), "xabc");
  EXPECT_EQ(Flags(), L"modified -copy:Копия 09-05-03");

  surroundings_.clock.short_date = L"12/8/2026";
  surroundings_.clock.long_time = L"10:00:00 PM";
  form.Backup_TimerTimer();  // nothing typed since the copy
  EXPECT_EQ(FileCount(program_dir_), 1);
  EXPECT_EQ(Panel(2), L"Копия 09-05-03");
  EXPECT_EQ(Panel(4), L"12/8/2026");

  // With "only edited text" off a tick keeps a copy whenever the text differs
  // from the newest copy (a locale's "/" does not lead into folders), except
  // of an untitled, empty document.
  form.DocumentFiles().SetBackupEditedOnly(false);
  form.Backup_TimerTimer();  // the same bytes as the newest copy
  EXPECT_EQ(FileCount(program_dir_), 1);
  Type(L"z");
  form.Backup_TimerTimer();
  EXPECT_EQ(ReadFile(program_dir_ / L"12-8-2026-10-00-00 PM index.php"), "xzabc");
  surroundings_.boxes.answers = {BoxAnswer::No};
  form.MM_File_CreateClick();
  surroundings_.clock.long_time = L"10:00:01 PM";
  form.Backup_TimerTimer();
  EXPECT_EQ(FileCount(program_dir_), 2);

  // A copy that cannot be written is reported and tried again at the next tick.
  Type(L"y");
  fs::remove_all(program_dir_);
  surroundings_.clock.short_date = L"09.12.2026";
  form.Dispatch([&] { form.Backup_TimerTimer(); });
  ASSERT_EQ(surroundings_.boxes.shown.size(), 2u);
  EXPECT_TRUE(LastBoxStartsWith(L"Cannot create file"));
  EXPECT_EQ(Flags(), L"modified +copy:Изменён");
  EXPECT_EQ(Panel(4), L"12/8/2026");
  fs::create_directories(program_dir_);
  form.Dispatch([&] { form.Backup_TimerTimer(); });
  EXPECT_EQ(ReadFile(program_dir_ / L"2026-12-09-10-00-01 PM "), "y");
}

// The backup timer ticks through the modal loop of an open message box.
TEST_F(DocumentsTest, ATimerTickWhileTheCloseQuestionIsOpenWritesTheCopy) {
  ScriptedOwner owner;
  WindowsMessageBoxes boxes(owner.Window());
  Seams seams = surroundings_.seams(program_dir_ / L"");
  seams.boxes = &boxes;
  MainForm form(seams, L"");
  SendMessageW(FindWindowById(form.Handle(), MainForm::kEditorId), WM_CHAR, L'x', 0);
  bool copied_while_open = false;
  owner.Add([&](HWND) { return PostMessageW(form.Handle(), WM_TIMER, 1, 0) != 0; });
  owner.Add([&](HWND dialog) {
    copied_while_open = !form.State().BackupPending;
    return ClickCloseButton()(dialog);
  });
  EXPECT_FALSE(form.FormClose());
  EXPECT_TRUE(copied_while_open);
  EXPECT_EQ(owner.SeenTitle(), L"Confirm");
  EXPECT_EQ(ReadFile(program_dir_ / L"2026-12-08-16-25-17 "), "x");
}

TEST_F(DocumentsTest, AHeaderRefreshThatChangesTheTextIsAnEdit) {
  const std::string marker = "#    velbrin.dorn.specs  date     ";
  const fs::path file = WriteFile(folder_ / L"a.php", "<?php\r\n" + marker + "\r\n?>");
  MainForm& form = Start(file);
  form.MM_File_DORN_RenewClick();
  const std::string line = Editor().Document().EditorLine(1);
  EXPECT_EQ(line.substr(0, 70), marker + std::string(26, ' ') + "2026-12-08");
  EXPECT_EQ(line.size(), 120u);
  EXPECT_EQ(Flags(), L"modified +copy:Изменён");

  form.MM_File_SaveClick();
  form.MM_File_DORN_RenewClick();  // the same values again: no change
  EXPECT_EQ(Flags(), L"saved +copy:Изменён");
}

// The drop the shell hands to a window that accepts files.
HDROP DropOf(const std::vector<fs::path>& paths) {
  std::wstring names;
  for (const fs::path& path : paths) names += path.wstring() + L'\0';
  names += L'\0';
  const std::size_t bytes = names.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), bytes);
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

TEST_F(DocumentsTest, FilesDroppedOnTheWindowOpenTheFirstAfterTheQuestion) {
  const fs::path first = WriteFile(folder_ / L"первый.txt", "first");
  const fs::path second = WriteFile(folder_ / L"b.txt", "second");
  MainForm& form = Start();
  EXPECT_NE(GetWindowLongPtrW(form.Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
  Type(L"typed");
  surroundings_.boxes.answers = {BoxAnswer::Cancel};
  SendMessageW(form.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf({first})), 0);
  EXPECT_EQ(Text(), "typed");

  surroundings_.boxes.answers = {BoxAnswer::No};
  SendMessageW(form.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf({first, second})), 0);
  ASSERT_EQ(surroundings_.boxes.shown.size(), 2u);
  EXPECT_EQ(LastBox().text, L"Файл не сохранен. Сохранить?");
  EXPECT_EQ(Text(), "first");
  EXPECT_EQ(form.Caption(), L"Velbrin Tarnpad - " + first.wstring());
  EXPECT_FALSE(form.State().TextModified);
  EXPECT_EQ(Panel(2), L"Открыт первый из 2 файлов");
}

}  // namespace
}  // namespace tarnpad
