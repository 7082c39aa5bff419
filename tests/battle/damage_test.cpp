// The damage of one hit. Every draw is 0.5 unless a test scripts it, which triggers none of
// the chance rules (critical, 受け身, 防御貫通, 鉄壁, 貫通, 急所外し).

#include <gtest/gtest.h>

#include "battle_test_support.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::test {
namespace {

std::unique_ptr<TestBattle> duel(MonsterRecord a, MonsterRecord d, int defenderSlot = -1) {
    auto t = makeBattle(a, d);
    t->start();
    useSlot(*t, 0, 0);
    if (defenderSlot >= 0)
        useSlot(*t, 1, defenderSlot);
    else
        t->fighter(1).setCommand(Command::nothing());
    return t;
}

int damageOf(TestBattle& t, int power, std::initializer_list<double> draws = {}) {
    t.random.then(draws);
    t.battle->computeDamage(0, power);
    return t.battle->state().damage;
}

TEST(Damage, AttackAgainstDefenceAndPower) {
    // X = 400^1.03, Y = 300^0.9, E = CInt(X - Y + 50) + 700 = 1059; CInt((1.059^0.7·200)^0.8)
    auto t = duel(monster("a", 400, 0, 0, {0}), monster("d", 0, 300, 0));
    EXPECT_EQ(damageOf(*t, 200), 72);
    EXPECT_EQ(t->random.drawn(), 7);
    t->fighter(0).turns(kStatusGather) = 1;  // タメ at exactly 1: +260
    EXPECT_EQ(damageOf(*t, 200), 81);
}

TEST(Damage, ADefenceThatOutweighsTheAttackStillDealsTheFloor) {
    auto t = duel(monster("a", 0, 0, 0, {0}), monster("d", 0, 1000, 0));
    t->fighter(1).defMod = 1000;
    EXPECT_EQ(damageOf(*t, 200, {0.5, 0.5, 0.5, 0.5, 0.9999}), 43);  // 37 + Int(7·0.9999)
    EXPECT_EQ(damageOf(*t, 200), 40);
}

TEST(Damage, DefendingTakesSixTenthsButNotAgainstIgnoreDefence) {
    auto defend = duel(monster("a", 400, 0, 0, {0}), monster("d", 0, 300, 0, {tech::kDefend}), 0);
    EXPECT_EQ(damageOf(*defend, 200), 43);

    auto ignore = duel(monster("a", 400, 0, 0, {tech::kIgnoreDefence}), monster("d", 0, 300, 0, {tech::kDefend, tech::kIronWall}), 0);
    // CInt(fix4(400/10 + 10 + 40·1) - 20·r), neither ×0.6 nor 鉄壁 (r19 = 0.9)
    EXPECT_EQ(damageOf(*ignore, 0, {0.5, 0.5, 0.5, 0.5, 0.5, 0.9, 0.5, 0.5}), 80);
}

TEST(Damage, IronWallBlocksAndPierceBreaksThrough) {
    auto wall = duel(monster("a", 400, 0, 0, {0}), monster("d", 0, 300, 0, {tech::kDefend, tech::kIronWall}), 0);
    wall->fighter(1).ironWallMark = 0.45_fx;
    EXPECT_EQ(damageOf(*wall, 200, {0.5, 0.5, 0.5, 0.5, 0.7001, 0.5, 0.5}), 0);
    EXPECT_TRUE(wall->view.hasCaption("鉄壁", 1));
    EXPECT_EQ(wall->fighter(1).ironWallMark, 0.2_fx);
    EXPECT_EQ(damageOf(*wall, 200, {0.5, 0.5, 0.5, 0.5, 0.7, 0.5, 0.5}), 43);  // strictly above 0.7

    auto pierce = duel(monster("a", 400, 0, 0, {0, tech::kPierce}), monster("d", 0, 300, 0, {tech::kDefend, tech::kIronWall}), 0);
    EXPECT_EQ(damageOf(*pierce, 200, {0.5, 0.5, 0.5, 0.5, 0.9, 0.2001, 0.5, 0.5}), 49);  // CInt(43 × 1.15)
    EXPECT_TRUE(pierce->view.hasCaption("鉄壁貫通", 1));
}

TEST(Damage, FlurryHasItsOwnFloor) {
    auto t = duel(monster("a", 400, 0, 0, {tech::kFlurry}), monster("d", 0, 300, 0));
    // 41 × 0.4 = 16, raised to 28 + Int(7·0.5)
    EXPECT_EQ(damageOf(*t, 100), 31);
}

TEST(Damage, CriticalAboveNinetyPercent) {
    auto t = duel(monster("a", 400, 0, 0, {0}), monster("d", 0, 300, 0));
    EXPECT_EQ(damageOf(*t, 200, {0.5, 0.9}), 72);
    EXPECT_EQ(damageOf(*t, 200, {0.5, 0.9001}), 94);
    EXPECT_TRUE(t->view.hasCaption("クリティカル", 0));
    EXPECT_EQ(t->stats.count(0, StatCode::Criticals), 1);
    auto guarded = duel(monster("a", 400, 0, 0, {tech::kCritical}), monster("d", 0, 300, 0, {tech::kVitalGuard}));
    EXPECT_EQ(damageOf(*guarded, 200), 72);  // 急所外し refuses the sure critical of ｸﾘﾃｨｶﾙ
}

TEST(Damage, EmotionBossGuardAndFinalAttack) {
    auto t = duel(monster("a", 400, 0, 0, {0}), monster("d", 0, 300, 0));
    t->fighter(0).emotion = 50;
    EXPECT_EQ(damageOf(*t, 200), 94);
    t->fighter(0).emotion = -50;
    EXPECT_EQ(damageOf(*t, 200), 50);

    MonsterRecord boss = monster("カオス・グレヴァード", 0, 300, 0);
    boss.makerVersion() = "9.99";
    auto guarded = duel(monster("a", 400, 0, 0, {0}), boss);
    EXPECT_EQ(damageOf(*guarded, 200), 29);  // CInt(72 / 2.5)

    auto final = duel(monster("a", 400, 0, 0, {tech::kFinalAttack}), monster("d", 0, 300, 0));
    EXPECT_EQ(damageOf(*final, 0), 143);  // a seventh of 1000
}

TEST(Damage, GutsLeavesOneHpTheFirstTimeForCertain) {
    auto t = duel(monster("a", 400, 0, 0, {0}), monster("d", 0, 300, 0, {tech::kGuts}));
    FighterState& d = t->fighter(1);
    d.hp = 50;
    d.sp = 101;
    EXPECT_EQ(damageOf(*t, 200, {0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.9999}), 49);
    EXPECT_EQ(d.sp, 51);  // CInt(-50.5) = -50
    EXPECT_EQ(d.gutsChance, 0.999_fx);
    EXPECT_TRUE(t->view.hasCaption("ガッツ", 1));
    // From now on the chance is 0.999.
    EXPECT_EQ(damageOf(*t, 200, {0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.9989}), 49);
    EXPECT_EQ(damageOf(*t, 200, {0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.999}), 50);
    EXPECT_EQ(d.sp, 51);
}

TEST(Damage, GutsDoesNotRaiseAFighterAlreadyDown) {
    auto t = duel(monster("a", 400, 0, 0, {0}), monster("d", 0, 300, 0, {tech::kGuts}));
    t->fighter(1).hp = 0;
    t->fighter(1).gutsChance = 0.5_fx;
    EXPECT_EQ(damageOf(*t, 200, {0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.1}), 0);
}

TEST(Damage, ACloneHitKeepsTheMainHitsDamageAndDrawsNothing) {
    auto t = duel(monster("a", 400, 0, 0, {0}), monster("d", 0, 300, 0));
    t->battle->state().damage = 123;
    t->fighter(0).currentTech = tech::kCloneAttack;
    EXPECT_EQ(damageOf(*t, 150), 123);
    EXPECT_EQ(t->random.drawn(), 0);
}

}  // namespace
}  // namespace vex::test
