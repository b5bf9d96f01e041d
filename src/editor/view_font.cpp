#include "editor/view_font.h"

namespace tarnpad {
namespace {

constexpr int kDesignHeight = 13;  // pixels at 96 dpi

}  // namespace

ViewFont::ViewFont(int dpi) : font_(CreateMonospacedFont(L"Lucida Console", kDesignHeight, dpi)) {
  HDC screen = GetDC(nullptr);
  TEXTMETRICW metrics{};
  {
    const SelectionScope selected(screen, font_.get());
    GetTextMetricsW(screen, &metrics);
  }
  ReleaseDC(nullptr, screen);
  charWidth_ = metrics.tmAveCharWidth > 0 ? metrics.tmAveCharWidth : charWidth_;
  lineHeight_ = metrics.tmHeight > 0 ? metrics.tmHeight : lineHeight_;
}

}  // namespace tarnpad
