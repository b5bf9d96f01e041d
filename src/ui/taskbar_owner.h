#pragma once

#include <windows.h>

#include <string>

#include "window/window_base.h"

namespace tarnpad {

// The hidden window that owns the main window and holds the program's
// taskbar button; its caption is the taskbar title. Whatever activates it
// hands the activation on to the main window.
class TaskbarOwner : public WindowBase<TaskbarOwner> {
 public:
  TaskbarOwner(const std::wstring& title, HICON icon);

  HWND Handle() const { return window_; }
  // The window that takes the activation; not owned.
  void SetMainWindow(HWND main) { main_ = main; }
  std::wstring Title() const;
  void SetTitle(const std::wstring& title);

 private:
  friend class WindowBase<TaskbarOwner>;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void BindHandle(HWND window) { window_ = window; }

  HWND window_ = nullptr;
  HWND main_ = nullptr;
};

}  // namespace tarnpad
