#pragma once

#include <string_view>

namespace tarnpad {

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
