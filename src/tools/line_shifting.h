#pragma once

#include <cstdint>
#include <string_view>

namespace tarnpad {

class TextDocument;

// The four indents of the context menu.
inline constexpr std::string_view kIndentTwoSpaces = "  ";
inline constexpr std::string_view kIndentFourSpaces = "    ";
inline constexpr std::string_view kIndentSixSpaces = "      ";
inline constexpr std::string_view kIndentTab = "\t";

// Both commands start at the line of the selection's end and walk upwards,
// spending the selection's length (line breaks counting 2) on each visited
// line's length after its change (breaks not counted). So a two-space indent
// of whole non-empty lines shifts exactly those lines, while other indents,
// empty lines and the outdent may stop short of the first selected line or
// run past it. Lines change only through ReplaceEditorLine.

// Puts indent in front of the caret line (also when it is empty) and of every
// non-empty line the walk reaches. Returns the number of lines changed.
std::int64_t ShiftSelectedLines(TextDocument& document, std::string_view indent);

// Takes two leading spaces off every line the walk reaches that begins with
// them; other lines stay. Returns the number of lines changed; with none, the
// selection stays as it was.
std::int64_t OutdentSelectedLines(TextDocument& document);

}  // namespace tarnpad
