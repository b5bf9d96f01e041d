// The tool-bar glyphs as 32-bit bitmaps: transparent around the picture,
// opaque on it, at any size.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "window/glyphs_win.h"

namespace tarnpad {
namespace {

std::vector<DWORD> Pixels(HBITMAP bitmap, int size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<DWORD> pixels(static_cast<std::size_t>(size * size));
  HDC dc = GetDC(nullptr);
  GetDIBits(dc, bitmap, 0, static_cast<UINT>(size), pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  return pixels;
}

TEST(Glyphs, TransparentAroundOpaqueOnThePicture) {
  for (const Glyph glyph : {Glyph::FloppyDisk, Glyph::PageWithGuillemets}) {
    for (const int size : {20, 30, 40}) {
      const UniqueBitmap bitmap = CreateGlyphBitmap(glyph, size);
      ASSERT_TRUE(bitmap);
      const std::vector<DWORD> pixels = Pixels(bitmap.get(), size);
      const auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y * size + x)]; };
      EXPECT_EQ(at(0, 0), 0u) << "top left corner, size " << size;
      EXPECT_EQ(at(0, size - 1), 0u) << "bottom left corner, size " << size;
      EXPECT_EQ(at(size / 2, size / 2) >> 24, 0xFFu) << "centre, size " << size;
    }
  }
}

}  // namespace
}  // namespace tarnpad
