#pragma once

#include <cstdint>
#include <string_view>

namespace tarnpad {

// --- Navigation panel --------------------------------------------------------
// The panel stays in the layout; width 1 is its hidden state.
inline constexpr int kHiddenNavigationWidth = 1;
// From this many lines on, showing the panel keeps a non-empty list instead of
// rescanning, and the hint tells the user to rescan by hand.
inline constexpr std::int64_t kLargeDocumentLines = 8200;

// What the navigation toggle does, given the panel's width, the width saved
// for its next showing, the document's line count and whether the list holds
// entries.
struct NavigationToggle {
  bool rescan = false;  // run the full scan before the panel shows
  int width = kHiddenNavigationWidth;
  int saved_width = 0;
  bool hint_visible = false;
};
NavigationToggle ToggleNavigation(int width, int saved_width, std::int64_t line_count,
                                  bool list_has_entries);

// After a drag of the splitter a panel narrower than this gets the design
// width instead, so it never becomes too narrow to read.
inline constexpr int kSmallestNavigationWidth = 40;
inline constexpr int kDesignNavigationWidth = 200;
int NavigationWidthAfterSplitter(int dragged_width);

// --- Tools panel -------------------------------------------------------------
inline constexpr int kToolsCollapsedHeight = 25;  // the tab row alone
inline constexpr int kToolsExpandedHeight = 120;
inline constexpr int kCollapseTabIndex = 4;
inline constexpr std::wstring_view kCollapseTabCaption = L"Свернуть";

// The height when the notebook switches to the tab new_tab_index: the
// collapse tab collapses the panel; the switch itself always proceeds.
int ToolsHeightOnTabChange(int height, int new_tab_index);

// The height after a click on the tab row: a collapsed panel expands unless
// the collapse tab is the active one; any other height is the user's and stays.
int ToolsHeightOnTabClick(int height, std::wstring_view active_tab_caption);

}  // namespace tarnpad
