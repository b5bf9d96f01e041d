#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarnpad {

// A position in the text: a 0-based byte offset, each CR LF counting 2.
using Position = std::int64_t;

// The point where the selection ends (the caret when nothing is selected).
struct CaretPoint {
  std::int64_t Column = 0;
  std::int64_t Line = 0;
  friend bool operator==(const CaretPoint&, const CaretPoint&) = default;
};

enum class TextChangeKind {
  Reload,  // the whole text was replaced (load) or removed (clear)
  Edit,    // part of the text changed
};

// What a view of the document (or a test) hears from it. The calls come
// synchronously from inside the operation that caused them, before it returns.
class DocumentListener {
 public:
  virtual ~DocumentListener() = default;
  virtual void SelectionChanged() = 0;
  virtual void TextChanged(TextChangeKind kind) = 0;
  // Before anything changes the text or moves its bytes, even inside a
  // BulkEdit: the runs that TextParts and RangeParts gave stop being valid
  // when this returns, so whoever still reads them finishes here. Must not
  // throw.
  virtual void TextAboutToChange() {}
};

struct LineReplacement {
  std::int64_t line = 0;
  std::string text;
};

// The editor's text: Windows-1251 bytes, one byte per character, exactly as in
// the file. Every line break inside the document is the pair CR LF; a lone CR
// or LF never exists in it (inserted text is normalised, and a position never
// falls between the CR and the LF of a pair).
//
// The operations named as the editor operations of the program keep those
// names. An index outside the text gives the empty text or does nothing.
//
// Every change is whole or nothing: when one fails (no memory), the text, the
// line index, the selection and the undo history stay exactly as they were,
// and the listener hears nothing.
class TextDocument {
 public:
  TextDocument();
  ~TextDocument();
  TextDocument(const TextDocument&) = delete;
  TextDocument& operator=(const TextDocument&) = delete;

  void SetListener(DocumentListener* listener);

  // While one lives, the listener hears nothing; when the outermost one ends,
  // it hears once of what changed meanwhile: the text (as a reload when any
  // of the changes was one), then the selection. For commands that rewrite
  // many lines, whose single steps nobody gets to see.
  class BulkEdit {
   public:
    explicit BulkEdit(TextDocument& document);
    ~BulkEdit();
    BulkEdit(const BulkEdit&) = delete;
    BulkEdit& operator=(const BulkEdit&) = delete;

   private:
    TextDocument& document_;
  };

  // --- Line access ---------------------------------------------------------
  // Physical lines, minus one when the last physical line is empty.
  std::int64_t EditorLineCount() const;
  // Physical lines: the number of line breaks plus one.
  std::int64_t PhysicalLineCount() const;
  // Text of physical line i without its break; empty when i is out of range.
  std::string EditorLine(std::int64_t i) const;
  // Same as EditorLine, into a caller's buffer (for loops over every line).
  void ReadEditorLine(std::int64_t i, std::string& out) const;
  // Not recorded for undo; empties the undo history. Afterwards nothing is
  // selected and the caret stands after the inserted text.
  void ReplaceEditorLine(std::int64_t i, std::string_view s);
  void DeleteEditorLine(std::int64_t i);
  // ReplaceEditorLine for several lines at once, as one change: either all
  // happen or, when one fails, none. Lines are numbered as before the call,
  // ascending, each at most once; indices outside the text are skipped.
  void ReplaceEditorLines(std::vector<LineReplacement> replacements);

  // --- Positions -----------------------------------------------------------
  Position Length() const;
  Position LineStart(std::int64_t line) const;  // clamped to the text
  Position LineEnd(std::int64_t line) const;    // before the line's break
  std::int64_t LineOfPosition(Position pos) const;
  char ByteAt(Position pos) const;  // 0 outside the text
  std::string TextRange(Position start, Position end) const;
  std::string Text() const;  // the whole text
  // Appends the whole text to out, within the room out already has when
  // that suffices.
  void AppendText(std::string& out) const;
  // The whole text as two runs, in order, valid until the next change: what
  // a save writes without copying the text first.
  std::array<std::string_view, 2> TextParts() const;
  // The same for the bytes [start, end), clamped to the text.
  std::array<std::string_view, 2> RangeParts(Position start, Position end) const;

  // --- Selection -----------------------------------------------------------
  // The anchor stays put while the caret moves; start/end are their minimum
  // and maximum. Positions are clamped and never split a CR LF pair.
  Position Anchor() const;
  Position Caret() const;
  Position SelectionStart() const;
  Position SelectionEnd() const;
  void SetSelection(Position anchor, Position caret);
  void SetCaret(Position pos) { SetSelection(pos, pos); }
  void SelectAll();  // caret at the end
  tarnpad::CaretPoint CaretPoint() const;
  std::int64_t SelectionLength() const;
  std::string SelectionText() const;

  // --- Whole text ----------------------------------------------------------
  // Replaces the whole text with already normalised bytes (every break
  // CR LF); caret at 0, history emptied, TextChanged(Reload).
  void LoadText(std::string text);
  void ClearEditorText();
  // Replaces the whole text with normalised bytes that the caller worked out
  // from it, such as a replacement in every line: not recorded for undo (the
  // history is emptied), and heard as an edit, so views keep their place.
  // Nothing is selected afterwards; the caret stands at caret.
  void RewriteText(std::string text, Position caret);

  // --- Recorded edits (the user's own) --------------------------------------
  // Typing: replaces the selection, or in overwrite mode the character under
  // the caret (never a line break). Consecutive typed characters form one
  // undo step.
  void TypeText(std::string_view bytes, bool overwrite = false);
  void Backspace();      // the selection, or the character (or CR LF) before
  void DeleteForward();  // the selection, or the character (or CR LF) after
  // Paste: replaces the selection with text whose breaks of any kind
  // become CR LF; the caret ends after it.
  void PasteText(std::string_view bytes);
  void DeleteSelection();  // also the removing half of Cut
  bool CanUndo() const;
  bool CanRedo() const;
  void UndoEditor();
  void Redo();

 private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace tarnpad
