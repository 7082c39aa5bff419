// The scaled wait's length at each game speed.

#include <gtest/gtest.h>

#include <climits>

#include "vexmora/ui/media/scaled_time.h"

namespace vex::ui {
namespace {

TEST(ScaledTime, FollowsTheGameSpeedExactly) {
    EXPECT_EQ(scaledMilliseconds(1000, 0), 1000);
    EXPECT_EQ(scaledMilliseconds(1000, 2), 700);  // not 699: no binary fraction creeps in
    EXPECT_EQ(scaledMilliseconds(1000, 1), 850);
    EXPECT_EQ(scaledMilliseconds(1000, 5), 250);
    EXPECT_EQ(scaledMilliseconds(20, 6), 2);
    EXPECT_EQ(scaledMilliseconds(15, 1), 12);  // 12.75: the whole part
    // Speeds below 0 lengthen every wait.
    EXPECT_EQ(scaledMilliseconds(1000, -1), 1150);
    EXPECT_EQ(scaledMilliseconds(1000, -5), 1750);
    EXPECT_EQ(scaledMilliseconds(0, -5), 0);
}

TEST(ScaledTime, SpeedsBeyondTheSliderGiveNegativeOrSaturatedLengths) {
    EXPECT_EQ(scaledMilliseconds(1000, 7), -50);
    EXPECT_EQ(scaledMilliseconds(15, 7), -1);  // -0.75 rounds down
    EXPECT_EQ(scaledMilliseconds(INT_MAX, -32768), INT_MAX);
    EXPECT_EQ(scaledMilliseconds(INT_MAX, 32767), INT_MIN);
}

}  // namespace
}  // namespace vex::ui
