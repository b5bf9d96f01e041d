#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/text_document.h"
#include "core/win1251.h"
#include "editor/clipboard.h"
#include "editor/key_bindings.h"
#include "editor/line_columns.h"
#include "editor/view_font.h"
#include "window/window_base.h"

namespace tarnpad {

struct TextViewArgs {
  HWND parent = nullptr;
  RECT bounds{};
  int id = 0;
  bool readOnly = false;
  // The text to show and edit; when null the view keeps a document of its own.
  TextDocument* document = nullptr;
};

// The edit control: a child window that shows a TextDocument and edits it
// with the keyboard, the mouse, the wheel and the clipboard. It never wraps;
// both scroll bars follow the text. The document tells the view about every
// change, so whatever changes the document, the view follows it.
class TextView final : public WindowBase<TextView>, private DocumentListener {
 public:
  explicit TextView(const TextViewArgs& args);
  ~TextView() override;
  TextView(const TextView&) = delete;
  TextView& operator=(const TextView&) = delete;

  HWND Handle() const { return window_; }
  TextDocument& Document() { return document_; }
  const TextDocument& Document() const { return document_; }

  // Events to the owner. A key press comes for every delivered character
  // (Backspace, Enter, Tab and Ctrl+letters too) before the view acts on it;
  // the owner cannot change or swallow it. The selection event comes from
  // inside whatever moved the caret or the selection, before that returns;
  // scrolling raises none. A context menu request carries screen coordinates:
  // the mouse, or the caret when it came from the keyboard.
  std::function<void(wchar_t ch)> onKeyPress;
  std::function<void(UINT virtualKey)> onKeyDown;
  std::function<void(UINT virtualKey)> onKeyUp;
  std::function<void()> onSelectionChanged;
  // The text changed through an edit, whatever made it (a key, the mouse, a
  // command, undo); loading and clearing the whole text are no edits. Comes
  // from inside the change, before the view's own work and the selection
  // event, so the owner learns of it even when something later fails.
  std::function<void()> onTextEdited;
  std::function<void(POINT screen, bool fromKeyboard)> onContextMenu;
  // Text about to go in (a paste, a typed character, a replacement) holds
  // count characters that have no Windows-1251 byte: the owner says in which
  // form they go in, or nothing to leave the text as it is. Without an owner
  // they go in as "?".
  std::function<std::optional<ForeignCharacterForm>(std::size_t count)> onForeignCharacters;

  // text as the bytes to put into the document, its foreign characters in
  // the form the owner chooses; nothing when the owner cancels.
  std::optional<std::string> BytesToInsert(std::wstring_view text);

  // Editing commands, as the keys run them. In read-only mode the ones that
  // would change the text do nothing.
  void UndoEditor();
  void Redo();
  void CutSelection();
  void CopySelection();
  void PasteClipboard();
  void DeleteSelection();
  void SelectAllText();

  // Makes line the first visible line, or scrolls as far down as the text
  // allows. The caret, the selection, the horizontal scroll and the focus
  // stay as they are.
  void ScrollLineToTop(std::int64_t line);
  std::int64_t FirstVisibleLine() const { return topLine_; }
  std::int64_t FirstVisibleColumn() const { return leftColumn_; }

  // The screen's dpi changed: the font follows it, and the view with it.
  void SetDpi(int dpi);
  int LineHeight() const { return font_.LineHeight(); }

  // Typing replaces the character after the caret; the Insert key flips it.
  bool OverwriteMode() const { return overwrite_; }
  void SetOverwriteMode(bool overwrite);
  std::function<void()> onOverwriteChanged;

 private:
  friend class WindowBase<TextView>;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void BindHandle(HWND window) { window_ = window; }

  // DocumentListener
  void SelectionChanged() override;
  void TextChanged(TextChangeKind kind) override;
  void TextAboutToChange() override;

  // Painting and geometry (text_view.cpp).
  void Paint();
  void Resize();
  std::int64_t PageLines() const;
  std::int64_t PageColumns() const;
  std::int64_t MaxTopLine() const;
  std::int64_t MaxLeftColumn() const;
  void NoteWidth(std::int64_t columns);
  struct ScrollBarState {
    int max = -1;
    UINT page = 0;
    int pos = -1;
    friend bool operator==(const ScrollBarState&, const ScrollBarState&) = default;
  };
  void UpdateScrollBars();
  void SetBar(int bar, ScrollBarState& shown, const ScrollBarState& wanted);
  void ScrollTo(std::int64_t topLine, std::int64_t leftColumn);
  void ScrollToCaret();
  void PlaceCaret();
  void ShowOwnCaret();
  POINT CaretClientPoint();
  Position PositionFromPoint(POINT client);

  // Keyboard, mouse and scroll bars (text_view_input.cpp).
  void KeyDown(UINT virtualKey);
  void Character(wchar_t ch);
  void RunCommand(EditorCommand command);
  void MoveCaret(CaretMove move, bool extend);
  Position MoveTarget(CaretMove move, bool extend);
  Position VerticalTarget(std::int64_t lines);
  void TypeCharacter(wchar_t ch);
  std::wstring CompleteCharacter(wchar_t ch);
  std::optional<ForeignCharacterForm> FormFor(std::wstring_view text);
  std::optional<ForeignCharacterForm> FormForTyped(std::wstring_view typed, std::wstring& held);
  void ButtonDown(POINT client, bool doubleClick);
  void MouseMove(POINT client);
  void StopDragging();
  void AutoScroll();
  void Wheel(int delta, bool horizontal);
  void ScrollBar(int bar, int request);
  void RequestContextMenu(POINT screen, bool fromKeyboard);

  std::unique_ptr<TextDocument> ownDocument_;
  TextDocument& document_;
  LineColumns columns_;
  ViewFont font_;
  HWND window_ = nullptr;  // while the window exists
  bool readOnly_ = false;
  bool overwrite_ = false;

  std::int64_t topLine_ = 0;
  std::int64_t leftColumn_ = 0;
  // At least the width of every line painted or measured since the text was
  // last loaded; it only grows while the text is edited.
  std::int64_t widest_ = 0;
  // The column that vertical caret moves aim for, kept across short lines;
  // -1 when the next vertical move takes it from the caret.
  std::int64_t goalColumn_ = -1;
  bool movingVertically_ = false;  // keeps goalColumn_ through the move
  // What each scroll bar shows: an unchanged bar is not set again, since
  // redrawing one takes milliseconds.
  ScrollBarState verticalBar_;
  ScrollBarState horizontalBar_;
  int wheelRemainder_ = 0;
  bool dragging_ = false;
  wchar_t pendingHighSurrogate_ = 0;
  // While the question about typed foreign characters is open, the
  // characters that arrive meanwhile (the rest of an input method's text)
  // wait here for its answer.
  std::optional<std::wstring> heldCharacters_;
  // While the held characters go in: the answer they take without asking.
  std::optional<ForeignCharacterForm> heldForm_;
  // A long selection copied: the clipboard asks for its text later.
  DelayedClipboardText delayedCopy_;
};

}  // namespace tarnpad
