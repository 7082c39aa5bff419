// The window scale: chosen automatically from the screen, or by the player, and kept in
// "System\display.txt".

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "temp_folder.h"
#include "vexmora/data/display_scale.h"

namespace vex {
namespace {

TEST(DisplayScale, AutomaticIsTheLargestScaleAtWhichTheBattleScreenFits) {
    EXPECT_EQ(automaticScale({1366, 728, 1.0}), 1);
    EXPECT_EQ(automaticScale({1920, 1040, 1.0}), 1);  // a full HD screen with a panel
    EXPECT_EQ(automaticScale({2560, 1400, 1.0}), 2);
    EXPECT_EQ(automaticScale({3840, 2120, 1.0}), 3);
    EXPECT_EQ(automaticScale({7680, 4280, 1.0}), 3);  // never more than 3
    // A 4K screen the desktop already doubles offers the area of a full HD one.
    EXPECT_EQ(automaticScale({1920, 1050, 2.0}), 1);
    EXPECT_EQ(automaticScale({0, 0, 1.0}), 1);
    // The player's choice wins over the screen.
    EXPECT_EQ(scaleFor(ScaleChoice::Three, {1024, 700, 1.0}), 3);
    EXPECT_EQ(scaleFor(ScaleChoice::One, {3840, 2120, 1.0}), 1);
    EXPECT_EQ(scaleFor(ScaleChoice::Automatic, {2560, 1400, 1.0}), 2);
}

TEST(DisplayScale, ArtIsScaledByWholeScreenPixels) {
    EXPECT_EQ(screenPixelsPerPixel(2, 1.0), 2);
    EXPECT_EQ(screenPixelsPerPixel(6, 1.0), 6);
    EXPECT_EQ(screenPixelsPerPixel(2, 2.0), 4);
    EXPECT_EQ(screenPixelsPerPixel(2, 1.25), 3);  // a fractional desktop scale rounds up
    EXPECT_EQ(screenPixelsPerPixel(1, std::nan("")), 1);
    EXPECT_EQ(screenPixelsPerPixel(3, 0.5), 3);
}

TEST(DisplayScale, TheChoiceIsKeptInItsOwnFile) {
    test::TempFolder home;
    EXPECT_EQ(loadScaleChoice(home.path()), ScaleChoice::Automatic);  // no file yet
    ASSERT_TRUE(saveScaleChoice(home.path(), ScaleChoice::Two).ok());
    EXPECT_EQ(loadScaleChoice(home.path()), ScaleChoice::Two);
    std::ifstream written(home / "System" / "display.txt", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), "2\r\n");
    ASSERT_TRUE(saveScaleChoice(home.path(), ScaleChoice::Automatic).ok());
    EXPECT_EQ(loadScaleChoice(home.path()), ScaleChoice::Automatic);

    // Written by hand, in a folder named in another case.
    test::TempFolder other;
    fs::create_directories(other / "SYSTEM");
    std::ofstream(other / "SYSTEM" / "DISPLAY.TXT") << "  3 \n";
    EXPECT_EQ(loadScaleChoice(other.path()), ScaleChoice::Three);
}

TEST(DisplayScale, AnyOtherTextIsAutomatic) {
    for (const char* text : {"", "4", "0", "-1", "2x", "auto", "\xff\xfe", "1 2"})
        EXPECT_EQ(parseScaleChoice(text), ScaleChoice::Automatic) << text;
    EXPECT_EQ(parseScaleChoice("1\r\nignored"), ScaleChoice::One);
}

}  // namespace
}  // namespace vex
