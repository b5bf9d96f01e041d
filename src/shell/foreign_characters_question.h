#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/win1251.h"
#include "shell/seams.h"

namespace tarnpad {

// The question asked before text with characters that have no Windows-1251
// byte goes into the document: how many there are, and the three answers.
std::wstring ForeignCharactersQuestion(std::size_t count);
ChoiceCaptions ForeignCharactersChoices();

// Asks it: the form the characters go in, or nothing when the user cancels.
std::optional<ForeignCharacterForm> AskForeignCharacterForm(MessageBoxes& boxes, std::size_t count);

}  // namespace tarnpad
