// The recovery techniques (回復, 気合い, the cures, ＨＰ吸収, 祈り) and the SP techniques
// (ＳＰ吸収, ＳＰ攻撃, チャージ, SPﾌﾞﾗｽﾄ, the リミッター gauge).

#include <gtest/gtest.h>

#include <cmath>

#include "battle_test_support.h"
#include "vexmora/battle/technique_ids.h"
#include "vexmora/battle/techniques.h"

namespace vex::test {
namespace {

TEST(Recovery, HealingStopsAtTheMaximumAndSpendsAUse) {
    auto t = aboutToUse(monster("a", 300, 300, 300, {tech::kHeal}));
    t->fighter(0).hp = 500;
    t->random.then({0.5});
    t->battle->executeAction(0);
    EXPECT_EQ(t->fighter(0).hp, 705);  // CInt(100 + 80 + 25)
    EXPECT_EQ(t->fighter(0).useCounts[kUsesRecovery], 2);
    EXPECT_EQ(t->view.sounds(), std::vector<int>{28});

    auto nearlyFull = aboutToUse(monster("a", 300, 300, 300, {tech::kHeal}));
    nearlyFull->fighter(0).hp = 950;
    nearlyFull->battle->executeAction(0);
    EXPECT_EQ(nearlyFull->fighter(0).hp, 1000);
    EXPECT_TRUE(nearlyFull->view.hasCaption("HP +50", 0));
}

TEST(Recovery, SpiritHealsWhatBuiltUpAndStartsAgainFromNothing) {
    auto t = aboutToUse(monster("a", 300, 300, 300, {tech::kSpirit}));
    t->fighter(0).hp = 500;
    t->random.then({0.25});
    t->battle->executeAction(0);
    EXPECT_EQ(t->fighter(0).hp, 582);  // CInt(80 + 2.5), halves to even
    EXPECT_EQ(t->fighter(0).powerReserve, 0);
}

TEST(Recovery, TheCuresClearTheirStatuses) {
    auto cure = aboutToUse(monster("a", 300, 300, 300, {tech::kCureStatus}));
    FighterState& a = cure->fighter(0);
    for (StatusKind s : {kStatusParalysis, kStatusPoison, kStatusConfusion, kStatusSpStop}) a.turns(s) = 3;
    cure->battle->executeAction(0);  // usable while paralysed
    EXPECT_EQ(a.turns(kStatusParalysis) + a.turns(kStatusPoison) + a.turns(kStatusConfusion), 0);
    EXPECT_EQ(a.turns(kStatusSpStop), 3);

    auto full = aboutToUse(monster("a", 300, 300, 300, {tech::kFullCure}));
    FighterState& f = full->fighter(0);
    // (全封印 or 補助封印 would seal 状態全快 itself.)
    for (StatusKind s : {kStatusParalysis, kStatusAttackSeal, kStatusSpStop, kStatusBind, kStatusCloak, kStatusGather})
        f.turns(s) = 3;
    f.atkMod = -400;
    f.record.spd = 20;
    f.trapKind = kCategoryAttack;  // (a support trap would spring on 状態全快 itself)
    full->battle->executeAction(0);
    EXPECT_EQ(f.turns(kStatusParalysis) + f.turns(kStatusAttackSeal) + f.turns(kStatusSpStop) + f.turns(kStatusBind) +
                  f.turns(kStatusCloak),
              0);
    EXPECT_EQ(f.turns(kStatusGather), 3);
    EXPECT_EQ(f.atkMod, 0);
    EXPECT_EQ(f.record.spd, 300);
    EXPECT_EQ(f.trapKind, 0);
}

TEST(Recovery, HpDrainGivesBackTheDamageDealtHalvedAgainstMetal) {
    for (bool metal : {false, true}) {
        MonsterRecord a = monster("a", 300, 300, 300, {tech::kHpDrain});
        setLevel(a, 0, 3);
        auto t = aboutToUse(a, metal ? monster("d", 300, 300, 300, {tech::kMetal}) : monster("d", 300, 300, 300));
        t->fighter(0).hp = 400;
        t->fighter(1).turns(kStatusFallen) = 1;  // the hit lands
        t->battle->executeAction(0);
        const int dealt = 1000 - t->fighter(1).hp;
        ASSERT_GT(dealt, 0);
        EXPECT_EQ(t->fighter(0).hp - 400, metal ? static_cast<int>(std::nearbyint(dealt * 0.5)) : dealt) << metal;
    }
    auto missed = aboutToUse(monster("a", 300, 300, 300, {tech::kHpDrain}));
    missed->fighter(0).hp = 400;
    missed->random.hitCheckMisses();
    missed->battle->executeAction(0);
    EXPECT_EQ(missed->fighter(0).hp, 400);
}

TEST(Recovery, PrayerHasTwelveOutcomesThreeOfThemNothing) {
    struct Outcome {
        double r;
        const char* check;
    };
    for (auto [r, outcome] : {Outcome{0.0, "heal"}, {0.0834, "atk"}, {0.1667, "def"}, {0.25, "spd"}, {0.3334, "guard"},
                              {0.4167, "accuracy"}, {0.5, "cure"}, {0.5834, "focus"}, {0.6667, "miracle"},
                              {0.75, "fail"}, {0.9999, "fail"}, {1.0, "fail"}}) {
        auto t = aboutToUse(monster("a", 300, 300, 300, {tech::kPrayer}));
        FighterState& a = t->fighter(0);
        a.hp = 500;
        a.turns(kStatusPoison) = 4;
        a.turns(kStatusCloak) = 2;
        t->random.then({r, 0.5});
        t->battle->executeAction(0);
        const std::string what = outcome;
        EXPECT_EQ(a.hp, what == "heal" ? 645 : 500) << r;  // CInt(120 + 25)
        EXPECT_EQ(a.atkMod, what == "atk" ? 400 : 0) << r;
        EXPECT_EQ(a.defMod, what == "def" ? 400 : 0) << r;
        EXPECT_EQ(a.spdMod, what == "spd" ? 400 : 0) << r;
        EXPECT_EQ(a.turns(kStatusGuard), what == "guard" ? 4 : 0) << r;  // 3 + Int(1.5)
        EXPECT_EQ(a.turns(kStatusAccuracyUp), what == "accuracy" ? 5 : 0) << r;
        EXPECT_EQ(a.turns(kStatusPoison), what == "cure" ? 0 : 4) << r;
        EXPECT_EQ(a.turns(kStatusCloak), 2) << r;  // 祈り's cure leaves the cloak
        EXPECT_EQ(a.turns(kStatusFocus), what == "focus" ? 2 : 0) << r;
        EXPECT_EQ(a.turns(kStatusMiracle), what == "miracle" ? 3 : 0) << r;
        EXPECT_EQ(t->view.hasCaption("失敗", 0), what == "fail") << r;
    }
}

TEST(SkillPoints, DrainMovesSpAndAttackDestroysIt) {
    for (auto [metal, defenderSp, moved] : {std::tuple{false, 50, 12}, {true, 50, 6}, {false, 5, 5}}) {
        auto t = aboutToUse(monster("a", 300, 300, 300, {tech::kSpDrain}),
                            metal ? monster("d", 300, 300, 300, {tech::kMetal}) : monster("d", 300, 300, 300), 20);
        t->fighter(1).sp = static_cast<int16_t>(defenderSp);
        t->random.hitCheckLands().then({0.6667});  // 10 + Int(2.0001)
        t->battle->executeAction(0);
        EXPECT_EQ(t->fighter(1).sp, defenderSp - moved) << metal << defenderSp;
        EXPECT_EQ(t->fighter(0).sp, 20 + moved) << metal << defenderSp;
    }
    auto attack = aboutToUse(monster("a", 300, 300, 300, {tech::kSpAttack}), monster("d", 300, 300, 300), 20);
    attack->fighter(1).sp = 40;
    attack->random.hitCheckLands().then({0.9999});
    attack->battle->executeAction(0);
    EXPECT_EQ(attack->fighter(1).sp, 40 - 25);
    EXPECT_EQ(attack->fighter(0).sp, 15);  // its own 5 SP
    EXPECT_TRUE(attack->view.hasCaption("SPﾀﾞﾒｰｼﾞ", 1));
}

TEST(SkillPoints, ChargeBuysThirtySpForAHundredHpAndNeverTheLastPoint) {
    for (auto [hp, hpAfter, spGain] : {std::tuple{1000, 900, 30}, {60, 1, 18}, {1, 1, 0}}) {
        auto t = aboutToUse(monster("a", 300, 300, 300, {tech::kSpCharge}), monster("d", 300, 300, 300), 10);
        t->fighter(0).hp = static_cast<int16_t>(hp);
        t->battle->executeAction(0);
        EXPECT_EQ(t->fighter(0).hp, hpAfter) << hp;
        EXPECT_EQ(t->fighter(0).sp, 10 + spGain) << hp;  // CInt(0.3·59) = 18
    }
}

TEST(SkillPoints, SpBlastSpendsEverySpOnACurveThatFlattens) {
    auto powerOf = [](int sp) { return std::nearbyint(spBlastPower(sp)); };
    EXPECT_EQ(powerOf(6), 105);
    EXPECT_EQ(powerOf(10), 398);
    EXPECT_EQ(powerOf(11), 520);
    EXPECT_EQ(powerOf(50), 954);
    EXPECT_EQ(powerOf(51), 954);  // the two pieces meet
    EXPECT_EQ(powerOf(999), 4439);
    for (int sp = 7; sp <= 999; ++sp) ASSERT_GE(powerOf(sp), powerOf(sp - 1)) << sp;

    auto t = aboutToUse(monster("a", 300, 300, 300, {tech::kSpBlast}), monster("d", 300, 300, 300), 40);
    t->fighter(1).turns(kStatusFallen) = 1;
    t->battle->executeAction(0);
    EXPECT_EQ(t->fighter(0).sp, 0);
    EXPECT_LT(t->fighter(1).hp, 1000);

    auto broke = aboutToUse(monster("a", 300, 300, 300, {tech::kSpBlast}), monster("d", 300, 300, 300), 5);
    broke->battle->executeAction(0);
    EXPECT_EQ(broke->fighter(0).sp, 5);
    EXPECT_EQ(broke->fighter(1).hp, 1000);
}

TEST(SkillPoints, TheLimitTechniquesSpendTheGauge) {
    auto charge = aboutToUse(monster("a", 300, 300, 300, {tech::kLimitCharge}), monster("d", 300, 300, 300), 10);
    charge->fighter(0).limitGauge = 3;
    charge->battle->executeAction(0);
    EXPECT_EQ(charge->fighter(0).sp, 100);
    EXPECT_EQ(charge->fighter(0).limitGauge, 0);

    auto brk = aboutToUse(monster("a", 300, 300, 300, {tech::kLimitBreak}));
    brk->fighter(0).limitGauge = 2;
    brk->fighter(1).turns(kStatusFallen) = 1;
    brk->battle->executeAction(0);
    EXPECT_LT(brk->fighter(1).hp, 1000);
    EXPECT_EQ(brk->fighter(0).limitGauge, 0);

    // Two turns of リミッター fill the gauge by two.
    auto t = makeBattle(monster("a", 300, 300, 300, {tech::kLimiter}), monster("b", 300, 300, 300));
    t->start();
    t->turn(0, 5);
    t->turn(0, 5);
    EXPECT_EQ(t->fighter(0).limitGauge, 2);
    EXPECT_EQ(t->fighter(0).record.atk, 300);
}

}  // namespace
}  // namespace vex::test
