// Every change of HP: the bar, clones lost to damage, 覚醒 and its end.

#include <gtest/gtest.h>

#include "battle_test_support.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::test {
namespace {

TEST(ChangeHp, LossesStopAtZeroAndGainsShowAsHpPlus) {
    auto t = makeBattle(monster("a", 300, 300, 300), monster("b", 300, 300, 300));
    t->start();
    t->fighter(1).hp = 30;
    t->battle->changeHp(1, 100);
    EXPECT_EQ(t->fighter(1).hp, 0);
    EXPECT_EQ(t->view.captions(1).back(), "100");
    t->battle->changeHp(1, -25);
    EXPECT_EQ(t->fighter(1).hp, 25);
    EXPECT_EQ(t->view.captions(1).back(), "HP +25");
    EXPECT_EQ(t->stats.total(0, StatCode::DamageDealt), 100);
}

TEST(ChangeHp, PanicHidesTheNumber) {
    auto t = makeBattle(monster("a", 300, 300, 300), monster("b", 300, 300, 300));
    t->start();
    t->fighter(1).turns(kStatusPanic) = 3;
    t->battle->changeHp(1, 40);
    EXPECT_EQ(t->view.captions(1).back(), "???");
}

TEST(ChangeHp, DamageMayTakeAClone) {
    auto t = makeBattle(monster("a", 300, 300, 300), monster("b", 300, 300, 300));
    t->start();
    t->fighter(1).cloneCount = 1;
    t->random.then({0.45});  // 60/600 + 0.35 = 0.45, strictly below
    t->battle->changeHp(1, 60);
    EXPECT_EQ(t->fighter(1).cloneCount, 1);
    t->random.then({0.4499});
    t->battle->changeHp(1, 60);
    EXPECT_EQ(t->fighter(1).cloneCount, 2);
}

TEST(Awakening, BelowTwoHundredTheStatsDoubleAndHealingUndoesIt) {
    auto t = makeBattle(monster("a", 300, 300, 300, {0, tech::kAwakening}), monster("b", 300, 300, 300));
    t->start();
    FighterState& a = t->fighter(0);
    a.hp = 250;
    a.record.atk = 301;
    t->battle->changeHp(0, 50);  // 200: not yet
    EXPECT_EQ(a.record.techId[1], tech::kAwakening);
    t->battle->changeHp(0, 1);   // 199
    EXPECT_TRUE(t->view.hasCaption("覚醒", 0));
    EXPECT_EQ(a.record.atk, 602);
    EXPECT_EQ(a.record.def, 600);
    EXPECT_EQ(a.record.techId[1], tech::kAwakeningEnd);
    EXPECT_EQ(a.emotion, -15);
    t->battle->changeHp(0, 1);  // stays awakened
    EXPECT_EQ(a.record.atk, 602);
    t->battle->changeHp(0, -2);  // 200: still awakened
    EXPECT_EQ(a.record.techId[1], tech::kAwakeningEnd);
    t->battle->changeHp(0, -1);  // 201
    EXPECT_TRUE(t->view.hasCaption("覚醒終了", 0));
    EXPECT_EQ(a.record.atk, 301);
    EXPECT_EQ(a.record.techId[1], tech::kAwakening);
    EXPECT_EQ(a.emotion, 0);
}

TEST(Awakening, HalvingRoundsHalvesToEven) {
    auto t = makeBattle(monster("a", 300, 300, 300, {tech::kAwakeningEnd}), monster("b", 300, 300, 300));
    t->start();
    t->fighter(0).hp = 150;
    t->fighter(0).record.atk = 605;
    t->fighter(0).record.def = 607;
    t->battle->changeHp(0, -100);
    EXPECT_EQ(t->fighter(0).record.atk, 302);  // CInt(302.5)
    EXPECT_EQ(t->fighter(0).record.def, 304);  // CInt(303.5)
}

TEST(Awakening, DoublingStaysWithinSixteenBits) {
    auto t = makeBattle(monster("a", 300, 300, 300, {tech::kAwakening}), monster("b", 300, 300, 300));
    t->start();
    t->fighter(0).record.atk = 20000;
    t->fighter(0).hp = 300;
    t->battle->changeHp(0, 200);
    EXPECT_EQ(t->fighter(0).record.atk, 32767);
}

}  // namespace
}  // namespace vex::test
