#pragma once

#include <windows.h>

#include <functional>

#include "window/controls.h"
#include "window/window_base.h"

namespace tarnpad {

// A bar between two docked siblings: dragging it changes the logical size of
// `target` (the sibling docked to the same side before it), with the layout
// following live. onMoved runs once a drag that changed the size ends.
class Splitter : public Control, public WindowBase<Splitter> {
 public:
  Splitter(Panel& container, HWND target, int min_size, bool bevelled = false);
  std::function<void()> onMoved;

 private:
  friend class WindowBase<Splitter>;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void BindHandle(HWND window) { Bind(window); }
  bool Vertical() const;  // a vertical bar changes widths
  int SizeAt(POINT cursor_in_container) const;

  Panel& container_;
  HWND target_;
  int min_size_;
  bool bevelled_;
  bool dragging_ = false;
  int size_at_press_ = 0;
};

}  // namespace tarnpad
