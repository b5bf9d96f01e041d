#pragma once

#include <windows.h>

#include <cstdint>

#include "core/text_document.h"
#include "editor/line_columns.h"

namespace tarnpad {

// What the painter needs to know about the view it paints.
struct TextPaintView {
  std::int64_t topLine = 0;     // shown at the top edge of the client area
  std::int64_t leftColumn = 0;  // shown at the left edge
  int charWidth = 8;
  int lineHeight = 13;
  bool focused = false;  // the selection has the system colours only then
};

// Paints the rows of the client area that meet area: for each line only the
// bytes in the visible columns, every byte through the Windows-1251 table,
// tabs as blanks up to the next tab stop, the selection (with a cell for a
// selected line break) in the selection colours. The font must be selected
// into dc. Returns the width in columns of the widest line it painted.
std::int64_t PaintText(HDC dc, const RECT& area, const RECT& client, const TextDocument& document,
                       LineColumns& columns, const TextPaintView& view);

}  // namespace tarnpad
