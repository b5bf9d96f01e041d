#include "window/gdi_win.h"

#include <array>
#include <cstdlib>
#include <string_view>

#include "window/dpi.h"

namespace tarnpad {
namespace {

HFONT CreateFixedPitchFace(const wchar_t* face, int height) {
  LOGFONTW font{};
  font.lfHeight = -height;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = RUSSIAN_CHARSET;
  font.lfOutPrecision = OUT_TT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  std::wstring_view(face).copy(font.lfFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectW(&font);
}

// The mapper answers every request with some font; it is kept only when it
// is monospaced (the flag's name says the opposite of what it means).
bool IsMonospaced(HDC dc, HFONT font) {
  TEXTMETRICW metrics{};
  const SelectionScope selected(dc, font);
  GetTextMetricsW(dc, &metrics);
  return (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) == 0;
}

}  // namespace

UniqueFont CreateMonospacedFont(const wchar_t* preferred, int logical_height, int dpi) {
  // The empty name, last, lets the font mapper pick any monospaced face.
  const std::array<const wchar_t*, 4> faces = {preferred, L"Courier New", L"Consolas", L""};
  const int height = MulDiv(std::abs(logical_height), dpi, 96);
  HDC screen = GetDC(nullptr);
  UniqueFont chosen;
  for (const wchar_t* face : faces) {
    UniqueFont candidate(CreateFixedPitchFace(face, height));
    if (!candidate) continue;
    if (*face == L'\0' || IsMonospaced(screen, candidate.get())) {
      chosen = std::move(candidate);
      break;
    }
  }
  ReleaseDC(nullptr, screen);
  return chosen;
}

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
