// The command rows of the battle frame and their slides, the key grid of two players and the
// help line.

#include <gtest/gtest.h>

#include "vexmora/battle/technique_ids.h"
#include "vexmora/data/technique_catalogue.h"
#include "vexmora/ui/battle_model/command_rows.h"

namespace vex::ui {
namespace {

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

}  // namespace
}  // namespace vex::ui
