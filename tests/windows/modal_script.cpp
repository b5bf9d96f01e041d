#include "modal_script.h"

#include <gtest/gtest.h>

namespace tarnpad {
namespace {

constexpr wchar_t kClassName[] = L"TarnpadScriptedOwner";

void RegisterOwnerClass(WNDPROC procedure) {
  static const ATOM atom = [procedure] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    window_class.lpszClassName = kClassName;
    return RegisterClassExW(&window_class);
  }();
  ASSERT_NE(atom, 0);
}

}  // namespace

ScriptedOwner::ScriptedOwner(std::deque<ModalStep> steps) : steps_(std::move(steps)) {
  RegisterOwnerClass(&Procedure);
  window_ = CreateWindowExW(0, kClassName, L"Owner", WS_OVERLAPPEDWINDOW, 100, 80, 700, 500,
                            nullptr, nullptr, GetModuleHandleW(nullptr), this);
}

ScriptedOwner::~ScriptedOwner() {
  DestroyWindow(window_);
}

LRESULT CALLBACK ScriptedOwner::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(
        window, GWLP_USERDATA,
        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams));
  }
  auto* owner = reinterpret_cast<ScriptedOwner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (owner && message == WM_ENTERIDLE && wparam == MSGF_DIALOGBOX) {
    owner->OnIdle(reinterpret_cast<HWND>(lparam));
    return 0;
  }
  if (owner && message == WM_TIMER) {
    ++owner->timer_ticks_;
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

void ScriptedOwner::OnIdle(HWND dialog) {
  if (steps_.empty()) {
    ADD_FAILURE() << "the dialog was still open after the script's last step";
    EndDialog(dialog, 0);
    return;
  }
  seen_title_ = WindowText(dialog);
  seen_texts_.clear();
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    seen_texts_ += WindowText(child) + L"|";
  }
  if (steps_.front()(dialog)) steps_.pop_front();
}

ModalStep PressKey(WORD virtual_key) {
  return [virtual_key](HWND) {
    PostMessageW(GetFocus(), WM_KEYDOWN, virtual_key, 1);
    PostMessageW(GetFocus(), WM_KEYUP, virtual_key, 0xC0000001);
    return true;
  };
}

ModalStep TypeText(const std::wstring& text) {
  return [text](HWND) {
    for (const wchar_t character : text) PostMessageW(GetFocus(), WM_CHAR, character, 1);
    return true;
  };
}

ModalStep ClickCloseButton() {
  return [](HWND dialog) {
    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
  };
}

ModalStep ClickChild(const std::wstring& text) {
  return [text](HWND dialog) {
    HWND child = FindWindowExW(dialog, nullptr, nullptr, text.c_str());
    EXPECT_NE(child, nullptr) << "no child window shows this text";
    PostMessageW(child, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(child, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    return true;
  };
}

}  // namespace tarnpad
