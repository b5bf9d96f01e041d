#include "core/save_temp_name.h"

#include <gtest/gtest.h>

namespace tarnpad {
namespace {

TEST(SaveTempName, NamesItsProcessAndStaysShort) {
  EXPECT_EQ(SaveTempName(4294967295u, 4294967295u), "~tarnpad-4294967295-4294967295.tmp");
  EXPECT_EQ(SaveTempOwner(SaveTempName(4294967295u, 7)), 4294967295u);
  EXPECT_EQ(SaveTempOwner(SaveTempName(12, 0)), 12u);
}

TEST(SaveTempName, OtherNamesHaveNoOwner) {
  for (const char* name :
       {"~tarnpad-0-1.tmp", "~tarnpad-4294967296-1.tmp", "~tarnpad--1.tmp", "~tarnpad-12-.tmp",
        "~tarnpad-12.tmp", "~tarnpad-+12-1.tmp", "~tarnpad-12-1.tmp.txt", "~tarnpad-12-1.TMP",
        "tarnpad-12-1.tmp", "~tarnpad-12-1-1.tmp", "~tarnpad- 12-1.tmp", "~tarnpad-.tmp"}) {
    EXPECT_EQ(SaveTempOwner(name), std::nullopt) << name;
  }
}

}  // namespace
}  // namespace tarnpad
