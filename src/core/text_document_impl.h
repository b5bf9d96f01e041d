#pragma once

// The document's state behind TextDocument: the bytes, their line index, the
// selection and the undo history, and the one bottleneck every edit passes
// through. Only text_document.cpp includes this file.

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/gap_buffer.h"
#include "core/line_breaks.h"
#include "core/line_index.h"
#include "core/text_document.h"
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
  // 0 <= start <= end <= Length().
  std::array<std::string_view, 2> RangeParts(Position start, Position end) const {
    const auto [before, before_length] = bytes_.Before();
    const auto [after, after_length] = bytes_.After();
    const auto run = [](const char* data, Position from, Position to) {
      return to > from ? std::string_view(data + from, static_cast<std::size_t>(to - from))
                       : std::string_view();
    };
    return {run(before, start, std::min(end, before_length)),
            run(after, std::max<Position>(start - before_length, 0), end - before_length)};
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

  // The whole text becomes text, with the caret at caret; the listener hears
  // of it as kind. Callers pass normalised text; a stray lone break would
  // still be made a pair here, at the cost of one scan.
  void Reload(std::string text, TextChangeKind kind = TextChangeKind::Reload, Position caret = 0) {
    AboutToChange();
    NormalizeLineBreaksInPlace(text);
    lines_.Reset(text);
    bytes_.Adopt(std::move(text));
    caret = Clamp(caret);
    selection_ = {caret, caret};
    history_.Clear();
    NotifyText(kind);
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
    AboutToChange();
    const LineIndex::Span span = ReserveFor(start, end, text);
    history_.Clear();
    ReplaceRange(span, start, end, text, {caret, caret});
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
    AboutToChange();
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
      ReplaceRange({line, line}, start, end, change.text, {caret, caret});
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
    AboutToChange();
    const LineIndex::Span span = ReserveFor(start, end, text);
    std::string removed;
    AppendRange(start, end, removed);
    history_.Record({start, std::move(removed), text, selection_, {caret, caret}, typing});
    ReplaceRange(span, start, end, text, {caret, caret});
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
    PutBack(step.position, step.inserted.size(), step.removed, step.before);
    history_.Undone();
  }

  void Redo() {
    if (!history_.CanRedo()) return;
    const UndoStep& step = history_.NextRedo();
    PutBack(step.position, step.removed.size(), step.inserted, step.after);
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

  // Makes the room that replacing [start, end) by text needs, so that
  // ReplaceRange cannot fail: an edit does everything that can fail
  // (allocation) first, and a failure leaves the text, the index, the
  // selection and the history as they were. Returns the range's lines.
  LineIndex::Span ReserveFor(Position start, Position end, std::string_view text) {
    const LineIndex::Span span = lines_.SpanOf(start, end);
    bytes_.Reserve(static_cast<Position>(text.size()) - (end - start));
    lines_.Reserve(LineIndex::LineFeeds(text) - span.Breaks());
    return span;
  }

  // An undo or redo step's text back in place of the length bytes at pos.
  void PutBack(Position pos, std::size_t length, std::string_view text, Selection selection) {
    const Position end = pos + static_cast<Position>(length);
    AboutToChange();
    ReplaceRange(ReserveFor(pos, end, text), pos, end, text, selection);
  }

  // Every edit of the text passes here, so the line index and the listener
  // always follow it. start and end lie on pair boundaries and text is
  // normalised, which keeps every break in the text a CR LF pair. Does not
  // fail once ReserveFor made room; only the listener may throw, after the
  // change.
  void ReplaceRange(LineIndex::Span span, Position start, Position end, std::string_view text,
                    Selection after) {
    lines_.Replaced(span, start, end, text);
    bytes_.Delete(start, end - start);
    bytes_.Insert(start, text.data(), static_cast<std::int64_t>(text.size()));
    selection_ = after;
    if (start != end || !text.empty()) NotifyText(TextChangeKind::Edit);
    NotifySelection();
  }

  // Not held back by a BulkEdit: readers of the runs must stop now.
  void AboutToChange() {
    if (listener_ != nullptr) listener_->TextAboutToChange();
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

}  // namespace tarnpad
