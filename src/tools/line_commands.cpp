// Line shifting and the two irreversible rewrites, on the selected lines or
// the whole document.
#include <string_view>

#include "core/text_document.h"
#include "editor/text_view.h"
#include "tools/line_rewrites.h"
#include "tools/line_shifting.h"
#include "ui/main_form.h"

namespace tarnpad {
namespace {

// Indenting hands the keyboard to the editor, so typing goes on in the
// shifted lines; outdenting leaves the focus where it was.
void IndentSelectedLines(MainForm& form, std::string_view indent) {
  ShiftSelectedLines(form.RichEdit->Document(), indent);
  SetFocus(form.RichEdit->Handle());
}

}  // namespace

void MainForm::N210Click() {
  OutdentSelectedLines(RichEdit->Document());
}

void MainForm::N40Click() {
  IndentSelectedLines(*this, kIndentTwoSpaces);
}

void MainForm::N41Click() {
  IndentSelectedLines(*this, kIndentFourSpaces);
}

void MainForm::N61Click() {
  IndentSelectedLines(*this, kIndentSixSpaces);
}

void MainForm::N42Click() {
  IndentSelectedLines(*this, kIndentTab);
}

void MainForm::echobr1Click() {
  FrameSelectedLinesInEcho(RichEdit->Document());
}

void MainForm::PHP1Click() {
  StripComments(RichEdit->Document());
}

}  // namespace tarnpad
