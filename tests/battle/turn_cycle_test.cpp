// The turn cycle: banners and time-up, knock-outs, confusion, ラッキー, the computer's turn.

#include <gtest/gtest.h>

#include <algorithm>

#include "battle_test_support.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::test {
namespace {

BattleSettings limitedTo(int turns) {
    BattleSettings settings = testSettings();
    settings.turnLimit = static_cast<int16_t>(turns);
    return settings;
}

TEST(TurnLimit, TheLastThreeBannersCountDownAndMoreHpWinsAtTimeUp) {
    auto t = makeBattle(monster("a", 300, 300, 300, {0}), monster("b", 300, 300, 300, {0}), limitedTo(30));
    t->start();
    t->turn(0, 5);  // a lands one hit; every draw is 0.5
    ASSERT_LT(t->fighter(1).hp, t->fighter(0).hp);
    for (int turn = 2; turn <= 30; ++turn) {
        ASSERT_FALSE(t->battle->state().ended) << "turn " << turn;
        t->turn(5, 5);
    }
    std::vector<std::string> banners = t->view.banners();
    ASSERT_EQ(banners.size(), 29u);  // after turns 1-29
    EXPECT_EQ(banners[25], "TURN 27");
    EXPECT_EQ(banners[26], "LAST 3");
    EXPECT_EQ(banners[27], "LAST 2");
    EXPECT_EQ(banners[28], "LAST TURN");
    EXPECT_TRUE(t->battle->state().ended);
    EXPECT_EQ(t->battle->state().endReason, EndReason::TimeUp);
    EXPECT_EQ(t->battle->state().winner, 0);
    EXPECT_EQ(t->view.count<event::TimeUp>(), 1);
    EXPECT_EQ(t->stats.count(0, StatCode::TimeUpWins), 1);
}

TEST(TurnLimit, EqualHpPlaysOnUntilTheHpDiffer) {
    auto t = makeBattle(monster("a", 300, 300, 300, {0}), monster("b", 300, 300, 300, {0}), limitedTo(30));
    t->start();
    for (int turn = 1; turn <= 31; ++turn) t->turn(5, 5);
    EXPECT_FALSE(t->battle->state().ended);
    EXPECT_EQ(t->battle->state().turnCount, 31);
    EXPECT_EQ(t->view.banners().back(), "LAST TURN");
    t->turn(5, 0);
    EXPECT_TRUE(t->battle->state().ended);
    EXPECT_EQ(t->battle->state().endReason, EndReason::TimeUp);
    EXPECT_EQ(t->battle->state().winner, 1);
    EXPECT_EQ(t->battle->state().turnCount, 32);
}

TEST(TurnLimit, NoLimitMeansNoLastBannersAndNoTimeUp) {
    auto t = makeBattle(monster("a", 300, 300, 300, {0}), monster("b", 300, 300, 300, {0}), limitedTo(0));
    t->start();
    t->turn(0, 5);
    for (int turn = 2; turn <= 60; ++turn) t->turn(5, 5);
    EXPECT_FALSE(t->battle->state().ended);
    for (const std::string& banner : t->view.banners()) EXPECT_EQ(banner.rfind("TURN ", 0), 0u) << banner;
}

TEST(KnockOut, BothDownInOneActionTheFirstToActLoses) {
    // a strikes twice; b's 反撃 (made likely by 流水の極意) fells a after the first hit, and a's
    // second hit still lands and fells b.
    BattleSettings settings = testSettings();
    settings.initialSp = 100;
    auto t = makeBattle(monster("a", 500, 0, 500, {tech::kDoubleAttack}),
                        monster("b", 0, 0, 0, {tech::kStrikeBack, tech::kFlowingWater}), settings);
    t->start();
    t->fighter(0).hp = 10;
    t->fighter(1).hp = 120;
    t->fighter(1).counterStrikeChance = 0.4_fx;
    t->turn(0, 5);
    ASSERT_EQ(t->battle->state().firstSide, 0);
    EXPECT_EQ(t->fighter(0).hp, 0);
    EXPECT_EQ(t->fighter(1).hp, 0);
    EXPECT_TRUE(t->battle->state().ended);
    EXPECT_EQ(t->battle->state().winner, 1);
    EXPECT_EQ(t->battle->state().endReason, EndReason::KnockOut);
}

TEST(KnockOut, BothDownAtTheSameEndOfTurnTheFirstToActLoses) {
    for (double roll : {0.5, 0.9}) {  // fighter 0 first, then fighter 1 first
        auto t = makeBattle(monster("a", 300, 300, 300), monster("b", 300, 300, 300));
        t->start();
        for (int side : {0, 1}) {
            t->fighter(side).hp = 10;
            t->fighter(side).turns(kStatusPoison) = 5;
        }
        t->random.then({roll});
        t->turn(5, 5);
        const int first = t->battle->state().firstSide;
        EXPECT_EQ(first, roll < 0.6 ? 0 : 1);
        EXPECT_TRUE(t->battle->state().ended);
        EXPECT_EQ(t->battle->state().winner, 1 - first);
        EXPECT_EQ(t->view.banners().size(), 0u);  // no banner after a knock-out
    }
}

TEST(Confusion, TheTechniqueIsDrawnAmongTheUsableSlots) {
    auto t = makeBattle(monster("a", 300, 300, 300, {0, tech::kAttack}), monster("b", 300, 300, 300));
    t->start();
    t->fighter(0).turns(kStatusConfusion) = 3;
    t->random.then({0.3});  // Int(5·0.3) = 1: 攻撃
    t->turn(0, 5);
    EXPECT_EQ(t->battle->state().input[0], (Command{0, 0, kFalse}));
    EXPECT_EQ(t->fighter(0).currentTech, tech::kAttack);
    EXPECT_EQ(t->fighter(0).currentSlot, 1);
    EXPECT_TRUE(t->view.hasCaption("混乱", 0));
}

TEST(Confusion, TwentyOneFailedDrawsLeaveTheFighterDoingNothing) {
    BattleSettings settings = testSettings();
    settings.initialSp = 0;
    auto t = makeBattle(monster("a", 300, 300, 300, {1, 1, 1, 1, 1}), monster("b", 300, 300, 300), settings);
    t->start();
    t->fighter(0).turns(kStatusConfusion) = 3;
    t->turn(0, 5);
    EXPECT_EQ(t->fighter(0).command(), Command::nothing());
    EXPECT_FALSE(t->view.hasCaption("混乱", 0));
    // 21 confusion draws, then the speed roll, ファースト, two ラッキー, the regeneration
    EXPECT_EQ(t->battle->state().drawCounter, 21 + 2 + 2 + 2);
}

TEST(Lucky, ComesUpAboveEightyPercent) {
    MonsterRecord lucky = monster("a", 300, 300, 300, {tech::kLucky});
    lucky.unlockCodes() = "L";
    auto t = makeBattle(lucky, monster("b", 300, 300, 300));
    t->start();
    t->random.then({0.5, 0.5, 0.8001});
    t->turn(5, 5);
    EXPECT_TRUE(t->view.hasCaption("ラッキー", 0));
    EXPECT_EQ(t->stats.count(0, StatCode::Luck), 1);
    t->view.clear();
    t->random.then({0.5, 0.5, 0.8});
    t->turn(5, 5);
    EXPECT_FALSE(t->view.hasCaption("ラッキー", 0));
}

TEST(StartOfTurn, BerserkIsConfusedEveryTurnAndAnnouncedOnce) {
    auto t = makeBattle(monster("a", 300, 300, 300, {tech::kBerserk}), monster("b", 300, 300, 300, {tech::kBerserk, tech::kSelfFell}));
    t->start();
    t->turn(5, 5);
    EXPECT_TRUE(t->view.hasCaption("バーサーク", 0));
    EXPECT_TRUE(t->view.hasCaption("背水の陣", 1));
    t->view.clear();
    t->turn(5, 5);
    EXPECT_FALSE(t->view.hasCaption("バーサーク", 0));
    EXPECT_EQ(t->fighter(0).turns(kStatusConfusion), 1);  // set to 2, one ran down

    BattleSettings tournament = testSettings();
    tournament.stageIndex = kTournamentStage;
    auto quiet = makeBattle(monster("a", 300, 300, 300, {tech::kBerserk}), monster("b", 300, 300, 300), tournament);
    quiet->start();
    quiet->turn(5, 5);
    EXPECT_FALSE(quiet->view.hasCaption("バーサーク", 0));
    EXPECT_EQ(quiet->fighter(0).turns(kStatusConfusion), 0);
}

TEST(Commands, AnUnusableSlotIsPlayedAsDoingNothing) {
    auto t = makeBattle(monster("a", 300, 300, 300, {tech::kAttackBonus, tech::kSecretArt}), monster("b", 300, 300, 300));
    t->start();
    EXPECT_EQ(t->battle->commandForSlot(0, 0), Command::nothing());  // a passive ability
    EXPECT_EQ(t->battle->commandForSlot(0, 1), Command::nothing());  // 30 SP, 10 held
    EXPECT_EQ(t->battle->commandForSlot(0, 5), Command::nothing());
    BattleSettings free = testSettings();
    free.battleMode = kModeFree;
    auto click = makeBattle(monster("a", 300, 300, 300), monster("b", 300, 300, 300), free);
    click->start();
    EXPECT_EQ(click->battle->commandForSlot(0, 5), Command::nothingFromClick());
}

TEST(Commands, NoTurnIsPlayedBeforeTheStartOrAfterTheEnd) {
    auto t = makeBattle(monster("a", 300, 300, 300), monster("b", 300, 300, 300));
    t->turn(5, 5);
    EXPECT_EQ(t->battle->state().turnCount, 0);
    t->start();
    t->fighter(1).hp = 0;
    t->turn(5, 5);
    ASSERT_TRUE(t->battle->state().ended);
    const int drawn = t->random.drawn();
    t->turn(5, 5);
    EXPECT_EQ(t->battle->state().turnCount, 1);
    EXPECT_EQ(t->random.drawn(), drawn);
}

}  // namespace
}  // namespace vex::test
