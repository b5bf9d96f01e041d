#pragma once

#include <windows.h>

#include <exception>

namespace tarnpad {

// A modal window of our own, run by the system's dialog loop: the owner is
// disabled while it runs, its timers keep ticking, and Tab, Enter, Esc and
// access keys behave as in every dialog. The window starts empty; a derived
// class creates its controls on WM_INITDIALOG, in pixels of the window's DPI.
class ModalDialog {
 public:
  virtual ~ModalDialog() = default;

 protected:
  // Runs the dialog (a fixed frame with a caption and the close button) and
  // returns the code it was ended with. A C++ exception thrown by
  // HandleMessage ends the dialog and is thrown again here, so it never
  // crosses the system's frames.
  INT_PTR Run(HWND owner);
  // The dialog procedure's answer for one message: FALSE when not handled.
  virtual INT_PTR HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) = 0;

  HWND Window() const { return window_; }
  // The work area of the monitor the owner is on.
  RECT WorkArea() const;
  // The DPI of the owner, where the dialog is going to be shown.
  int Dpi() const;
  // Gives the window this client size and centres it on the owner (on the
  // owner's monitor when the owner is hidden or minimised), inside the work
  // area.
  void PlaceCentredOnOwner(int client_width, int client_height) const;
  struct ControlSpec {
    const wchar_t* window_class;
    const wchar_t* text;
    DWORD style;  // added to WS_CHILD | WS_VISIBLE
    RECT bounds;
    int id = 0;
    DWORD ex_style = 0;
  };
  HWND CreateControl(const ControlSpec& spec, HFONT font) const;

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  HWND window_ = nullptr;
  HWND owner_ = nullptr;
  std::exception_ptr failure_;
};

}  // namespace tarnpad
