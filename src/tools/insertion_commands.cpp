// Insertion at the caret: the two drop-downs, the guillemet button, the
// password generators, and the tools strip that shows their group.
#include "core/text_document.h"
#include "editor/text_view.h"
#include "tools/caret_insertion.h"
#include "tools/insertion_items.h"
#include "tools/passwords.h"
#include "ui/main_form.h"

namespace tarnpad {

void MainForm::InsertionItemClick(UINT id) {
  const InsertionItem& item = id >= kCmdSymbolFirst ? kSymbolItems.at(id - kCmdSymbolFirst)
                                                    : kEscapeItems.at(id - kCmdEscapeFirst);
  InsertAtCaret(RichEdit->Document(), item.opening, item.closing);
}

void MainForm::SpeedButton1Click() {
  WrapInGuillemets(RichEdit->Document());
}

void MainForm::N59Click() {
  InsertAtCaret(RichEdit->Document(), ComplexPassword(*seams_.random), "");
}

void MainForm::N60Click() {
  InsertAtCaret(RichEdit->Document(), SimplePassword(*seams_.random), "");
}

void MainForm::N55Click() {
  _ToolsNotebook->ShowPage(L"PasswordsGenerator");
  SetToolsNotebookHeight(_ToolsNotebook->Page(L"PasswordsGenerator")
                             .Layout()
                             .Size(PasswordsGenerator_GroupBox->Handle()));
}

void MainForm::N57Click() {
  SetToolsNotebookHeight(0);
}

}  // namespace tarnpad
