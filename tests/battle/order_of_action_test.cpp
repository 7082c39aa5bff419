// The order of action: the speed roll and the chain of overrides by technique.

#include <gtest/gtest.h>

#include "battle_test_support.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::test {
namespace {

BattleSettings withSp() {
    BattleSettings settings = testSettings();
    settings.initialSp = 100;
    return settings;
}

// Plays one turn whose first draw is the speed roll; returns who acted first.
int firstAfterRoll(TestBattle& t, double roll, int slot0 = 5, int slot1 = 5) {
    t.random.then({roll});
    t.turn(slot0, slot1);
    return t.battle->state().firstSide;
}

TEST(SpeedRoll, TheBoundaryBelongsToFighterZero) {
    // spd 100 each: fighter 0 first when 250 >= 100 + 300·r.
    auto t = makeBattle(monster("a", 100, 100, 100), monster("b", 100, 100, 100));
    t->start();
    EXPECT_EQ(firstAfterRoll(*t, 0.5), 0);
    EXPECT_EQ(firstAfterRoll(*t, 0.5001), 1);
}

TEST(SpeedRoll, ALeadOfMoreThan150AlwaysWins) {
    auto t = makeBattle(monster("a", 100, 100, 251), monster("b", 100, 100, 100));
    t->start();
    EXPECT_EQ(firstAfterRoll(*t, 1.0), 0);
    auto slower = makeBattle(monster("a", 100, 100, 100), monster("b", 100, 100, 250));
    slower->start();
    EXPECT_EQ(firstAfterRoll(*slower, 0.0), 0);  // a lead of exactly 150 ties at r = 0
    EXPECT_EQ(firstAfterRoll(*slower, 0.0001), 1);
}

TEST(SpeedRoll, TheNetworkClientMirrorsTheRoll) {
    BattleSettings settings = testSettings();
    settings.battleMode = kModeNetwork;
    settings.isHost = 0;
    auto t = makeBattle(monster("a", 100, 100, 100), monster("b", 100, 100, 100), settings);
    t->start();
    // The client's fighter 0 is the host's fighter 1: it acts first only when strictly ahead.
    EXPECT_EQ(firstAfterRoll(*t, 0.5), 1);
    EXPECT_EQ(firstAfterRoll(*t, 0.5001), 0);
}

TEST(Overrides, FirstStrikeGoesFirstUnlessBothUseIt) {
    auto t = makeBattle(monster("fast", 100, 100, 500, {0}), monster("slow", 100, 100, 0, {tech::kFirstStrike}), withSp());
    t->start();
    EXPECT_EQ(firstAfterRoll(*t, 0.0, 0, 0), 1);

    auto both = makeBattle(monster("fast", 100, 100, 500, {tech::kFirstStrike}),
                           monster("slow", 100, 100, 0, {tech::kFirstStrike}), withSp());
    both->start();
    EXPECT_EQ(firstAfterRoll(*both, 0.0, 0, 0), 0);
}

TEST(Overrides, CopyWaitsForTheOtherAndForesightGoesFirst) {
    auto copy = makeBattle(monster("fast", 100, 100, 500, {tech::kCopy}), monster("slow", 100, 100, 0, {0}), withSp());
    copy->start();
    EXPECT_EQ(firstAfterRoll(*copy, 0.0, 0, 0), 1);

    auto foresight =
        makeBattle(monster("fast", 100, 100, 500, {0}), monster("slow", 100, 100, 0, {tech::kForesight}), withSp());
    foresight->start();
    EXPECT_EQ(firstAfterRoll(*foresight, 0.0, 0, 0), 1);
}

TEST(Overrides, FirstComesUpBelowTwentyPercent) {
    auto t = makeBattle(monster("fast", 100, 100, 500), monster("slow", 100, 100, 0, {tech::kFirst}));
    t->start();
    t->random.then({0.0, 0.1999});
    t->turn(5, 5);
    EXPECT_EQ(t->battle->state().firstSide, 1);
    EXPECT_TRUE(t->view.hasCaption("ファースト", 1));

    t->random.then({0.0, 0.2});
    t->turn(5, 5);
    EXPECT_EQ(t->battle->state().firstSide, 0);
}

TEST(Overrides, ATrapLayerActsSecond) {
    auto t = makeBattle(monster("fast", 100, 100, 500, {tech::kTrapAttack}), monster("slow", 100, 100, 0, {0}));
    t->start();
    EXPECT_EQ(firstAfterRoll(*t, 0.0, 0, 0), 1);
}

}  // namespace
}  // namespace vex::test
