#include "tools/tools_panel_rules.h"

namespace tarnpad {

int ToolsHeightOnTabChange(int height, int new_tab_index) {
  return new_tab_index == kCollapseTabIndex ? kToolsCollapsedHeight : height;
}

int ToolsHeightOnTabClick(int height, std::wstring_view active_tab_caption) {
  if (height == kToolsCollapsedHeight && active_tab_caption != kCollapseTabCaption) {
    return kToolsExpandedHeight;
  }
  return height;
}

}  // namespace tarnpad
