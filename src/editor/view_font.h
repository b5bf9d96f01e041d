#pragma once

#include <windows.h>

#include "window/gdi_win.h"

namespace tarnpad {

// The editor's font: "Lucida Console", 13 pixels high at 96 dpi, Russian
// character set; where the system lacks it, another monospaced face. Text is
// drawn on a grid of CharWidth() cells whatever the face's own advances.
class ViewFont {
 public:
  explicit ViewFont(int dpi);

  HFONT Handle() const { return font_.get(); }
  int CharWidth() const { return charWidth_; }
  int LineHeight() const { return lineHeight_; }

 private:
  UniqueFont font_;
  int charWidth_ = 8;
  int lineHeight_ = 13;
};

}  // namespace tarnpad
