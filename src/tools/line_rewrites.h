#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnpad {

class TextDocument;

// The PHP echo statement that prints line: "echo '", the line trimmed of
// blanks and control characters at both ends, "'.$br;". Nothing inside is
// escaped.
std::string EchoForm(std::string_view line);

// Replaces the caret line and the lines above it that the upward walk of the
// line shifting commands reaches (each visited line counted by its echo form)
// with their echo forms, empty lines included. Returns the number of lines
// changed. Not undoable.
std::int64_t FrameSelectedLinesInEcho(TextDocument& document);

// Over the whole document: deletes every line that is blank or whose first
// non-blank character is "#", and trims blanks and control characters off
// both ends of every other line. Only lines that change are rewritten; when
// any line changes, the caret ends where the last rewrite or deletion of a
// full pass would leave it (after the last line, or where the deleted last
// line began). Returns the number of lines changed or deleted. Not undoable.
std::int64_t StripComments(TextDocument& document);

}  // namespace tarnpad
