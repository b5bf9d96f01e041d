// The tools panel's collapse rule and the fragments tab.
#include "editor/text_view.h"
#include "navigation/entry_list_win.h"
#include "navigation/fragments.h"
#include "navigation/panel_rules.h"
#include "navigation/section_scanner.h"
#include "ui/main_form.h"

namespace tarnpad {

void MainForm::TabbedNotebook1Change(int new_index) {
  const int height = ToolsHeightOnTabChange(ToolsPanelHeight(), new_index);
  if (height != ToolsPanelHeight()) SetToolsPanelHeight(height);
}

// Every click on the tab row also takes a fresh snapshot of the fragments of
// the navigation list.
void MainForm::TabbedNotebook1Click() {
  const int height = ToolsHeightOnTabClick(ToolsPanelHeight(), TabbedNotebook1->ActiveCaption());
  if (height != ToolsPanelHeight()) SetToolsPanelHeight(height);
  ShowEntries(*Fragment_ListBox, FragmentEntries(ListedEntries(*Navigation_ListBox)));
}

void MainForm::Fragment_ListBoxClick() {
  const auto entry = SelectedEntry(*Fragment_ListBox);
  if (!entry) return;
  // The excerpt is shown as one added line of an emptied view, hence the
  // extra line break.
  Fragment_Memo->Document().LoadText(FragmentExcerpt(RichEdit->Document(), EntryLineIndex(*entry)) +
                                     "\r\n");
  Fragment_Memo->ScrollLineToTop(0);
}

}  // namespace tarnpad
