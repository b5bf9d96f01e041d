#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "window/dock_layout.h"
#include "window/owned_handles.h"
#include "window/window_base.h"

namespace tarnpad {

// A child window with a typed interface. Containers reflect the
// notifications a control sends to its parent (WM_COMMAND, WM_NOTIFY, the
// colour messages, WM_DRAWITEM) back to the control's object, which turns them
// into its callbacks.
class Control {
 public:
  Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  // A system control's window goes with its object; a window of the
  // program's own class is destroyed by its WindowBase.
  virtual ~Control();

  HWND Handle() const { return handle_; }
  // The control object of a window, or nullptr when it has none.
  static Control* FromHandle(HWND window);
  void SetText(const std::wstring& text);
  std::wstring Text() const;
  virtual void SetFont(HFONT font);
  void Show(bool visible);

  virtual void OnCommand(WORD /*code*/, WORD /*id*/) {}
  virtual LRESULT OnNotify(NMHDR* /*header*/) { return 0; }
  // A brush for WM_CTLCOLOR*, or nullptr for the default colours.
  virtual HBRUSH OnColor(HDC /*dc*/) { return nullptr; }
  // Draws an item of an owner-drawn control; returns false when it does not.
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }

  // Handles a reflected notification for whichever control sent it; returns
  // false when the message is not one of them.
  static bool Reflect(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

 protected:
  // Links a system control's window, just created, to this object until
  // the window or the object goes.
  void Attach(HWND handle);
  // For a window of the program's own class: links the window to this
  // object, or with nullptr ends the link (the window is being destroyed).
  void Bind(HWND handle);

  HWND handle_ = nullptr;

 private:
  void Link(HWND handle);
  void Unlink();
  bool system_control_ = false;  // linked by Attach
};

// Creates a child window of a system class with the standard control style.
HWND CreateChild(const wchar_t* window_class, HWND parent, DWORD style, const wchar_t* text = L"",
                 DWORD ex_style = 0);

// A tooltip window that shows hints for controls of owner's windows, lines
// broken at max_width (96-dpi pixels).
UniqueWindow CreateHintWindow(HWND owner, int max_width, int dpi);
// The hint shown while the mouse rests on control; text must outlive the
// tooltip.
void AddHint(HWND tooltip, HWND control, const wchar_t* text);

// A plain container that lays out its children by docking and reflects their
// notifications.
class Panel : public Control, public WindowBase<Panel> {
 public:
  explicit Panel(HWND parent, const wchar_t* name = L"");
  DockLayout& Layout() { return layout_; }
  void Relayout();
  std::function<void()> onResized;  // after the children were placed

 private:
  friend class WindowBase<Panel>;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void BindHandle(HWND window) { Bind(window); }
  DockLayout layout_;
};

class Label : public Control {
 public:
  Label(HWND parent, const std::wstring& caption);
  std::function<void()> onClick;
  COLORREF text_color = CLR_INVALID;  // CLR_INVALID: the system colour
  HCURSOR cursor = nullptr;           // shown while the mouse is over it
  void OnCommand(WORD code, WORD id) override;
  HBRUSH OnColor(HDC dc) override;
};

class Button : public Control {
 public:
  Button(HWND parent, const std::wstring& caption, bool takes_tab_stop = true);
  std::function<void()> onClick;
  void OnCommand(WORD code, WORD id) override;
};

class GroupBox : public Control {
 public:
  GroupBox(HWND parent, const std::wstring& caption);
};

class ListBox : public Control {
 public:
  explicit ListBox(HWND parent, bool takes_tab_stop = true);
  std::function<void()> onClick;  // selection changed by the user
  std::function<void()> onDoubleClick;
  virtual void Clear();
  virtual void Add(const std::wstring& item);
  // Replaces all items in one go, without repainting in between.
  virtual void SetItems(std::vector<std::wstring> items);
  int Count() const;
  virtual std::wstring Item(int index) const;
  int SelectedIndex() const;
  void SetSelectedIndex(int index);
  void SetItemHeight(int physical_height);
  void OnCommand(WORD code, WORD id) override;

 protected:
  // item_style: how the list box keeps and draws its items (LBS_*).
  ListBox(HWND parent, bool takes_tab_stop, DWORD item_style);
};

class Edit : public Control {
 public:
  // A single-line edit, or with multi_line a memo with a vertical scroll bar
  // where Tab inserts a tab.
  Edit(HWND parent, bool multi_line, bool takes_tab_stop = true);
  void SelectAll();
};

}  // namespace tarnpad
