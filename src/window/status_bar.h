#pragma once

#include <array>
#include <string>

#include "window/controls.h"

namespace tarnpad {

// The status bar's seven text panels, addressed 0 to 6.
class StatusBar : public Control {
 public:
  static constexpr int kPanelCount = 7;
  explicit StatusBar(HWND parent);
  void SetPanelText(int index, const std::wstring& text);
  const std::wstring& PanelText(int index) const;
  // Lays the panels out again (after a resize or a change of resolution).
  void UpdatePanels();

 private:
  void ShowPanel(int index);  // hands the kept text to the control
  std::array<std::wstring, kPanelCount> texts_;
};

}  // namespace tarnpad
