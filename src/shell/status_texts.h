#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnpad {

class TextDocument;

// The texts of the status bar's panels that follow the caret and the
// selection.
struct CaretPanelTexts {
  std::wstring position;   // panel 0: "x=" column ":" length of the caret line
  std::wstring line;       // panel 1: "y=" line ":" line count
  std::wstring selection;  // panel 3
};

// At most this many selected characters are shown after the count; the
// count itself is always exact, so a huge selection costs no more than a
// small one.
constexpr std::int64_t kShownSelectionCharacters = 1000;

CaretPanelTexts CaretPanels(const TextDocument& document);

}  // namespace tarnpad
