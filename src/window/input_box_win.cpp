#include "window/input_box_win.h"

#include <algorithm>

#include "window/dpi.h"
#include "window/gdi_win.h"
#include "window/modal_dialog_win.h"
#include "window/window_base.h"

namespace tarnpad {
namespace {

// Logical pixels.
constexpr int kClientWidth = 360;
constexpr int kPadding = 12;
constexpr int kPromptGap = 6;    // between the prompt and the edit
constexpr int kEditPadding = 8;  // the edit's height beyond the text's
constexpr int kButtonsGap = 16;  // between the edit and the buttons
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;
constexpr int kButtonGap = 8;

constexpr UINT kPromptFormat =
    DT_LEFT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS;
constexpr int kEditId = 100;

class InputBoxDialog : public ModalDialog {
 public:
  InputBoxDialog(const std::wstring& caption, const std::wstring& prompt,
                 const std::wstring& initial)
      : caption_(caption), prompt_(prompt), text_(initial) {}
  std::optional<std::wstring> Show(HWND owner);

 private:
  INT_PTR HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void CreateContents();
  std::wstring EditText() const;

  std::wstring caption_;
  std::wstring prompt_;
  std::wstring text_;  // the initial text, then the text answered with OK
  UniqueFont font_;
};

std::optional<std::wstring> InputBoxDialog::Show(HWND owner) {
  if (Run(owner) != IDOK) return std::nullopt;
  return text_;
}

INT_PTR InputBoxDialog::HandleMessage(UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      CreateContents();
      return FALSE;  // the focus is set
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        text_ = EditText();
        EndDialog(Window(), IDOK);
      } else if (LOWORD(wparam) == IDCANCEL) {
        EndDialog(Window(), IDCANCEL);
      }
      return TRUE;
    case WM_CLOSE:
      EndDialog(Window(), IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

void InputBoxDialog::CreateContents() {
  SetWindowTextW(Window(), caption_.c_str());
  const int dpi = Dpi();
  const auto px = [dpi](int logical) { return Scale(logical, dpi); };
  font_ = CreateMessageFont(dpi);

  const int client_width = px(kClientWidth);
  const int inner_width = client_width - 2 * px(kPadding);
  HDC dc = GetDC(Window());
  const HGDIOBJ old_font = SelectObject(dc, font_.get());
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  RECT prompt{0, 0, inner_width, 0};
  DrawTextW(dc, prompt_.c_str(), static_cast<int>(prompt_.size()), &prompt,
            DT_CALCRECT | kPromptFormat);
  SelectObject(dc, old_font);
  ReleaseDC(Window(), dc);

  const int left = px(kPadding);
  const int prompt_bottom = px(kPadding) + std::max<int>(prompt.bottom, metrics.tmHeight);
  CreateControl({L"STATIC", prompt_.c_str(), SS_LEFT | SS_EDITCONTROL | SS_NOPREFIX,
                 RECT{left, px(kPadding), left + inner_width, prompt_bottom}},
                font_.get());
  const int edit_top = prompt_bottom + px(kPromptGap);
  const int edit_bottom = edit_top + metrics.tmHeight + px(kEditPadding);
  const HWND edit = CreateControl(
      {L"EDIT", text_.c_str(), WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL,
       RECT{left, edit_top, left + inner_width, edit_bottom}, kEditId, WS_EX_CLIENTEDGE},
      font_.get());
  const int buttons_top = edit_bottom + px(kButtonsGap);
  int button_left = client_width - px(kPadding) - 2 * px(kButtonWidth) - px(kButtonGap);
  CreateControl({L"BUTTON", L"OK", WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON,
                 RECT{button_left, buttons_top, button_left + px(kButtonWidth),
                      buttons_top + px(kButtonHeight)},
                 IDOK},
                font_.get());
  button_left += px(kButtonWidth) + px(kButtonGap);
  CreateControl({L"BUTTON", L"Cancel", WS_TABSTOP | BS_PUSHBUTTON,
                 RECT{button_left, buttons_top, button_left + px(kButtonWidth),
                      buttons_top + px(kButtonHeight)},
                 IDCANCEL},
                font_.get());
  SendMessageW(Window(), DM_SETDEFID, IDOK, 0);
  PlaceCentredOnOwner(client_width, buttons_top + px(kButtonHeight) + px(kPadding));
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SetFocus(edit);
}

std::wstring InputBoxDialog::EditText() const {
  return WindowText(GetDlgItem(Window(), kEditId));
}

}  // namespace

std::optional<std::wstring> ShowInputBox(HWND owner, const std::wstring& caption,
                                         const std::wstring& prompt, const std::wstring& initial) {
  return InputBoxDialog(caption, prompt, initial).Show(owner);
}

}  // namespace tarnpad
