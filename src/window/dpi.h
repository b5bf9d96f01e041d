#pragma once

#include <windows.h>

namespace tarnpad {

// Sizes in the layout are 96-dpi logical pixels; they are scaled only when a
// window is placed, so the special sizes (width 1, heights 0 and 25) keep
// their meaning at any resolution.
int WindowDpi(HWND window);
// The screen's (the system's) dpi, for what belongs to no window.
int ScreenDpi();
int Scale(int logical, int dpi);
int Unscale(int physical, int dpi);

// A font of the given pixel height (negative: character height), scaled.
HFONT CreateScaledFont(const wchar_t* face, int logical_height, int dpi, bool bold = false,
                       BYTE charset = DEFAULT_CHARSET, bool underline = false);

}  // namespace tarnpad
