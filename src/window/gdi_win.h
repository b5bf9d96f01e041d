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

// The font the system uses for message boxes, sized for dpi.
UniqueFont CreateMessageFont(int dpi);

}  // namespace tarnpad
