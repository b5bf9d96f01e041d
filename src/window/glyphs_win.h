#pragma once

#include <windows.h>

#include "window/gdi_win.h"

namespace tarnpad {

// The program's pictures, drawn with GDI at any size.

// The product picture of the About window, into box (a square).
void DrawProductPicture(HDC dc, const RECT& box);

// The pictures of the tool bar's buttons.
enum class Glyph {
  FloppyDisk,          // save the document
  PageWithGuillemets,  // enclose the selection in guillemets
};

// The glyph's size at a DPI: 20 logical pixels.
int GlyphSize(int dpi);

// Draws the glyph into box (a square) on whatever is there.
void DrawGlyph(HDC dc, Glyph glyph, const RECT& box);

// The glyph as a size x size 32-bit bitmap with alpha: transparent around
// the picture, opaque on it. For image lists of 32-bit colour.
UniqueBitmap CreateGlyphBitmap(Glyph glyph, int size);

}  // namespace tarnpad
