#include "window/dock_layout.h"

#include <algorithm>

#include "window/dpi.h"

namespace tarnpad {

void DockLayout::Add(HWND child, Dock dock, int logical_size) {
  items_.push_back({child, dock, logical_size, {}});
}

void DockLayout::AddFixed(HWND child, int left, int top, int width, int height) {
  items_.push_back({child, Dock::None, 0, {left, top, left + width, top + height}});
}

const DockLayout::Item* DockLayout::Find(HWND child) const {
  for (const Item& item : items_) {
    if (item.child == child) return &item;
  }
  return nullptr;
}

DockLayout::Item* DockLayout::Find(HWND child) {
  for (Item& item : items_) {
    if (item.child == child) return &item;
  }
  return nullptr;
}

void DockLayout::SetSize(HWND child, int logical_size) {
  if (Item* item = Find(child)) item->size = logical_size;
}

int DockLayout::Size(HWND child) const {
  const Item* item = Find(child);
  return item ? item->size : 0;
}

Dock DockLayout::DockOf(HWND child) const {
  const Item* item = Find(child);
  return item ? item->dock : Dock::None;
}

namespace {

// Where child stands, in its parent's client coordinates.
RECT PlacedAt(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

void DockLayout::Arrange(const RECT& client, int dpi) const {
  RECT rest = client;
  HDWP batch = BeginDeferWindowPos(static_cast<int>(items_.size()));
  auto place = [&](HWND child, int x, int y, int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    // Moving a window to where it is still costs the system a round of
    // messages; a layout that changes one size leaves most windows alone.
    if (PlacedAt(child) == RECT{x, y, x + width, y + height}) return;
    if (batch) {
      batch =
          DeferWindowPos(batch, child, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
      SetWindowPos(child, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
  };
  for (Dock side : {Dock::Top, Dock::Bottom, Dock::Left, Dock::Right, Dock::Client}) {
    for (const Item& item : items_) {
      if (item.dock != side) continue;
      const int width = rest.right - rest.left;
      const int height = rest.bottom - rest.top;
      const int size = Scale(item.size, dpi);
      switch (side) {
        case Dock::Top: {
          const int h = std::min(size, std::max(height, 0));
          place(item.child, rest.left, rest.top, width, h);
          rest.top += h;
          break;
        }
        case Dock::Bottom: {
          const int h = std::min(size, std::max(height, 0));
          place(item.child, rest.left, rest.bottom - h, width, h);
          rest.bottom -= h;
          break;
        }
        case Dock::Left: {
          const int w = std::min(size, std::max(width, 0));
          place(item.child, rest.left, rest.top, w, height);
          rest.left += w;
          break;
        }
        case Dock::Right: {
          const int w = std::min(size, std::max(width, 0));
          place(item.child, rest.right - w, rest.top, w, height);
          rest.right -= w;
          break;
        }
        case Dock::Client:
          place(item.child, rest.left, rest.top, width, height);
          break;
        case Dock::None:
          break;
      }
    }
  }
  for (const Item& item : items_) {
    if (item.dock != Dock::None) continue;
    place(item.child, Scale(item.fixed.left, dpi), Scale(item.fixed.top, dpi),
          Scale(item.fixed.right - item.fixed.left, dpi),
          Scale(item.fixed.bottom - item.fixed.top, dpi));
  }
  if (batch) EndDeferWindowPos(batch);
}

}  // namespace tarnpad
