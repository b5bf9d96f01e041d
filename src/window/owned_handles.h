#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace tarnpad {

// A top-level window of the program's own making (a tooltip, say) that goes
// with its owner object; child windows go with their parent.
struct WindowDeleter {
  void operator()(HWND window) const { DestroyWindow(window); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;

// Menus and accelerator tables that free themselves. A menu on a window's
// menu bar belongs to that window and is not held by one of these.
struct MenuDeleter {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

struct AcceleratorsDeleter {
  void operator()(HACCEL table) const { DestroyAcceleratorTable(table); }
};
using UniqueAccelerators = std::unique_ptr<std::remove_pointer_t<HACCEL>, AcceleratorsDeleter>;

}  // namespace tarnpad
