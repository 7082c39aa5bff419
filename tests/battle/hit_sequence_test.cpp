// One hit from start to end: ｶｳﾝﾀｰ, the defender's reaction, 反撃, 追撃 with ﾌｨﾆｯｼｭ, clones,
// and the attacker's landing. Draws are 0.5 unless a test scripts them.

#include <gtest/gtest.h>

#include <algorithm>

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

TEST(Counter, TurnsTheAttackBackBelowSixtyFivePercent) {
    auto t = duel(monster("a", 300, 300, 300, {0}), monster("d", 300, 300, 300, {tech::kCounter}), 0);
    t->random.then({0.5, 0.9, 0.9, 0.6499});
    t->battle->attackHit(0, 200);
    EXPECT_EQ(t->fighter(1).hp, 1000);
    EXPECT_LT(t->fighter(0).hp, 1000);
    EXPECT_EQ(t->fighter(1).currentTech, tech::kCounter);
    EXPECT_EQ(t->stats.count(1, StatCode::Counters), 1);

    auto failed = duel(monster("a", 300, 300, 300, {0}), monster("d", 300, 300, 300, {tech::kCounter}), 0);
    failed->random.then({0.5, 0.9, 0.9, 0.65});
    failed->battle->attackHit(0, 200);
    EXPECT_LT(failed->fighter(1).hp, 1000);
    EXPECT_EQ(failed->fighter(0).hp, 1000);
}

TEST(Counter, AnswersOnlyTheLastHitOfAMultiHitTechnique) {
    MonsterRecord a = monster("a", 300, 300, 300, {tech::kDoubleAttack});
    auto t = duel(a, monster("d", 300, 300, 300, {tech::kCounter}), 0);
    t->fighter(0).sp = 100;
    t->random.setFallback(0.1);  // every hit lands and every counter draw is below 0.65
    t->battle->executeAction(0);
    EXPECT_EQ(t->fighter(1).hp, 1000);
    EXPECT_EQ(hpChanges(*t, 0), 1);
    EXPECT_EQ(t->stats.count(1, StatCode::Counters), 1);
}

TEST(StrikeBack, TheDefenderAnswersAndItsChanceStartsAgain) {
    auto t = duel(monster("a", 300, 300, 300, {0}), monster("d", 300, 300, 300, {tech::kStrikeBack}));
    t->fighter(1).counterStrikeChance = 0.6_fx;  // strikes back above 0.4
    t->battle->attackHit(0, 200);
    const int mainDamage = 1000 - t->fighter(1).hp;
    EXPECT_GT(mainDamage, 0);
    EXPECT_LT(t->fighter(0).hp, 1000);
    EXPECT_EQ(t->battle->state().damage, mainDamage);  // the main hit's results are kept
    EXPECT_EQ(t->fighter(1).currentTech, tech::kNone);
    EXPECT_EQ(t->fighter(1).counterStrikeChance, 0.1_fx);

    auto shot = duel(monster("a", 300, 300, 300, {tech::kShoot}), monster("d", 300, 300, 300, {tech::kStrikeBack}));
    shot->fighter(1).counterStrikeChance = 0.6_fx;
    shot->battle->attackHit(0, 200);
    EXPECT_EQ(shot->fighter(0).hp, 1000);  // 射撃 is never answered
}

TEST(Pursuit, StrikesAgainUnlessTheDefenderCountersOrRushes) {
    auto t = duel(monster("a", 300, 300, 300, {0, tech::kPursuit}), monster("d", 300, 300, 300));
    t->fighter(0).pursuitChance = 0.6_fx;
    t->battle->attackHit(0, 200);
    EXPECT_EQ(hpChanges(*t, 1), 2);
    EXPECT_EQ(t->fighter(0).currentTech, 0);

    auto rush = duel(monster("a", 300, 300, 300, {0, tech::kPursuit}), monster("d", 300, 300, 300, {tech::kRush}), 0);
    rush->fighter(0).pursuitChance = 0.6_fx;
    rush->battle->attackHit(0, 200);
    EXPECT_EQ(hpChanges(*rush, 1), 1);
}

TEST(Pursuit, FinishCrownsALandedPursuit) {
    auto t = duel(monster("a", 300, 300, 300, {0, tech::kPursuit, tech::kFinish}), monster("d", 300, 300, 300));
    t->fighter(0).pursuitChance = 0.6_fx;
    t->battle->attackHit(0, 200);
    // k = Int(99·0.5) = 49: 強打 with power 400, then confusion for Int(0.6·0.5 + 2.8) turns
    EXPECT_EQ(hpChanges(*t, 1), 3);
    EXPECT_EQ(t->fighter(1).turns(kStatusConfusion), 3);
    EXPECT_EQ(t->fighter(0).currentTech, 0);
}

TEST(Clones, EachCloneDealsAQuarterAndMore) {
    auto t = duel(monster("a", 300, 300, 300, {0}), monster("d", 300, 300, 300));
    t->fighter(0).cloneCount = 1;  // two clones
    t->battle->attackHit(0, 200);
    const std::vector<std::string> captions = t->view.captions(0);
    EXPECT_EQ(std::count(captions.begin(), captions.end(), "分身攻撃"), 2);
    EXPECT_EQ(hpChanges(*t, 1), 3);
    const int main = t->battle->state().damage;
    EXPECT_EQ(t->fighter(1).hp, 1000 - main - 2 * static_cast<int>(cint(0.27 * main)));

    auto none = duel(monster("a", 300, 300, 300, {0}), monster("d", 300, 300, 300));
    none->battle->attackHit(0, 200);
    EXPECT_EQ(hpChanges(*none, 1), 1);
}

TEST(Landing, AJumpingAttackerComesDownFirst) {
    auto t = duel(monster("a", 300, 300, 0, {0, tech::kHover}), monster("d", 300, 300, 600));
    t->fighter(0).jumping = kTrue;
    t->battle->attackHit(0, 200);
    EXPECT_EQ(t->fighter(0).jumping, kFalse);
    EXPECT_EQ(t->fighter(0).record.techId[1], tech::kJump);
    EXPECT_EQ(t->fighter(0).record.techCost[1], 10);  // the entry cost of the slot
    EXPECT_EQ(t->view.sounds().front(), 25);
    EXPECT_EQ(t->battle->state().hitChance, 0.7367_fx);  // the jump still counts: 0.5667 × 1.3
}

TEST(Reactions, BlowAwayFellsAndShortTempersSnap) {
    auto t = duel(monster("a", 300, 300, 300, {tech::kBlowAway}), monster("d", 300, 300, 300));
    t->battle->attackHit(0, 200);
    EXPECT_EQ(t->fighter(1).turns(kStatusFallen), 2);

    auto angry = duel(monster("a", 300, 300, 300, {0}), monster("d", 300, 300, 300, {}, 3));
    angry->random.repeat(0.5, 11).then({0.05});
    angry->battle->attackHit(0, 200);
    EXPECT_TRUE(angry->view.hasCaption("ブチ切れ", 1));
    EXPECT_EQ(angry->fighter(1).emotion, 50);
}

TEST(Reactions, SpConversionTurnsDamageIntoSp) {
    auto t = duel(monster("a", 300, 300, 300, {0}), monster("d", 300, 300, 300, {tech::kSpConvert}), 0);
    t->battle->attackHit(0, 200);
    const int damage = t->battle->state().damage;
    EXPECT_EQ(t->fighter(1).sp, 10 + cint(damage / 6.0));  // damage / (5 + 2·0.5)
}

}  // namespace
}  // namespace vex::test
