#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "window/controls.h"
#include "window/dock_layout.h"

// The kinds of control that only the settings page uses.
namespace tarnpad {

// A group box that holds controls: they are its children, placed by its
// layout, and their notifications reach their objects as in a Panel.
class GroupFrame : public Control {
 public:
  GroupFrame(HWND parent, const std::wstring& caption);
  DockLayout& Layout() { return layout_; }

 private:
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  DockLayout layout_;
};

// A check box or radio button whose state this object keeps. Its click
// handler runs whenever the state changes: after a user's click, and when
// code sets the state. A click that leaves the state as it was (on a radio
// button already checked) runs nothing.
class ToggleButton : public Control {
 public:
  bool Checked() const;
  // Sets the state from code; when that changes it, onClick runs at once,
  // inside the caller, so that its failure aborts the caller too.
  void SetChecked(bool checked);

  std::function<void()> onClick;
  // What a user's click runs onClick through (the main window's failure
  // box); onClick alone when empty.
  std::function<void(const std::function<void()>& handler)> runUserClick;

  void OnCommand(WORD code, WORD id) override;

 protected:
  ToggleButton(HWND parent, const std::wstring& caption, DWORD style, bool checked);
  // The state a user's click asks for.
  virtual bool ClickedState() const = 0;
  // Shows the state (a radio button also clears the others of its group).
  virtual void ShowState(bool checked);
};

class CheckBox : public ToggleButton {
 public:
  CheckBox(HWND parent, const std::wstring& caption, bool checked = false);

 protected:
  bool ClickedState() const override;
};

// The radio buttons of one parent window form one group: checking one
// clears the others, whose handlers do not run.
class RadioButton : public ToggleButton {
 public:
  RadioButton(HWND parent, const std::wstring& caption, bool first_of_group, bool checked = false);

 protected:
  bool ClickedState() const override;
  void ShowState(bool checked) override;
};

// A sunken horizontal line.
class Bevel : public Control {
 public:
  explicit Bevel(HWND parent);
};

}  // namespace tarnpad
