// The navigation panel: the toggle, the jumps, the width rule, the rescans
// by hand and the list's context menu with the section list export.
#include <windows.h>

#include <commctrl.h>

#include "core/file_system.h"
#include "editor/text_view.h"
#include "navigation/entry_list_win.h"
#include "navigation/panel_rules.h"
#include "navigation/section_export.h"
#include "navigation/section_scanner.h"
#include "ui/main_form.h"

namespace tarnpad {
namespace {

// Hiding keeps the width the panel had for its next showing. A panel that is
// already hidden keeps the width saved before, so the toggle can always show
// it again.
void HideNavigationPanel(MainForm& form) {
  const int width = form.NavigationPanelWidth();
  if (width == kHiddenNavigationWidth) return;
  form.state.SavedNavigationWidth = width;
  form.SetNavigationPanelWidth(kHiddenNavigationWidth);
}

void JumpToSelectedEntry(MainForm& form) {
  if (const auto entry = SelectedEntry(*form.Navigation_ListBox)) {
    form.RichEdit->ScrollLineToTop(EntryLineIndex(*entry));
  }
}

// Where a context menu asked for from the keyboard opens: below the selected
// entry, or at the list's corner.
POINT KeyboardMenuPoint(HWND list) {
  POINT point{0, 0};
  RECT item;
  const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
  if (selected != LB_ERR && SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(selected),
                                         reinterpret_cast<LPARAM>(&item)) != LB_ERR) {
    point = {item.left, item.bottom};
  }
  ClientToScreen(list, &point);
  return point;
}

}  // namespace

// The list asks its parent, the panel, for its context menu. The panel is
// subclassed rather than the list, since a subclassed list box adds items many
// times slower and a scan can list many thousands.
void MainForm::AttachNavigationPopupMenu() {
  Subclass(Navigation_Panel->Handle(), [this](HWND panel, UINT message, WPARAM wparam,
                                              LPARAM lparam) {
    HWND list = Navigation_ListBox->Handle();
    if (message == WM_CONTEXTMENU && reinterpret_cast<HWND>(wparam) == list) {
      POINT point{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
      if (lparam == -1) point = KeyboardMenuPoint(list);
      // The chosen item comes back to the main window as a command.
      TrackPopupMenuEx(menus.navigation_popup.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON,
                       point.x, point.y, Handle(), nullptr);
      return LRESULT{0};
    }
    return DefSubclassProc(panel, message, wparam, lparam);
  });
}

void MainForm::MM_NavigationClick() {
  const TextDocument& document = RichEdit->Document();
  const NavigationToggle toggle =
      ToggleNavigation(NavigationPanelWidth(), state.SavedNavigationWidth,
                       document.EditorLineCount(), Navigation_ListBox->Count() > 0);
  if (toggle.rescan) ShowEntries(*Navigation_ListBox, ScanSections(document));
  state.SavedNavigationWidth = toggle.saved_width;
  SetNavigationPanelWidth(toggle.width);
  Navigation_Tools_RecountHint_Label->Show(toggle.hint_visible);
}

void MainForm::Navigation_Tools_Hide_LabelClick() {
  HideNavigationPanel(*this);
}

void MainForm::Navigation_Tools_Recount_LabelClick() {
  ShowEntries(*Navigation_ListBox, ScanLabelSections(RichEdit->Document()));
}

void MainForm::Navigation_ListBoxClick() {
  JumpToSelectedEntry(*this);
}

void MainForm::Navigation_ListBoxDblClick() {
  JumpToSelectedEntry(*this);
  HideNavigationPanel(*this);
}

void MainForm::Splitter1Moved() {
  const int width = NavigationWidthAfterSplitter(NavigationPanelWidth());
  if (width != NavigationPanelWidth()) SetNavigationPanelWidth(width);
  state.SavedNavigationWidth = width;
}

void MainForm::N49Click() {
  const auto chosen = seams_.file_dialogs->ChooseFileToSave(NavigationSaveDialog.Request());
  if (!chosen || !NavigationSaveDialog.Confirm(*chosen)) return;
  WriteFileBytes(chosen->path, SectionListCsv(ListedEntries(*Navigation_ListBox)));
}

}  // namespace tarnpad
