// The masked sprite copies the battle screen and the editor's preview draw with.

#include <gtest/gtest.h>

#include "vexmora/gui/sprite.h"

namespace vex::gui {
namespace {

// A 4 x 2 picture whose magenta pixels are transparent.
Sprite twoColourSprite() {
    const uint8_t m[3] = {255, 0, 255};  // B, G, R of magenta
    const uint8_t g[3] = {0, 200, 0};
    std::vector<uint8_t> bgr;
    for (int i = 0; i < 8; ++i) {
        const uint8_t* c = (i % 2 == 0) ? m : g;
        bgr.insert(bgr.end(), c, c + 3);
    }
    return spriteFromPicture(bgr.data(), 4, 2, 12, 0xFF00FF);
}

TEST(Sprites, TheMaskKeepsTheFrameWhereThePictureHasItsTransparentColour) {
    Sprite sprite = twoColourSprite();
    // make mask: the transparent colour becomes black in the picture and white in the mask.
    EXPECT_EQ(sprite.picture[0], 0);
    EXPECT_EQ(sprite.mask[0], 255);
    EXPECT_EQ(sprite.mask[3], 0);
    EXPECT_EQ(sprite.picture[4], 200);

    std::vector<uint8_t> frame(3 * 6 * 3, 77);
    PixelView target{frame.data(), 6, 3, 18};
    drawSprite(target, 1, 1, sprite);
    EXPECT_EQ(target.pixel(1, 1)[1], 77);   // transparent: the frame shows
    EXPECT_EQ(target.pixel(2, 1)[1], 200);  // the picture
    EXPECT_EQ(target.pixel(2, 1)[0], 0);
    EXPECT_EQ(target.pixel(0, 1)[1], 77);   // untouched outside
    EXPECT_EQ(target.pixel(5, 2)[1], 77);
}

TEST(Sprites, CopiesThatReachPastAnEdgeAreCutAndKeepTheirPlace) {
    Sprite sprite = twoColourSprite();
    std::vector<uint8_t> frame(3 * 4 * 2, 9);
    PixelView target{frame.data(), 4, 2, 12};
    drawSprite(target, -1, 1, sprite);  // the first column and the lower row fall outside
    EXPECT_EQ(target.pixel(0, 1)[1], 200);  // sprite column 1
    EXPECT_EQ(target.pixel(1, 1)[1], 9);    // sprite column 2 is transparent
    EXPECT_EQ(target.pixel(2, 1)[1], 200);
    EXPECT_EQ(target.pixel(3, 1)[1], 9);
    EXPECT_EQ(target.pixel(0, 0)[1], 9);
    drawSprite(target, 2, 0, sprite, 1);  // only the top row; two columns fall outside
    EXPECT_EQ(target.pixel(2, 0)[1], 9);
    EXPECT_EQ(target.pixel(3, 0)[1], 200);
    EXPECT_EQ(target.pixel(3, 1)[1], 9);  // the second row is not drawn

    const ClippedArea a = clipArea(-5, 10, 20, 20, 64, 0, 384, 248);
    EXPECT_EQ(a.x, 0);
    EXPECT_EQ(a.sx, 69);
    EXPECT_EQ(a.w, 15);
    EXPECT_TRUE(clipArea(400, 0, 10, 10, 0, 0, 384, 248).empty());
}

}  // namespace
}  // namespace vex::gui
