// The editing commands of the editor's context menu and the notepad on the
// tools panel.
#include <string>

#include "core/text_document.h"
#include "core/win1251.h"
#include "editor/text_view.h"
#include "navigation/panel_rules.h"
#include "ui/main_form.h"

namespace tarnpad {

void MainForm::N44Click() {
  RichEdit->UndoEditor();
}

void MainForm::N6541Click() {
  RichEdit->CutSelection();
}

void MainForm::N36Click() {
  RichEdit->CopySelection();
}

void MainForm::N37Click() {
  RichEdit->PasteClipboard();
}

void MainForm::N38Click() {
  RichEdit->DeleteSelection();
}

void MainForm::N50Click() {
  Memo1->SetText(DecodeText(RichEdit->Document().SelectionText()) + L"\r\n");
  if (ToolsPanelHeight() == kToolsCollapsedHeight) SetToolsPanelHeight(kToolsExpandedHeight);
  TabbedNotebook1->SelectByCaption(L"Блокнот");
}

void MainForm::Button3Click() {
  Memo1->SetText(L"");
}

void MainForm::Button4Click() {
  Memo1->SelectAll();
}

}  // namespace tarnpad
