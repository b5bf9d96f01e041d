#include "window/controls.h"

#include <commctrl.h>

#include <cstddef>

#include "window/dpi.h"

namespace tarnpad {
namespace {

constexpr wchar_t kControlProperty[] = L"TarnpadControl";
constexpr wchar_t kPanelClass[] = L"TarnpadPanel";

Control* ControlOf(HWND window) {
  return window ? static_cast<Control*>(GetPropW(window, kControlProperty)) : nullptr;
}

}  // namespace

Control::~Control() {
  if (system_control_ && handle_ != nullptr) {
    DestroyWindow(handle_);  // its last message ends the link
  } else if (handle_ != nullptr && ControlOf(handle_) == this) {
    RemovePropW(handle_, kControlProperty);
  }
}

Control* Control::FromHandle(HWND window) {
  return ControlOf(window);
}

void Control::Attach(HWND handle) {
  system_control_ = true;
  Link(handle);
  // A system control's window may go before its object (with its parent):
  // the link ends with it.
  Subclass(handle_, [this](HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCDESTROY) Unlink();
    return DefSubclassProc(window, message, wparam, lparam);
  });
}

void Control::Bind(HWND handle) {
  if (handle != nullptr) {
    Link(handle);
  } else {
    Unlink();
  }
}

void Control::Link(HWND handle) {
  handle_ = handle;
  SetPropW(handle_, kControlProperty, this);
}

void Control::Unlink() {
  if (handle_ == nullptr) return;
  RemovePropW(handle_, kControlProperty);
  handle_ = nullptr;
}

void Control::SetText(const std::wstring& text) {
  SetWindowTextW(handle_, text.c_str());
}

std::wstring Control::Text() const {
  return WindowText(handle_);
}

void Control::SetFont(HFONT font) {
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Control::Show(bool visible) {
  ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
}

bool Control::Reflect(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      if (Control* control = ControlOf(reinterpret_cast<HWND>(lparam))) {
        control->OnCommand(HIWORD(wparam), LOWORD(wparam));
        result = 0;
        return true;
      }
      return false;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lparam);
      if (Control* control = ControlOf(header->hwndFrom)) {
        result = control->OnNotify(header);
        return true;
      }
      return false;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (Control* control = ControlOf(reinterpret_cast<HWND>(lparam))) {
        if (HBRUSH brush = control->OnColor(reinterpret_cast<HDC>(wparam))) {
          result = reinterpret_cast<LRESULT>(brush);
          return true;
        }
      }
      return false;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      Control* control = ControlOf(item->hwndItem);
      if (control && control->OnDrawItem(*item)) {
        result = TRUE;
        return true;
      }
      return false;
    }
    default:
      return false;
  }
}

HWND CreateChild(const wchar_t* window_class, HWND parent, DWORD style, const wchar_t* text,
                 DWORD ex_style) {
  return CreateWindowExW(ex_style, window_class, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                         parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

UniqueWindow CreateHintWindow(HWND owner, int max_width, int dpi) {
  UniqueWindow tooltip(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                       WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                       GetModuleHandleW(nullptr), nullptr));
  SendMessageW(tooltip.get(), TTM_SETMAXTIPWIDTH, 0, Scale(max_width, dpi));
  return tooltip;
}

void AddHint(HWND tooltip, HWND control, const wchar_t* text) {
  TOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(text);
  SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

Panel::Panel(HWND parent, const wchar_t* name) {
  WindowClass window_class;
  window_class.name = kPanelClass;
  window_class.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  CreateBound(window_class, WS_EX_CONTROLPARENT,
              WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, name, {}, parent, nullptr);
}

void Panel::Relayout() {
  RECT client;
  GetClientRect(handle_, &client);
  layout_.Arrange(client, WindowDpi(handle_));
  if (onResized) onResized();
}

LRESULT Panel::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (Control::Reflect(message, wparam, lparam, result)) return result;
  if (message == WM_SIZE) {
    Relayout();
    return 0;
  }
  return DefWindowProcW(handle_, message, wparam, lparam);
}

Label::Label(HWND parent, const std::wstring& caption) {
  Attach(CreateChild(L"STATIC", parent, SS_LEFT | SS_NOTIFY | SS_NOPREFIX, caption.c_str()));
  Subclass(handle_, [this](HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_SETCURSOR && cursor) {
      SetCursor(cursor);
      return LRESULT{TRUE};
    }
    return DefSubclassProc(window, message, wparam, lparam);
  });
}

void Label::OnCommand(WORD code, WORD) {
  if (code == STN_CLICKED && onClick) onClick();
}

HBRUSH Label::OnColor(HDC dc) {
  if (text_color == CLR_INVALID) return nullptr;
  SetTextColor(dc, text_color);
  SetBkMode(dc, TRANSPARENT);
  return GetSysColorBrush(COLOR_BTNFACE);
}

Button::Button(HWND parent, const std::wstring& caption, bool takes_tab_stop) {
  Attach(CreateChild(L"BUTTON", parent, BS_PUSHBUTTON | (takes_tab_stop ? WS_TABSTOP : 0),
                     caption.c_str()));
}

void Button::OnCommand(WORD code, WORD) {
  if (code == BN_CLICKED && onClick) onClick();
}

GroupBox::GroupBox(HWND parent, const std::wstring& caption) {
  Attach(CreateChild(L"BUTTON", parent, BS_GROUPBOX, caption.c_str()));
}

ListBox::ListBox(HWND parent, bool takes_tab_stop)
    : ListBox(parent, takes_tab_stop, LBS_HASSTRINGS) {}

ListBox::ListBox(HWND parent, bool takes_tab_stop, DWORD item_style) {
  Attach(CreateChild(L"LISTBOX", parent,
                     LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | item_style |
                         (takes_tab_stop ? WS_TABSTOP : 0),
                     L"", WS_EX_CLIENTEDGE));
}

void ListBox::Clear() {
  SendMessageW(handle_, LB_RESETCONTENT, 0, 0);
}

void ListBox::Add(const std::wstring& item) {
  SendMessageW(handle_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void ListBox::SetItems(std::vector<std::wstring> items) {
  SendMessageW(handle_, WM_SETREDRAW, FALSE, 0);
  Clear();
  std::size_t characters = 0;
  for (const std::wstring& item : items) characters += item.size() + 1;
  SendMessageW(handle_, LB_INITSTORAGE, items.size(),
               static_cast<LPARAM>(characters * sizeof(wchar_t)));
  for (const std::wstring& item : items) Add(item);
  SendMessageW(handle_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(handle_, nullptr, TRUE);
}

int ListBox::Count() const {
  return static_cast<int>(SendMessageW(handle_, LB_GETCOUNT, 0, 0));
}

std::wstring ListBox::Item(int index) const {
  const LRESULT length = SendMessageW(handle_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(handle_, LB_GETTEXT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

int ListBox::SelectedIndex() const {
  return static_cast<int>(SendMessageW(handle_, LB_GETCURSEL, 0, 0));
}

void ListBox::SetSelectedIndex(int index) {
  SendMessageW(handle_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ListBox::SetItemHeight(int physical_height) {
  SendMessageW(handle_, LB_SETITEMHEIGHT, 0, MAKELPARAM(physical_height, 0));
}

void ListBox::OnCommand(WORD code, WORD) {
  if (code == LBN_SELCHANGE && onClick) onClick();
  if (code == LBN_DBLCLK && onDoubleClick) onDoubleClick();
}

Edit::Edit(HWND parent, bool multi_line, bool takes_tab_stop) {
  // A memo keeps showing its selection when another control has the focus.
  const DWORD style =
      multi_line ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | ES_NOHIDESEL
                 : ES_AUTOHSCROLL;
  Attach(CreateChild(L"EDIT", parent, style | (takes_tab_stop ? WS_TABSTOP : 0), L"",
                     WS_EX_CLIENTEDGE));
  // The system's default limit (30 000 or 32 767 characters) would cut
  // pastes short and refuse typing past it without a word; 0 lifts it to
  // what the control can hold.
  SendMessageW(handle_, EM_SETLIMITTEXT, 0, 0);
}

void Edit::SelectAll() {
  SendMessageW(handle_, EM_SETSEL, 0, -1);
}

}  // namespace tarnpad
