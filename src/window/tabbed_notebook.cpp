#include "window/tabbed_notebook.h"

#include <commctrl.h>
#include <windowsx.h>

#include <stdexcept>

namespace tarnpad {

TabbedNotebook::TabbedNotebook(HWND parent, const std::vector<std::wstring>& captions)
    : Panel(parent), captions_(captions) {
  tabs_ = CreateChild(WC_TABCONTROLW, handle_, WS_CLIPSIBLINGS);
  Layout().Add(tabs_, Dock::Client, 0);
  for (size_t i = 0; i < captions_.size(); ++i) {
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = captions_[i].data();
    SendMessageW(tabs_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    auto page = std::make_unique<Panel>(handle_);
    SetWindowPos(page->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    page->Show(i == 0);
    pages_.push_back(std::move(page));
  }
  Subclass(tabs_, [this](HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return HandleTabMessage(window, message, wparam, lparam);
  });
  onResized = [this] { PlacePages(); };
}

void TabbedNotebook::PlacePages() {
  RECT display;
  GetClientRect(tabs_, &display);
  SendMessageW(tabs_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  for (auto& page : pages_) {
    SetWindowPos(page->Handle(), HWND_TOP, display.left, display.top,
                 std::max<LONG>(display.right - display.left, 0),
                 std::max<LONG>(display.bottom - display.top, 0), SWP_NOACTIVATE);
  }
}

std::wstring TabbedNotebook::ActiveCaption() const {
  return captions_.at(static_cast<size_t>(active_));
}

void TabbedNotebook::SelectIndex(int index) {
  if (index < 0 || index >= static_cast<int>(captions_.size()) || index == active_) return;
  if (onChange) onChange(index);
  pages_[static_cast<size_t>(active_)]->Show(false);
  active_ = index;
  SendMessageW(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  pages_[static_cast<size_t>(active_)]->Show(true);
}

bool TabbedNotebook::SelectByCaption(const std::wstring& caption) {
  for (size_t i = 0; i < captions_.size(); ++i) {
    if (captions_[i] == caption) {
      SelectIndex(static_cast<int>(i));
      return true;
    }
  }
  return false;
}

void TabbedNotebook::SetTabFont(HFONT font) {
  SendMessageW(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  PlacePages();
}

LRESULT TabbedNotebook::HandleTabMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // The switch is ours, so the change event comes before it and the tab
      // row never takes the focus.
      TCHITTESTINFO hit{};
      hit.pt = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      const int index =
          static_cast<int>(SendMessageW(window, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
      if (index >= 0) {
        SelectIndex(index);
        if (onClick) onClick();
      }
      return 0;
    }
    default:
      break;
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

PageContainer::PageContainer(HWND parent) : Panel(parent) {}

Panel& PageContainer::AddPage(const std::wstring& name) {
  auto page = std::make_unique<Panel>(handle_, name.c_str());
  Layout().Add(page->Handle(), Dock::Client, 0);
  page->Show(pages_.empty());
  if (pages_.empty()) active_ = name;
  pages_.emplace_back(name, std::move(page));
  return *pages_.back().second;
}

void PageContainer::ShowPage(const std::wstring& name) {
  for (auto& [page_name, page] : pages_) page->Show(page_name == name);
  active_ = name;
}

Panel& PageContainer::Page(const std::wstring& name) {
  for (auto& [page_name, page] : pages_) {
    if (page_name == name) return *page;
  }
  throw std::out_of_range("no page of that name");
}

}  // namespace tarnpad
