#include "ui/about_form.h"

#include <algorithm>
#include <array>
#include <cwchar>

#include "shell/web_links.h"
#include "window/dpi.h"
#include "window/gdi_win.h"
#include "window/glyphs_win.h"
#include "window/modal_dialog_win.h"

namespace tarnpad {
namespace {

// Logical pixels.
constexpr int kClientWidth = 401;
constexpr int kClientHeight = 164;
constexpr RECT kPictureBounds{326, 88, 326 + 64, 88 + 64};

constexpr COLORREF kTitleColour = RGB(255, 73, 73);
constexpr COLORREF kTextColour = RGB(0, 0, 0);
constexpr COLORREF kLinkColour = RGB(0, 0, 255);

enum class LabelFont { TitleBold, Title, Text, Link };

struct Label {
  RECT bounds;  // left, top, right, bottom
  const wchar_t* text;
  LabelFont font;
  COLORREF colour;
};

// The layout of the About window, left to right and top to bottom.
constexpr std::array<Label, 6> kLabels{{
    {{48, 32, 48 + 95, 32 + 24}, L"Velbrin.", LabelFont::TitleBold, kTitleColour},
    {{152, 32, 152 + 204, 32 + 24}, L"Текстовый  редактор", LabelFont::Title, kTitleColour},
    {{8, 112, 8 + 76, 112 + 14}, L"Версия 1.15.35", LabelFont::Text, kTextColour},
    {{96, 112, 96 + 83, 112 + 14}, L"Дата 06.04.2014", LabelFont::Text, kTextColour},
    {{8, 128, 8 + 134, 128 + 14}, L"© 2005-2014 Velbrin", LabelFont::Text, kTextColour},
    {{8, 144, 8 + 88, 144 + 14}, web_links::kSiteName, LabelFont::Link, kLinkColour},
}};

constexpr int kLinkId = 106;

class AboutForm : public ModalDialog {
 public:
  AboutForm(const std::wstring& caption, Shell& shell) : caption_(caption), shell_(shell) {}
  void Show(HWND owner) { Run(owner); }

 private:
  INT_PTR HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void CreateContents();
  INT_PTR ColourLabel(HDC dc, HWND control) const;
  void Paint() const;

  std::wstring caption_;
  Shell& shell_;
  std::array<UniqueFont, 4> fonts_;            // by LabelFont
  std::array<HWND, kLabels.size()> labels_{};  // in the order of kLabels
  HWND link_ = nullptr;
  RECT picture_bounds_{};
};

INT_PTR AboutForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      CreateContents();
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wparam) == kLinkId && HIWORD(wparam) == STN_CLICKED) {
        web_links::OpenHomePage(shell_);
      } else if (LOWORD(wparam) == IDCANCEL || LOWORD(wparam) == IDOK) {
        EndDialog(Window(), IDCANCEL);
      }
      return TRUE;
    case WM_CLOSE:
      EndDialog(Window(), IDCANCEL);
      return TRUE;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wparam) != link_) return FALSE;
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      SetWindowLongPtrW(Window(), DWLP_MSGRESULT, TRUE);
      return TRUE;
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
    case WM_CTLCOLORSTATIC:
      return ColourLabel(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_PAINT:
      Paint();
      return TRUE;
    default:
      return FALSE;
  }
}

void AboutForm::CreateContents() {
  SetWindowTextW(Window(), caption_.c_str());
  const int dpi = Dpi();
  const auto scale = [dpi](const RECT& logical) {
    return RECT{Scale(logical.left, dpi), Scale(logical.top, dpi), Scale(logical.right, dpi),
                Scale(logical.bottom, dpi)};
  };
  const auto arial = [dpi](int character_height, bool bold, bool underline) {
    return UniqueFont(
        CreateScaledFont(L"Arial", -character_height, dpi, bold, DEFAULT_CHARSET, underline));
  };
  fonts_[static_cast<int>(LabelFont::TitleBold)] = arial(21, true, false);
  fonts_[static_cast<int>(LabelFont::Title)] = arial(21, false, false);
  fonts_[static_cast<int>(LabelFont::Text)] = arial(11, false, false);
  fonts_[static_cast<int>(LabelFont::Link)] = arial(11, false, true);

  HDC dc = GetDC(Window());
  for (std::size_t i = 0; i < kLabels.size(); ++i) {
    const Label& label = kLabels[i];
    const HFONT font = fonts_[static_cast<int>(label.font)].get();
    // A label is at least as large as its text, whatever the font's metrics.
    RECT bounds = scale(label.bounds);
    const HGDIOBJ old_font = SelectObject(dc, font);
    SIZE text{};
    GetTextExtentPoint32W(dc, label.text, static_cast<int>(wcslen(label.text)), &text);
    SelectObject(dc, old_font);
    bounds.right = std::max<LONG>(bounds.right, bounds.left + text.cx);
    bounds.bottom = std::max<LONG>(bounds.bottom, bounds.top + text.cy);
    const bool link = label.font == LabelFont::Link;
    labels_[i] = CreateControl(
        {L"STATIC", label.text, SS_LEFTNOWORDWRAP | SS_NOPREFIX | (link ? SS_NOTIFY : 0u), bounds,
         link ? kLinkId : 0},
        font);
    if (link) link_ = labels_[i];
  }
  ReleaseDC(Window(), dc);
  picture_bounds_ = scale(kPictureBounds);
  PlaceCentredOnOwner(Scale(kClientWidth, dpi), Scale(kClientHeight, dpi));
}

INT_PTR AboutForm::ColourLabel(HDC dc, HWND control) const {
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    if (labels_[i] == control) SetTextColor(dc, kLabels[i].colour);
  }
  SetBkColor(dc, RGB(255, 255, 255));
  return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
}

void AboutForm::Paint() const {
  const PaintScope paint(Window());
  DrawProductPicture(paint.dc(), picture_bounds_);
}

}  // namespace

void ShowAboutWindow(HWND owner, const std::wstring& caption, Shell& shell) {
  AboutForm(caption, shell).Show(owner);
}

}  // namespace tarnpad
