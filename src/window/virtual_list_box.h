#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "window/controls.h"

namespace tarnpad {

// A list box for very many items: the system list box keeps only their count
// and the wrapper draws each visible item from its own texts, so filling it
// costs no more than handing over the texts.
class VirtualListBox : public ListBox {
 public:
  explicit VirtualListBox(HWND parent, bool takes_tab_stop = true);
  // Also gives the items the font's height, as a plain list box does; a
  // later SetItemHeight overrides it.
  void SetFont(HFONT font) override;
  void Clear() override;
  void Add(const std::wstring& item) override;
  void SetItems(std::vector<std::wstring> items) override;
  std::wstring Item(int index) const override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

 private:
  void PaintText(const DRAWITEMSTRUCT& item) const;

  std::vector<std::wstring> items_;  // items_.size() always equals the list box's count
};

}  // namespace tarnpad
