// Where things stand on the battle frame: a sinking monster.

#include <gtest/gtest.h>

#include "vexmora/gui/battle_geometry.h"

namespace vex::gui {
namespace {

TEST(MonsterSize, ASinkingMonsterShowsItsTopAboveTheFootLine) {
    EXPECT_EQ(visibleHeight(0, 92), 92);
    EXPECT_EQ(visibleTop(0, 92, 0), kFootY - 92);
    EXPECT_EQ(visibleHeight(50, 92), 46);
    EXPECT_EQ(visibleTop(50, 92, 0), kFootY - 46);
    EXPECT_EQ(visibleHeight(100, 92), 0);
    EXPECT_EQ(visibleTop(0, 92, -10), kFootY - 102);  // the picture's own offset moves it up
    EXPECT_EQ(visibleHeight(150, 92), 0);              // held within 0-100 %
}

}  // namespace
}  // namespace vex::gui
