#include "window/modal_dialog_win.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/failure.h"
#include "window/dpi.h"

namespace tarnpad {
namespace {

// An in-memory dialog template without controls, menu, class or title:
// DLGTEMPLATE followed by three empty words. The system requires it to be
// DWORD-aligned.
struct alignas(DWORD) EmptyDialogTemplate {
  DLGTEMPLATE header;
  std::array<WORD, 3> menu_class_title;
};

}  // namespace

INT_PTR ModalDialog::Run(HWND owner) {
  owner_ = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
  EmptyDialogTemplate dialog_template{};
  dialog_template.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  const INT_PTR result =
      DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &dialog_template.header, owner_,
                              &Procedure, reinterpret_cast<LPARAM>(this));
  window_ = nullptr;
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
  if (result == -1) throw Failure(L"Cannot create a window");
  return result;
}

INT_PTR CALLBACK ModalDialog::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, DWLP_USER, lparam);
    reinterpret_cast<ModalDialog*>(lparam)->window_ = window;
  }
  auto* dialog = reinterpret_cast<ModalDialog*>(GetWindowLongPtrW(window, DWLP_USER));
  if (!dialog) return FALSE;
  try {
    return dialog->HandleMessage(message, wparam, lparam);
  } catch (...) {
    dialog->failure_ = std::current_exception();
    EndDialog(window, IDCANCEL);
    return TRUE;
  }
}

RECT ModalDialog::WorkArea() const {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(owner_ ? owner_ : window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  return monitor.rcWork;
}

int ModalDialog::Dpi() const {
  return WindowDpi(owner_ ? owner_ : window_);
}

void ModalDialog::PlaceCentredOnOwner(int client_width, int client_height) const {
  RECT window_rect, client_rect;
  GetWindowRect(window_, &window_rect);
  GetClientRect(window_, &client_rect);
  const int width = client_width + (window_rect.right - window_rect.left) - client_rect.right;
  const int height = client_height + (window_rect.bottom - window_rect.top) - client_rect.bottom;

  const RECT work = WorkArea();
  RECT centre_of = work;
  if (owner_ && IsWindowVisible(owner_) && !IsIconic(owner_)) GetWindowRect(owner_, &centre_of);
  const int left = std::clamp((centre_of.left + centre_of.right - width) / 2, work.left,
                              std::max(work.left, work.right - width));
  const int top = std::clamp((centre_of.top + centre_of.bottom - height) / 2, work.top,
                             std::max(work.top, work.bottom - height));
  SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND ModalDialog::CreateControl(const ControlSpec& spec, HFONT font) const {
  const RECT& bounds = spec.bounds;
  HWND control = CreateWindowExW(
      spec.ex_style, spec.window_class, spec.text, WS_CHILD | WS_VISIBLE | spec.style, bounds.left,
      bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, window_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), GetModuleHandleW(nullptr), nullptr);
  if (!control) throw Failure(L"Cannot create a window");
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

}  // namespace tarnpad
