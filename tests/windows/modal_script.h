#pragma once

// Drives our modal windows as a user would, without timing: the system's
// dialog loop tells the owner each time it has nothing left to do
// (WM_ENTERIDLE), and the script's next step then acts on the open dialog.
#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>

#include "window/window_base.h"

namespace tarnpad {

// A step returns false to be asked again at the next idle moment (to wait
// for something), true when it is done.
using ModalStep = std::function<bool(HWND dialog)>;

// A top-level window, hidden until a test shows it, that owns the dialogs
// under test and runs the script. An idle moment after the last step is a
// failure of the test; the dialog is then ended so that the test goes on.
class ScriptedOwner {
 public:
  explicit ScriptedOwner(std::deque<ModalStep> steps = {});
  ~ScriptedOwner();
  ScriptedOwner(const ScriptedOwner&) = delete;
  ScriptedOwner& operator=(const ScriptedOwner&) = delete;

  void Add(ModalStep step) { steps_.push_back(std::move(step)); }
  HWND Window() const { return window_; }
  int TimerTicks() const { return timer_ticks_; }
  // The dialog's window text and its children's texts, as the last step saw them.
  const std::wstring& SeenTitle() const { return seen_title_; }
  const std::wstring& SeenTexts() const { return seen_texts_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void OnIdle(HWND dialog);

  HWND window_ = nullptr;
  std::deque<ModalStep> steps_;
  int timer_ticks_ = 0;
  std::wstring seen_title_;
  std::wstring seen_texts_;  // each child's text followed by "|"
};

// Steps.
ModalStep PressKey(WORD virtual_key);          // a key press at the focused control
ModalStep TypeText(const std::wstring& text);  // characters typed at the focused control
ModalStep ClickCloseButton();
ModalStep ClickChild(const std::wstring& text);  // a mouse click on the child with this text

}  // namespace tarnpad
