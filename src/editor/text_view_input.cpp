// The keyboard, the mouse, the wheel and the scroll bars of TextView.
#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "core/win1251.h"
#include "editor/caret_motion.h"
#include "editor/text_view.h"

namespace tarnpad {
namespace {

constexpr UINT_PTR kAutoScrollTimer = 1;
constexpr UINT kAutoScrollMilliseconds = 50;
// Columns per notch of a sideways wheel.
constexpr std::int64_t kWheelColumns = 4;

bool KeyHeld(int virtualKey) {
  return GetKeyState(virtualKey) < 0;
}

bool IsHighSurrogate(wchar_t ch) {
  return ch >= 0xD800 && ch <= 0xDBFF;
}

// Empties an optional member when the scope ends, however it ends.
template <typename T>
class ResetOnExit {
 public:
  explicit ResetOnExit(std::optional<T>& value) : value_(value) {}
  ~ResetOnExit() { value_.reset(); }
  ResetOnExit(const ResetOnExit&) = delete;
  ResetOnExit& operator=(const ResetOnExit&) = delete;

 private:
  std::optional<T>& value_;
};

bool IsVertical(CaretMove move) {
  return move == CaretMove::LineUp || move == CaretMove::LineDown || move == CaretMove::PageUp ||
         move == CaretMove::PageDown;
}

}  // namespace

void TextView::KeyDown(UINT virtualKey) {
  if (onKeyDown) onKeyDown(virtualKey);
  const bool shift = KeyHeld(VK_SHIFT);
  const KeyBinding binding = BindingForKey(virtualKey, KeyHeld(VK_CONTROL), shift);
  if (binding.move != CaretMove::None) {
    MoveCaret(binding.move, shift);
  } else {
    RunCommand(binding.command);
  }
}

void TextView::Character(wchar_t ch) {
  if (heldCharacters_) {
    *heldCharacters_ += ch;
    return;
  }
  if (onKeyPress) onKeyPress(ch);
  const EditorCommand command = CommandForCharacter(ch);
  if (command != EditorCommand::None) {
    RunCommand(command);
  } else if (IsTypedCharacter(ch)) {
    TypeCharacter(ch);
  }
}

void TextView::RunCommand(EditorCommand command) {
  const bool editable = !readOnly_;
  switch (command) {
    case EditorCommand::Undo:
      UndoEditor();
      break;
    case EditorCommand::Redo:
      Redo();
      break;
    case EditorCommand::Cut:
      CutSelection();
      break;
    case EditorCommand::Copy:
      CopySelection();
      break;
    case EditorCommand::Paste:
      PasteClipboard();
      break;
    case EditorCommand::SelectAll:
      SelectAllText();
      break;
    case EditorCommand::DeleteForward:
      if (!editable) break;
      document_.DeleteForward();
      ScrollToCaret();
      break;
    case EditorCommand::Backspace:
      if (!editable) break;
      document_.Backspace();
      ScrollToCaret();
      break;
    case EditorCommand::NewLine:
      if (!editable) break;
      document_.TypeText("\r\n");
      ScrollToCaret();
      break;
    case EditorCommand::ToggleOverwrite:
      SetOverwriteMode(editable && !overwrite_);
      break;
    case EditorCommand::ContextMenu: {
      POINT point = CaretClientPoint();
      point.y += font_.LineHeight();
      ClientToScreen(window_, &point);
      RequestContextMenu(point, true);
      break;
    }
    case EditorCommand::ScrollLineUp:
      ScrollTo(topLine_ - 1, leftColumn_);
      break;
    case EditorCommand::ScrollLineDown:
      ScrollTo(topLine_ + 1, leftColumn_);
      break;
    case EditorCommand::None:
      break;
  }
}

void TextView::TypeCharacter(wchar_t ch) {
  if (readOnly_) return;
  const std::wstring typed = CompleteCharacter(ch);
  if (typed.empty()) return;
  std::wstring held;
  const std::optional<ForeignCharacterForm> form = FormForTyped(typed, held);
  // After Cancel the held characters go nowhere either: they came in the
  // same go as the one asked about.
  if (!form) return;
  document_.TypeText(EncodeText(typed, *form), overwrite_);
  ScrollToCaret();
  if (held.empty()) return;
  heldForm_ = form;
  const ResetOnExit endReplay(heldForm_);
  for (const wchar_t heldCh : held) Character(heldCh);
}

// A character beyond the 16-bit range comes as two halves: the first waits
// for the second. A half without its partner goes in as what it is.
std::wstring TextView::CompleteCharacter(wchar_t ch) {
  std::wstring typed;
  if (pendingHighSurrogate_ != L'\0') typed += std::exchange(pendingHighSurrogate_, L'\0');
  if (IsHighSurrogate(ch)) {
    pendingHighSurrogate_ = ch;
  } else {
    typed += ch;
  }
  return typed;
}

std::optional<ForeignCharacterForm> TextView::FormForTyped(std::wstring_view typed,
                                                           std::wstring& held) {
  if (heldForm_) return heldForm_;
  heldCharacters_.emplace();
  const ResetOnExit endHolding(heldCharacters_);
  const std::optional<ForeignCharacterForm> form = FormFor(typed);
  held = std::move(*heldCharacters_);
  return form;
}

void TextView::MoveCaret(CaretMove move, bool extend) {
  if (move == CaretMove::PageUp || move == CaretMove::PageDown) {
    // The view goes along, so the caret keeps its row on the screen.
    const std::int64_t page = PageLines();
    ScrollTo(topLine_ + (move == CaretMove::PageUp ? -page : page), leftColumn_);
  }
  const Position target = MoveTarget(move, extend);
  movingVertically_ = IsVertical(move);
  document_.SetSelection(extend ? document_.Anchor() : target, target);
  movingVertically_ = false;
  ScrollToCaret();
}

Position TextView::MoveTarget(CaretMove move, bool extend) {
  const Position caret = document_.Caret();
  // Without Shift, Left and Right first collapse a selection to its edge.
  const bool collapse = !extend && document_.SelectionLength() > 0;
  switch (move) {
    case CaretMove::CharLeft:
      return collapse ? document_.SelectionStart() : PreviousCharacter(document_, caret);
    case CaretMove::CharRight:
      return collapse ? document_.SelectionEnd() : NextCharacter(document_, caret);
    case CaretMove::WordLeft:
      return PreviousWordStart(document_, caret);
    case CaretMove::WordRight:
      return NextWordStart(document_, caret);
    case CaretMove::LineUp:
      return VerticalTarget(-1);
    case CaretMove::LineDown:
      return VerticalTarget(1);
    case CaretMove::PageUp:
      return VerticalTarget(-PageLines());
    case CaretMove::PageDown:
      return VerticalTarget(PageLines());
    case CaretMove::LineStart:
      return document_.LineStart(document_.LineOfPosition(caret));
    case CaretMove::LineEnd:
      return document_.LineEnd(document_.LineOfPosition(caret));
    case CaretMove::TextStart:
      return 0;
    case CaretMove::TextEnd:
      return document_.Length();
    case CaretMove::None:
      break;
  }
  return caret;
}

Position TextView::VerticalTarget(std::int64_t lines) {
  const Position caret = document_.Caret();
  if (goalColumn_ < 0) goalColumn_ = columns_.ColumnOf(caret);
  const std::int64_t line = std::clamp<std::int64_t>(document_.LineOfPosition(caret) + lines, 0,
                                                     document_.PhysicalLineCount() - 1);
  return columns_.PositionAt(line, goalColumn_);
}

void TextView::ButtonDown(POINT client, bool doubleClick) {
  SetFocus(window_);
  if (doubleClick) {
    // The character under the pointer, not the nearest edge.
    const POINT left{client.x - font_.CharWidth() / 2, client.y};
    const auto [start, end] = WordAround(document_, PositionFromPoint(left));
    document_.SetSelection(start, end);
    ScrollToCaret();
    return;
  }
  const Position pos = PositionFromPoint(client);
  document_.SetSelection(KeyHeld(VK_SHIFT) ? document_.Anchor() : pos, pos);
  ScrollToCaret();
  dragging_ = true;
  SetCapture(window_);
}

void TextView::MouseMove(POINT client) {
  if (!dragging_) return;
  document_.SetSelection(document_.Anchor(), PositionFromPoint(client));
  ScrollToCaret();
  // Outside the window the view keeps scrolling towards the pointer while
  // the button is held, faster the farther away it is.
  RECT area;
  GetClientRect(window_, &area);
  if (PtInRect(&area, client)) {
    KillTimer(window_, kAutoScrollTimer);
  } else {
    SetTimer(window_, kAutoScrollTimer, kAutoScrollMilliseconds, nullptr);
  }
}

void TextView::AutoScroll() {
  POINT pointer;
  GetCursorPos(&pointer);
  ScreenToClient(window_, &pointer);
  MouseMove(pointer);
}

void TextView::StopDragging() {
  if (!dragging_) return;
  dragging_ = false;
  KillTimer(window_, kAutoScrollTimer);
  ReleaseCapture();
}

void TextView::Wheel(int delta, bool horizontal) {
  wheelRemainder_ += delta;
  const int notches = wheelRemainder_ / WHEEL_DELTA;
  if (notches == 0) return;
  wheelRemainder_ -= notches * WHEEL_DELTA;
  if (horizontal) {
    ScrollTo(topLine_, leftColumn_ - notches * kWheelColumns);
    return;
  }
  UINT linesPerNotch = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &linesPerNotch, 0);
  const std::int64_t step = linesPerNotch == WHEEL_PAGESCROLL ? PageLines() : linesPerNotch;
  ScrollTo(topLine_ - notches * step, leftColumn_);
}

void TextView::ScrollBar(int bar, int request) {
  const bool vertical = bar == SB_VERT;
  const std::int64_t page = vertical ? PageLines() : PageColumns();
  std::int64_t pos = vertical ? topLine_ : leftColumn_;
  switch (request) {
    case SB_LINEUP:
      pos -= 1;
      break;
    case SB_LINEDOWN:
      pos += 1;
      break;
    case SB_PAGEUP:
      pos -= page;
      break;
    case SB_PAGEDOWN:
      pos += page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      // The 32-bit position; the message itself carries only 16 bits.
      SCROLLINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(window_, bar, &info);
      pos = info.nTrackPos;
      break;
    }
    case SB_TOP:
      pos = 0;
      break;
    case SB_BOTTOM:
      pos = vertical ? MaxTopLine() : MaxLeftColumn();
      break;
    default:
      return;
  }
  if (vertical) {
    ScrollTo(pos, leftColumn_);
  } else {
    ScrollTo(topLine_, pos);
  }
}

void TextView::RequestContextMenu(POINT screen, bool fromKeyboard) {
  if (onContextMenu) onContextMenu(screen, fromKeyboard);
}

}  // namespace tarnpad
