// Binding the editor's text to a file: loading a document.
#include <filesystem>

#include "core/document_file.h"
#include "editor/text_view.h"
#include "ui/main_form.h"

namespace tarnpad {

void MainForm::LoadDocument(const std::wstring& path) {
  std::error_code error;
  if (path.empty() || !std::filesystem::is_regular_file(std::filesystem::path(path), error)) {
    return;
  }
  // The caption names the file only once its text is in the editor, so a
  // file that cannot be read leaves the caption on the document still shown.
  LoadEditorText(RichEdit->Document(), path);
  state.CurrentFileName = path;
  state.TextModified = false;
  EnableMenuItem(menus.bar, kCmdFileSave, MF_BYCOMMAND | MF_ENABLED);
  UpdateTitle(path);
}

}  // namespace tarnpad

namespace tarnpad {

void MainForm::MM_File_CreateClick() {}
void MainForm::MM_File_OpenClick() {}
void MainForm::MM_File_SaveClick() {}
void MainForm::MM_File_Save_AsClick() {}
void MainForm::MM_File_ExitClick() {
  PostMessageW(window_, WM_CLOSE, 0, 0);
}
bool MainForm::FormClose() {
  return true;
}
void MainForm::Backup_TimerTimer() {}
void MainForm::MM_File_DORN_RenewClick() {}

}  // namespace tarnpad
