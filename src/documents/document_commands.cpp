// Binding the editor's text to a file: New, Open, Save, Save As, Exit and
// the close confirmation.
#include <filesystem>

#include "core/document_file.h"
#include "core/text_document.h"
#include "documents/document_flow.h"
#include "editor/text_view.h"
#include "ui/main_form.h"

namespace tarnpad {
namespace {

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

void MainForm::LoadDocument(const std::wstring& path) {
  std::error_code error;
  if (path.empty() || !std::filesystem::is_regular_file(std::filesystem::path(path), error)) {
    return;
  }
  // The caption names the file only once its text is in the editor, so a
  // file that cannot be read leaves the caption on the document still shown.
  LoadEditorText(RichEdit->Document(), path);
  TakeFileName(path);
  UpdateTitle(path);
}

void MainForm::TakeFileName(const std::filesystem::path& path) {
  state.CurrentFileName = path;
  state.TextModified = false;
  EnableMenuItem(menus.bar, kCmdFileSave, MF_BYCOMMAND | MF_ENABLED);
}

bool MainForm::SettleUnsavedDocument() {
  UnsavedTextSteps steps;
  steps.AskToSave = [this] {
    return seams_.boxes->Show(BoxKind::Plain, TaskbarTitle(), kSaveQuestion,
                              BoxButtons::YesNoCancel);
  };
  steps.Save = [this] { MM_File_SaveClick(); };
  steps.SaveAs = [this] { return SaveDocumentAs(); };
  return SettleUnsavedText(state, steps);
}

void MainForm::MM_File_CreateClick() {
  if (!SettleUnsavedDocument()) return;
  state.CurrentFileName.clear();
  UpdateTitle(L"");  // the caption alone: the taskbar title stays
  RichEdit->Document().ClearEditorText();
  state.TextModified = false;
  _StatusBar->ShowDocumentState(L"");
}

// A name that names no file is taken all the same: the text stays, and the
// next Save writes it there.
void MainForm::MM_File_OpenClick() {
  if (!SettleUnsavedDocument()) return;
  const std::optional<FileDialogResult> choice = seams_.file_dialogs->ChooseFileToOpen(
      DialogRequest(kOpenDialogTitle, kOpenDialogFilter, open_dialog_choice));
  if (!choice) return;
  open_dialog_choice = *choice;
  LoadDocument(choice->path.wstring());
  // Also when no such file exists: the name is taken, and Save writes there.
  TakeFileName(choice->path);
  state.BackupPending = false;
  _StatusBar->ShowDocumentState(L"");
}

// Leaves the status panel, the backup flag and the caption as they are.
void MainForm::MM_File_SaveClick() {
  if (state.CurrentFileName.empty()) return;
  SaveEditorText(RichEdit->Document(), state.CurrentFileName);
  state.TextModified = false;
}

void MainForm::MM_File_Save_AsClick() {
  SaveDocumentAs();
}

// The document takes the new name only once its text is written there: a
// failed save leaves the name, the caption and the taskbar title on the file
// that still holds the last saved text. Replacing another existing file is
// asked first; the answer No goes back to the dialog.
bool MainForm::SaveDocumentAs() {
  const auto replace_allowed = [this](const std::filesystem::path& path) {
    return !ReplacesAnotherFile(path, state.CurrentFileName) ||
           seams_.boxes->Show(BoxKind::Confirmation, L"Confirm", ReplaceQuestion(path),
                              BoxButtons::YesNo) == BoxAnswer::Yes;
  };
  std::optional<FileDialogResult> choice;
  do {
    choice = seams_.file_dialogs->ChooseFileToSave(
        DialogRequest(kSaveDialogTitle, kSaveDialogFilter, save_dialog_choice));
    if (!choice) return false;
    save_dialog_choice = *choice;
  } while (!replace_allowed(choice->path));
  SaveEditorText(RichEdit->Document(), choice->path);
  state.CurrentFileName = choice->path;
  state.TextModified = false;
  UpdateTitle(choice->path.wstring());
  return true;
}

void MainForm::MM_File_ExitClick() {
  PostMessageW(window_, WM_CLOSE, 0, 0);
}

bool MainForm::FormClose() {
  return CloseAllowed(state, [this] {
    return seams_.boxes->Show(BoxKind::Confirmation, L"Confirm", kCloseQuestion,
                              BoxButtons::OkCancel);
  });
}

bool MainForm::SessionMayEnd() {
  if (!state.TextModified) return true;
  // The system shows the reason while the question waits for the user.
  ShutdownBlockReasonCreate(window_, kUnsavedTextReason);
  bool allowed = false;  // a failing question keeps the text
  Dispatch([this, &allowed] { allowed = FormClose(); });
  ShutdownBlockReasonDestroy(window_);
  return allowed;
}

}  // namespace tarnpad
