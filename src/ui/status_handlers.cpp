// The editor's four events and the status bar panels they keep current.
#include "core/text_document.h"
#include "editor/text_view.h"
#include "shell/status_texts.h"
#include "ui/main_form.h"

namespace tarnpad {

void MainForm::RichEditSelectionChange() {
  const CaretPanelTexts texts = CaretPanels(RichEdit->Document());
  _StatusBar->SetPanelText(0, texts.position);
  _StatusBar->SetPanelText(1, texts.line);
  _StatusBar->SetPanelText(3, texts.selection);
}

void MainForm::RichEditKeyPress(wchar_t) {
  MarkTextEdited();
}

void MainForm::MarkTextEdited() {
  state.TextModified = true;
  state.BackupPending = true;
  _StatusBar->SetPanelText(2, L"Изменён");
}

void MainForm::RichEditKeyUp(UINT) {
  _StatusBar->SetPanelText(5, seams_.shell->InsertKeyState() ? L"Вставка" : L"Замена");
}

void MainForm::RichEditKeyDown(UINT) {}

}  // namespace tarnpad
