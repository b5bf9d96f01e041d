#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <map>
#include <memory>
#include <type_traits>
#include <vector>

#include "window/controls.h"
#include "window/glyphs_win.h"

namespace tarnpad {

struct ImageListDeleter {
  void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
using UniqueImageList = std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter>;

// The tool bar: flat picture buttons that run a command and never take the
// keyboard focus. Pictures and sizes follow the dpi of the bar's screen.
class ToolButtonBar : public Control {
 public:
  ToolButtonBar(HWND parent, int button_logical_width, int button_logical_height);
  void AddButton(UINT id, Glyph picture, std::function<void()> on_click);
  void AddSeparator(int logical_width);
  int ImageSize() const { return image_size_; }
  // Draws the pictures and sizes the buttons for dpi anew.
  void SetDpi(int dpi);
  void OnCommand(WORD code, WORD id) override;

 private:
  // The pictures for the current dpi, one per button in order.
  UniqueImageList DrawImages(int size) const;

  int button_width_;   // 96-dpi pixels
  int button_height_;  // 96-dpi pixels
  int image_size_ = 0;
  std::vector<Glyph> pictures_;
  UniqueImageList images_;  // the bar shows them but does not own them
  std::map<UINT, std::function<void()>> clicks_;
};

}  // namespace tarnpad
