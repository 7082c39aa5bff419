// The files the battle screen reads below "Image": the status window layout and the stage
// list, in the sequential "input" form and code page 932.

#include <gtest/gtest.h>

#include "vexmora/data/text.h"
#include "vexmora/data/stage_list.h"
#include "vexmora/ui/battle_model/status_layout.h"

namespace vex::ui {
namespace {

std::string cp932(std::string_view utf8) { return *toCp932(utf8); }

// One record as the default content writes it, with its comment lines.
std::string layoutRecord(int x, const char* picture) {
    return ">> ウィンドウ x, y, 画像ファイル, 透過色, 影画像ファイル\r\n" + std::to_string(x) + ",4,\"" + picture +
           "\",16711935,\"\"\r\n"
           "\r\n"
           "90,3,16777215,12\r\n86,20,9895830,14\r\n150,20,16768130,14\r\n155,19\r\n"
           "2,48,23,48,44,48,65,48,86,48,107,48,2,69,23,69,44,69,65,69,86,69\r\n";
}

TEST(StatusLayout, ReadsBothWindowsWithTheirReadoutsAndIconPlaces) {
    const auto layout = parseStatusLayout(cp932(layoutRecord(4, "status1p.bmp") + layoutRecord(200, "status2p.bmp")));
    ASSERT_TRUE(layout) << layout.error().message;
    const StatusWindowLayout& left = (*layout)[0];
    const StatusWindowLayout& right = (*layout)[1];
    EXPECT_EQ(left.window, (Offset{4, 4}));
    EXPECT_EQ(right.window, (Offset{200, 4}));
    EXPECT_EQ(left.picture, "status1p.bmp");
    EXPECT_EQ(right.picture, "status2p.bmp");
    EXPECT_EQ(left.shading, "");
    // R + 256 G + 65536 B in the file; 0xRRGGBB on the screen.
    EXPECT_EQ(left.transparentColour, 0xFF00FFu);
    EXPECT_EQ(left.hp.colour, 0x96FF96u);
    EXPECT_EQ(left.sp.colour, 0x82DCFFu);
    EXPECT_EQ(left.name, (TextPlace{{90, 3}, 0xFFFFFF, 12}));
    EXPECT_EQ(left.hp.at, (Offset{86, 20}));
    EXPECT_EQ(left.sp.at, (Offset{150, 20}));
    EXPECT_EQ(left.abilityMark, (Offset{155, 19}));
    // The eleven icon places are x, y pairs.
    EXPECT_EQ(left.icons[0], (Offset{2, 48}));
    EXPECT_EQ(left.icons[5], (Offset{107, 48}));
    EXPECT_EQ(left.icons[6], (Offset{2, 69}));
    EXPECT_EQ(left.icons[10], (Offset{86, 69}));
    // The default content's file and the built-in fallback agree.
    StatusLayout expected = defaultStatusLayout();
    expected[0].shading = expected[1].shading = "";
    EXPECT_EQ(*layout, expected);
}

TEST(StatusLayout, RefusesAShortFileOrAWrongValueAndSaysWhere) {
    const auto shortFile = parseStatusLayout(cp932(layoutRecord(4, "a.bmp")));
    ASSERT_FALSE(shortFile);
    EXPECT_NE(shortFile.error().message.find("値が足りません"), std::string::npos);

    std::string text = layoutRecord(4, "a.bmp") + layoutRecord(200, "b.bmp");
    text.replace(text.find("86,20"), 5, "86,XX");
    const auto wrong = parseStatusLayout(cp932(text));
    ASSERT_FALSE(wrong);
    EXPECT_NE(wrong.error().message.find("「XX」"), std::string::npos);
    EXPECT_NE(wrong.error().message.find("5行目"), std::string::npos);
}

std::string stageListText(int ordinaryPairs) {
    std::string text = ">> ステージ一覧\r\n\r\n\"r0.bmp\",\"大会\"\r\n\"r1.bmp\",\"宇宙\"\r\n\"r2.bmp\",\"天空\"\r\n";
    for (int i = 0; i < ordinaryPairs; ++i) text += "\"s" + std::to_string(i) + ".bmp\",\"名" + std::to_string(i) + "\"\r\n";
    return cp932(text);
}

TEST(StageList, TheFirstTwoRareStagesBecomeStagesFiveAndSeven) {
    const StageList list = parseStageList(stageListText(16));
    ASSERT_EQ(list.rare.size(), 3u);
    EXPECT_EQ(list.rare[2], (StagePicture{"r2.bmp", "天空"}));
    ASSERT_EQ(list.stageCount(), 18);
    EXPECT_EQ(list.ordinary[4].file, "s4.bmp");
    EXPECT_EQ(list.ordinary[5], list.rare[0]);
    EXPECT_EQ(list.ordinary[6].file, "s5.bmp");  // the pair after the insertion
    EXPECT_EQ(list.ordinary[7], list.rare[1]);
    EXPECT_EQ(list.ordinary[8].file, "s6.bmp");
    EXPECT_EQ(list.ordinary[17].file, "s15.bmp");
    EXPECT_EQ(list.ordinary[17].name, "名15");
}

TEST(StageList, LoadStageNumbersPickOrdinaryAndRarePictures) {
    const StageList list = parseStageList(stageListText(16));
    EXPECT_EQ(list.pictureFor(0)->file, "s0.bmp");
    EXPECT_EQ(list.pictureFor(5)->file, "r0.bmp");
    EXPECT_EQ(list.pictureFor(98)->file, "r2.bmp");
    EXPECT_EQ(list.pictureFor(97)->file, "r1.bmp");  // the second-to-last rare picture
    EXPECT_EQ(list.pictureFor(96)->file, "r0.bmp");
    EXPECT_FALSE(list.pictureFor(99));  // the random stage is chosen at battle start
    EXPECT_FALSE(list.pictureFor(18));
    EXPECT_FALSE(list.pictureFor(-1));
    EXPECT_FALSE(parseStageList("").pictureFor(97));
}

}  // namespace
}  // namespace vex::ui
