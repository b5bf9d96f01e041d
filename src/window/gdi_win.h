#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace tarnpad {

// GDI objects that delete themselves.
struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using UniquePen = std::unique_ptr<std::remove_pointer_t<HPEN>, GdiObjectDeleter>;

// A WM_PAINT's drawing: EndPaint runs however the painting ends.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

  HDC dc() const { return dc_; }
  const RECT& Area() const { return paint_.rcPaint; }  // what needs painting

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// An object selected into a device context until the scope ends.
class SelectionScope {
 public:
  SelectionScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectionScope() { SelectObject(dc_, previous_); }
  SelectionScope(const SelectionScope&) = delete;
  SelectionScope& operator=(const SelectionScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// The font the system uses for message boxes, sized for dpi.
UniqueFont CreateMessageFont(int dpi);

// A monospaced font with Russian letters, character height logical_height
// (96-dpi pixels) scaled for dpi: the preferred face, or where the system
// lacks it (or maps it to a proportional one) the first monospaced face of
// "Courier New", "Consolas" and whatever the font mapper finds.
UniqueFont CreateMonospacedFont(const wchar_t* preferred, int logical_height, int dpi);

}  // namespace tarnpad
