#include "documents/documents.h"

#include <algorithm>
#include <system_error>

#include "core/document_file.h"
#include "core/text_document.h"
#include "documents/backup.h"
#include "documents/document_flow.h"
#include "documents/file_header.h"
#include "shell/title.h"

namespace tarnpad {
namespace {

// The recovery copy follows the first edit after the last copy this late,
// and is tried again this soon when the store was not ready.
constexpr int kRecoveryDelay = 3000;
constexpr int kRecoveryRetry = 250;

constexpr const wchar_t* kOpenDialogTitle = L"Открытие файла";
constexpr const wchar_t* kOpenDialogFilter =
    L"Поддерживаемые файлы (*.txt; *.php)|*.php;*.txt|Текстовые файлы (*.txt)|*.txt|"
    L"Файлы PHP (*.php)|*.php|Все файлы (*.*)|*.*";
constexpr const wchar_t* kSaveDialogTitle = L"Сохранение файла";
constexpr const wchar_t* kSaveDialogFilter =
    L"Текстовые файлы (*.txt)|*.txt|Файлы PHP (*.php)|*.php|Все файлы (*.*)|*.*";

std::wstring ReplaceQuestion(const std::filesystem::path& path) {
  return L"Файл " + path.wstring() + L" уже существует.\nЗаменить его?";
}

// The dialog proposes what was last chosen in it; the name is used exactly
// as typed, without a default extension.
FileDialogRequest DialogRequest(const wchar_t* title, const wchar_t* filter,
                                const FileDialogResult& last_choice) {
  FileDialogRequest request;
  request.title = title;
  request.filter = filter;
  request.filter_index = last_choice.filter_index;
  request.proposed_name = last_choice.path;
  return request;
}

}  // namespace

Documents::Documents(const DocumentsArgs& args)
    : text_(*args.text),
      status_(*args.status),
      window_(*args.window),
      seams_(args.seams),
      recovery_(args.recovery) {
  state_.AppTitle = kAppTitle;
  state_.ProgramDir = seams_.program_dir;
}

void Documents::TakeBackupSettings(bool use, bool edited_only) {
  state_.BackupUse = use;
  state_.BackupEdited = edited_only;
}

void Documents::UpdateTitle(const std::wstring& path) {
  const Titles titles = TitlesFor(state_.AppTitle, path);
  window_.ShowCaption(titles.Caption);
  if (titles.TaskbarTitle) window_.ShowTaskbarTitle(*titles.TaskbarTitle);
}

void Documents::LoadDocument(const std::wstring& path) {
  std::error_code error;
  if (path.empty() || !std::filesystem::is_regular_file(std::filesystem::path(path), error)) {
    return;
  }
  // The caption names the file only once its text is in the editor, so a
  // file that cannot be read leaves the caption on the document still shown.
  LoadEditorText(text_, path);
  TakeFileName(path);
  UpdateTitle(path);
}

void Documents::TakeFileName(const std::filesystem::path& path) {
  state_.CurrentFileName = path;
  state_.TextModified = false;
  DropRecoveryCopy();
  NoteFileWritten(path);
  window_.EnableSave();
}

void Documents::NoteFileWritten(const std::filesystem::path& path) {
  disk_stamp_ = StampOf(path);
  declined_stamp_.reset();
}

// A file deleted meanwhile counts as unchanged: Save simply writes it again.
bool Documents::ChangedOnDisk() const {
  const std::optional<FileStamp> now = StampOf(state_.CurrentFileName);
  return now && now != disk_stamp_;
}

bool Documents::SettleUnsavedDocument() {
  UnsavedTextSteps steps;
  steps.AskToSave = [this] {
    return seams_.boxes->Show(BoxKind::Plain, window_.TaskbarTitle(), kSaveQuestion,
                              BoxButtons::YesNoCancel);
  };
  steps.Save = [this] { return MM_File_SaveClick(); };
  steps.SaveAs = [this] { return SaveDocumentAs(); };
  return SettleUnsavedText(state_, steps);
}

void Documents::MM_File_CreateClick() {
  if (!SettleUnsavedDocument()) return;
  state_.CurrentFileName.clear();
  // Both titles leave the closed file, so no later box names it either.
  UpdateTitle(L"");
  window_.ShowTaskbarTitle(state_.AppTitle);
  text_.ClearEditorText();
  state_.TextModified = false;
  DropRecoveryCopy();
  status_.ShowDocumentState(L"");
}

// A name that names no file is taken all the same: the text stays, and the
// next Save writes it there.
void Documents::MM_File_OpenClick() {
  if (!SettleUnsavedDocument()) return;
  const std::optional<FileDialogResult> choice = seams_.file_dialogs->ChooseFileToOpen(
      DialogRequest(kOpenDialogTitle, kOpenDialogFilter, open_dialog_choice_));
  if (!choice) return;
  open_dialog_choice_ = *choice;
  TakeDocument(choice->path);
}

// Folders and whatever else is no file are passed over.
void Documents::OpenDroppedFiles(const std::vector<std::filesystem::path>& dropped) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (const auto& path : dropped) {
    if (std::filesystem::is_regular_file(path, error)) files.push_back(path);
  }
  if (files.empty()) {
    status_.ShowDocumentState(L"Это не файл");
    return;
  }
  if (!SettleUnsavedDocument()) return;
  TakeDocument(files.front());
  if (files.size() > 1) {
    status_.ShowDocumentState(L"Открыт первый из " + std::to_wstring(files.size()) + L" файлов");
  }
}

// A name that names no file yet is in the titles all the same: they name
// the file that Save writes to.
void Documents::TakeDocument(const std::filesystem::path& path) {
  LoadDocument(path.wstring());
  TakeFileName(path);
  UpdateTitle(path.wstring());
  state_.BackupPending = false;
  status_.ShowDocumentState(L"");
}

// Leaves the status panel, the backup flag and the caption as they are.
bool Documents::MM_File_SaveClick() {
  if (state_.CurrentFileName.empty()) return false;
  if (ChangedOnDisk() &&
      seams_.boxes->Show(BoxKind::Plain, window_.TaskbarTitle(), kOverwriteQuestion,
                         BoxButtons::YesNo) != BoxAnswer::Yes) {
    return false;
  }
  SaveEditorText(text_, state_.CurrentFileName);
  state_.TextModified = false;
  DropRecoveryCopy();
  NoteFileWritten(state_.CurrentFileName);
  return true;
}

void Documents::CheckFileOnDisk() {
  if (checking_disk_ || state_.TextModified || state_.CurrentFileName.empty()) return;
  const std::optional<FileStamp> now = StampOf(state_.CurrentFileName);
  if (!now || now == disk_stamp_ || now == declined_stamp_) return;
  // The question itself takes the window out of the front and back.
  checking_disk_ = true;
  BoxAnswer answer = BoxAnswer::No;
  try {
    answer = seams_.boxes->Show(BoxKind::Plain, window_.TaskbarTitle(), kReloadQuestion,
                                BoxButtons::YesNo);
  } catch (...) {
    checking_disk_ = false;
    throw;
  }
  checking_disk_ = false;
  // A reload that fails (the other program still writing, say) counts as
  // declined too, so the question does not come back for this change.
  declined_stamp_ = now;
  if (answer == BoxAnswer::Yes) LoadDocument(state_.CurrentFileName.wstring());
}

// The document takes the new name only once its text is written there: a
// failed save leaves the name, the caption and the taskbar title on the file
// that still holds the last saved text. Replacing another existing file is
// asked first; the answer No goes back to the dialog.
bool Documents::SaveDocumentAs() {
  const auto replace_allowed = [this](const std::filesystem::path& path) {
    if (ReplacesAnotherFile(path, state_.CurrentFileName)) {
      return seams_.boxes->Show(BoxKind::Confirmation, L"Confirm", ReplaceQuestion(path),
                                BoxButtons::YesNo) == BoxAnswer::Yes;
    }
    // Its own file, as another program may have left it.
    return path != state_.CurrentFileName || !ChangedOnDisk() ||
           seams_.boxes->Show(BoxKind::Plain, window_.TaskbarTitle(), kOverwriteQuestion,
                              BoxButtons::YesNo) == BoxAnswer::Yes;
  };
  std::optional<FileDialogResult> choice;
  do {
    choice = seams_.file_dialogs->ChooseFileToSave(
        DialogRequest(kSaveDialogTitle, kSaveDialogFilter, save_dialog_choice_));
    if (!choice) return false;
    save_dialog_choice_ = *choice;
  } while (!replace_allowed(choice->path));
  SaveEditorText(text_, choice->path);
  state_.CurrentFileName = choice->path;
  state_.TextModified = false;
  DropRecoveryCopy();
  NoteFileWritten(choice->path);
  window_.EnableSave();
  UpdateTitle(choice->path.wstring());
  return true;
}

bool Documents::FormClose() {
  return CloseAllowed(state_, [this] {
    return seams_.boxes->Show(BoxKind::Confirmation, L"Confirm", kCloseQuestion,
                              BoxButtons::OkCancel);
  });
}

void Documents::MarkTextEdited() {
  state_.TextModified = true;
  state_.BackupPending = true;
  status_.ShowDocumentState(L"Изменён");
  // Not pushed back by later edits: typing on never goes unprotected for
  // longer than the delay. The room for the copy is made when the copy is
  // due, not now: making it takes the machine's attention from the
  // keystroke that starts the editing.
  if (recovery_ && !recovery_copy_scheduled_) {
    recovery_copy_scheduled_ = true;
    window_.ScheduleRecoveryCopy(kRecoveryDelay);
  }
}

// The text is copied here, on the interface thread; the writing goes on in
// the background. A copy still being written puts this one off.
void Documents::WriteRecoveryCopy() {
  recovery_copy_scheduled_ = false;
  if (!recovery_ || !state_.TextModified) return;
  if (recovery_->WriteInBackground(text_, state_.CurrentFileName)) {
    recovery_retries_ = 0;
    return;
  }
  // Waiting longer each time: room that cannot be made (no memory for a
  // second copy of a huge text) is not asked for four times a second.
  recovery_copy_scheduled_ = true;
  window_.ScheduleRecoveryCopy(
      std::min(kRecoveryRetry << std::min(recovery_retries_, 7), kRecoveryDelay * 10));
  ++recovery_retries_;
}

void Documents::DropRecoveryCopy() {
  if (recovery_) recovery_->Remove();
}

// A copy is deleted only when the user says No or its text is gone: one that
// cannot be read now (memory, another program holding it) waits for the next
// start.
void Documents::OfferRecovery() {
  if (!recovery_) return;
  for (const std::string& id : recovery_->OrphanedCopies()) {
    const std::optional<RecoveryCopy> copy = recovery_->Read(id);
    if (!copy) {
      if (!recovery_->HasText(id)) recovery_->Discard(id);
      continue;
    }
    const std::wstring whose =
        copy->file_name.empty() ? L"нового документа" : L"файла " + copy->file_name.wstring();
    const BoxAnswer answer = seams_.boxes->Show(
        BoxKind::Plain, window_.TaskbarTitle(),
        L"Найден несохранённый текст " + whose + L". Восстановить?", BoxButtons::YesNo);
    if (answer == BoxAnswer::Yes) {
      Restore(*copy);
      // The copy becomes this instance's own, so it is never without one.
      recovery_->Adopt(id);
      return;
    }
    recovery_->Discard(id);
  }
}

void Documents::Restore(const RecoveryCopy& copy) {
  text_.LoadText(copy.text);
  text_.SetCaret(std::min(copy.caret, text_.Length()));
  state_.CurrentFileName = copy.file_name;
  NoteFileWritten(copy.file_name);
  if (!copy.file_name.empty()) window_.EnableSave();
  UpdateTitle(copy.file_name.wstring());
  MarkTextEdited();
}

void Documents::Backup_TimerTimer() {
  RunBackup(state_, text_, *seams_.clock, status_);
}

// The file size is that of the file as last saved, not of the text shown.
void Documents::MM_File_DORN_RenewClick() {
  const LocalDateTime now = seams_.clock->Now();
  RefreshFileHeader(text_, HeaderDate(now.year, now.month, now.day),
                    FileSizeOf(state_.CurrentFileName));
}

}  // namespace tarnpad
