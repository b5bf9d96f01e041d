#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>

namespace tarnpad {

// What reaches a window procedure as an exception goes to one reporter: the
// main window shows it in its error box; before there is one (or after), a
// plain stop-icon box. Process-wide, set on the interface thread.
using FailureReporter = std::function<void(const std::wstring& message)>;
void SetFailureReporter(FailureReporter reporter);

// The message of the exception being handled, for any kind of exception.
std::wstring CurrentFailureMessage();
// Hands the exception being handled to the reporter; never throws.
void ReportCurrentFailure() noexcept;

// Runs work at a boundary that no exception may cross: unwinding through the
// system's code would end the program, and the user's text with it. A
// failure stops work where it was and is reported. False when work failed.
template <typename Work>
bool RunGuarded(Work&& work) noexcept {
  try {
    work();
    return true;
  } catch (...) {
    ReportCurrentFailure();
    return false;
  }
}

// Subclasses a window that is not of the program's own classes (a system
// control, say): handler runs for each of its messages inside RunGuarded and
// passes what it does not take on with DefSubclassProc. A message that
// failed answers 0. The subclass ends with the window.
using SubclassHandler = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;
void Subclass(HWND window, SubclassHandler handler);

// A window's whole text (caption, or an edit control's contents).
std::wstring WindowText(HWND window);

// Gives a child window the identifier by which it is found in the window
// tree, by tests and by accessibility tools alike.
void SetWindowId(HWND window, int id);
// The first window below root, at any depth, with that identifier; nullptr
// when there is none.
HWND FindWindowById(HWND root, int id);

// A window class of the program's own.
struct WindowClass {
  const wchar_t* name = nullptr;
  UINT style = 0;
  HCURSOR cursor = nullptr;     // nullptr: the arrow
  HBRUSH background = nullptr;  // nullptr: the window paints it all
  HICON icon = nullptr;
};

// Registers the class once for the process; later calls with the same name
// do nothing. Throws Failure when the system refuses it.
void RegisterWindowClass(const WindowClass& window_class, WNDPROC procedure);
[[noreturn]] void ThrowCannotCreateWindow(const wchar_t* class_name);

// The one way a window of the program's own classes is bound to its object.
// T derives from WindowBase<T> and provides
//   LRESULT HandleMessage(UINT, WPARAM, LPARAM);
//   void BindHandle(HWND);  // the window exists (WM_NCCREATE) or is gone (nullptr)
// Every message goes to HandleMessage inside RunGuarded; a message that
// failed answers 0, or -1 for WM_CREATE so that the creation fails. The binding ends on
// WM_NCDESTROY, or when the object is destroyed first, which then destroys its window.
template <typename T>
class WindowBase {
 public:
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;

  // The object bound to a window of T's own window procedure; nullptr for
  // any other window.
  static T* ObjectOf(HWND window) {
    if (window == nullptr ||
        GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&WindowProc)) {
      return nullptr;
    }
    auto* bound = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return bound ? static_cast<T*>(bound) : nullptr;
  }

 protected:
  WindowBase() = default;
  ~WindowBase() {
    // The derived object is gone: the window's last messages go to the
    // system's default handling.
    if (window_ != nullptr) {
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      DestroyWindow(window_);
    }
  }

  // Destroys the window without telling the object: for an object being
  // torn down, whose members may go before the window's last messages (its
  // children's included) would arrive.
  void DestroyUnbound() {
    if (window_ == nullptr) return;
    HWND window = std::exchange(window_, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    static_cast<T*>(this)->BindHandle(nullptr);
    DestroyWindow(window);
  }

  // Creates the window of window_class, bound to this object. Throws Failure
  // when it cannot be created.
  HWND CreateBound(const WindowClass& window_class, DWORD ex_style, DWORD style,
                   const wchar_t* text, RECT bounds, HWND parent, HMENU menu);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
      auto* created = static_cast<WindowBase*>(
          static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams));
      created->window_ = window;
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
      static_cast<T*>(created)->BindHandle(window);
    }
    auto* bound = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (bound == nullptr) return DefWindowProcW(window, message, wparam, lparam);
    T& object = static_cast<T&>(*bound);
    LRESULT result = 0;
    if (!RunGuarded([&] { result = object.HandleMessage(message, wparam, lparam); })) {
      result = message == WM_CREATE ? -1 : 0;  // a window that failed to start is not made
    }
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      bound->window_ = nullptr;
      object.BindHandle(nullptr);
    }
    return result;
  }

  HWND window_ = nullptr;  // while bound
};

template <typename T>
HWND WindowBase<T>::CreateBound(const WindowClass& window_class, DWORD ex_style, DWORD style,
                                const wchar_t* text, RECT bounds, HWND parent, HMENU menu) {
  RegisterWindowClass(window_class, WindowProc);
  HWND window = CreateWindowExW(ex_style, window_class.name, text, style, bounds.left, bounds.top,
                                bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                menu, GetModuleHandleW(nullptr), static_cast<T*>(this));
  if (window == nullptr) ThrowCannotCreateWindow(window_class.name);
  return window;
}
}  // namespace tarnpad
