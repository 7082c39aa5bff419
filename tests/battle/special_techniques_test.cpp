// The special techniques (奥義, 格闘, 射撃 and 弾倉補充, 特殊吸収, コピー, スパイ, 浄化の炎, 呪い,
// 切腹, 逃げる, the gatling) and the movement techniques.

#include <gtest/gtest.h>

#include "battle_test_support.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::test {
namespace {

TEST(SecretArt, IsUsedOnceWhetherItHitsOrNot) {
    for (bool hits : {true, false}) {
        auto t = aboutToUse(monster("a", 300, 300, 300, {tech::kSecretArt, tech::kSecretArt}));
        if (hits)
            t->fighter(1).turns(kStatusFallen) = 1;
        else
            t->random.hitCheckMisses();
        t->battle->executeAction(0);
        EXPECT_EQ(t->fighter(0).record.techId[0], tech::kAttackBonus) << hits;
        EXPECT_EQ(t->fighter(0).record.techId[1], tech::kAttackBonus) << hits;
        EXPECT_EQ(t->fighter(1).hp < 1000, hits);
    }
    BattleSettings tournament = testSettings();
    tournament.stageIndex = kTournamentStage;
    for (auto [settings, desperate] : {std::pair{testSettings(), true}, {tournament, false}}) {
        auto t = makeBattle(monster("a", 300, 300, 300, {tech::kSecretArt}), monster("d", 300, 300, 300), settings);
        t->start();
        t->fighter(0).sp = 100;
        t->fighter(0).hp = 99;
        useSlot(*t, 0, 0);
        t->fighter(1).setCommand(Command::nothing());
        t->battle->executeAction(0);
        EXPECT_EQ(t->view.hasCaption("最終奥義", 0), desperate);
    }
}

TEST(Brawl, PaysAShareOfTheDamageAndStrikesItselfOnAMiss) {
    auto hit = aboutToUse(monster("a", 300, 300, 300, {tech::kBrawl}));
    hit->fighter(1).turns(kStatusFallen) = 1;
    hit->battle->executeAction(0);
    const int dealt = 1000 - hit->fighter(1).hp;
    ASSERT_GT(dealt, 0);
    EXPECT_EQ(1000 - hit->fighter(0).hp, static_cast<int>(cint(0.6 * dealt)));

    // Strength 20 + 22 + Int(5) = 47 both times: power 318 on itself, damage 94, loss 56.
    auto miss = aboutToUse(monster("a", 300, 300, 300, {tech::kBrawl}));
    miss->random.then({0.5}).hitCheckMisses().then({0.5, 0.0, 0.99});
    miss->battle->executeAction(0);
    EXPECT_EQ(miss->fighter(1).hp, 1000);
    EXPECT_EQ(miss->fighter(0).hp, 1000 - 56);
    EXPECT_EQ(miss->random.overrun(), 0);

    auto revive = aboutToUse(monster("a", 300, 300, 300, {tech::kBrawl, tech::kRevive}));
    revive->random.then({0.5}).hitCheckMisses().then({0.5, 0.0, 0.99});
    revive->battle->executeAction(0);
    EXPECT_EQ(revive->fighter(0).hp, 1000 - 47);  // CInt(0.5·94)

    auto weak = aboutToUse(monster("a", 300, 300, 300, {tech::kBrawl}));
    weak->fighter(0).hp = 10;
    weak->random.then({0.5}).hitCheckMisses();
    weak->battle->executeAction(0);
    EXPECT_EQ(weak->fighter(0).hp, 1);  // never the last point
}

TEST(Shooting, SpendsAmmunitionAndPricesTheReload) {
    MonsterRecord a = monster("a", 300, 300, 300, {tech::kShoot, tech::kReload, tech::kTechnician});
    setLevel(a, 0, 3);  // 6 shots, 15 SP of reload per shot spent
    auto t = makeBattle(a, monster("d", 300, 300, 300));
    t->start();
    t->fighter(0).sp = 200;
    EXPECT_EQ(t->fighter(0).ammo, 6);
    for (int shot = 0; shot < 2; ++shot) {
        useSlot(*t, 0, 0);
        t->fighter(1).setCommand(Command::nothing());
        t->battle->executeAction(0);
    }
    EXPECT_EQ(t->fighter(0).ammo, 4);
    EXPECT_EQ(t->fighter(0).record.techCost[1], 27);  // CInt(2·15·0.9)

    useSlot(*t, 0, 1);
    t->battle->executeAction(0);
    EXPECT_EQ(t->fighter(0).ammo, 6);
    EXPECT_EQ(t->fighter(0).record.techCost[1], 999);  // until the next shot
    EXPECT_TRUE(t->view.hasCaption("弾倉補充", 0));

    t->fighter(0).ammo = 0;
    t->battle->computeSlotUsability();
    EXPECT_FALSE(t->battle->slotUsable(0, 0));
}

TEST(AbsorbSpecial, TakesOverTheOpponentsSlotAtSevenTenthsOfItsCost) {
    MonsterRecord d = monster("d", 300, 300, 300, {tech::kSpAttack, tech::kAttack, tech::kShoot});
    setLevel(d, 1, 3);  // 40 SP
    auto t = aboutToUse(monster("a", 300, 300, 300, {tech::kAbsorbSpecial}), d);
    useSlot(*t, 1, 1);
    t->battle->executeAction(0);
    const MonsterRecord& r = t->fighter(0).record;
    EXPECT_EQ(r.techId[0], tech::kAttack);
    EXPECT_EQ(r.techName[0], "攻撃");
    EXPECT_EQ(r.techLevel[0], 3);
    EXPECT_EQ(r.techCost[0], 28);
    EXPECT_EQ(t->fighter(0).noAction, kTrue);
    EXPECT_EQ(t->fighter(0).currentSlot, kNoSlot);
    EXPECT_EQ(t->fighter(1).hp, 1000);  // it does nothing more this turn
    EXPECT_TRUE(t->view.hasCaption("特殊吸収", 0));
    EXPECT_TRUE(t->view.hasCaption("攻撃", 0));

    auto shot = aboutToUse(monster("a", 300, 300, 300, {tech::kAbsorbSpecial}), d);
    useSlot(*shot, 1, 2);
    shot->fighter(1).ammo = 7;
    shot->battle->executeAction(0);
    EXPECT_EQ(shot->fighter(0).record.techId[0], tech::kShoot);
    EXPECT_EQ(shot->fighter(0).ammo, 7);

    auto idle = aboutToUse(monster("a", 300, 300, 300, {tech::kAbsorbSpecial}), d);
    idle->battle->executeAction(0);
    EXPECT_TRUE(idle->view.hasCaption("失敗", 0));
    EXPECT_EQ(idle->fighter(0).record.techId[0], tech::kAbsorbSpecial);
}

TEST(Copy, CopiedLimiterCutsTheStatsForTheTurnAndFillsTheGauge) {
    auto t = aboutToUse(monster("a", 300, 400, 502, {tech::kCopy}), monster("d", 300, 300, 300, {tech::kLimiter}));
    useSlot(*t, 1, 0);
    t->battle->executeAction(0);
    EXPECT_EQ(t->fighter(0).currentTech, tech::kLimiter);
    EXPECT_EQ(t->fighter(0).record.atk, 60);
    EXPECT_EQ(t->fighter(0).record.def, 80);
    EXPECT_EQ(t->fighter(0).record.spd, 100);  // CInt(100.4)

    auto turn = makeBattle(monster("a", 300, 400, 300, {tech::kCopy}), monster("d", 300, 300, 300, {tech::kLimiter}));
    turn->start();
    turn->fighter(0).sp = 50;
    turn->battle->computeSlotUsability();
    turn->turn(0, 0);
    EXPECT_EQ(turn->fighter(0).record.atk, 300);
    EXPECT_EQ(turn->fighter(0).record.def, 400);
    EXPECT_EQ(turn->fighter(0).limitGauge, 1);
    EXPECT_EQ(turn->fighter(1).limitGauge, 1);
}

TEST(Spy, ShowsTheOpponentsTechniquesInTheirElementColoursAndItsStrongStats) {
    MonsterRecord d = monster("d", 600, 300, 501, {tech::kAttack, tech::kCounter, tech::kGuts, tech::kPoison});
    d.techElement(0) = "1";
    auto t = aboutToUse(monster("a", 300, 300, 300, {tech::kSpy}), d);
    t->battle->executeAction(0);
    std::vector<std::pair<std::string, Rgb>> shown;
    for (const BattleEvent& e : t->view.events())
        if (const auto* c = e.as<event::Caption>(); c && c->fighter == 1) shown.emplace_back(c->text, c->colour);
    const std::vector<std::pair<std::string, Rgb>> expected{
        {"攻撃", {170, 0, 0}}, {"ｶｳﾝﾀｰ", {100, 100, 100}}, {"毒", {100, 100, 100}},
        {"攻撃力が高い", {0, 255, 120}}, {"素早さが高い", {0, 255, 120}}};
    EXPECT_EQ(shown, expected);
}

TEST(PurifyingFlame, BurnsTheBadStatusesIntoAHitOrFails) {
    auto t = aboutToUse(monster("a", 300, 300, 300, {tech::kPurifyingFlame}));
    t->fighter(1).turns(kStatusPoison) = 3;
    t->fighter(1).turns(kStatusFallen) = 1;
    t->fighter(1).turns(kStatusGuard) = 4;   // not a bad status
    t->battle->executeAction(0);
    EXPECT_EQ(t->fighter(1).turns(kStatusPoison), 0);
    EXPECT_EQ(t->fighter(1).turns(kStatusFallen), 0);
    EXPECT_EQ(t->fighter(1).turns(kStatusGuard), 4);
    EXPECT_LT(t->fighter(1).hp, 1000);

    // The power: 2 マヒ × 300 + 1 SPｽﾄｯﾌﾟ × 100 and 80·4^1.1, CInt 1068, plus 200, as a plain
    // hit of 1268 under the same draws deals.
    auto weighed = aboutToUse(monster("a", 300, 300, 300, {tech::kPurifyingFlame}));
    weighed->fighter(1).turns(kStatusParalysis) = 2;
    weighed->fighter(1).turns(kStatusSpStop) = 1;
    weighed->battle->executeAction(0);
    auto plain = aboutToUse(monster("a", 300, 300, 300, {tech::kPurifyingFlame}));
    plain->battle->attackHit(0, 1268);
    EXPECT_EQ(weighed->fighter(1).hp, plain->fighter(1).hp);
    EXPECT_LT(weighed->fighter(1).hp, 1000);

    auto clean = aboutToUse(monster("a", 300, 300, 300, {tech::kPurifyingFlame}));
    clean->battle->executeAction(0);
    EXPECT_TRUE(clean->view.hasCaption("失敗", 1));
    EXPECT_EQ(clean->random.drawn(), 0);

    auto undead = aboutToUse(monster("a", 300, 300, 300, {tech::kPurifyingFlame}),
                             monster("d", 300, 300, 300, {tech::kUndead}));
    undead->battle->executeAction(0);
    EXPECT_FALSE(undead->view.hasCaption("失敗", 1));
    EXPECT_GT(undead->random.drawn(), 0);  // it strikes
}

TEST(Curse, PutsOneOfSixStatusesPastAnyResistance) {
    struct Case {
        double r;
        StatusKind status;
        int turns;
    };
    for (auto [r, status, turns] : {Case{0.0, kStatusParalysis, 2}, {0.1429, kStatusPoison, 11},
                                    {0.2858, kStatusConfusion, 3}, {0.4286, kStatusBind, 2},
                                    {0.5715, kStatusSpStop, 4}, {0.7143, kStatusIllusion, 3}}) {
        auto t = aboutToUse(monster("a", 300, 300, 300, {tech::kCurse}));
        t->fighter(1).turns(kStatusGuard) = 5;  // 呪い goes through 状態防御
        t->random.hitCheckLands().then({r, 0.5, 0.0});
        t->battle->executeAction(0);
        EXPECT_EQ(t->fighter(1).turns(status), turns) << r;
    }
    for (double r : {0.8572, 1.0}) {
        auto t = aboutToUse(monster("a", 300, 300, 300, {tech::kCurse}));
        t->random.hitCheckLands().then({r});
        t->battle->executeAction(0);
        EXPECT_TRUE(t->view.hasCaption("失敗", 1)) << r;
    }
}

TEST(WaysOut, SelfFellingAndFleeingEndTheBattleWithTheirFlags) {
    auto fell = makeBattle(monster("a", 300, 300, 300, {tech::kSelfFell}), monster("b", 300, 300, 300));
    fell->start();
    fell->fighter(0).hp = 80;
    fell->battle->computeSlotUsability();  // 切腹 needs 99 HP or less
    fell->turn(0, 5);
    EXPECT_EQ(fell->fighter(0).selfFelled, kTrue);
    EXPECT_EQ(fell->fighter(0).fled, kFalse);
    EXPECT_EQ(fell->battle->state().winner, 1);

    MonsterRecord runner = monster("a", 300, 300, 300, {tech::kFlee});
    runner.unlockCodes() = "E";
    auto flee = makeBattle(runner, monster("b", 300, 300, 300));
    flee->start();
    flee->turn(0, 5);
    EXPECT_EQ(flee->fighter(0).fled, kTrue);
    EXPECT_EQ(flee->fighter(0).selfFelled, kFalse);
    EXPECT_EQ(flee->fighter(0).hp, 0);
    EXPECT_EQ(flee->battle->state().winner, 1);
    EXPECT_EQ(flee->battle->state().endReason, EndReason::KnockOut);
}

TEST(Gatling, WindsUpOneTurnAndFiresTenHitsTheNext) {
    MonsterRecord a = monster("a", 300, 300, 300, {tech::kAttack, tech::kGatling});
    a.unlockCodes() = "Gg";
    auto t = makeBattle(a, monster("b", 300, 300, 300));
    t->start();
    t->fighter(0).sp = 100;
    t->turn(1, 5);
    EXPECT_EQ(t->fighter(0).record.techId[1], tech::kGatlingAttack);
    EXPECT_EQ(t->fighter(0).record.techCost[1], 45);
    const int hpBefore = t->fighter(1).hp;
    t->view.clear();
    t->turn(1, 5);
    EXPECT_GE(hpChanges(*t, 1), 10);
    EXPECT_LT(t->fighter(1).hp, hpBefore);
    EXPECT_EQ(t->fighter(0).record.techId[1], tech::kGatling);
    EXPECT_EQ(t->fighter(0).record.techCost[1], 0);
}

TEST(Movement, JumpingFlyingAndBurrowingSwapTheirSlots) {
    auto jump = aboutToUse(monster("a", 300, 300, 300, {tech::kJump}));
    jump->battle->executeAction(0);
    EXPECT_EQ(jump->fighter(0).jumping, kTrue);
    EXPECT_EQ(jump->fighter(0).record.techId[0], tech::kHover);
    EXPECT_EQ(jump->fighter(0).pictureOffsetY, -330);

    auto buried = aboutToUse(monster("a", 300, 300, 300, {tech::kJump}));
    buried->fighter(0).burrowDepth = 100;
    buried->battle->executeAction(0);
    EXPECT_EQ(buried->fighter(0).jumping, kFalse);
    EXPECT_EQ(buried->fighter(0).noAction, kTrue);
    EXPECT_EQ(buried->fighter(0).record.techId[0], tech::kJump);

    auto fly = aboutToUse(monster("a", 300, 300, 300, {tech::kBurrow, tech::kNormalAttack}));
    fly->fighter(0).record.techId[1] = tech::kFly;  // not at the start, where it would take off at once
    useSlot(*fly, 0, 1);
    fly->battle->executeAction(0);
    EXPECT_EQ(fly->fighter(0).flying, kTrue);
    EXPECT_EQ(fly->fighter(0).record.techId[1], tech::kLand);
    useSlot(*fly, 0, 0);
    fly->battle->executeAction(0);  // no burrowing while flying
    EXPECT_EQ(fly->fighter(0).burrowDepth, 0);
    EXPECT_EQ(fly->fighter(0).record.techId[0], tech::kBurrow);
    useSlot(*fly, 0, 1);
    fly->battle->executeAction(0);
    EXPECT_EQ(fly->fighter(0).flying, kFalse);
    EXPECT_EQ(fly->fighter(0).record.techId[1], tech::kFly);
    EXPECT_EQ(fly->fighter(0).pictureOffsetY, 0);

    useSlot(*fly, 0, 0);
    fly->battle->executeAction(0);
    EXPECT_EQ(fly->fighter(0).burrowDepth, 100);
    EXPECT_EQ(fly->fighter(0).record.techId[0], tech::kSurface);
    useSlot(*fly, 0, 0);
    fly->battle->executeAction(0);
    EXPECT_EQ(fly->fighter(0).burrowDepth, 0);
    EXPECT_EQ(fly->fighter(0).record.techId[0], tech::kBurrow);
}

}  // namespace
}  // namespace vex::test
