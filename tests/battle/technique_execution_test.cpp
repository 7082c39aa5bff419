// One fighter's action: whether it can act, the payment, the technique by its row, the tail.

#include <gtest/gtest.h>

#include <algorithm>

#include "battle_test_support.h"
#include "vexmora/battle/technique_ids.h"
#include "vexmora/battle/techniques.h"

namespace vex::test {
namespace {

std::unique_ptr<TestBattle> acting(MonsterRecord a, MonsterRecord d = monster("d", 300, 300, 300), int sp = 100) {
    return aboutToUse(a, d, sp);
}

TEST(BeforeTheTechnique, AParalysedFighterCannotAct) {
    auto t = acting(monster("a", 300, 300, 300, {0}));
    t->fighter(0).turns(kStatusParalysis) = 2;
    t->battle->executeAction(0);
    EXPECT_EQ(t->view.sounds(), std::vector<int>{32});
    EXPECT_TRUE(t->view.hasCaption("マヒ", 0));
    EXPECT_EQ(t->fighter(0).noAction, kTrue);
    EXPECT_EQ(t->fighter(0).currentTech, tech::kNone);
    EXPECT_EQ(t->view.count<event::Announce>(), 0);
    EXPECT_EQ(t->fighter(1).hp, 1000);
}

TEST(BeforeTheTechnique, DoingNothingMovesTheEmotionByPersonality) {
    for (auto [personality, change] : {std::pair{"1", 13}, {"2", -13}, {"0", -10}, {"1.5", -10}, {"9", -10}}) {
        MonsterRecord a = monster("a", 300, 300, 300);
        a.personality() = personality;
        auto t = acting(a);
        t->fighter(0).setCommand(Command::nothing());
        t->battle->executeAction(0);
        EXPECT_EQ(t->fighter(0).emotion, change) << personality;
    }
}

TEST(BeforeTheTechnique, AnActionThatCannotBePaidOrIsSealedFailsSilently) {
    auto poor = acting(monster("a", 300, 300, 300, {tech::kAttack}), monster("d", 300, 300, 300), 9);
    poor->battle->executeAction(0);
    EXPECT_EQ(poor->fighter(0).noAction, kTrue);
    EXPECT_EQ(poor->view.count<event::Caption>(), 0);
    EXPECT_EQ(poor->view.count<event::Announce>(), 0);
    ASSERT_EQ(poor->view.count<event::Pause>(), 1);
    ASSERT_TRUE(poor->view.events().front().is<event::Pause>());
    EXPECT_EQ(poor->view.events().front().as<event::Pause>()->ms, 500);

    auto sealed = acting(monster("a", 300, 300, 300, {0}));
    sealed->fighter(0).turns(kStatusAttackSeal) = 2;
    sealed->battle->executeAction(0);
    EXPECT_EQ(sealed->fighter(0).noAction, kTrue);
    EXPECT_EQ(sealed->fighter(1).hp, 1000);
}

TEST(BeforeTheTechnique, MiracleAndBindTogetherCostOneAndAHalf) {
    MonsterRecord a = monster("a", 300, 300, 300, {tech::kAttack});
    setLevel(a, 0, 2);  // 25 SP
    auto t = acting(a, monster("d", 300, 300, 300), 40);
    t->fighter(0).turns(kStatusMiracle) = 2;
    t->fighter(0).turns(kStatusBind) = 2;
    t->battle->executeAction(0);
    EXPECT_EQ(t->fighter(0).sp, 40 - 37);  // the integer part of 37.5

    auto shortOfIt = acting(a, monster("d", 300, 300, 300), 37);
    shortOfIt->fighter(0).turns(kStatusMiracle) = 2;
    shortOfIt->fighter(0).turns(kStatusBind) = 2;
    shortOfIt->battle->executeAction(0);
    EXPECT_EQ(shortOfIt->fighter(0).noAction, kTrue);  // 37 is below the unrounded 37.5
}

TEST(BeforeTheTechnique, ATrapTakesEightyPercentOfTheSpAndMayLeaveTooLittle) {
    auto t = acting(monster("a", 300, 300, 300, {tech::kAttack}), monster("d", 300, 300, 300), 50);
    t->fighter(0).trapKind = kCategoryAttack;
    t->battle->executeAction(0);
    EXPECT_TRUE(t->view.hasCaption("罠", 0));
    EXPECT_EQ(t->fighter(0).sp, 0);  // 50 - 40, then 10 for 攻撃
    EXPECT_EQ(t->fighter(0).trapKind, 0);
    EXPECT_LT(t->fighter(1).hp, 1000);

    auto broke = acting(monster("a", 300, 300, 300, {tech::kImpact}), monster("d", 300, 300, 300), 50);
    broke->fighter(0).trapKind = kCategoryAttack;
    broke->battle->executeAction(0);
    EXPECT_EQ(broke->fighter(0).sp, 10);
    EXPECT_EQ(broke->fighter(0).noAction, kTrue);

    auto wrongKind = acting(monster("a", 300, 300, 300, {tech::kAttack}), monster("d", 300, 300, 300), 50);
    wrongKind->fighter(0).trapKind = kCategorySupport;
    wrongKind->battle->executeAction(0);
    EXPECT_FALSE(wrongKind->view.hasCaption("罠", 0));
}

TEST(MultiHit, FixedAndDrawnNumbersOfHits) {
    auto twice = acting(monster("a", 300, 300, 300, {tech::kDoubleAttack}));
    twice->battle->executeAction(0);
    EXPECT_EQ(hpChanges(*twice, 1), 2);

    auto thrice = acting(monster("a", 300, 300, 300, {tech::kTripleStrike}));
    thrice->battle->executeAction(0);
    EXPECT_EQ(hpChanges(*thrice, 1), 3);

    for (auto [r, expected] : {std::pair{0.0, 3}, {0.4166, 3}, {0.4167, 4}, {0.9999, 5}}) {
        auto flurry = acting(monster("a", 300, 300, 300, {tech::kFlurry}));
        flurry->random.then({r});
        flurry->battle->executeAction(0);
        EXPECT_EQ(hpChanges(*flurry, 1), expected) << r;
    }
}

TEST(MultiHit, GatlingUnwindsAndFinalAttackRunsThroughTheElements) {
    auto gatling = acting(monster("a", 300, 300, 300, {tech::kGatlingAttack}));
    gatling->battle->executeAction(0);
    EXPECT_EQ(hpChanges(*gatling, 1), 10);
    EXPECT_EQ(gatling->fighter(0).record.techId[0], tech::kGatling);
    EXPECT_EQ(gatling->fighter(0).record.techCost[0], 0);

    auto final = acting(monster("a", 300, 300, 300, {tech::kFinalAttack}), monster("d", 300, 300, 300));
    final->random.setFallback(0.99);  // no draw makes it miss
    final->battle->executeAction(0);
    EXPECT_EQ(hpChanges(*final, 1), 7);
    EXPECT_EQ(final->fighter(1).hp, 0);  // 7 × 143 against 1000
    EXPECT_EQ(final->fighter(0).record.techElement(0), "6");
}

TEST(FollowUpStatus, ImpactParalysesAboveSixtyPercent) {
    auto t = acting(monster("a", 300, 300, 300, {tech::kImpact}));
    t->random.repeat(0.5, 12).then({0.6001, 0.5});
    t->battle->executeAction(0);
    EXPECT_EQ(t->fighter(1).turns(kStatusParalysis), 2);  // Int(0.6·0.5 + 1.8)

    auto weak = acting(monster("a", 300, 300, 300, {tech::kImpact}));
    weak->random.repeat(0.5, 12).then({0.6});
    weak->battle->executeAction(0);
    EXPECT_EQ(weak->fighter(1).turns(kStatusParalysis), 0);
}

TEST(Copy, TakesTheOpponentsTechniqueAndLevel) {
    MonsterRecord d = monster("d", 300, 300, 300, {tech::kAttack});
    setLevel(d, 0, 3);
    auto t = acting(monster("a", 300, 300, 300, {tech::kCopy}), d);
    useSlot(*t, 1, 0);
    t->battle->executeAction(0);
    EXPECT_EQ(t->fighter(0).currentTech, tech::kAttack);
    EXPECT_EQ(t->fighter(0).record.techLevel[0], 3);
    EXPECT_LT(t->fighter(1).hp, 1000);
}

TEST(CommonTail, EvadingWithQuickMayTrip) {
    auto t = acting(monster("a", 300, 300, 300, {tech::kEvade, tech::kQuick}));
    t->random.then({0.9201});
    t->battle->executeAction(0);
    EXPECT_TRUE(t->view.hasCaption("転んだ！！", 0));
    EXPECT_EQ(t->fighter(0).turns(kStatusFallen), 2);
    EXPECT_EQ(t->view.count<event::Announce>(), 0);  // 回避 is used silently

    auto steady = acting(monster("a", 300, 300, 300, {tech::kEvade, tech::kQuick}));
    steady->random.then({0.92});
    steady->battle->executeAction(0);
    EXPECT_EQ(steady->fighter(0).turns(kStatusFallen), 0);
}

}  // namespace
}  // namespace vex::test
