#pragma once

#include <windows.h>

#include <functional>

#include "window/controls.h"
#include "window/window_base.h"

namespace tarnpad {

// The design thickness of every splitter bar, in 96-dpi pixels.
inline constexpr int kSplitterThickness = 3;

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
  // How far the cursor reaches from the target's far edge, physical pixels.
  int ReachAt(POINT cursor_in_container) const;
  // The target's logical size that puts the grabbed point of the bar under
  // the cursor.
  int SizeAt(POINT cursor_in_container) const;

  Panel& container_;
  HWND target_;
  int min_size_;
  bool bevelled_;
  bool dragging_ = false;
  int size_at_press_ = 0;
  int grab_offset_ = 0;  // physical pixels from the target's edge to the grabbed point
};

}  // namespace tarnpad
