#include "window/splitter.h"

#include <windowsx.h>

#include <algorithm>

#include "window/dpi.h"
#include "window/gdi_win.h"

namespace tarnpad {
namespace {
constexpr wchar_t kSplitterClass[] = L"TarnpadSplitter";
}

Splitter::Splitter(Panel& container, HWND target, int min_size, bool bevelled)
    : container_(container), target_(target), min_size_(min_size), bevelled_(bevelled) {
  WindowClass window_class;
  window_class.name = kSplitterClass;
  window_class.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  CreateBound(window_class, 0, WS_CHILD | WS_VISIBLE, L"", {}, container.Handle(), nullptr);
}

bool Splitter::Vertical() const {
  const Dock dock = container_.Layout().DockOf(target_);
  return dock == Dock::Left || dock == Dock::Right;
}

int Splitter::ReachAt(POINT cursor) const {
  RECT target;
  GetWindowRect(target_, &target);
  MapWindowPoints(nullptr, container_.Handle(), reinterpret_cast<POINT*>(&target), 2);
  int physical = 0;
  switch (container_.Layout().DockOf(target_)) {
    case Dock::Left:
      physical = cursor.x - target.left;
      break;
    case Dock::Right:
      physical = target.right - cursor.x;
      break;
    case Dock::Top:
      physical = cursor.y - target.top;
      break;
    case Dock::Bottom:
      physical = target.bottom - cursor.y;
      break;
    default:
      break;
  }
  return physical;
}

int Splitter::SizeAt(POINT cursor) const {
  const int physical = ReachAt(cursor) - grab_offset_;
  RECT client;
  GetClientRect(container_.Handle(), &client);
  const int available = Vertical() ? client.right : client.bottom;
  const int dpi = WindowDpi(container_.Handle());
  return std::clamp(Unscale(physical, dpi), min_size_,
                    std::max(min_size_, Unscale(available, dpi)));
}

LRESULT Splitter::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, Vertical() ? IDC_SIZEWE : IDC_SIZENS));
      return TRUE;
    case WM_LBUTTONDOWN: {
      dragging_ = true;
      size_at_press_ = container_.Layout().Size(target_);
      // Where in the bar it was grabbed stays under the cursor: a press
      // without a move changes nothing.
      POINT cursor{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      MapWindowPoints(handle_, container_.Handle(), &cursor, 1);
      RECT target;
      GetWindowRect(target_, &target);
      const int shown = Vertical() ? target.right - target.left : target.bottom - target.top;
      grab_offset_ = ReachAt(cursor) - shown;
      SetCapture(handle_);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (dragging_) {
        POINT cursor{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
        MapWindowPoints(handle_, container_.Handle(), &cursor, 1);
        const int size = SizeAt(cursor);
        if (size != container_.Layout().Size(target_)) {
          container_.Layout().SetSize(target_, size);
          container_.Relayout();
          UpdateWindow(container_.Handle());
        }
      }
      return 0;
    case WM_LBUTTONUP:
      if (dragging_) ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED:
      if (dragging_) {
        dragging_ = false;
        if (onMoved && container_.Layout().Size(target_) != size_at_press_) onMoved();
      }
      return 0;
    case WM_PAINT: {
      const PaintScope paint(handle_);
      RECT client;
      GetClientRect(handle_, &client);
      FillRect(paint.dc(), &client, GetSysColorBrush(COLOR_BTNFACE));
      if (bevelled_) DrawEdge(paint.dc(), &client, BDR_RAISEDINNER, BF_RECT);
      return 0;
    }
    default:
      return DefWindowProcW(handle_, message, wparam, lparam);
  }
}

}  // namespace tarnpad
