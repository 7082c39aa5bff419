// Whether a hit lands: the chance, its clamp, and the sure-hit and sure-miss rules.

#include <gtest/gtest.h>

#include "battle_test_support.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::test {
namespace {

// Fighter 0 attacks from slot 0; fighter 1 does nothing unless a test says otherwise.
std::unique_ptr<TestBattle> attackerAndTarget(MonsterRecord a, MonsterRecord d = monster("d", 300, 300, 300)) {
    auto t = makeBattle(a, d);
    t->start();
    useSlot(*t, 0, 0);
    t->fighter(1).setCommand(Command::nothing());
    return t;
}

bool hits(TestBattle& t, std::initializer_list<double> draws) {
    t.random.then(draws);
    t.battle->hitCheck(0);
    return t.battle->state().missFlag == kFalse;
}

TEST(HitCheck, TheChanceIsDrawnAgainstStrictly) {
    auto t = attackerAndTarget(monster("a", 300, 300, 300, {0}));
    // 0.9 - 300/1800 + 300/4000, each term to four decimals
    EXPECT_TRUE(hits(*t, {0.8083, 0.9, 0.9}));
    EXPECT_EQ(t->battle->state().hitChance, 0.8083_fx);
    EXPECT_FALSE(hits(*t, {0.8084, 0.9, 0.9}));
    EXPECT_TRUE(t->view.hasCaption("MISS!", 1));
    EXPECT_EQ(t->stats.count(0, StatCode::Hits), 1);
    EXPECT_EQ(t->stats.count(0, StatCode::Misses), 1);
    EXPECT_EQ(t->random.remaining(), 0u);
}

TEST(HitCheck, ClampedBetweenFifteenAndNinetyFivePercent) {
    auto fast = attackerAndTarget(monster("a", 300, 300, 1000, {0}), monster("d", 300, 300, 0));
    fast->fighter(0).spdMod = 1500;  // speed counts at most 2000
    EXPECT_TRUE(hits(*fast, {0.95, 0.9, 0.9}));
    EXPECT_EQ(fast->battle->state().hitChance, 0.95_fx);
    EXPECT_FALSE(hits(*fast, {0.9501, 0.9, 0.9}));

    auto slow = attackerAndTarget(monster("a", 300, 300, 0, {0}), monster("d", 300, 300, 1000));
    slow->fighter(1).spdMod = 1000;
    EXPECT_TRUE(hits(*slow, {0.15, 0.9, 0.9}));
    EXPECT_EQ(slow->battle->state().hitChance, 0.15_fx);
}

TEST(HitCheck, FiftyFixesTheChanceAtOneHalf) {
    auto t = attackerAndTarget(monster("a", 300, 300, 1000, {0, tech::kFifty}), monster("d", 300, 300, 0));
    EXPECT_FALSE(hits(*t, {0.5001, 0.9, 0.9}));
    EXPECT_EQ(t->battle->state().hitChance, 0.5_fx);
}

TEST(HitCheck, SureHitsAndSureMisses) {
    auto sure = attackerAndTarget(monster("a", 300, 300, 300, {tech::kSureHit}));
    EXPECT_TRUE(hits(*sure, {0.99, 0.9, 0.9}));
    sure->fighter(1).lucky = kTrue;  // a lucky defender dodges even a sure hit
    EXPECT_FALSE(hits(*sure, {0.1, 0.9, 0.9}));

    auto flurry = attackerAndTarget(monster("a", 300, 300, 300, {tech::kFlurry}));
    flurry->fighter(0).turns(kStatusFocus) = 1;  // 集中 does not help 乱れ打ち
    EXPECT_FALSE(hits(*flurry, {0.99, 0.9, 0.9}));
    flurry->fighter(1).turns(kStatusParalysis) = 1;  // a paralysed defender is always hit
    EXPECT_TRUE(hits(*flurry, {0.99, 0.9, 0.9}));
}

TEST(HitCheck, OnlyShootingReachesAJumpingDefender) {
    auto t = attackerAndTarget(monster("a", 300, 300, 300, {0, tech::kShoot}));
    t->fighter(1).jumping = kTrue;
    EXPECT_FALSE(hits(*t, {0.1, 0.9, 0.9}));
    useSlot(*t, 0, 1);
    EXPECT_TRUE(hits(*t, {0.1, 0.9, 0.9}));
    EXPECT_EQ(t->battle->state().hitChance, 0.7083_fx);  // 射撃 -0.1
}

TEST(HitCheck, ElementsAndEmotion) {
    MonsterRecord a = monster("a", 300, 300, 0, {0});
    a.techElement(0) = "2";  // 水
    MonsterRecord d = monster("d", 300, 300, 300, {0});
    d.techElement(0) = "1";  // 火
    auto t = attackerAndTarget(a, d);
    useSlot(*t, 1, 0);
    hits(*t, {0.5, 0.9, 0.9});
    EXPECT_EQ(t->battle->state().hitChance, 0.88_fx);  // 0.7333 × 1.2
    EXPECT_DOUBLE_EQ(t->battle->elementFactor(0), 1.2);

    auto excited = attackerAndTarget(monster("a", 300, 300, 300, {0}));
    excited->fighter(0).emotion = 50;
    hits(*excited, {0.5, 0.9, 0.9});
    EXPECT_EQ(excited->battle->state().hitChance, 0.5083_fx);
    excited->fighter(0).emotion = -50;
    hits(*excited, {0.5, 0.9, 0.9});
    EXPECT_EQ(excited->battle->state().hitChance, 0.95_fx);
}

TEST(HitCheck, ReadingTheSlotDodgesOnceAndTheMasterLearns) {
    auto t = attackerAndTarget(monster("a", 300, 300, 300, {0}), monster("d", 300, 300, 300, {tech::kMaster}));
    EXPECT_TRUE(hits(*t, {0.1, 0.9, 0.9}));
    EXPECT_EQ(t->fighter(1).readChance[0], 0.15_fx);
    EXPECT_FALSE(hits(*t, {0.1, 0.1499, 0.9}));
    EXPECT_EQ(t->fighter(1).readChance[0], Fix4{});
    EXPECT_TRUE(hits(*t, {0.1, 0.1, 0.9}));
}

TEST(HitCheck, DoingNothingDrawsNoReading) {
    auto t = attackerAndTarget(monster("a", 300, 300, 300, {0}));
    t->fighter(0).setCommand(Command{0, kNoSlot, kFalse});
    EXPECT_TRUE(hits(*t, {0.1}));
    EXPECT_EQ(t->random.overrun(), 0);
    EXPECT_EQ(t->random.drawn(), 1);
}

}  // namespace
}  // namespace vex::test
