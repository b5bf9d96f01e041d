#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <map>

#include "window/controls.h"

namespace tarnpad {

// The tool bar: flat picture buttons that run a command and never take the
// keyboard focus.
class ToolButtonBar : public Control {
 public:
  ToolButtonBar(HWND parent, int button_logical_width, int button_logical_height);
  ~ToolButtonBar() override;
  // picture: a 32-bit bitmap with alpha, ImageSize() square.
  void AddButton(UINT id, HBITMAP picture, std::function<void()> on_click);
  int ImageSize() const { return image_size_; }
  void AddSeparator(int logical_width);
  void OnCommand(WORD code, WORD id) override;

 private:
  HIMAGELIST images_ = nullptr;
  int image_size_ = 0;
  std::map<UINT, std::function<void()>> clicks_;
};

}  // namespace tarnpad
