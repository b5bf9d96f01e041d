#include "navigation/fragments_tab.h"

#include "editor/text_view.h"
#include "navigation/entry_list_win.h"
#include "navigation/fragments.h"
#include "navigation/section_scanner.h"
#include "window/dpi.h"

namespace tarnpad {

FragmentsTab::FragmentsTab(const FragmentsTabArgs& args) : editor_(*args.editor) {
  Panel& page = *args.page;
  Fragment_ListBox = std::make_unique<ListBox>(page.Handle());
  page.Layout().Add(Fragment_ListBox->Handle(), Dock::Left, 281);
  Splitter3 = std::make_unique<Splitter>(page, Fragment_ListBox->Handle(), 1);
  page.Layout().Add(Splitter3->Handle(), Dock::Left, kSplitterThickness);
  TextViewArgs memo_args;
  memo_args.parent = page.Handle();
  memo_args.readOnly = true;
  Fragment_Memo = std::make_unique<TextView>(memo_args);
  page.Layout().Add(Fragment_Memo->Handle(), Dock::Client, 0);
  SetWindowId(Fragment_ListBox->Handle(), kListId);
  SetWindowId(Fragment_Memo->Handle(), kExcerptId);

  Fragment_ListBox->onClick = RunsThrough(args.run, [this] { ShowSelectedExcerpt(); });
}

FragmentsTab::~FragmentsTab() = default;

void FragmentsTab::ShowFragmentsOf(const std::vector<std::string>& navigation_entries) {
  ShowEntries(*Fragment_ListBox, FragmentEntries(navigation_entries));
}

void FragmentsTab::ShowSelectedExcerpt() {
  const auto entry = SelectedEntry(*Fragment_ListBox);
  if (!entry) return;
  // The excerpt is shown as one added line of an emptied view, hence the
  // extra line break.
  Fragment_Memo->Document().LoadText(FragmentExcerpt(editor_.Document(), EntryLineIndex(*entry)) +
                                     "\r\n");
  Fragment_Memo->ScrollLineToTop(0);
}

void FragmentsTab::SetDpi(int dpi) {
  Fragment_ListBox->SetItemHeight(Scale(13, dpi));
  Fragment_Memo->SetDpi(dpi);
}

}  // namespace tarnpad
