#pragma once

#include <cstdint>

namespace tarnpad {

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

}  // namespace tarnpad
