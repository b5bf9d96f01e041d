#include "window/gdi_win.h"

#include "window/dpi.h"

namespace tarnpad {
UniqueFont CreateMessageFont(int dpi) {
  // Present from Windows 10 on.
  using SystemParametersInfoForDpiFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
  static const auto parameters_for_dpi =
      reinterpret_cast<SystemParametersInfoForDpiFunction>(reinterpret_cast<void (*)()>(
          GetProcAddress(GetModuleHandleW(L"user32.dll"), "SystemParametersInfoForDpi")));
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!parameters_for_dpi || !parameters_for_dpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics,
                                                 0, static_cast<UINT>(dpi))) {
    // These metrics are for the system's dpi.
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    LOGFONTW& font = metrics.lfMessageFont;
    font.lfHeight = MulDiv(font.lfHeight, dpi, ScreenDpi());
  }
  return UniqueFont(CreateFontIndirectW(&metrics.lfMessageFont));
}

}  // namespace tarnpad
