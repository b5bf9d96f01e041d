#include "window/message_box_win.h"

#include <algorithm>
#include <string>
#include <vector>

#include "window/dpi.h"
#include "window/gdi_win.h"
#include "window/modal_dialog_win.h"

namespace tarnpad {
namespace {

// Logical pixels.
constexpr int kPadding = 20;  // around the icon and the text
constexpr int kIconSize = 32;
constexpr int kIconGap = 12;
constexpr int kMaxTextWidth = 480;
constexpr int kMinClientWidth = 200;
constexpr int kButtonWidth = 88;        // at least; wider for a longer caption
constexpr int kButtonTextPadding = 12;  // on either side of a caption
constexpr int kButtonHeight = 26;
constexpr int kButtonGap = 8;
constexpr int kBandPadding = 12;  // around the buttons, in the band at the bottom

// Long words (paths) break where the line ends, as in a multi-line edit.
constexpr UINT kTextFormat = DT_LEFT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS;

struct Button {
  int id;
  std::wstring caption;
  int width = 0;  // in pixels, once measured
};

class MessageBoxDialog : public ModalDialog {
 public:
  MessageBoxDialog(BoxKind kind, const std::wstring& title, const std::wstring& text,
                   BoxButtons buttons);
  // The same box with its Yes, No and Cancel buttons captioned otherwise.
  MessageBoxDialog(BoxKind kind, const std::wstring& title, const std::wstring& text,
                   const ChoiceCaptions& captions);
  BoxAnswer Show(HWND owner);

 private:
  INT_PTR HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void CreateContents();
  // Every button as wide as the longest caption needs, kButtonWidth at least.
  void MeasureButtons(HDC dc, int dpi);
  void Paint() const;
  bool HasButton(int id) const;

  std::wstring title_;
  std::wstring text_;
  const wchar_t* icon_;  // nullptr for none
  std::vector<Button> buttons_;
  int default_id_;
  int escape_id_;

  UniqueFont font_;
  RECT icon_bounds_{};
  RECT text_bounds_{};
  int band_top_ = 0;  // the white area above it holds the icon and the text
};

MessageBoxDialog::MessageBoxDialog(BoxKind kind, const std::wstring& title,
                                   const std::wstring& text, BoxButtons buttons)
    : title_(kind == BoxKind::Confirmation ? L"Confirm" : title),
      text_(text),
      icon_(kind == BoxKind::Confirmation ? IDI_QUESTION
            : kind == BoxKind::Error      ? IDI_HAND
                                          : nullptr) {
  const bool yes_no = buttons == BoxButtons::YesNo || buttons == BoxButtons::YesNoCancel;
  const bool cancel = buttons == BoxButtons::OkCancel || buttons == BoxButtons::YesNoCancel;
  if (yes_no) {
    buttons_ = {{IDYES, L"&Yes"}, {IDNO, L"&No"}};
  } else {
    buttons_ = {{IDOK, L"OK"}};
  }
  if (cancel) buttons_.push_back({IDCANCEL, L"Cancel"});
  default_id_ = yes_no ? IDYES : IDOK;
  escape_id_ = cancel ? IDCANCEL : yes_no ? IDNO : IDOK;
}

MessageBoxDialog::MessageBoxDialog(BoxKind kind, const std::wstring& title,
                                   const std::wstring& text, const ChoiceCaptions& captions)
    : MessageBoxDialog(kind, title, text, BoxButtons::YesNoCancel) {
  buttons_[0].caption = captions.yes;
  buttons_[1].caption = captions.no;
  buttons_[2].caption = captions.cancel;
}

BoxAnswer MessageBoxDialog::Show(HWND owner) {
  if (icon_ == IDI_HAND) MessageBeep(MB_ICONHAND);
  switch (Run(owner)) {
    case IDOK:
      return BoxAnswer::Ok;
    case IDYES:
      return BoxAnswer::Yes;
    case IDNO:
      return BoxAnswer::No;
    default:
      return BoxAnswer::Cancel;
  }
}

bool MessageBoxDialog::HasButton(int id) const {
  return std::any_of(buttons_.begin(), buttons_.end(),
                     [id](const Button& button) { return button.id == id; });
}

INT_PTR MessageBoxDialog::HandleMessage(UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      CreateContents();
      return FALSE;  // the focus is set
    case WM_COMMAND: {
      // Esc arrives as IDCANCEL whatever buttons the box has.
      const int id = LOWORD(wparam);
      if (id == IDCANCEL) {
        EndDialog(Window(), escape_id_);
      } else if (HasButton(id)) {
        EndDialog(Window(), id);
      }
      return TRUE;
    }
    case WM_CLOSE:
      EndDialog(Window(), escape_id_);
      return TRUE;
    case WM_PAINT:
      Paint();
      return TRUE;
    default:
      return FALSE;
  }
}

void MessageBoxDialog::CreateContents() {
  SetWindowTextW(Window(), title_.c_str());
  const int dpi = Dpi();
  const auto px = [dpi](int logical) { return Scale(logical, dpi); };
  font_ = CreateMessageFont(dpi);
  const RECT work = WorkArea();

  HDC dc = GetDC(Window());
  const HGDIOBJ old_font = SelectObject(dc, font_.get());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  // Lines wider than the widest a box may be wrap; the box is as wide as the
  // widest line then is.
  const int max_width = std::min<int>(px(kMaxTextWidth), (work.right - work.left) * 3 / 4);
  RECT measured{0, 0, max_width, 0};
  DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &measured,
            DT_CALCRECT | kTextFormat);
  MeasureButtons(dc, dpi);
  SelectObject(dc, old_font);
  ReleaseDC(Window(), dc);

  const int text_width = std::min<int>(measured.right, max_width);
  const int text_height = std::min<int>(std::max<int>(measured.bottom, metrics.tmHeight),
                                        (work.bottom - work.top) * 3 / 4);
  const int icon_size = icon_ ? px(kIconSize) : 0;
  const int content_height = std::max(text_height, icon_size);
  const int text_left = px(kPadding) + (icon_ ? icon_size + px(kIconGap) : 0);
  const int text_top = px(kPadding) + (content_height - text_height) / 2;
  icon_bounds_ = {px(kPadding), px(kPadding), px(kPadding) + icon_size, px(kPadding) + icon_size};
  text_bounds_ = {text_left, text_top, text_left + text_width, text_top + text_height};
  band_top_ = content_height + 2 * px(kPadding);

  const int button_count = static_cast<int>(buttons_.size());
  int buttons_width = (button_count - 1) * px(kButtonGap);
  for (const Button& button : buttons_) buttons_width += button.width;
  const int client_width = std::max({static_cast<int>(text_bounds_.right) + px(kPadding),
                                     buttons_width + 2 * px(kBandPadding), px(kMinClientWidth)});
  const int client_height = band_top_ + 2 * px(kBandPadding) + px(kButtonHeight);

  int left = client_width - px(kBandPadding) - buttons_width;
  const int top = band_top_ + px(kBandPadding);
  for (const Button& button : buttons_) {
    DWORD style = WS_TABSTOP | (button.id == default_id_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    if (&button == &buttons_.front()) style |= WS_GROUP;
    const HWND control =
        CreateControl({L"BUTTON", button.caption.c_str(), style,
                       RECT{left, top, left + button.width, top + px(kButtonHeight)}, button.id},
                      font_.get());
    if (button.id == default_id_) SetFocus(control);
    left += button.width + px(kButtonGap);
  }
  SendMessageW(Window(), DM_SETDEFID, static_cast<WPARAM>(default_id_), 0);
  PlaceCentredOnOwner(client_width, client_height);
}

void MessageBoxDialog::MeasureButtons(HDC dc, int dpi) {
  int width = Scale(kButtonWidth, dpi);
  for (const Button& button : buttons_) {
    RECT measured{};
    DrawTextW(dc, button.caption.c_str(), static_cast<int>(button.caption.size()), &measured,
              DT_CALCRECT | DT_SINGLELINE);
    width = std::max<int>(width, measured.right + 2 * Scale(kButtonTextPadding, dpi));
  }
  for (Button& button : buttons_) button.width = width;
}

void MessageBoxDialog::Paint() const {
  const PaintScope paint(Window());
  const HDC dc = paint.dc();
  RECT white{};
  GetClientRect(Window(), &white);
  white.bottom = band_top_;
  FillRect(dc, &white, GetSysColorBrush(COLOR_WINDOW));
  if (icon_) {
    DrawIconEx(dc, icon_bounds_.left, icon_bounds_.top, LoadIconW(nullptr, icon_),
               icon_bounds_.right - icon_bounds_.left, icon_bounds_.bottom - icon_bounds_.top, 0,
               nullptr, DI_NORMAL);
  }
  const SelectionScope font(dc, font_.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  // A glyph may reach a pixel or two past the measured width: it may spill
  // into the margin, never into the buttons.
  IntersectClipRect(dc, white.left, white.top, white.right, white.bottom);
  RECT text = text_bounds_;
  DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &text, kTextFormat | DT_NOCLIP);
}

}  // namespace

BoxAnswer ShowMessageBox(HWND owner, BoxKind kind, const std::wstring& title,
                         const std::wstring& text, BoxButtons buttons) {
  return MessageBoxDialog(kind, title, text, buttons).Show(owner);
}

BoxAnswer ShowMessageBox(HWND owner, BoxKind kind, const std::wstring& title,
                         const std::wstring& text, const ChoiceCaptions& captions) {
  return MessageBoxDialog(kind, title, text, captions).Show(owner);
}

}  // namespace tarnpad
