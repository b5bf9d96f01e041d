#pragma once

#include <memory>
#include <string>
#include <vector>

#include "window/controls.h"
#include "window/dispatch.h"
#include "window/splitter.h"

namespace tarnpad {

class TextView;

struct FragmentsTabArgs {
  Panel* page = nullptr;             // the tools panel's "Выдержка" page
  const TextView* editor = nullptr;  // whose document the excerpts come from
  EventRunner run;                   // runs the handlers of the controls' events
};

// The fragments tab: the fragment entries of the navigation list, and the
// excerpt of the document that starts at the one clicked.
class FragmentsTab {
 public:
  // Identifiers of the controls in the window tree.
  enum ControlId : int { kListId = 1201, kExcerptId };

  explicit FragmentsTab(const FragmentsTabArgs& args);
  ~FragmentsTab();
  FragmentsTab(const FragmentsTab&) = delete;
  FragmentsTab& operator=(const FragmentsTab&) = delete;

  // Lists the fragments among the navigation list's entries afresh.
  void ShowFragmentsOf(const std::vector<std::string>& navigation_entries);
  void SetDpi(int dpi);

 private:
  void ShowSelectedExcerpt();

  const TextView& editor_;
  std::unique_ptr<ListBox> Fragment_ListBox;
  std::unique_ptr<Splitter> Splitter3;
  std::unique_ptr<TextView> Fragment_Memo;
};

}  // namespace tarnpad
