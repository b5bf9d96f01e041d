#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "window/controls.h"

namespace tarnpad {

// A row of tabs over pages. Two events, kept apart: onChange runs before a
// switch of the active tab with the new index (whatever caused the switch);
// onClick runs after any mouse click on the tab row, the active tab
// included, once the switch it caused is done. The tab row never takes the
// keyboard focus.
class TabbedNotebook : public Panel {
 public:
  TabbedNotebook(HWND parent, const std::vector<std::wstring>& captions);

  std::function<void(int new_index)> onChange;
  std::function<void()> onClick;

  Panel& Page(int index) { return *pages_.at(static_cast<size_t>(index)); }
  int ActiveIndex() const { return active_; }
  std::wstring ActiveCaption() const;
  // Switches to the tab with this caption (running onChange when the active
  // tab changes); false when there is no such tab.
  bool SelectByCaption(const std::wstring& caption);
  void SelectIndex(int index);
  void SetTabFont(HFONT font);

 private:
  LRESULT HandleTabMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void PlacePages();

  HWND tabs_ = nullptr;
  std::vector<std::wstring> captions_;
  std::vector<std::unique_ptr<Panel>> pages_;
  int active_ = 0;
};

// Pages without tabs, one shown at a time, chosen by name.
class PageContainer : public Panel {
 public:
  explicit PageContainer(HWND parent);
  Panel& AddPage(const std::wstring& name);
  void ShowPage(const std::wstring& name);
  Panel& Page(const std::wstring& name);
  const std::wstring& ActivePage() const { return active_; }

 private:
  std::vector<std::pair<std::wstring, std::unique_ptr<Panel>>> pages_;
  std::wstring active_;
};

}  // namespace tarnpad
