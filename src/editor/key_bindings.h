#pragma once

#include <windows.h>

namespace tarnpad {

// Where a caret key takes the caret; with Shift held it drags the selection
// end along.
enum class CaretMove {
  None,
  CharLeft,
  CharRight,
  WordLeft,
  WordRight,
  LineUp,
  LineDown,
  PageUp,
  PageDown,
  LineStart,
  LineEnd,
  TextStart,
  TextEnd,
};

enum class EditorCommand {
  None,
  Undo,
  Redo,
  Cut,
  Copy,
  Paste,
  SelectAll,
  DeleteForward,
  Backspace,
  NewLine,
  ToggleOverwrite,
  ContextMenu,
  ScrollLineUp,
  ScrollLineDown,
};

struct KeyBinding {
  CaretMove move = CaretMove::None;
  EditorCommand command = EditorCommand::None;
};

// What a key does when it goes down (a key-down message; Shift+F10 arrives
// as a system key).
KeyBinding BindingForKey(UINT virtualKey, bool ctrl, bool shift);

// What a delivered control character does: Backspace, Enter and the
// Ctrl+letter shortcuts. None for every other character.
EditorCommand CommandForCharacter(wchar_t ch);

// Whether a delivered character is text to insert (tab included).
constexpr bool IsTypedCharacter(wchar_t ch) {
  return ch == L'\t' || (ch >= L' ' && ch != 0x7F);
}

}  // namespace tarnpad
