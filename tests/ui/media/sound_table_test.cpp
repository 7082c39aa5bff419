// Which file each effect plays and which tune each battle gets.

#include <gtest/gtest.h>

#include "vexmora/ui/media/sound_table.h"

namespace vex::ui {
namespace {

TEST(EffectTable, EachEffectPlaysItsNameWithoutTheNumber) {
    EXPECT_EQ(effectDataPath(0), "wav\\決定.wav");
    EXPECT_EQ(effectDataPath(1), "wav\\キャンセル.wav");
    EXPECT_EQ(effectDataPath(4), "wav\\？？？.wav");
    EXPECT_EQ(effectDataPath(6), "wav\\ﾚｰｻﾞｰ.wav");
    EXPECT_EQ(effectDataPath(43), "wav\\打撃3.wav");
    EXPECT_EQ(effectDataPath(5), effectDataPath(31));  // both ガス
    for (int effect = 0; effect < kEffectCount; ++effect) {
        const std::string_view name = effectTableName(effect);
        ASSERT_GE(name.size(), 4u);
        EXPECT_EQ(std::stoi(std::string(name.substr(0, 2))), effect) << name;
    }
    EXPECT_EQ(effectDataPath(-1), "");
    EXPECT_EQ(effectDataPath(44), "");
}

TEST(BattleMusic, TheStageChoosesUnlessTheBattleAlreadyHasItsOwnTune) {
    EXPECT_EQ(battleMusicFor(7, ""), music::kBattleB);
    EXPECT_EQ(battleMusicFor(2, ""), music::kSea);
    EXPECT_EQ(battleMusicFor(14, ""), music::kSea);
    EXPECT_EQ(battleMusicFor(8, ""), music::kSnowfield);
    EXPECT_EQ(battleMusicFor(13, ""), music::kJungle);
    EXPECT_EQ(battleMusicFor(16, ""), music::kBase);
    for (int stage : {0, 1, 4, 5, 9, 15, 17, 99}) EXPECT_EQ(battleMusicFor(stage, ""), music::kNormal) << stage;

    // A scenario's final stage and a special challenger keep their tune on any stage.
    for (int stage : {0, 2, 7, 11}) {
        EXPECT_EQ(battleMusicFor(stage, music::kBattleC), music::kBattleC);
        EXPECT_EQ(battleMusicFor(stage, "MIDI\\戦闘c.mid"), "MIDI\\戦闘c.mid");
        EXPECT_EQ(battleMusicFor(stage, music::kBattleB), music::kBattleB);
    }
    // An ordinary stage tune does not stick to the next stage.
    EXPECT_EQ(battleMusicFor(3, music::kSea), music::kSnowfield);
}

}  // namespace
}  // namespace vex::ui
