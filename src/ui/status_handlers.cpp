// The editor's four events and the status bar panels they keep current.
#include "editor/text_view.h"
#include "ui/main_form.h"

namespace tarnpad {

void MainForm::RichEditSelectionChange() {
  _StatusBar->ShowCaret(RichEdit->Document());
}

void MainForm::RichEditKeyPress(wchar_t) {
  MarkTextEdited();
}

void MainForm::MarkTextEdited() {
  state.TextModified = true;
  state.BackupPending = true;
  _StatusBar->ShowDocumentState(L"Изменён");
}

void MainForm::RichEditKeyUp(UINT) {
  _StatusBar->ShowInsertMode(seams_.shell->InsertKeyState());
}

void MainForm::RichEditKeyDown(UINT) {}

}  // namespace tarnpad
