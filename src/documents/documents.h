#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/file_stamp.h"
#include "documents/recovery_store.h"

#include "shell/app_state.h"
#include "shell/seams.h"
#include "shell/status_sink.h"

namespace tarnpad {

class TextDocument;

// What the documents need from the window around them.
class DocumentWindow {
 public:
  virtual ~DocumentWindow() = default;
  virtual void ShowCaption(const std::wstring& caption) = 0;
  virtual std::wstring TaskbarTitle() const = 0;
  virtual void ShowTaskbarTitle(const std::wstring& title) = 0;
  // The menu command Save, off from the start until the text has a file.
  virtual void EnableSave() = 0;
  // WriteRecoveryCopy is to run once, this many milliseconds from now.
  virtual void ScheduleRecoveryCopy(int delay) = 0;
};

struct DocumentsArgs {
  TextDocument* text = nullptr;  // the editor's text
  StatusSink* status = nullptr;
  DocumentWindow* window = nullptr;
  RecoveryStore* recovery = nullptr;  // none: no recovery copies
  Seams seams;
};

// The binding of the editor's text to a file: New, Open, Save, Save As, the
// close question, the timed backup copies and the file header's refresh, and
// the state they share (the file's name, whether the text is modified).
class Documents {
 public:
  explicit Documents(const DocumentsArgs& args);

  const AppState& State() const { return state_; }

  // Settings Backup/Use and Backup/Edited as read.
  void TakeBackupSettings(bool use, bool edited_only);
  void SetBackupEditedOnly(bool edited_only) { state_.BackupEdited = edited_only; }

  // The caption (and, for a titled document, the taskbar title) name path.
  void UpdateTitle(const std::wstring& path);
  // Loads an existing file into the editor; any other path does nothing.
  void LoadDocument(const std::wstring& path);
  void MM_File_CreateClick();
  void MM_File_OpenClick();
  // Files dropped on the window: the first file opens as through Open, the
  // question about modified text first; the status bar says when there were
  // more, or when none was a file.
  void OpenDroppedFiles(const std::vector<std::filesystem::path>& paths);
  // False when nothing was written: the document is untitled, or the user
  // kept a file that another program changed.
  bool MM_File_SaveClick();
  // Save As: asks for a name, then writes the text there; false when the
  // user cancelled the dialog.
  bool SaveDocumentAs();
  // Whether the window may close over the text (the close question).
  bool FormClose();
  // The program came back to the front: a file that another program changed
  // while the text is not modified is offered to be loaded again, once per
  // change.
  void CheckFileOnDisk();
  // Every edit of the text, whatever made it, marks it as modified, and a
  // recovery copy of it follows within seconds.
  void MarkTextEdited();
  // Keeps a copy of modified text for the next start after a crash.
  void WriteRecoveryCopy();
  // At start-up: offers the text of an instance that ended without saving
  // it; Yes opens it as modified text under its file's name.
  void OfferRecovery();
  void Backup_TimerTimer();
  void MM_File_DORN_RenewClick();

 private:
  // Open's work once the file is chosen: loads it when it exists and takes
  // its name in any case.
  void TakeDocument(const std::filesystem::path& path);
  // The text now belongs to the file path: it is unmodified and Save is on.
  void TakeFileName(const std::filesystem::path& path);
  // The text and the file now agree: what the file looks like is remembered.
  void NoteFileWritten(const std::filesystem::path& path);
  bool ChangedOnDisk() const;
  // The text is no longer modified: its recovery copy goes.
  void DropRecoveryCopy();
  void Restore(const RecoveryCopy& copy);
  // New's and Open's question about modified text; false when the text
  // should stay.
  bool SettleUnsavedDocument();

  TextDocument& text_;
  StatusSink& status_;
  DocumentWindow& window_;
  Seams seams_;
  AppState state_;
  // What each file dialog proposes next: the name and filter last chosen in it.
  FileDialogResult open_dialog_choice_;
  FileDialogResult save_dialog_choice_;
  // The file as last loaded or saved (nullopt: there was none), and a change
  // the user chose not to load.
  std::optional<FileStamp> disk_stamp_;
  std::optional<FileStamp> declined_stamp_;
  bool checking_disk_ = false;  // the reload question is open
  RecoveryStore* recovery_;
  bool recovery_copy_scheduled_ = false;
  int recovery_retries_ = 0;  // attempts in a row that found the store not ready
};

}  // namespace tarnpad
