// The end of a turn: SP regeneration, spent techniques, リミッター, the growth of the chances and
// the stage events of turn 12.

#include <gtest/gtest.h>

#include "battle_test_support.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::test {
namespace {

TEST(SpRegeneration, DefenceSpeedAndTheDefendBonus) {
    auto t = makeBattle(monster("a", 300, 300, 300, {tech::kDefend}), monster("b", 300, 300, 300));
    t->start();
    t->fighter(1).turns(kStatusSpStop) = 5;
    t->turn(0, 5);  // every draw 0.5
    // Int((0.7·300 + 300 + 401·0.5) / 200) + 5 = 8, plus 10 for 防御
    EXPECT_EQ(t->fighter(0).sp, 10 + 8 + 10);
    EXPECT_EQ(t->fighter(1).sp, 10);  // SPｽﾄｯﾌﾟ leaves nothing but the bonuses
    EXPECT_EQ(t->stats.total(0, StatCode::SpGained), 18);
}

TEST(SpRegeneration, NeverAbove999) {
    auto t = makeBattle(monster("a", 300, 300, 300), monster("b", 300, 300, 300));
    t->start();
    t->fighter(0).sp = 995;
    t->turn(5, 5);
    EXPECT_EQ(t->fighter(0).sp, 999);
}

TEST(SpentTechniques, ASharedCounterTurnsEverySlotIntoAttack) {
    auto t = makeBattle(monster("a", 300, 300, 300, {tech::kParalyse, 0, tech::kParalyse}), monster("b", 300, 300, 300));
    t->start();
    t->turn(5, 5);
    EXPECT_EQ(t->fighter(0).record.techId[0], tech::kParalyse);
    t->fighter(0).useCounts[kUsesParalysis] = 0;
    t->turn(5, 5);
    EXPECT_EQ(t->fighter(0).record.techId[0], tech::kAttackBonus);
    EXPECT_EQ(t->fighter(0).record.techId[1], 0);
    EXPECT_EQ(t->fighter(0).record.techId[2], tech::kAttackBonus);
    EXPECT_EQ(t->fighter(0).record.techName[2], "アタック");
}

TEST(Limiter, AFifthOfTheStatsForOneTurn) {
    auto t = makeBattle(monster("a", 333, 300, 302, {tech::kLimiter}), monster("b", 300, 300, 300));
    t->start();
    t->turn(0, 5);
    // CInt(333·0.2) = 67 during the turn, 67 / 0.2 = 335 after it
    EXPECT_EQ(t->fighter(0).record.atk, 335);
    EXPECT_EQ(t->fighter(0).record.def, 300);
    EXPECT_EQ(t->fighter(0).record.spd, 300);
    EXPECT_EQ(t->fighter(0).limitGauge, 1);
}

TEST(Limiter, TheStatsComeBackEvenWhenTheActionFailed) {
    auto t = makeBattle(monster("a", 300, 300, 300, {tech::kLimiter}), monster("b", 300, 300, 300));
    t->start();
    t->fighter(0).turns(kStatusParalysis) = 1;  // the action fails; the stats were already cut
    t->turn(0, 5);
    EXPECT_EQ(t->fighter(0).record.atk, 300);
    EXPECT_EQ(t->fighter(0).limitGauge, 0);  // リミッター was not used
}

TEST(Growth, DoingNothingSupportAndAttackTechniques) {
    auto t = makeBattle(monster("a", 300, 300, 300, {tech::kDefend}), monster("b", 300, 300, 300, {0, tech::kFlowingWater}));
    t->start();
    t->turn(5, 0);
    const FighterState& a = t->fighter(0);
    const FighterState& b = t->fighter(1);
    EXPECT_EQ(a.pursuitChance, 0.15_fx);
    EXPECT_EQ(a.counterStrikeChance, 0.15_fx);
    EXPECT_EQ(a.ironWallMark, 0.25_fx);
    EXPECT_EQ(b.pursuitChance, 0.18_fx);  // an attack, with 流水の極意
    EXPECT_EQ(b.counterStrikeChance, 0.1_fx);
    t->turn(0, 5);  // 防御 is a support technique
    EXPECT_EQ(a.pursuitChance, 0.15_fx);
    EXPECT_EQ(a.counterStrikeChance, 0.2_fx);
    EXPECT_EQ(a.ironWallMark, 0.3_fx);
    EXPECT_EQ(b.pursuitChance, 0.26_fx);
    EXPECT_EQ(b.counterStrikeChance, 0.18_fx);
    EXPECT_EQ(b.ironWallMark, 0.26_fx);
    for (int i = 0; i < 10; ++i) t->turn(5, 5);
    EXPECT_EQ(a.counterStrikeChance, 0.4_fx);
    EXPECT_EQ(a.pursuitChance, 0.4_fx);
    EXPECT_EQ(a.ironWallMark, 0.6_fx);
}

TEST(Growth, GutsChanceHalvesOnceSpentAndThePowerReserveRefills) {
    auto t = makeBattle(monster("a", 300, 300, 300), monster("b", 300, 300, 300));
    t->start();
    FighterState& a = t->fighter(0);
    a.gutsChance = 0.4995_fx;
    a.powerReserve = 70;
    t->turn(5, 5);
    EXPECT_EQ(a.gutsChance, 0.2498_fx);  // 0.24975 kept to four decimals, halves to even
    EXPECT_EQ(a.powerReserve, 80);       // CInt(70 + 8 + 5·0.5) = CInt(80.5)
    EXPECT_EQ(t->fighter(1).gutsChance, 1_fx);
}

TEST(StageEvents, TurnTwelveShiftsTheAbilitiesOfAllOutAndEndurance) {
    auto t = makeBattle(monster("a", 300, 300, 300, {tech::kEndure}), monster("b", 300, 300, 300, {tech::kAllOut}));
    t->start();
    ASSERT_EQ(t->fighter(0).record.atk, 240);  // ×0.8 at the start
    ASSERT_EQ(t->fighter(1).record.atk, 390);  // ×1.3
    for (int turn = 1; turn <= 11; ++turn) t->turn(5, 5);
    EXPECT_EQ(t->fighter(0).record.atk, 240);
    t->turn(5, 5);
    EXPECT_EQ(t->fighter(0).record.atk, 389);  // CInt(240·1.62)
    EXPECT_EQ(t->fighter(0).entry.atk, 389);
    EXPECT_EQ(t->fighter(1).record.atk, 241);  // CInt(390 / 1.62)
    EXPECT_TRUE(t->view.hasCaption("能力+30%", 0));
    EXPECT_TRUE(t->view.hasCaption("能力-20%", 1));
    EXPECT_EQ(t->fighter(0).abilityMark, 1);
    EXPECT_EQ(t->fighter(1).abilityMark, -1);
}

TEST(StageEvents, TheBlizzardTurnsTheStageToSnow) {
    MonsterRecord snow = monster("a", 300, 300, 300);
    snow.unlockCodes() = "i11";
    auto t = makeBattle(snow, monster("b", 300, 300, 300));
    t->start();
    for (int turn = 1; turn <= 12; ++turn) t->turn(5, 5);
    EXPECT_EQ(t->battle->state().stageIndex, 3);
    EXPECT_TRUE(t->view.hasCaption("猛吹雪", 0));
    EXPECT_EQ(t->fighter(0).record.atk, 360);
}

TEST(LastTurn, TheFinalBossGetsItsFinalAttack) {
    MonsterRecord boss = monster("カオス・グレヴァード", 300, 300, 300, {0, 0, 0, 0, 0});
    boss.makerVersion() = "9.99";
    boss.unlockCodes() = "F";
    BattleSettings settings = testSettings();
    settings.turnLimit = 3;
    auto t = makeBattle(monster("a", 300, 300, 300), boss, settings);
    t->start();
    t->turn(5, 5);
    EXPECT_EQ(t->fighter(1).record.techId[4], 0);
    t->turn(5, 5);
    EXPECT_EQ(t->view.banners().back(), "LAST TURN");
    EXPECT_EQ(t->fighter(1).record.techId[4], tech::kFinalAttack);
    EXPECT_EQ(t->fighter(1).record.techName[4], "ファイナルアタック");
    EXPECT_TRUE(t->battle->slotUsable(1, 4));  // usable on the last turn only
}

}  // namespace
}  // namespace vex::test
