#include "core/text_document.h"

#include <algorithm>
#include <vector>

#include "core/line_breaks.h"
#include "core/text_document_impl.h"

namespace tarnpad {

TextDocument::TextDocument() : impl_(std::make_unique<Impl>()) {}
TextDocument::~TextDocument() = default;

void TextDocument::SetListener(DocumentListener* listener) {
  impl_->SetListener(listener);
}

TextDocument::BulkEdit::BulkEdit(TextDocument& document) : document_(document) {
  document_.impl_->HoldNotifications();
}

TextDocument::BulkEdit::~BulkEdit() {
  document_.impl_->ReleaseNotifications();
}

std::int64_t TextDocument::EditorLineCount() const {
  const std::int64_t count = PhysicalLineCount();
  return impl_->Lines().LineStart(count - 1) == Length() ? count - 1 : count;
}

std::int64_t TextDocument::PhysicalLineCount() const {
  return impl_->PhysicalLineCount();
}

std::string TextDocument::EditorLine(std::int64_t i) const {
  std::string line;
  ReadEditorLine(i, line);
  return line;
}

void TextDocument::ReadEditorLine(std::int64_t i, std::string& out) const {
  out.clear();
  if (i < 0 || i >= PhysicalLineCount()) return;
  impl_->AppendRange(impl_->Lines().LineStart(i), impl_->LineEnd(i), out);
}

void TextDocument::ReplaceEditorLine(std::int64_t i, std::string_view s) {
  if (i < 0 || i >= PhysicalLineCount()) return;
  impl_->ReplaceUnrecorded(impl_->Lines().LineStart(i), impl_->LineEnd(i), NormalizeLineBreaks(s));
}

void TextDocument::ReplaceEditorLines(std::vector<LineReplacement> replacements) {
  std::erase_if(replacements, [this](const LineReplacement& r) {
    return r.line < 0 || r.line >= PhysicalLineCount();
  });
  if (replacements.empty()) return;
  impl_->ReplaceUnrecordedLines(replacements);
}

void TextDocument::DeleteEditorLine(std::int64_t i) {
  if (i < 0 || i >= PhysicalLineCount()) return;
  const Position end = i + 1 < PhysicalLineCount() ? impl_->Lines().LineStart(i + 1) : Length();
  impl_->ReplaceUnrecorded(impl_->Lines().LineStart(i), end, {});
}

Position TextDocument::Length() const {
  return impl_->Length();
}

Position TextDocument::LineStart(std::int64_t line) const {
  if (line <= 0) return 0;
  if (line >= PhysicalLineCount()) return Length();
  return impl_->Lines().LineStart(line);
}

Position TextDocument::LineEnd(std::int64_t line) const {
  return impl_->LineEnd(std::clamp<std::int64_t>(line, 0, PhysicalLineCount() - 1));
}

std::int64_t TextDocument::LineOfPosition(Position pos) const {
  return impl_->Lines().LineOfPosition(std::clamp<Position>(pos, 0, Length()));
}

char TextDocument::ByteAt(Position pos) const {
  return impl_->ByteAt(pos);
}

std::string TextDocument::TextRange(Position start, Position end) const {
  start = std::clamp<Position>(start, 0, Length());
  end = std::clamp<Position>(end, 0, Length());
  std::string text;
  if (start < end) impl_->AppendRange(start, end, text);
  return text;
}

std::string TextDocument::Text() const {
  return TextRange(0, Length());
}

void TextDocument::AppendText(std::string& out) const {
  impl_->AppendRange(0, Length(), out);
}

std::array<std::string_view, 2> TextDocument::TextParts() const {
  return impl_->RangeParts(0, Length());
}

std::array<std::string_view, 2> TextDocument::RangeParts(Position start, Position end) const {
  start = std::clamp<Position>(start, 0, Length());
  end = std::clamp<Position>(end, start, Length());
  return impl_->RangeParts(start, end);
}

Position TextDocument::Anchor() const {
  return impl_->CurrentSelection().anchor;
}
Position TextDocument::Caret() const {
  return impl_->CurrentSelection().caret;
}
Position TextDocument::SelectionStart() const {
  return impl_->SelectionStart();
}
Position TextDocument::SelectionEnd() const {
  return impl_->SelectionEnd();
}

void TextDocument::SetSelection(Position anchor, Position caret) {
  impl_->Select({anchor, caret});
}

void TextDocument::SelectAll() {
  SetSelection(0, Length());
}

tarnpad::CaretPoint TextDocument::CaretPoint() const {
  const Position end = SelectionEnd();
  const std::int64_t line = impl_->Lines().LineOfPosition(end);
  return {end - impl_->Lines().LineStart(line), line};
}

std::int64_t TextDocument::SelectionLength() const {
  return SelectionEnd() - SelectionStart();
}

std::string TextDocument::SelectionText() const {
  return TextRange(SelectionStart(), SelectionEnd());
}

void TextDocument::RewriteText(std::string text, Position caret) {
  impl_->Reload(std::move(text), TextChangeKind::Edit, caret);
}

void TextDocument::LoadText(std::string text) {
  impl_->Reload(std::move(text));
}

void TextDocument::ClearEditorText() {
  impl_->Reload({});
}

void TextDocument::TypeText(std::string_view bytes, bool overwrite) {
  std::string text = NormalizeLineBreaks(bytes);
  if (text.empty()) return;
  const Position start = SelectionStart();
  if (overwrite && start == SelectionEnd()) {
    // Typed characters take the place of as many characters of the line;
    // a line break is never overwritten.
    const auto replaced = static_cast<Position>(std::min(text.find('\r'), text.size()));
    const Position end = std::min(start + replaced, impl_->LineEnd(LineOfPosition(start)));
    impl_->ReplaceRecorded(start, end, std::move(text), true);
    return;
  }
  impl_->ReplaceSelection(std::move(text), true);
}

void TextDocument::Backspace() {
  if (SelectionLength() > 0) {
    DeleteSelection();
    return;
  }
  const Position caret = Caret();
  if (caret == 0) return;
  const Position start = caret - (ByteAt(caret - 1) == '\n' ? 2 : 1);
  impl_->ReplaceRecorded(start, caret, {}, false);
}

void TextDocument::DeleteForward() {
  if (SelectionLength() > 0) {
    DeleteSelection();
    return;
  }
  const Position caret = Caret();
  if (caret == Length()) return;
  const Position end = caret + (ByteAt(caret) == '\r' ? 2 : 1);
  impl_->ReplaceRecorded(caret, end, {}, false);
}

void TextDocument::PasteText(std::string_view bytes) {
  impl_->ReplaceSelection(NormalizeLineBreaks(bytes), false);
}

void TextDocument::DeleteSelection() {
  impl_->ReplaceSelection({}, false);
}

bool TextDocument::CanUndo() const {
  return impl_->CanUndo();
}
bool TextDocument::CanRedo() const {
  return impl_->CanRedo();
}
void TextDocument::UndoEditor() {
  impl_->Undo();
}
void TextDocument::Redo() {
  impl_->Redo();
}

}  // namespace tarnpad
