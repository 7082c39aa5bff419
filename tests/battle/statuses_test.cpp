// Statuses: putting them on, what blocks them, and the end-of-turn pass.

#include <gtest/gtest.h>

#include "battle_test_support.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::test {
namespace {

std::unique_ptr<TestBattle> pair(MonsterRecord a = monster("a", 300, 300, 300), MonsterRecord b = monster("b", 300, 300, 300)) {
    auto t = makeBattle(a, b);
    t->start();
    return t;
}

TEST(ApplyStatus, ANewApplicationReplacesTheCounter) {
    auto t = pair();
    t->battle->applyStatus(1, kStatusPoison, 12);
    t->battle->applyStatus(1, kStatusPoison, 4);
    EXPECT_EQ(t->fighter(1).turns(kStatusPoison), 4);
    EXPECT_TRUE(t->view.hasCaption("毒", 1));
    EXPECT_EQ(t->fighter(1).emotion, -20);
    EXPECT_EQ(t->view.sounds(), (std::vector<int>{30, 30}));
}

TEST(ApplyStatus, StatusGuardAndMachineBlockHostileStatusesUnlessCursed) {
    auto t = pair(monster("a", 300, 300, 300), monster("b", 300, 300, 300, {tech::kMachine}));
    t->battle->applyStatus(1, kStatusParalysis, 3);
    t->battle->applyStatus(1, kStatusPoison, 3);
    EXPECT_EQ(t->fighter(1).turns(kStatusParalysis), 0);
    EXPECT_EQ(t->fighter(1).turns(kStatusPoison), 0);
    EXPECT_EQ(t->view.captions(1), (std::vector<std::string>{"無効", "無効"}));
    EXPECT_EQ(t->view.sounds(), (std::vector<int>{29}));  // only resistance sounds

    auto guarded = pair();
    guarded->fighter(1).turns(kStatusGuard) = 5;
    guarded->battle->applyStatus(1, kStatusPanic, 8);
    EXPECT_EQ(guarded->fighter(1).turns(kStatusPanic), 0);
    guarded->battle->applyStatus(1, kStatusAccuracyUp, 3);  // not hostile
    EXPECT_EQ(guarded->fighter(1).turns(kStatusAccuracyUp), 3);
    guarded->fighter(0).currentTech = tech::kCurse;  // 呪い goes through
    guarded->battle->applyStatus(1, kStatusPoison, 3);
    EXPECT_EQ(guarded->fighter(1).turns(kStatusPoison), 3);
}

TEST(ApplyStatus, IronWallResistsOnlyRightAfterBlocking) {
    auto t = pair(monster("a", 300, 300, 300), monster("b", 300, 300, 300, {tech::kDefend, tech::kIronWall}));
    useSlot(*t, 1, 0);
    t->battle->applyStatus(1, kStatusConfusion, 3);
    EXPECT_EQ(t->fighter(1).turns(kStatusConfusion), 0);
    t->fighter(1).ironWallMark = 0.25_fx;
    t->battle->applyStatus(1, kStatusParalysis, 3);
    EXPECT_EQ(t->fighter(1).turns(kStatusParalysis), 3);
}

TEST(ApplyStatus, FlyingFightersCannotFall) {
    auto t = pair();
    t->fighter(1).flying = kTrue;
    t->battle->applyStatus(1, kStatusFallen, 2);
    EXPECT_EQ(t->fighter(1).turns(kStatusFallen), 0);
    EXPECT_TRUE(t->view.hasCaption("無効", 1));
}

TEST(ApplyStatus, PanicStrikesBothAndMiracleAndBindCancel) {
    auto t = pair();
    t->battle->applyStatus(1, kStatusPanic, 8);
    EXPECT_EQ(t->fighter(0).turns(kStatusPanic), 8);
    EXPECT_EQ(t->fighter(1).turns(kStatusPanic), 8);
    EXPECT_EQ(t->fighter(0).emotion, 50);

    auto m = pair();
    m->battle->applyStatus(0, kStatusMiracle, 4);
    m->battle->applyStatus(0, kStatusBind, 4);
    EXPECT_EQ(m->fighter(0).turns(kStatusMiracle), 0);
    EXPECT_EQ(m->fighter(0).turns(kStatusBind), 4);
    EXPECT_TRUE(m->view.hasCaption("消費２倍", 0));
    m->battle->applyStatus(0, kStatusMiracle, 4);
    EXPECT_EQ(m->fighter(0).turns(kStatusBind), 0);
    EXPECT_TRUE(m->view.hasCaption("消費半分", 0));
}

TEST(ApplyStatus, VenomChangesThePoisonCaption) {
    auto t = pair(monster("a", 300, 300, 300, {tech::kVenom}));
    t->battle->applyStatus(1, kStatusPoison, 3);
    EXPECT_TRUE(t->view.hasCaption("ヴェノム", 1));
}

TEST(ApplyStatus, ConfusionRedrawsTheCommandAtOnce) {
    auto t = pair(monster("a", 300, 300, 300), monster("b", 300, 300, 300, {0, 0, 0, tech::kAttack}));
    useSlot(*t, 1, 0);
    t->random.then({0.7});  // Int(5·0.7) = 3
    t->battle->applyStatus(1, kStatusConfusion, 2);
    EXPECT_EQ(t->fighter(1).command(), (Command{tech::kAttack, 3, kFalse}));
}

TEST(StatusPass, CountersRunDownAndResistHalvesTheHostileOnes) {
    auto t = pair(monster("a", 300, 300, 300, {tech::kResist}));
    FighterState& a = t->fighter(0);
    a.turns(kStatusParalysis) = 3;
    a.turns(kStatusAccuracyUp) = 3;
    a.turns(kStatusBind) = 3;  // hostile, but not one that レジスト shortens
    t->battle->endOfTurnStatusPass();
    EXPECT_EQ(a.turns(kStatusParalysis), 1);
    EXPECT_EQ(a.turns(kStatusAccuracyUp), 2);
    EXPECT_EQ(a.turns(kStatusBind), 2);
    t->battle->endOfTurnStatusPass();
    EXPECT_EQ(a.turns(kStatusParalysis), 0);
}

TEST(StatusPass, StatModifiersFadeTowardsZero) {
    auto t = pair();
    FighterState& a = t->fighter(0);
    a.atkMod = 100;
    a.defMod = -100;
    a.spdMod = 1200;
    t->battle->endOfTurnStatusPass();
    EXPECT_EQ(a.atkMod, 0);
    EXPECT_EQ(a.defMod, -50);
    EXPECT_EQ(a.spdMod, 1050);
    a.atkMod = 12000;  // beyond the table it stays
    t->battle->endOfTurnStatusPass();
    EXPECT_EQ(a.atkMod, 12000);
}

TEST(StatusPass, PoisonWeakensAsItsCounterRunsDown) {
    auto t = pair();
    FighterState& b = t->fighter(1);
    b.turns(kStatusPoison) = 11;
    t->random.then({0.0});
    t->battle->endOfTurnStatusPass();  // counter 10: 32 + 0 - 0
    EXPECT_EQ(b.hp, 1000 - 32);
    b.turns(kStatusPoison) = 2;
    t->random.then({0.9999});
    t->battle->endOfTurnStatusPass();  // counter 1: 32 + 4 - 27
    EXPECT_EQ(b.hp, 1000 - 32 - 9);
    EXPECT_EQ(b.turns(kStatusPoison), 1);
}

TEST(StatusPass, VenomPoisonStaysStrongAndZombiesFeedOnIt) {
    auto venom = pair(monster("a", 300, 300, 300, {tech::kVenom}));
    venom->fighter(1).turns(kStatusPoison) = 2;
    venom->random.then({0.0});
    venom->battle->endOfTurnStatusPass();
    EXPECT_EQ(venom->fighter(1).hp, 1000 - 18);

    auto zombie = pair(monster("a", 300, 300, 300), monster("z", 300, 300, 300, {tech::kZombie, tech::kUndead}));
    FighterState& z = zombie->fighter(1);
    z.hp = 1000;
    z.turns(kStatusPoison) = 11;
    zombie->random.then({0.0});
    zombie->battle->endOfTurnStatusPass();
    EXPECT_EQ(z.maxHp, 1400);  // ゾンビ counts as タフネス ×2
    EXPECT_EQ(z.hp, 1000 + 26);  // healed by CInt(0.8·32)
}

TEST(StatusPass, NaturalRecoveryIsCutToTheMissingHp) {
    auto t = pair();
    FighterState& a = t->fighter(0);
    a.turns(kStatusRecovery) = 3;
    a.hp = 990;
    t->random.then({0.9});
    t->battle->endOfTurnStatusPass();
    EXPECT_EQ(a.hp, 1000);
    a.hp = 500;
    t->random.then({0.9});
    t->battle->endOfTurnStatusPass();
    EXPECT_EQ(a.hp, 500 + 28);  // 24 + Int(5·0.9)
}

TEST(StatusPass, AZombiesDecayStopsAtOneHp) {
    auto t = pair(monster("z", 300, 300, 300, {tech::kZombie, tech::kUndead}));
    FighterState& z = t->fighter(0);
    z.hp = 10;
    t->random.then({0.0});
    t->battle->endOfTurnStatusPass();  // 9 + 0 - 25 would take it below 0
    EXPECT_EQ(z.hp, 1);
}

}  // namespace
}  // namespace vex::test
