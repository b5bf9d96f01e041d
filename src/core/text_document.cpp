#include "core/text_document.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "core/gap_buffer.h"
#include "core/line_breaks.h"
#include "core/line_index.h"
#include "core/undo_history.h"

namespace tarnpad {

class TextDocument::Impl {
 public:
  Position Length() const { return bytes_.Length(); }
  std::int64_t PhysicalLineCount() const { return lines_.LineCount(); }
  const LineIndex& Lines() const { return lines_; }
  const Selection& CurrentSelection() const { return selection_; }
  Position SelectionStart() const { return std::min(selection_.anchor, selection_.caret); }
  Position SelectionEnd() const { return std::max(selection_.anchor, selection_.caret); }

  char ByteAt(Position pos) const { return pos >= 0 && pos < Length() ? bytes_.At(pos) : '\0'; }

  // [start, end) must lie within the text.
  void AppendRange(Position start, Position end, std::string& out) const {
    bytes_.AppendRange(start, end, out);
  }

  // Inside [0, Length()] and never between the CR and the LF of a pair.
  Position Clamp(Position pos) const {
    if (pos <= 0) return 0;
    if (pos >= Length()) return Length();
    return bytes_.At(pos) == '\n' ? pos - 1 : pos;
  }

  // Where the characters of line end: before its break, or at the end of the
  // text for the last line. 0 <= line < PhysicalLineCount().
  Position LineEnd(std::int64_t line) const {
    return line + 1 < PhysicalLineCount() ? lines_.LineStart(line + 1) - 2 : Length();
  }

  void SetListener(DocumentListener* listener) { listener_ = listener; }

  void HoldNotifications() { ++holds_; }
  void ReleaseNotifications() {
    if (--holds_ > 0) return;
    const std::optional<TextChangeKind> text = std::exchange(held_text_, std::nullopt);
    if (text) NotifyText(*text);
    if (std::exchange(held_selection_, false)) NotifySelection();
  }

  void Select(Selection selection) {
    selection = {Clamp(selection.anchor), Clamp(selection.caret)};
    if (selection == selection_) return;
    selection_ = selection;
    history_.CloseTypingGroup();
    NotifySelection();
  }

  // The whole text becomes text. Callers pass normalised text; a stray lone
  // break would still be made a pair here, at the cost of one scan.
  void Reload(std::string text) {
    NormalizeLineBreaksInPlace(text);
    lines_.Reset(text);
    bytes_.Adopt(std::move(text));
    selection_ = {};
    history_.Clear();
    NotifyText(TextChangeKind::Reload);
    NotifySelection();
  }

  // A change the user cannot undo: older steps would no longer fit the text.
  // Replacing bytes by the same bytes changes nothing and forgets nothing;
  // only the caret moves.
  void ReplaceUnrecorded(Position start, Position end, std::string_view text) {
    const Position caret = start + static_cast<Position>(text.size());
    if (SameBytes(start, end, text)) {
      Select({caret, caret});
      return;
    }
    ReserveFor(start, end, text);
    history_.Clear();
    ReplaceRange(start, end, text, {caret, caret});
  }

  // Several unrecorded line changes, in ascending order of line, as one:
  // either all of them happen or, on failure, none. Each replaces the
  // characters of its line, so it adds exactly the breaks of its text.
  void ReplaceUnrecordedLines(std::vector<LineReplacement>& changes) {
    std::int64_t bytes_added = 0;
    std::int64_t lines_added = 0;
    for (LineReplacement& change : changes) {
      NormalizeLineBreaksInPlace(change.text);
      const Position length = LineEnd(change.line) - lines_.LineStart(change.line);
      bytes_added += std::max<Position>(0, static_cast<Position>(change.text.size()) - length);
      lines_added += LineIndex::LineFeeds(change.text);
    }
    bytes_.Reserve(bytes_added);
    lines_.Reserve(lines_added);

    // Nothing below allocates. The listener hears of it all once.
    HoldNotifications();
    history_.Clear();
    std::int64_t shift = 0;  // lines added by the changes before this one
    for (const LineReplacement& change : changes) {
      const std::int64_t line = change.line + shift;
      const Position start = lines_.LineStart(line);
      const Position end = LineEnd(line);
      const Position caret = start + static_cast<Position>(change.text.size());
      lines_.ReplacedInLine(line, start, end, change.text);
      ReplaceBytes(start, end, change.text, {caret, caret});
      shift += LineIndex::LineFeeds(change.text);
    }
    ReleaseNotifications();
  }

  // A change the user can undo; text is normalised. The caret ends after it.
  // Bytes replaced by the same bytes make no step: only the caret moves.
  void ReplaceRecorded(Position start, Position end, std::string text, bool typing) {
    const Position caret = start + static_cast<Position>(text.size());
    if (SameBytes(start, end, text)) {
      Select({caret, caret});
      return;
    }
    ReserveFor(start, end, text);
    std::string removed;
    AppendRange(start, end, removed);
    history_.Record({start, std::move(removed), text, selection_, {caret, caret}, typing});
    ReplaceRange(start, end, text, {caret, caret});
  }

  void ReplaceSelection(std::string text, bool typing) {
    if (text.empty() && SelectionStart() == SelectionEnd()) return;
    ReplaceRecorded(SelectionStart(), SelectionEnd(), std::move(text), typing);
  }

  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }

  void Undo() {
    if (!history_.CanUndo()) return;
    const UndoStep& step = history_.NextUndo();
    const Position end = step.position + static_cast<Position>(step.inserted.size());
    ReserveFor(step.position, end, step.removed);
    ReplaceRange(step.position, end, step.removed, step.before);
    history_.Undone();
  }

  void Redo() {
    if (!history_.CanRedo()) return;
    const UndoStep& step = history_.NextRedo();
    const Position end = step.position + static_cast<Position>(step.removed.size());
    ReserveFor(step.position, end, step.inserted);
    ReplaceRange(step.position, end, step.inserted, step.after);
    history_.Redone();
  }

 private:
  bool SameBytes(Position start, Position end, std::string_view text) const {
    if (end - start != static_cast<Position>(text.size())) return false;
    for (Position i = start; i < end; ++i) {
      if (bytes_.At(i) != text[static_cast<std::size_t>(i - start)]) return false;
    }
    return true;
  }

  // Makes the room that ReplaceRange(start, end, text) needs, so that it
  // cannot fail: an edit does everything that can fail (allocation) first,
  // and a failure leaves the text, the index, the selection and the history
  // as they were.
  void ReserveFor(Position start, Position end, std::string_view text) {
    bytes_.Reserve(static_cast<Position>(text.size()) - (end - start));
    lines_.Reserve(lines_.LinesAdded(start, end, text));
  }

  // Every edit of the text passes here, so the line index and the listener
  // always follow it. start and end lie on pair boundaries and text is
  // normalised, which keeps every break in the text a CR LF pair. Does not
  // fail once ReserveFor made room; only the listener may throw, after the
  // change.
  void ReplaceRange(Position start, Position end, std::string_view text, Selection after) {
    lines_.Replaced(start, end, text);
    ReplaceBytes(start, end, text, after);
  }

  // ReplaceRange once the line index has followed.
  void ReplaceBytes(Position start, Position end, std::string_view text, Selection after) {
    bytes_.Delete(start, end - start);
    bytes_.Insert(start, text.data(), static_cast<std::int64_t>(text.size()));
    selection_ = after;
    if (start != end || !text.empty()) NotifyText(TextChangeKind::Edit);
    NotifySelection();
  }

  void NotifyText(TextChangeKind kind) {
    if (holds_ > 0) {
      if (held_text_ != TextChangeKind::Reload) held_text_ = kind;
    } else if (listener_ != nullptr) {
      listener_->TextChanged(kind);
    }
  }
  void NotifySelection() {
    if (holds_ > 0) {
      held_selection_ = true;
    } else if (listener_ != nullptr) {
      listener_->SelectionChanged();
    }
  }

  GapBuffer<std::string> bytes_;
  LineIndex lines_;      // always describes bytes_
  Selection selection_;  // clamped to the text, never inside a pair
  UndoHistory history_;
  DocumentListener* listener_ = nullptr;
  int holds_ = 0;  // live BulkEdits
  // What the listener has yet to hear when the last BulkEdit ends.
  std::optional<TextChangeKind> held_text_;
  bool held_selection_ = false;
};

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
