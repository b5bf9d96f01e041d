#pragma once

#include <windows.h>

namespace tarnpad {

// The editor's font: "Lucida Console", 13 pixels high at 96 dpi, Russian
// character set; where the system lacks it, another monospaced face. Text is
// drawn on a grid of CharWidth() cells whatever the face's own advances.
class ViewFont {
 public:
  ViewFont();
  ~ViewFont();
  ViewFont(const ViewFont&) = delete;
  ViewFont& operator=(const ViewFont&) = delete;

  HFONT Handle() const { return font_; }
  int CharWidth() const { return charWidth_; }
  int LineHeight() const { return lineHeight_; }

 private:
  HFONT font_ = nullptr;
  int charWidth_ = 8;
  int lineHeight_ = 13;
};

}  // namespace tarnpad
