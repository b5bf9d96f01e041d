#include "navigation/panel_rules.h"

#include <gtest/gtest.h>

namespace tarnpad {
namespace {

TEST(NavigationPanelRules, ToggleKeepsTheListOfLargeDocumentsOnly) {
  const NavigationToggle small = ToggleNavigation(1, 400, 8199, true);
  EXPECT_TRUE(small.rescan);
  EXPECT_EQ(small.width, 400);
  EXPECT_FALSE(small.hint_visible);

  const NavigationToggle large = ToggleNavigation(1, 250, 8200, true);
  EXPECT_FALSE(large.rescan);
  EXPECT_EQ(large.width, 250);
  EXPECT_TRUE(large.hint_visible);
  EXPECT_TRUE(ToggleNavigation(1, 250, 8200, false).rescan);

  const NavigationToggle hide = ToggleNavigation(321, 400, 9000, true);
  EXPECT_FALSE(hide.rescan);
  EXPECT_EQ(hide.width, 1);
  EXPECT_EQ(hide.saved_width, 321);
  EXPECT_TRUE(hide.hint_visible);
}

}  // namespace
}  // namespace tarnpad
