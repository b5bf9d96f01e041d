#include "navigation/panel_rules.h"

namespace tarnpad {

NavigationToggle ToggleNavigation(int width, int saved_width, std::int64_t line_count,
                                  bool list_has_entries) {
  const bool large = line_count >= kLargeDocumentLines;
  NavigationToggle toggle;
  toggle.hint_visible = large;
  if (width == kHiddenNavigationWidth) {
    toggle.rescan = !(large && list_has_entries);
    toggle.width = saved_width;
    toggle.saved_width = saved_width;
  } else {
    toggle.width = kHiddenNavigationWidth;
    toggle.saved_width = width;
  }
  return toggle;
}

int NavigationWidthAfterSplitter(int dragged_width) {
  return dragged_width < kSmallestNavigationWidth ? kDesignNavigationWidth : dragged_width;
}

}  // namespace tarnpad
