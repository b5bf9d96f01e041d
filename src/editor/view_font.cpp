#include "editor/view_font.h"

#include <array>
#include <string_view>
#include <utility>

#include "window/dpi.h"

namespace tarnpad {
namespace {

constexpr int kDesignHeight = 13;  // pixels at 96 dpi
constexpr int kDesignDpi = 96;

// In order of preference; the empty name lets the font mapper pick any
// monospaced face with Cyrillic letters.
constexpr std::array<const wchar_t*, 4> kFaces = {L"Lucida Console", L"Courier New", L"Consolas",
                                                  L""};

HFONT CreateFace(const wchar_t* face, int height) {
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
bool IsMonospaced(const TEXTMETRICW& metrics) {
  return (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) == 0;
}

}  // namespace

ViewFont::ViewFont(int dpi) {
  HDC screen = GetDC(nullptr);
  const int height = MulDiv(kDesignHeight, dpi, kDesignDpi);
  for (const wchar_t* face : kFaces) {
    UniqueFont candidate(CreateFace(face, height));
    if (!candidate) continue;
    TEXTMETRICW metrics{};
    {
      const SelectionScope selected(screen, candidate.get());
      GetTextMetricsW(screen, &metrics);
    }
    const bool last = *face == L'\0';
    if (IsMonospaced(metrics) || last) {
      font_ = std::move(candidate);
      charWidth_ = metrics.tmAveCharWidth > 0 ? metrics.tmAveCharWidth : charWidth_;
      lineHeight_ = metrics.tmHeight > 0 ? metrics.tmHeight : lineHeight_;
      break;
    }
  }
  ReleaseDC(nullptr, screen);
}

}  // namespace tarnpad
