#include "editor/text_view.h"

#include <algorithm>
#include <climits>

#include "editor/text_painter.h"
#include "window/dpi.h"
#include "window/gdi_win.h"

namespace tarnpad {
namespace {

constexpr wchar_t kClassName[] = L"TarnpadTextView";

// Scroll bars count in int; no text that fits in memory has more lines.
int ToScrollUnits(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, 0, INT_MAX));
}

// Far enough outside the client area that a caret placed there is not seen.
constexpr std::int64_t kOffScreen = 30000;

int ClampToScreen(std::int64_t pixels) {
  return static_cast<int>(std::clamp(pixels, -kOffScreen, kOffScreen));
}

std::int64_t FloorDivide(std::int64_t value, std::int64_t divisor) {
  const std::int64_t quotient = value / divisor;
  return value % divisor < 0 ? quotient - 1 : quotient;
}

}  // namespace

TextView::TextView(const TextViewArgs& args)
    : ownDocument_(args.document == nullptr ? std::make_unique<TextDocument>() : nullptr),
      document_(args.document == nullptr ? *ownDocument_ : *args.document),
      columns_(document_),
      font_(WindowDpi(args.parent)),
      readOnly_(args.readOnly) {
  WindowClass window_class;
  window_class.name = kClassName;
  window_class.style = CS_DBLCLKS;
  window_class.cursor = LoadCursorW(nullptr, IDC_IBEAM);
  CreateBound(window_class, 0, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, L"", args.bounds,
              args.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)));
  widest_ = WidestLineWidth(document_);
  document_.SetListener(this);
  UpdateScrollBars();
}

TextView::~TextView() {
  // A long copy still pending goes to the clipboard before the window does.
  if (window_ != nullptr) delayedCopy_.RenderAll(window_);
  document_.SetListener(nullptr);
}

LRESULT TextView::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  const POINT point{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
  const auto shiftF10 = [wparam] { return wparam == VK_F10 && GetKeyState(VK_SHIFT) < 0; };
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // every pixel is painted
    case WM_SIZE:
      Resize();
      return 0;
    case WM_SETFOCUS:
      ShowOwnCaret();
      InvalidateRect(window_, nullptr, FALSE);
      return 0;
    case WM_KILLFOCUS:
      StopDragging();
      DestroyCaret();
      InvalidateRect(window_, nullptr, FALSE);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS | (readOnly_ ? 0 : DLGC_WANTALLKEYS | DLGC_WANTTAB);
    case WM_KEYDOWN:
      KeyDown(static_cast<UINT>(wparam));
      return 0;
    case WM_SYSKEYDOWN:
      if (onKeyDown) onKeyDown(static_cast<UINT>(wparam));
      if (!shiftF10()) break;
      RunCommand(EditorCommand::ContextMenu);
      return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (onKeyUp) onKeyUp(static_cast<UINT>(wparam));
      // The menu for these keys was asked for when they went down.
      if (wparam == VK_APPS || shiftF10()) return 0;
      break;
    case WM_CHAR:
    case WM_IME_CHAR:
      Character(static_cast<wchar_t>(wparam));
      return 0;
    case WM_UNICHAR:
      if (wparam == UNICODE_NOCHAR) return TRUE;
      if (wparam <= 0xFFFF) {
        Character(static_cast<wchar_t>(wparam));
      } else {
        // Beyond the 16-bit range: the two halves that WM_CHAR would bring.
        const auto offset = static_cast<unsigned>(wparam - 0x10000);
        Character(static_cast<wchar_t>(0xD800 + (offset >> 10)));
        Character(static_cast<wchar_t>(0xDC00 + (offset & 0x3FF)));
      }
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      ButtonDown(point, message == WM_LBUTTONDBLCLK);
      return 0;
    case WM_MOUSEMOVE:
      MouseMove(point);
      return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      StopDragging();
      return 0;
    case WM_TIMER:
      AutoScroll();
      return 0;
    case WM_MOUSEWHEEL:
      Wheel(GET_WHEEL_DELTA_WPARAM(wparam), (GET_KEYSTATE_WPARAM(wparam) & MK_SHIFT) != 0);
      return 0;
    case WM_MOUSEHWHEEL:
      Wheel(-GET_WHEEL_DELTA_WPARAM(wparam), true);
      return 0;
    case WM_VSCROLL:
      ScrollBar(SB_VERT, LOWORD(wparam));
      return 0;
    case WM_HSCROLL:
      ScrollBar(SB_HORZ, LOWORD(wparam));
      return 0;
    case WM_RENDERFORMAT:
      delayedCopy_.Render(static_cast<UINT>(wparam));
      return 0;
    case WM_RENDERALLFORMATS:
      delayedCopy_.RenderAll(window_);
      return 0;
    case WM_DESTROYCLIPBOARD:
      delayedCopy_.Forget();
      return 0;
    case WM_CONTEXTMENU:
      if (lparam == -1) {
        RunCommand(EditorCommand::ContextMenu);
      } else {
        RequestContextMenu(point, false);
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

void TextView::SelectionChanged() {
  if (!movingVertically_) goalColumn_ = -1;
  InvalidateRect(window_, nullptr, FALSE);
  PlaceCaret();
  if (onSelectionChanged) onSelectionChanged();
}

void TextView::TextChanged(TextChangeKind kind) {
  if (kind == TextChangeKind::Edit && onTextEdited) onTextEdited();
  columns_.Forget();
  if (kind == TextChangeKind::Reload) {
    widest_ = WidestLineWidth(document_);
    topLine_ = 0;
    leftColumn_ = 0;
  }
  topLine_ = std::min(topLine_, MaxTopLine());
  UpdateScrollBars();
  InvalidateRect(window_, nullptr, FALSE);
  PlaceCaret();
}

void TextView::UndoEditor() {
  if (readOnly_) return;
  document_.UndoEditor();
  ScrollToCaret();
}

void TextView::Redo() {
  if (readOnly_) return;
  document_.Redo();
  ScrollToCaret();
}

void TextView::SetOverwriteMode(bool overwrite) {
  if (overwrite == overwrite_) return;
  overwrite_ = overwrite;
  if (GetFocus() == window_) ShowOwnCaret();  // a block caret while overwriting
  if (onOverwriteChanged) onOverwriteChanged();
}

void TextView::DeleteSelection() {
  if (readOnly_) return;
  document_.DeleteSelection();
  ScrollToCaret();
}

void TextView::SelectAllText() {
  document_.SelectAll();
}

void TextView::SetDpi(int dpi) {
  font_ = ViewFont(dpi);  // the old font goes once the new one is in place
  if (GetFocus() == window_) ShowOwnCaret();
  UpdateScrollBars();
  ScrollTo(topLine_, leftColumn_);
  InvalidateRect(window_, nullptr, FALSE);
}

void TextView::ScrollLineToTop(std::int64_t line) {
  ScrollTo(line, leftColumn_);
}

void TextView::Paint() {
  std::int64_t widest = 0;
  {
    const PaintScope paint(window_);
    RECT client;
    GetClientRect(window_, &client);
    const SelectionScope font(paint.dc(), font_.Handle());
    const TextPaintView view{topLine_, leftColumn_, font_.CharWidth(), font_.LineHeight(),
                             GetFocus() == window_};
    widest = PaintText(paint.dc(), paint.Area(), client, document_, columns_, view);
  }
  NoteWidth(widest);
}

void TextView::Resize() {
  UpdateScrollBars();
  ScrollTo(topLine_, leftColumn_);
  InvalidateRect(window_, nullptr, FALSE);
}

std::int64_t TextView::PageLines() const {
  RECT client;
  GetClientRect(window_, &client);
  return std::max<std::int64_t>(1, client.bottom / font_.LineHeight());
}

std::int64_t TextView::PageColumns() const {
  RECT client;
  GetClientRect(window_, &client);
  return std::max<std::int64_t>(1, client.right / font_.CharWidth());
}

std::int64_t TextView::MaxTopLine() const {
  return std::max<std::int64_t>(0, document_.PhysicalLineCount() - PageLines());
}

std::int64_t TextView::MaxLeftColumn() const {
  return std::max<std::int64_t>(0, widest_ + 1 - PageColumns());
}

void TextView::NoteWidth(std::int64_t columns) {
  if (columns <= widest_) return;
  widest_ = columns;
  UpdateScrollBars();
}

void TextView::UpdateScrollBars() {
  SetBar(SB_VERT, verticalBar_,
         {ToScrollUnits(document_.PhysicalLineCount() - 1),
          static_cast<UINT>(ToScrollUnits(PageLines())), ToScrollUnits(topLine_)});
  // One column more than the widest line: room for the caret after it.
  SetBar(SB_HORZ, horizontalBar_,
         {ToScrollUnits(widest_), static_cast<UINT>(ToScrollUnits(PageColumns())),
          ToScrollUnits(leftColumn_)});
}

void TextView::SetBar(int bar, ScrollBarState& shown, const ScrollBarState& wanted) {
  if (wanted == shown) return;
  shown = wanted;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
  info.nMax = wanted.max;
  info.nPage = wanted.page;
  info.nPos = wanted.pos;
  SetScrollInfo(window_, bar, &info, TRUE);
}

void TextView::ScrollTo(std::int64_t topLine, std::int64_t leftColumn) {
  topLine = std::clamp<std::int64_t>(topLine, 0, MaxTopLine());
  leftColumn = std::clamp<std::int64_t>(leftColumn, 0, MaxLeftColumn());
  if (topLine == topLine_ && leftColumn == leftColumn_) return;
  topLine_ = topLine;
  leftColumn_ = leftColumn;
  UpdateScrollBars();
  InvalidateRect(window_, nullptr, FALSE);
  PlaceCaret();
}

void TextView::ScrollToCaret() {
  const Position caret = document_.Caret();
  const std::int64_t line = document_.LineOfPosition(caret);
  const std::int64_t column = columns_.ColumnOf(caret);
  NoteWidth(column);
  const std::int64_t pageLines = PageLines();
  const std::int64_t pageColumns = PageColumns();
  std::int64_t top = topLine_;
  if (line < top) top = line;
  if (line >= top + pageLines) top = line - pageLines + 1;
  // Sideways the view jumps by a quarter page, so typing at the right edge
  // does not scroll on every character.
  std::int64_t left = leftColumn_;
  if (column < left) left = column - pageColumns / 4;
  if (column >= left + pageColumns) left = column - pageColumns * 3 / 4;
  ScrollTo(top, left);
}

POINT TextView::CaretClientPoint() {
  const Position caret = document_.Caret();
  const std::int64_t line = document_.LineOfPosition(caret);
  const std::int64_t column = columns_.ColumnOf(caret);
  return {ClampToScreen((column - leftColumn_) * font_.CharWidth()),
          ClampToScreen((line - topLine_) * font_.LineHeight())};
}

void TextView::PlaceCaret() {
  if (window_ == nullptr || GetFocus() != window_) return;
  const POINT point = CaretClientPoint();
  SetCaretPos(point.x, point.y);
}

void TextView::ShowOwnCaret() {
  DWORD caretWidth = 1;
  SystemParametersInfoW(SPI_GETCARETWIDTH, 0, &caretWidth, 0);
  // In overwrite mode a block over the character that the next key replaces.
  const int width =
      overwrite_ ? font_.CharWidth() : static_cast<int>(std::max<DWORD>(1, caretWidth));
  CreateCaret(window_, nullptr, width, font_.LineHeight());
  PlaceCaret();
  ShowCaret(window_);
}

Position TextView::PositionFromPoint(POINT client) {
  const std::int64_t lastLine = document_.PhysicalLineCount() - 1;
  const std::int64_t line =
      std::clamp(topLine_ + FloorDivide(client.y, font_.LineHeight()), std::int64_t{0}, lastLine);
  // The nearest character edge: a click on the right half of a character
  // puts the caret after it.
  const std::int64_t column =
      leftColumn_ + FloorDivide(client.x + font_.CharWidth() / 2, font_.CharWidth());
  return columns_.PositionAt(line, std::max<std::int64_t>(0, column));
}

}  // namespace tarnpad
