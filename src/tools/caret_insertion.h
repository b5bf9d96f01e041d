#pragma once

#include <string_view>

namespace tarnpad {

class TextDocument;

// Puts opening in front of the selected characters and closing after them,
// or both at the caret when nothing is selected. The line that holds the
// selection's end (the caret line) is rebuilt whole through
// ReplaceEditorLine; a selection that starts on an earlier line also gets
// its first line rebuilt, with opening in front of the first selected
// character. No other character moves. Afterwards nothing is selected and
// the caret stands at the end of the caret line. Both texts are single-line
// Windows-1251 text. Returns whether the text changed.
bool InsertAtCaret(TextDocument& document, std::string_view opening, std::string_view closing);

// The guillemet command of the symbol drop-down and the tool bar.
bool WrapInGuillemets(TextDocument& document);

}  // namespace tarnpad
