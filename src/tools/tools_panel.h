#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "window/controls.h"
#include "window/dispatch.h"
#include "window/gdi_win.h"
#include "window/owned_handles.h"
#include "window/splitter.h"
#include "window/tabbed_notebook.h"

namespace tarnpad {

class TextView;

struct ToolsPanelArgs {
  Panel* container = nullptr;  // docks the panel and its splitter at its bottom
  TextView* editor = nullptr;  // what search and replace work on
  EventRunner run;             // runs the handlers of the controls' events
  // After each click on the tab row, once the panel's height follows it.
  std::function<void()> tabRowClicked;
};

// The tools panel under the editor: a row of tabs ("Выдержка", "Блокнот",
// "Поиск", "Замена", "Свернуть") over their pages, with the notepad's two
// buttons on the tab row, and its splitter. At height 25 only the tab row
// shows: the panel is collapsed.
class ToolsPanel {
 public:
  // Identifiers of the controls in the window tree.
  enum ControlId : int {
    kTabsId = 1301,
    kNotepadId,
    kSearchTextId,
    kSearchId,
    kSearchMoreId,
    kReplaceFromId,
    kReplaceToId,
    kReplaceAllId,
    kClearNotepadId,
    kSelectNotepadId,
    kSplitterId,
  };

  explicit ToolsPanel(const ToolsPanelArgs& args);
  ~ToolsPanel();
  ToolsPanel(const ToolsPanel&) = delete;
  ToolsPanel& operator=(const ToolsPanel&) = delete;

  // The "Выдержка" page, for the fragments tab to fill.
  Panel& FragmentsPage() { return TabbedNotebook1->Page(0); }

  // Height in 96-dpi pixels; kToolsCollapsedHeight while collapsed.
  int Height() const;
  void SetHeight(int height);
  // The line of the last search hit, where find-next starts.
  std::int64_t LastFoundLine() const { return last_found_line_; }
  // Puts text into the notepad and shows it, expanding a collapsed panel.
  void ShowInNotepad(const std::wstring& text);
  // The screen's resolution changed (or the form's font was applied to
  // every control): the notepad's and the tab row buttons' fonts follow.
  void SetDpi(int dpi);

 private:
  void CreateControls(HWND container);
  void CreatePages();
  void BindEvents(const EventRunner& run);
  void TabChanging(int new_index);
  void TabRowClicked();
  void Search();
  void SearchMore();
  void ReplaceAll();

  Panel& container_;
  TextView& editor_;
  std::function<void()> tab_row_clicked_;
  std::int64_t last_found_line_ = 0;  // LastFoundLine: where find-next starts
  UniqueFont memo_font_;              // "Lucida Console" -13, borrowed by the notepad
  UniqueFont tab_button_font_;        // Arial 8 points, borrowed by the two buttons

  // Controls, from the outside in.
  std::unique_ptr<Panel> Tools_Panel;
  std::unique_ptr<TabbedNotebook> TabbedNotebook1;
  std::unique_ptr<Edit> Memo1;
  std::unique_ptr<Edit> Search_Edit;
  std::unique_ptr<Button> Search_Button;
  std::unique_ptr<Button> Search_More_Button;
  std::unique_ptr<Edit> Replace_From_Edit;
  std::unique_ptr<Edit> Replace_To_Edit;
  std::unique_ptr<Button> Replace_All_Button;
  std::unique_ptr<Button> Button3;
  std::unique_ptr<Button> Button4;
  std::unique_ptr<Splitter> Splitter2;
  UniqueWindow hint_tooltip_;
};

}  // namespace tarnpad
