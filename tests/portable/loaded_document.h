#pragma once

#include <string>
#include <utility>

#include "core/text_document.h"

namespace tarnpad {

// A document holding text, selected from anchor to caret.
class LoadedDocument : public TextDocument {
 public:
  explicit LoadedDocument(std::string text, Position anchor = 0, Position caret = 0) {
    LoadText(std::move(text));
    SetSelection(anchor, caret);
  }
};

}  // namespace tarnpad
