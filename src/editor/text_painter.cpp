#include "editor/text_painter.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/win1251.h"

namespace tarnpad {
namespace {

struct Colours {
  COLORREF text;
  COLORREF background;
  COLORREF selectedText;
  COLORREF selectedBackground;
};

Colours SystemColours(bool focused) {
  return {GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW),
          GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT),
          GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE)};
}

// One screen row: the characters of its cells and which of them are selected.
struct Row {
  std::wstring cells;
  std::size_t selectedFirst = 0;
  std::size_t selectedLast = 0;  // selectedFirst == selectedLast: none
};

Row BuildRow(const TextDocument& document, LineColumns& columns, std::int64_t line,
             std::int64_t first, std::int64_t last) {
  Row row{std::wstring(static_cast<std::size_t>(last - first), L' ')};
  const ColumnSpan span = columns.Span(line, first, last);
  const std::string bytes = document.TextRange(span.start, span.end);
  const Position selectionStart = document.SelectionStart();
  const Position selectionEnd = document.SelectionEnd();
  auto select = [&row, first](std::int64_t from, std::int64_t to) {
    const auto a = static_cast<std::size_t>(from - first);
    const auto b = static_cast<std::size_t>(to - first);
    if (row.selectedFirst == row.selectedLast) {
      row.selectedFirst = a;
      row.selectedLast = b;
    } else {
      row.selectedLast = b;
    }
  };

  std::int64_t column = span.startColumn;
  Position pos = span.start;
  for (const char byte : bytes) {
    const std::int64_t next = ColumnAfter(column, byte);
    const std::int64_t from = std::max(column, first);
    const std::int64_t to = std::min(next, last);
    if (column >= first && byte != '\t') {
      row.cells[static_cast<std::size_t>(column - first)] =
          DecodeByte(static_cast<unsigned char>(byte));
    }
    if (pos >= selectionStart && pos < selectionEnd && from < to) select(from, to);
    column = next;
    ++pos;
  }

  // A selected line break shows as one selected cell after the line.
  const Position lineEnd = document.LineEnd(line);
  const bool breakSelected = selectionStart <= lineEnd && selectionEnd > lineEnd;
  if (breakSelected && span.end == lineEnd && column >= first && column < last) {
    select(column, column + 1);
  }
  return row;
}

void DrawCells(HDC dc, const RECT& client, int x, int y, const TextPaintView& view,
               std::wstring_view cells, const std::vector<INT>& advances, COLORREF text,
               COLORREF background) {
  if (cells.empty()) return;
  SetTextColor(dc, text);
  SetBkColor(dc, background);
  const RECT box{x, y,
                 std::min<LONG>(client.right, x + static_cast<LONG>(cells.size()) * view.charWidth),
                 y + view.lineHeight};
  ExtTextOutW(dc, x, y, ETO_OPAQUE | ETO_CLIPPED, &box, cells.data(),
              static_cast<UINT>(cells.size()), advances.data());
}

}  // namespace

std::int64_t PaintText(HDC dc, const RECT& area, const RECT& client, const TextDocument& document,
                       LineColumns& columns, const TextPaintView& view) {
  const Colours colours = SystemColours(view.focused);
  const std::int64_t visibleCells = client.right / view.charWidth + 2;
  const std::int64_t first = view.leftColumn;
  const std::int64_t last = first + visibleCells;
  const std::vector<INT> advances(static_cast<std::size_t>(visibleCells), view.charWidth);
  const std::int64_t lineCount = document.PhysicalLineCount();

  std::int64_t widest = 0;
  const int firstRow = std::max<LONG>(0, area.top) / view.lineHeight;
  const int lastRow = (area.bottom - 1) / view.lineHeight;
  for (int screenRow = firstRow; screenRow <= lastRow; ++screenRow) {
    const std::int64_t line = view.topLine + screenRow;
    const int y = screenRow * view.lineHeight;
    if (line >= lineCount) {
      RECT rest{client.left, y, client.right, client.bottom};
      SetBkColor(dc, colours.background);
      ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rest, nullptr, 0, nullptr);
      break;
    }
    const Row row = BuildRow(document, columns, line, first, last);
    const std::wstring_view cells = row.cells;
    const auto cellX = [&view](std::size_t cell) {
      return static_cast<int>(cell) * view.charWidth;
    };
    DrawCells(dc, client, 0, y, view, cells.substr(0, row.selectedFirst), advances, colours.text,
              colours.background);
    DrawCells(dc, client, cellX(row.selectedFirst), y, view,
              cells.substr(row.selectedFirst, row.selectedLast - row.selectedFirst), advances,
              colours.selectedText, colours.selectedBackground);
    DrawCells(dc, client, cellX(row.selectedLast), y, view, cells.substr(row.selectedLast),
              advances, colours.text, colours.background);
    widest = std::max(widest, columns.Width(line));
  }
  return widest;
}

}  // namespace tarnpad
