#include "window/dispatch.h"

#include <windows.h>

#include <new>

#include "core/failure.h"

namespace tarnpad {
namespace {

std::wstring FromUtf8(const char* text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
  if (length <= 1) return {};
  std::wstring result(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, -1, result.data(), length);
  result.pop_back();  // the terminating NUL
  return result;
}

// The message of the exception being handled.
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

}  // namespace

bool RunHandler(const std::function<void()>& handler, MessageBoxes& boxes,
                const std::function<std::wstring()>& taskbar_title) {
  try {
    handler();
    return true;
  } catch (...) {
    try {
      boxes.Show(BoxKind::Error, taskbar_title(), ErrorBoxText(CurrentFailureMessage()),
                 BoxButtons::Ok);
    } catch (...) {
      // Even the box failed (no memory, no window): the program goes on, and
      // the user's text with it.
    }
    return false;
  }
}

}  // namespace tarnpad
