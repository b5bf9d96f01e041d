#include "window/window_base.h"

#include <commctrl.h>

#include <memory>
#include <new>
#include <set>
#include <utility>

#include "core/failure.h"

namespace tarnpad {
namespace {

FailureReporter& Reporter() {
  static FailureReporter reporter;
  return reporter;
}

std::wstring FromUtf8(const char* text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  if (length <= 1) return {};
  std::wstring result(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, -1, result.data(), length);
  result.pop_back();  // the terminating NUL
  return result;
}

}  // namespace

void SetFailureReporter(FailureReporter reporter) {
  Reporter() = std::move(reporter);
}

std::wstring CurrentFailureMessage() {
  try {
    throw;
  } catch (const Failure& failure) {
    return failure.Message();
  } catch (const std::bad_alloc&) {
    return L"Not enough memory";
  } catch (const std::exception& error) {
    return FromUtf8(error.what());
  } catch (...) {
    return L"Unexpected failure";
  }
}

void ReportCurrentFailure() noexcept {
  try {
    const std::wstring message = CurrentFailureMessage();
    if (Reporter()) {
      Reporter()(message);
    } else {
      MessageBoxW(GetActiveWindow(), ErrorBoxText(message).c_str(), nullptr, MB_OK | MB_ICONSTOP);
    }
  } catch (...) {
    // Even the report failed (no memory, no window): the program goes on,
    // and the user's text with it.
  }
}

namespace {

LRESULT CALLBACK GuardedSubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                     UINT_PTR id, DWORD_PTR data) {
  auto* handler = reinterpret_cast<SubclassHandler*>(data);
  LRESULT result = 0;
  if (!RunGuarded([&] { result = (*handler)(window, message, wparam, lparam); }) &&
      message == WM_NCDESTROY) {
    result = DefSubclassProc(window, message, wparam, lparam);
  }
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, GuardedSubclassProc, id);
    delete handler;
  }
  return result;
}

}  // namespace

void Subclass(HWND window, SubclassHandler handler) {
  auto owned = std::make_unique<SubclassHandler>(std::move(handler));
  const auto id = reinterpret_cast<UINT_PTR>(owned.get());
  if (!SetWindowSubclass(window, GuardedSubclassProc, id,
                         reinterpret_cast<DWORD_PTR>(owned.get()))) {
    throw Failure(L"Cannot subclass a window");
  }
  owned.release();  // the subclass owns it until WM_NCDESTROY
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

void SetWindowId(HWND window, int id) {
  SetWindowLongPtrW(window, GWLP_ID, id);
}

HWND FindWindowById(HWND root, int id) {
  struct Search {
    int id;
    HWND found = nullptr;
  } search{id};
  // EnumChildWindows walks every descendant, not only the direct children.
  EnumChildWindows(
      root,
      [](HWND child, LPARAM data) {
        auto* wanted = reinterpret_cast<Search*>(data);
        if (GetDlgCtrlID(child) != wanted->id) return TRUE;
        wanted->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void RegisterWindowClass(const WindowClass& window_class, WNDPROC procedure) {
  static std::set<std::wstring> registered;
  if (registered.contains(window_class.name)) return;
  WNDCLASSEXW description{};
  description.cbSize = sizeof(description);
  description.style = window_class.style;
  description.lpfnWndProc = procedure;
  description.hInstance = GetModuleHandleW(nullptr);
  description.hIcon = window_class.icon;
  description.hCursor = window_class.cursor ? window_class.cursor : LoadCursorW(nullptr, IDC_ARROW);
  description.hbrBackground = window_class.background;
  description.lpszClassName = window_class.name;
  if (RegisterClassExW(&description) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw Failure(std::wstring(L"Cannot register the window class ") + window_class.name);
  }
  registered.insert(window_class.name);
}

void ThrowCannotCreateWindow(const wchar_t* class_name) {
  throw Failure(std::wstring(L"Cannot create a window of the class ") + class_name);
}

}  // namespace tarnpad
