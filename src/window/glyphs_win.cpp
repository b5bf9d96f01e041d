#include "window/glyphs_win.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <vector>

#include "window/dpi.h"

namespace tarnpad {
namespace {

struct GridPoint {
  double x, y;
};

class GridPainter {
 public:
  // The picture is designed on a grid x grid square; box is a square.
  GridPainter(HDC dc, const RECT& box, double grid)
      : dc_(dc), box_(box), scale_((box.right - box.left) / grid) {}

  // Without an outline colour the polygon is filled only.
  void Polygon(std::initializer_list<GridPoint> points, COLORREF fill,
               std::optional<COLORREF> outline = std::nullopt) const {
    const std::vector<POINT> pixels = Pixels(points);
    const UniqueBrush brush(CreateSolidBrush(fill));
    const UniquePen pen(outline ? CreatePen(PS_SOLID, OutlineWidth(), *outline)
                                : CreatePen(PS_NULL, 0, 0));
    const HGDIOBJ old_brush = SelectObject(dc_, brush.get());
    const HGDIOBJ old_pen = SelectObject(dc_, pen.get());
    ::Polygon(dc_, pixels.data(), static_cast<int>(pixels.size()));
    SelectObject(dc_, old_pen);
    SelectObject(dc_, old_brush);
  }

  // Text in a bold Arial of the given character height, centred in the box.
  void Text(const wchar_t* text, GridPoint top_left, GridPoint bottom_right, double height,
            COLORREF colour) const {
    RECT pixels{X(top_left.x), Y(top_left.y), X(bottom_right.x), Y(bottom_right.y)};
    const UniqueFont font(CreateFontW(-static_cast<int>(std::lround(height * scale_)), 0, 0, 0,
                                      FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH, L"Arial"));
    const HGDIOBJ old_font = SelectObject(dc_, font.get());
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, colour);
    DrawTextW(dc_, text, -1, &pixels, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc_, old_font);
  }

  void Box(GridPoint top_left, GridPoint bottom_right, COLORREF fill) const {
    const RECT pixels{X(top_left.x), Y(top_left.y), X(bottom_right.x), Y(bottom_right.y)};
    const UniqueBrush brush(CreateSolidBrush(fill));
    FillRect(dc_, &pixels, brush.get());
  }

 private:
  int X(double x) const { return box_.left + static_cast<int>(std::lround(x * scale_)); }
  int Y(double y) const { return box_.top + static_cast<int>(std::lround(y * scale_)); }
  // One grid unit, at least a pixel.
  int OutlineWidth() const { return std::max(1, static_cast<int>(std::lround(scale_))); }
  std::vector<POINT> Pixels(std::initializer_list<GridPoint> points) const {
    std::vector<POINT> pixels;
    for (const GridPoint& point : points) pixels.push_back({X(point.x), Y(point.y)});
    return pixels;
  }

  HDC dc_;
  RECT box_;
  double scale_;  // pixels per grid unit
};

// The glyphs are designed on a 20 x 20 grid, one unit a pixel at 96 dpi.
constexpr int kGlyphGrid = 20;

void DrawFloppyDisk(const GridPainter& painter) {
  constexpr COLORREF kBody = RGB(46, 84, 160);
  constexpr COLORREF kEdge = RGB(22, 40, 86);
  constexpr COLORREF kMetal = RGB(206, 212, 220);
  constexpr COLORREF kLabel = RGB(250, 250, 250);
  constexpr COLORREF kRuling = RGB(140, 160, 200);
  painter.Polygon({{2, 2}, {16, 2}, {18, 4}, {18, 18}, {2, 18}}, kBody, kEdge);
  painter.Box({6, 2.5}, {14, 8}, kMetal);
  painter.Box({11, 3.5}, {13, 7}, kEdge);
  painter.Box({4.5, 11}, {15.5, 17.5}, kLabel);
  painter.Box({6, 13}, {14, 14}, kRuling);
  painter.Box({6, 15.5}, {14, 16.5}, kRuling);
}

void DrawPageWithGuillemets(const GridPainter& painter) {
  constexpr COLORREF kPaper = RGB(255, 255, 255);
  constexpr COLORREF kEdge = RGB(96, 96, 96);
  constexpr COLORREF kFold = RGB(214, 214, 214);
  constexpr COLORREF kRuling = RGB(176, 176, 176);
  constexpr COLORREF kGuillemet = RGB(208, 36, 36);
  painter.Polygon({{3, 1}, {13, 1}, {17, 5}, {17, 19}, {3, 19}}, kPaper, kEdge);
  painter.Polygon({{13, 1}, {13, 5}, {17, 5}}, kFold, kEdge);
  painter.Box({5, 3.5}, {11, 4.5}, kRuling);
  painter.Box({5, 15.5}, {15, 16.5}, kRuling);
  painter.Text(L"\u00AB\u00BB", {3, 3}, {17, 17}, 12, kGuillemet);
}

// The product picture is designed on a 32 x 32 grid, as is the program's
// icon (resources/draw_icon.py): a written page and a pencil.
constexpr int kPictureGrid = 32;

void DrawWrittenPageWithPencil(const GridPainter& painter) {
  constexpr COLORREF kPaper = RGB(255, 255, 255);
  constexpr COLORREF kEdge = RGB(80, 80, 80);
  constexpr COLORREF kFold = RGB(214, 214, 214);
  constexpr COLORREF kRuling = RGB(150, 160, 178);
  constexpr COLORREF kWood = RGB(242, 212, 164);
  constexpr COLORREF kLead = RGB(48, 48, 48);
  constexpr COLORREF kBody = RGB(250, 178, 36);
  constexpr COLORREF kBodyEdge = RGB(140, 88, 10);
  constexpr COLORREF kFerrule = RGB(180, 186, 196);
  constexpr COLORREF kEraser = RGB(236, 110, 120);
  painter.Polygon({{5, 2}, {20, 2}, {26, 8}, {26, 30}, {5, 30}}, kPaper, kEdge);
  painter.Polygon({{20, 2}, {20, 8}, {26, 8}}, kFold, kEdge);
  painter.Box({8, 11}, {23, 12.5}, kRuling);
  painter.Box({8, 15}, {21, 16.5}, kRuling);
  painter.Box({8, 19}, {23, 20.5}, kRuling);
  painter.Box({8, 23}, {15, 24.5}, kRuling);
  painter.Polygon({{14, 29}, {15.6, 24.6}, {18.4, 27.4}}, kWood, kBodyEdge);
  painter.Polygon({{14, 29}, {14.6, 27.3}, {15.7, 28.4}}, kLead, kLead);
  painter.Polygon({{15.6, 24.6}, {18.4, 27.4}, {28.4, 17.4}, {25.6, 14.6}}, kBody, kBodyEdge);
  painter.Polygon({{25.6, 14.6}, {28.4, 17.4}, {29.8, 16}, {27, 13.2}}, kFerrule, kBodyEdge);
  painter.Polygon({{27, 13.2}, {29.8, 16}, {31, 14.8}, {28.2, 12}}, kEraser, kBodyEdge);
}

}  // namespace

void DrawProductPicture(HDC dc, const RECT& box) {
  DrawWrittenPageWithPencil(GridPainter(dc, box, kPictureGrid));
}

int GlyphSize(int dpi) {
  return Scale(kGlyphGrid, dpi);
}

void DrawGlyph(HDC dc, Glyph glyph, const RECT& box) {
  const GridPainter painter(dc, box, kGlyphGrid);
  if (glyph == Glyph::FloppyDisk) {
    DrawFloppyDisk(painter);
  } else {
    DrawPageWithGuillemets(painter);
  }
}

UniqueBitmap CreateGlyphBitmap(Glyph glyph, int size) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size;
  info.bmiHeader.biHeight = -size;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) return bitmap;

  // GDI leaves the alpha byte alone; a key colour the glyphs never use marks
  // what stays transparent.
  constexpr COLORREF kKey = RGB(255, 0, 255);
  constexpr DWORD kKeyPixel = 0x00FF00FF;
  HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old_bitmap = SelectObject(dc, bitmap.get());
  const RECT box{0, 0, size, size};
  SetBkColor(dc, kKey);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr);
  DrawGlyph(dc, glyph, box);
  GdiFlush();
  SelectObject(dc, old_bitmap);
  DeleteDC(dc);

  auto* pixels = static_cast<DWORD*>(bits);
  for (std::size_t i = 0; i < static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
       ++i) {
    pixels[i] = (pixels[i] & 0x00FFFFFF) == kKeyPixel ? 0 : (pixels[i] | 0xFF000000);
  }
  return bitmap;
}

}  // namespace tarnpad
