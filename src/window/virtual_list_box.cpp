#include "window/virtual_list_box.h"

#include <cstddef>
#include <utility>

namespace tarnpad {

VirtualListBox::VirtualListBox(HWND parent, bool takes_tab_stop)
    : ListBox(parent, takes_tab_stop, LBS_NODATA | LBS_OWNERDRAWFIXED) {}

void VirtualListBox::SetFont(HFONT font) {
  ListBox::SetFont(font);
  HDC dc = GetDC(handle_);
  HGDIOBJ old_font = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old_font);
  ReleaseDC(handle_, dc);
  SetItemHeight(metrics.tmHeight);
}

void VirtualListBox::Clear() {
  items_.clear();
  ListBox::Clear();
}

void VirtualListBox::Add(const std::wstring& item) {
  items_.push_back(item);
  SendMessageW(handle_, LB_SETCOUNT, items_.size(), 0);
}

void VirtualListBox::SetItems(std::vector<std::wstring> items) {
  SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
  Clear();
  items_ = std::move(items);
  SendMessageW(handle_, LB_SETCOUNT, items_.size(), 0);
  SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(handle_, nullptr, TRUE);
}

std::wstring VirtualListBox::Item(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) return {};
  return items_[static_cast<std::size_t>(index)];
}

bool VirtualListBox::OnDrawItem(const DRAWITEMSTRUCT& item) {
  // The focus rectangle is drawn inverting, so a change of focus alone only
  // toggles it.
  if (item.itemAction != ODA_FOCUS) PaintText(item);
  if (item.itemAction == ODA_FOCUS || (item.itemState & ODS_FOCUS) != 0) {
    DrawFocusRect(item.hDC, &item.rcItem);
  }
  return true;
}

void VirtualListBox::PaintText(const DRAWITEMSTRUCT& item) const {
  if (item.itemID >= items_.size()) return;
  const std::wstring& text = items_[item.itemID];
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  HDC dc = item.hDC;
  auto* font = reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0));
  HGDIOBJ old_font = font ? SelectObject(dc, font) : nullptr;
  SetTextColor(dc, GetSysColor(disabled   ? COLOR_GRAYTEXT
                               : selected ? COLOR_HIGHLIGHTTEXT
                                          : COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  ExtTextOutW(dc, item.rcItem.left + 1, item.rcItem.top, ETO_OPAQUE | ETO_CLIPPED, &item.rcItem,
              text.c_str(), static_cast<UINT>(text.size()), nullptr);
  if (old_font) SelectObject(dc, old_font);
}

}  // namespace tarnpad
