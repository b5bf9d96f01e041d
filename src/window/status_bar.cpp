#include "window/status_bar.h"

#include <commctrl.h>

#include "window/dpi.h"

namespace tarnpad {
namespace {

constexpr std::array<int, StatusBar::kPanelCount> kPanelWidths = {70, 70, 80, 150, 80, 80, 50};
constexpr int kCentredPanel = 4;

}  // namespace

StatusBar::StatusBar(HWND parent) {
  Attach(CreateChild(STATUSCLASSNAMEW, parent, CCS_NORESIZE | CCS_NOPARENTALIGN | SBARS_SIZEGRIP));
  UpdatePanels();
}

void StatusBar::UpdatePanels() {
  const int dpi = WindowDpi(handle_);
  std::array<int, kPanelCount> right_edges{};
  int edge = 0;
  for (int i = 0; i < kPanelCount; ++i) {
    edge += Scale(kPanelWidths[static_cast<size_t>(i)], dpi);
    right_edges[static_cast<size_t>(i)] = edge;
  }
  right_edges.back() = -1;  // the last panel stretches to the right edge
  SendMessageW(handle_, SB_SETPARTS, kPanelCount, reinterpret_cast<LPARAM>(right_edges.data()));
  for (int i = 0; i < kPanelCount; ++i) ShowPanel(i);
}

void StatusBar::SetPanelText(int index, const std::wstring& text) {
  if (index < 0 || index >= kPanelCount) return;
  // Every edit and every key writes panel 2 again; a panel that already
  // shows the text is left alone.
  if (texts_[static_cast<size_t>(index)] == text) return;
  texts_[static_cast<size_t>(index)] = text;
  ShowPanel(index);
}

void StatusBar::ShowPanel(int index) {
  // A panel shows one line: line breaks and tabs inside the text (a
  // selection may hold them) are shown as spaces. A leading tab centres a
  // panel's text.
  std::wstring shown = texts_[static_cast<size_t>(index)];
  for (wchar_t& ch : shown) {
    if (ch == L'\r' || ch == L'\n' || ch == L'\t') ch = L' ';
  }
  if (index == kCentredPanel) shown.insert(0, 1, L'\t');
  SendMessageW(handle_, SB_SETTEXTW, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(shown.c_str()));
}

const std::wstring& StatusBar::PanelText(int index) const {
  return texts_.at(static_cast<size_t>(index));
}

}  // namespace tarnpad
