#include "window/dispatch.h"

#include "core/failure.h"
#include "window/window_base.h"

namespace tarnpad {
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
