#pragma once

#include <utility>

#include "core/text_document.h"

namespace tarnpad {

// Caret steps that need only the text: a CR LF pair is one step, and a word
// is a run of letters (Latin or Cyrillic), digits and underscores, or a run
// of other visible characters; spaces and tabs separate them.
Position NextCharacter(const TextDocument& document, Position pos);
Position PreviousCharacter(const TextDocument& document, Position pos);
// The start of the next word, or of the next line when the line ends first.
Position NextWordStart(const TextDocument& document, Position pos);
// The start of the word before pos, or the end of the previous line when pos
// is at the start of its line.
Position PreviousWordStart(const TextDocument& document, Position pos);
// The word, run of spaces or run of other characters at pos, within its
// line (the run before pos at the end of the line); empty on an empty line.
std::pair<Position, Position> WordAround(const TextDocument& document, Position pos);

}  // namespace tarnpad
