#include "ui/taskbar_owner.h"

namespace tarnpad {
namespace {
constexpr wchar_t kOwnerClass[] = L"TarnpadApplication";
}

TaskbarOwner::TaskbarOwner(const std::wstring& title, HICON icon) {
  WindowClass window_class;
  window_class.name = kOwnerClass;
  window_class.icon = icon;
  CreateBound(window_class, 0, WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, title.c_str(), {}, nullptr,
              nullptr);
}

std::wstring TaskbarOwner::Title() const {
  return WindowText(window_);
}

void TaskbarOwner::SetTitle(const std::wstring& title) {
  SetWindowTextW(window_, title.c_str());
}

LRESULT TaskbarOwner::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_ACTIVATE && LOWORD(wparam) != WA_INACTIVE) {
    if (main_ && IsWindowEnabled(main_)) SetActiveWindow(main_);
    return 0;
  }
  if (message == WM_SYSCOMMAND && (wparam & 0xFFF0) == SC_RESTORE) {
    const LRESULT result = DefWindowProcW(window_, message, wparam, lparam);
    if (main_) SetActiveWindow(main_);
    return result;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

}  // namespace tarnpad
