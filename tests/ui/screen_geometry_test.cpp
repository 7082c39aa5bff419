// Where things stand on the battle frame: monster sizes, the command rows and their slides,
// the key grid of two players, the help line, and the masked sprite copies.

#include <gtest/gtest.h>

#include "vexmora/battle/technique_ids.h"
#include "vexmora/data/technique_catalogue.h"
#include "vexmora/ui/battle_geometry.h"
#include "vexmora/ui/command_rows.h"
#include "vexmora/ui/sprite.h"

namespace vex::ui {
namespace {

TEST(MonsterSize, DisplaySizeRisesToAMultipleOfFour) {
    EXPECT_EQ(monsterDisplaySize(50), 92);  // 89, raised
    EXPECT_EQ(monsterDisplaySize(0), 64);
    EXPECT_EQ(monsterDisplaySize(56), 92);  // exactly 92
    EXPECT_EQ(monsterDisplaySize(57), 92);  // 92.5: halves round to even
    EXPECT_EQ(monsterDisplaySize(59), 96);  // 93.5 rounds to 94
    EXPECT_EQ(monsterDisplaySize(200), 164);
    EXPECT_EQ(monsterDisplayHeight(92, 100, 100), 92);
    EXPECT_EQ(monsterDisplayHeight(92, 120, 60), 46);
}

TEST(MonsterSize, ASinkingMonsterShowsItsTopAboveTheFootLine) {
    EXPECT_EQ(visibleHeight(0, 92), 92);
    EXPECT_EQ(visibleTop(0, 92, 0), kFootY - 92);
    EXPECT_EQ(visibleHeight(50, 92), 46);
    EXPECT_EQ(visibleTop(50, 92, 0), kFootY - 46);
    EXPECT_EQ(visibleHeight(100, 92), 0);
    EXPECT_EQ(visibleTop(0, 92, -10), kFootY - 102);  // the picture's own offset moves it up
    EXPECT_EQ(visibleHeight(150, 92), 0);              // held within 0-100 %
}

TEST(CommandRows, RowsAreHitInsideTheirBoundsOnly) {
    const std::array<int, kCommandRows> widths = {120, 0, 80, 80, 80, 100};
    EXPECT_EQ(commandRowAt(206, 96, kListLeft, widths), 0);
    EXPECT_EQ(commandRowAt(205, 100, kListLeft, widths), -1);  // the left edge itself is outside
    EXPECT_EQ(commandRowAt(324, 100, kListLeft, widths), 0);
    EXPECT_EQ(commandRowAt(325, 100, kListLeft, widths), -1);  // left + width is outside
    EXPECT_EQ(commandRowAt(250, 95, kListLeft, widths), -1);
    EXPECT_EQ(commandRowAt(250, 115, kListLeft, widths), -1);
    EXPECT_EQ(commandRowAt(250, 125, kListLeft, widths), -1);  // row 1 is not drawn
    EXPECT_EQ(commandRowAt(250, 226, kListLeft, widths), 5);
    EXPECT_EQ(commandRowAt(250, 117, kListLeft, widths), -1);  // between two rows
    EXPECT_EQ(listLeft(0, false), 205);
    EXPECT_EQ(listLeft(0, true), 20);
    EXPECT_EQ(listLeft(1, true), 205);
}

TEST(CommandRows, TheOfferSlidesEveryRowHomeAndTheTakingSendsThemAwayInTurn) {
    const auto offer = slidePositions(SlideMode::Offer);
    EXPECT_EQ(offer[0][0], 616);  // CInt(655 - 450^0.6)
    EXPECT_EQ(offer[0][5], 381);
    for (int row = 0; row < kCommandRows; ++row) EXPECT_EQ(offer[30][row], 205) << row;
    for (int frame = 1; frame < kSlideFrames; ++frame)
        for (int row = 0; row < kCommandRows; ++row) EXPECT_LE(offer[frame][row], offer[frame - 1][row]);

    const auto take = slidePositions(SlideMode::Take);
    EXPECT_EQ(take[9][0], 205);   // row 0 waits until frame 10
    EXPECT_EQ(take[10][0], 206);
    EXPECT_EQ(take[0][5], 206);   // row 5 leaves at once
    EXPECT_EQ(take[1][4], 205);
    EXPECT_EQ(take[2][4], 206);
    for (int row = 0; row < kCommandRows; ++row) EXPECT_GT(take[30][row], 384) << row;  // all gone
}

TEST(CommandRows, TheKeyGridOfTwoPlayers) {
    const char* choose0 = "asdzxc";
    const char* preview0 = "ASDZXC";
    const char* choose1 = ";:]./\\";
    const char* preview1 = "+*}>?_";
    for (int row = 0; row < kCommandRows; ++row) {
        EXPECT_EQ(gridKey(choose0[row])->row, row);
        EXPECT_EQ(gridKey(choose0[row])->player, 0);
        EXPECT_FALSE(gridKey(choose0[row])->preview);
        EXPECT_TRUE(gridKey(preview0[row])->preview);
        EXPECT_EQ(gridKey(choose1[row])->player, 1);
        EXPECT_EQ(gridKey(choose1[row])->row, row);
        EXPECT_EQ(gridKey(preview1[row])->player, 1);
        EXPECT_TRUE(gridKey(preview1[row])->preview);
    }
    for (int other : {int{'q'}, int{'e'}, int{' '}, int{'1'}, 13, 0}) EXPECT_FALSE(gridKey(other)) << other;
}

TEST(CommandRows, TheHelpLineDescribesTheRow) {
    EXPECT_EQ(rowHelpText(kDoNothingRow, {}), "何もしません");

    RowInfo attack;
    attack.techId = 1;  // 攻撃
    attack.level = 3;
    attack.cost = 40;
    attack.element = 1;
    // One line: three spaces, the description, the element, the grade and the cost.
    EXPECT_EQ(rowHelpText(0, attack), "   " + std::string(techniqueEntry(1).description) + "火    効果：Ｂ    ＳＰ：40");

    RowInfo paralyse;
    paralyse.techId = tech::kParalyse;
    paralyse.level = 5;
    paralyse.cost = 68;
    paralyse.usesLeft = 2;
    paralyse.bind = true;
    const std::string p = rowHelpText(1, paralyse);
    EXPECT_NE(p.find("    効果：Ｓ    ＳＰ：68×２　　あと2回"), std::string::npos);

    RowInfo shoot;
    shoot.techId = tech::kShoot;
    shoot.ammo = 20;
    EXPECT_NE(rowHelpText(2, shoot).find("    効果：―    ＳＰ：0　　残弾20"), std::string::npos);

    RowInfo blast;
    blast.techId = tech::kSpBlast;
    blast.miracle = true;
    EXPECT_NE(rowHelpText(3, blast).find("ＳＰ：ＡＬＬ"), std::string::npos);
}

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
}  // namespace vex::ui
