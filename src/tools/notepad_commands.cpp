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
  const bool changes = RichEdit->Document().CanUndo();
  RichEdit->UndoEditor();
  if (changes) MarkTextEdited();
}

void MainForm::N6541Click() {
  const bool changes = RichEdit->Document().SelectionLength() > 0;
  RichEdit->CutSelection();
  if (changes) MarkTextEdited();
}

void MainForm::N36Click() {
  RichEdit->CopySelection();
}

void MainForm::N37Click() {
  const TextDocument& document = RichEdit->Document();
  const Position start = document.SelectionStart();
  const std::string replaced = document.SelectionText();
  const Position length = document.Length();
  RichEdit->PasteClipboard();
  // A paste leaves nothing selected and the caret after what it put in; a
  // selection still standing means the clipboard held no text. Pasting the
  // very text that was selected changes nothing.
  if (document.SelectionLength() > 0) return;
  if (document.Length() != length || document.TextRange(start, document.Caret()) != replaced) {
    MarkTextEdited();
  }
}

void MainForm::N38Click() {
  const bool changes = RichEdit->Document().SelectionLength() > 0;
  RichEdit->DeleteSelection();
  if (changes) MarkTextEdited();
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
