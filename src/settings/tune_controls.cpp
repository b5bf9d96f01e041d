#include "settings/tune_controls.h"

#include <commctrl.h>

#include "window/dpi.h"

namespace tarnpad {
namespace {

bool IsRadioButton(HWND window) {
  wchar_t class_name[16] = {};
  GetClassNameW(window, class_name, 16);
  return CompareStringOrdinal(class_name, -1, L"Button", -1, TRUE) == CSTR_EQUAL &&
         (GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK) == BS_RADIOBUTTON;
}

}  // namespace

GroupFrame::GroupFrame(HWND parent, const std::wstring& caption) {
  Attach(CreateChild(L"BUTTON", parent, BS_GROUPBOX | WS_CLIPCHILDREN, caption.c_str(),
                     WS_EX_CONTROLPARENT));
  Subclass(handle_, [this](HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return HandleMessage(window, message, wparam, lparam);
  });
}

LRESULT GroupFrame::HandleMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (Control::Reflect(message, wparam, lparam, result)) return result;
  switch (message) {
    case WM_SIZE: {
      RECT client;
      GetClientRect(window, &client);
      layout_.Arrange(client, WindowDpi(window));
      break;
    }
    case WM_ERASEBKGND: {
      // A group box draws only its frame and caption; with its children
      // clipped out of the parent's painting, the inside is ours to fill.
      RECT client;
      GetClientRect(window, &client);
      FillRect(reinterpret_cast<HDC>(wparam), &client, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    default:
      break;
  }
  return DefSubclassProc(window, message, wparam, lparam);
}

ToggleButton::ToggleButton(HWND parent, const std::wstring& caption, DWORD style, bool checked) {
  Attach(CreateChild(L"BUTTON", parent, style, caption.c_str()));
  SendMessageW(handle_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool ToggleButton::Checked() const {
  return SendMessageW(handle_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ToggleButton::SetChecked(bool checked) {
  if (checked == Checked()) return;
  ShowState(checked);
  if (onClick) onClick();
}

void ToggleButton::OnCommand(WORD code, WORD) {
  if (code != BN_CLICKED) return;
  const bool wanted = ClickedState();
  if (wanted == Checked()) return;
  ShowState(wanted);
  if (!onClick) return;
  if (runUserClick) {
    runUserClick(onClick);
  } else {
    onClick();
  }
}

void ToggleButton::ShowState(bool checked) {
  SendMessageW(handle_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

CheckBox::CheckBox(HWND parent, const std::wstring& caption, bool checked)
    : ToggleButton(parent, caption, BS_CHECKBOX | WS_TABSTOP, checked) {}

bool CheckBox::ClickedState() const {
  return !Checked();
}

RadioButton::RadioButton(HWND parent, const std::wstring& caption, bool first_of_group,
                         bool checked)
    : ToggleButton(parent, caption,
                   BS_RADIOBUTTON | (first_of_group ? WS_GROUP | WS_TABSTOP : DWORD{0}), checked) {}

bool RadioButton::ClickedState() const {
  return true;
}

void RadioButton::ShowState(bool checked) {
  if (checked) {
    for (HWND sibling = GetWindow(GetParent(handle_), GW_CHILD); sibling;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
      if (sibling != handle_ && IsRadioButton(sibling)) {
        SendMessageW(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
      }
    }
  }
  ToggleButton::ShowState(checked);
}

Bevel::Bevel(HWND parent) {
  Attach(CreateChild(L"STATIC", parent, SS_ETCHEDHORZ));
}

}  // namespace tarnpad
