#pragma once

#include <functional>
#include <string>
#include <utility>

#include "shell/seams.h"

namespace tarnpad {

// How a component runs the handlers of its controls' events: through the
// main window's Dispatch, so that a failure shows in the error box.
using EventRunner = std::function<void(const std::function<void()>& handler)>;

// A control's event that runs handler through run.
inline std::function<void()> RunsThrough(const EventRunner& run, std::function<void()> handler) {
  return [run, handler = std::move(handler)] { run(handler); };
}

// Runs one event handler of the main window. Whatever it throws aborts it
// and is shown in the stop-icon error box, titled with the taskbar title of
// that moment; nothing escapes into the window procedure. Returns whether
// the handler ran to its end.
bool RunHandler(const std::function<void()>& handler, MessageBoxes& boxes,
                const std::function<std::wstring()>& taskbar_title);

}  // namespace tarnpad
