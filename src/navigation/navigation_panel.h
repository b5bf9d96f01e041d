#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "navigation/section_export.h"
#include "shell/seams.h"
#include "window/controls.h"
#include "window/dispatch.h"
#include "window/gdi_win.h"
#include "window/owned_handles.h"
#include "window/splitter.h"

namespace tarnpad {

class TextView;

struct NavigationPanelArgs {
  Panel* container = nullptr;           // docks the panel and its splitter at its left
  TextView* editor = nullptr;           // whose document is scanned and who jumps
  FileDialogs* file_dialogs = nullptr;  // the export's save dialog
  EventRunner run;                      // runs the handlers of the controls' events
  // The list asks for its context menu, at this screen point.
  std::function<void(POINT screen)> showContextMenu;
};

// The navigation panel: a row of two links and a hint over the list of the
// document's sections, at the editor's left, with its splitter. The panel
// stays in the layout; width 1 is its hidden state. It starts hidden.
class NavigationPanel {
 public:
  // Identifiers of the controls in the window tree.
  enum ControlId : int { kListId = 1101, kHideId, kRecountId, kHintId, kSplitterId };

  explicit NavigationPanel(const NavigationPanelArgs& args);
  ~NavigationPanel();
  NavigationPanel(const NavigationPanel&) = delete;
  NavigationPanel& operator=(const NavigationPanel&) = delete;

  // Shows the panel (scanning when the rules say so) or hides it.
  void Toggle();
  // Hides the panel, keeping its width for its next showing.
  void Hide();
  // Lists the sections marked with labels, by hand.
  void Recount();
  // Writes the listed sections to a file the user chooses.
  void ExportList();

  // Width in 96-dpi pixels; kHiddenNavigationWidth while hidden.
  int Width() const;
  void SetWidth(int width);
  // The width the panel gets when shown again.
  int SavedWidth() const { return saved_width_; }
  // The listed entries, in list order.
  std::vector<std::string> Entries() const;

  // The list's font, as the settings choose it; a monospaced face falls
  // back to another monospaced one where the system lacks it.
  void SetListFontName(const std::wstring& face, bool monospaced);
  void SetListFontPoints(int points);
  // The screen's resolution changed (or the form's font was applied to
  // every control): the list's font and item height follow.
  void SetDpi(int dpi);

 private:
  void CreateControls(HWND container);
  void BindEvents(const EventRunner& run);
  void ApplyListFont();
  void JumpToSelectedEntry();
  void SplitterMoved();
  POINT KeyboardMenuPoint() const;

  Panel& container_;
  TextView& editor_;
  FileDialogs& file_dialogs_;
  std::function<void(POINT)> show_context_menu_;
  SectionExportDialog export_dialog_;  // NavigationSaveDialog
  int saved_width_ = 400;              // SavedNavigationWidth
  int dpi_ = 96;
  std::wstring list_face_ = L"Small Fonts";
  bool list_monospaced_ = false;
  int list_height_ = -9;  // 96-dpi pixels
  UniqueFont list_font_;  // the list borrows it

  // Controls, from the outside in.
  std::unique_ptr<Panel> Navigation_Panel;
  std::unique_ptr<Panel> Navigation_Tools_Panel;
  std::unique_ptr<Label> Navigation_Tools_Hide_Label;
  std::unique_ptr<Label> Navigation_Tools_Recount_Label;
  std::unique_ptr<Label> Navigation_Tools_RecountHint_Label;
  std::unique_ptr<ListBox> Navigation_ListBox;
  std::unique_ptr<Splitter> Splitter1;
  UniqueWindow hint_tooltip_;
};

}  // namespace tarnpad
