// The commands that work on the editor's text: insertion at the caret, the
// password generators, line shifting, the two irreversible rewrites, search
// by line, and the editing commands of the editor's context menu.
#include "core/text_document.h"
#include "core/win1251.h"
#include "editor/text_view.h"
#include "tools/caret_insertion.h"
#include "tools/insertion_items.h"
#include "tools/line_rewrites.h"
#include "tools/line_shifting.h"
#include "tools/passwords.h"
#include "tools/search_replace.h"
#include "tools/tools_panel.h"
#include "ui/main_form.h"
#include "window/tabbed_notebook.h"

namespace tarnpad {
namespace {

// Indenting hands the keyboard to the editor, so typing goes on in the
// shifted lines; outdenting leaves the focus where it was.
void IndentSelectedLines(TextView& editor, std::string_view indent) {
  ShiftSelectedLines(editor.Document(), indent);
  SetFocus(editor.Handle());
}

}  // namespace

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
  SetToolsStripHeight(_ToolsNotebook->Page(L"PasswordsGenerator")
                          .Layout()
                          .Size(PasswordsGenerator_GroupBox->Handle()));
}

void MainForm::N57Click() {
  SetToolsStripHeight(0);
}

void MainForm::N210Click() {
  OutdentSelectedLines(RichEdit->Document());
}

void MainForm::N40Click() {
  IndentSelectedLines(*RichEdit, kIndentTwoSpaces);
}

void MainForm::N41Click() {
  IndentSelectedLines(*RichEdit, kIndentFourSpaces);
}

void MainForm::N61Click() {
  IndentSelectedLines(*RichEdit, kIndentSixSpaces);
}

void MainForm::N42Click() {
  IndentSelectedLines(*RichEdit, kIndentTab);
}

void MainForm::echobr1Click() {
  FrameSelectedLinesInEcho(RichEdit->Document());
}

void MainForm::PHP1Click() {
  StripComments(RichEdit->Document());
}

void MainForm::N3Click() {
  const std::optional<std::wstring> entered =
      seams_.boxes->InputBox(L"Поиск текста", L"Введите строку поиска", L"");
  if (!entered || entered->empty()) return;
  const std::optional<std::string> text = SearchableBytes(*entered);
  const std::optional<std::int64_t> hit =
      text ? FindLineContaining(RichEdit->Document(), *text, 0) : std::nullopt;
  if (!hit) {
    seams_.boxes->Show(BoxKind::Plain, TaskbarTitle(), L"Ничего не найдено", BoxButtons::Ok);
    return;
  }
  RichEdit->ScrollLineToTop(*hit);
}

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
  tools_->ShowInNotepad(DecodeText(RichEdit->Document().SelectionText()) + L"\r\n");
}

}  // namespace tarnpad
