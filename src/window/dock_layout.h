#pragma once

#include <windows.h>

#include <vector>

namespace tarnpad {

enum class Dock { None, Top, Bottom, Left, Right, Client };

// Places the children of one container: docked children take their logical
// size from an edge of what is left, in the order top, bottom, left, right,
// client (each side in the order the children were added); undocked children
// keep a fixed logical rectangle.
class DockLayout {
 public:
  void Add(HWND child, Dock dock, int logical_size);
  void AddFixed(HWND child, int left, int top, int width, int height);
  void SetSize(HWND child, int logical_size);
  int Size(HWND child) const;
  Dock DockOf(HWND child) const;
  void Arrange(const RECT& client, int dpi) const;

 private:
  struct Item {
    HWND child;
    Dock dock;
    int size;    // width for left/right, height for top/bottom (logical)
    RECT fixed;  // logical rectangle of an undocked child
  };
  const Item* Find(HWND child) const;
  Item* Find(HWND child);
  std::vector<Item> items_;
};

}  // namespace tarnpad
