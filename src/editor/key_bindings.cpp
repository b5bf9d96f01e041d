#include "editor/key_bindings.h"

namespace tarnpad {
namespace {

constexpr wchar_t CtrlLetter(char letter) {
  return static_cast<wchar_t>(letter - 'A' + 1);
}

}  // namespace

KeyBinding BindingForKey(UINT virtualKey, bool ctrl, bool shift) {
  switch (virtualKey) {
    case VK_LEFT:
      return {ctrl ? CaretMove::WordLeft : CaretMove::CharLeft};
    case VK_RIGHT:
      return {ctrl ? CaretMove::WordRight : CaretMove::CharRight};
    case VK_UP:
      return ctrl ? KeyBinding{CaretMove::None, EditorCommand::ScrollLineUp}
                  : KeyBinding{CaretMove::LineUp};
    case VK_DOWN:
      return ctrl ? KeyBinding{CaretMove::None, EditorCommand::ScrollLineDown}
                  : KeyBinding{CaretMove::LineDown};
    case VK_PRIOR:
      return {CaretMove::PageUp};
    case VK_NEXT:
      return {CaretMove::PageDown};
    case VK_HOME:
      return {ctrl ? CaretMove::TextStart : CaretMove::LineStart};
    case VK_END:
      return {ctrl ? CaretMove::TextEnd : CaretMove::LineEnd};
    case VK_DELETE:
      return {CaretMove::None, shift ? EditorCommand::Cut : EditorCommand::DeleteForward};
    case VK_INSERT:
      if (ctrl) return {CaretMove::None, EditorCommand::Copy};
      return {CaretMove::None, shift ? EditorCommand::Paste : EditorCommand::ToggleOverwrite};
    case VK_APPS:
      return {CaretMove::None, EditorCommand::ContextMenu};
    case VK_F10:
      return {CaretMove::None, shift ? EditorCommand::ContextMenu : EditorCommand::None};
    default:
      return {};
  }
}

EditorCommand CommandForCharacter(wchar_t ch) {
  switch (ch) {
    case L'\b':
      return EditorCommand::Backspace;
    case L'\r':
    case L'\n':  // Ctrl+Enter
      return EditorCommand::NewLine;
    case CtrlLetter('A'):
      return EditorCommand::SelectAll;
    case CtrlLetter('C'):
      return EditorCommand::Copy;
    case CtrlLetter('V'):
      return EditorCommand::Paste;
    case CtrlLetter('X'):
      return EditorCommand::Cut;
    case CtrlLetter('Y'):
      return EditorCommand::Redo;
    case CtrlLetter('Z'):
      return EditorCommand::Undo;
    default:
      return EditorCommand::None;
  }
}

}  // namespace tarnpad
