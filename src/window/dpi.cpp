#include "window/dpi.h"

namespace tarnpad {

int WindowDpi(HWND window) {
  // Present from Windows 10 on; older systems report the screen's dpi.
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto get_dpi_for_window = reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (get_dpi_for_window && window) {
    const UINT dpi = get_dpi_for_window(window);
    if (dpi) return static_cast<int>(dpi);
  }
  return ScreenDpi();
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

int Scale(int logical, int dpi) {
  return MulDiv(logical, dpi, 96);
}

int Unscale(int physical, int dpi) {
  return MulDiv(physical, 96, dpi);
}

HFONT CreateScaledFont(const wchar_t* face, int logical_height, int dpi, bool bold, BYTE charset,
                       bool underline) {
  LOGFONTW font{};
  font.lfHeight = Scale(logical_height, dpi);
  font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  font.lfCharSet = charset;
  font.lfUnderline = underline ? TRUE : FALSE;
  font.lfQuality = DEFAULT_QUALITY;
  lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
  return CreateFontIndirectW(&font);
}

}  // namespace tarnpad
