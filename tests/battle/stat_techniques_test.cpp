// The stat techniques: modifiers up to 1500 and down to 0, luck, the picture size steps of
// 巨大化 and 縮小, チェンジ and 解除.

#include <gtest/gtest.h>

#include "battle_test_support.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::test {
namespace {

std::vector<int> sizes(const TestBattle& t, int fighter) {
    std::vector<int> out;
    for (const BattleEvent& e : t.view.events())
        if (const auto* p = e.as<event::PictureChange>();
            p && p->fighter == fighter && p->property == PictureProperty::Size)
            out.push_back(p->value);
    return out;
}

TEST(StatChanges, RaisesStopAt1500AndFallsAtZero) {
    // 攻撃↑ of level 1 gives 400, less what would pass 1500.
    for (auto [atk, mod, gain] : {std::tuple{300, 0, 400}, {1200, 0, 300}, {1000, 300, 200}, {1600, 0, 0}}) {
        auto t = aboutToUse(monster("a", atk, 300, 300, {tech::kAttackUp}));
        t->fighter(0).atkMod = static_cast<int16_t>(mod);
        t->battle->executeAction(0);
        EXPECT_EQ(t->fighter(0).atkMod, mod + gain) << atk << "+" << mod;
        EXPECT_TRUE(t->view.hasCaption("攻撃↑", 0));
    }

    MonsterRecord a = monster("a", 300, 300, 300, {tech::kSpeedDown});
    setLevel(a, 0, 2);  // 600
    auto t = aboutToUse(a, monster("d", 300, 300, 300));
    t->fighter(1).spdMod = 100;
    t->random.hitCheckLands();
    t->battle->executeAction(0);
    EXPECT_EQ(t->fighter(1).spdMod, 100 - 400);  // 300 + 100 down to 0
    EXPECT_TRUE(t->view.hasCaption("速さ↓", 1));
    EXPECT_EQ(t->fighter(1).emotion, 15);  // the technique's emotion value moves the target

    auto negative = aboutToUse(monster("a", 300, 300, 300, {tech::kDefenceDown}), monster("d", 300, -50, 300));
    negative->random.hitCheckLands();
    negative->battle->executeAction(0);
    EXPECT_EQ(negative->fighter(1).defMod, 0);  // already below 0: nothing to take
}

TEST(StatChanges, CrossSignGrowsLuckAndTouchesTheUndead) {
    auto t = aboutToUse(monster("a", 300, 300, 300, {tech::kCrossSign}));
    std::vector<Fix4> seen;
    for (int i = 0; i < 13; ++i) {
        useSlot(*t, 0, 0);
        t->battle->executeAction(0);
        seen.push_back(t->fighter(0).luck);
    }
    EXPECT_EQ(seen[0], 0.1_fx);
    EXPECT_EQ(seen[1], 0.18_fx);
    EXPECT_EQ(seen[10], 0.902_fx);  // 0.82 + 0.08 reaches 0.9: + 0.002
    EXPECT_EQ(seen[11], 0.984_fx);
    EXPECT_EQ(seen[12], 1_fx);
    EXPECT_EQ(t->fighter(1).hp, 1000);

    auto undead = aboutToUse(monster("a", 300, 300, 300, {tech::kCrossSign}), monster("d", 300, 300, 300, {tech::kUndead}));
    undead->fighter(1).turns(kStatusFallen) = 1;  // the hit lands
    undead->battle->executeAction(0);
    EXPECT_LT(undead->fighter(1).hp, 1000);
}

TEST(StatChanges, GrowingTakesThreeSizeStepsAndTradesSpeedForStrength) {
    MonsterRecord a = monster("a", 300, 300, 300, {tech::kGrow});
    a.imageSize = 50;
    auto small = aboutToUse(a);
    small->random.then({0.5, 0.25, 0.5});
    small->battle->executeAction(0);
    EXPECT_EQ(sizes(*small, 0), (std::vector<int>{55, 61, 68}));
    EXPECT_EQ(small->fighter(0).record.atk, 440);  // + CInt(120 + 20)
    EXPECT_EQ(small->fighter(0).record.def, 430);  // + CInt(120 + 10)
    EXPECT_EQ(small->fighter(0).record.spd, 165);  // - CInt(120 + 15)

    a.imageSize = 100;
    a.spd = 100;
    auto slow = aboutToUse(a);
    slow->random.then({0.0, 0.5});
    slow->battle->executeAction(0);
    EXPECT_EQ(sizes(*slow, 0), (std::vector<int>{108, 116, 125}));  // CInt(size / 0.93)
    EXPECT_EQ(slow->fighter(0).record.atk, 410);  // CInt(0.5·100 + 300 + 60 + 0)
    EXPECT_EQ(slow->fighter(0).record.def, 430);
    EXPECT_EQ(slow->fighter(0).record.spd, 0);

    a.spd = 0;
    auto still = aboutToUse(a);
    still->battle->executeAction(0);
    EXPECT_EQ(still->random.drawn(), 0);
    EXPECT_EQ(still->fighter(0).record.atk, 300);

    auto limit = aboutToUse(a);
    limit->fighter(0).record.imageSize = 401;  // beyond the entry size + 300
    limit->battle->executeAction(0);
    EXPECT_TRUE(sizes(*limit, 0).empty());
    EXPECT_TRUE(limit->view.sounds().empty());
}

TEST(StatChanges, ShrinkingMirrorsGrowingAndStopsStatsAtZero) {
    MonsterRecord a = monster("a", 300, 50, 300, {tech::kShrink});
    a.imageSize = 50;
    auto t = aboutToUse(a);
    t->random.then({0.5, 0.5, 0.0});
    t->battle->executeAction(0);
    EXPECT_EQ(sizes(*t, 0), (std::vector<int>{43, 37, 32}));
    EXPECT_EQ(t->fighter(0).record.atk, 210);  // - CInt(70 + 20)
    EXPECT_EQ(t->fighter(0).record.def, 0);
    EXPECT_EQ(t->fighter(0).record.spd, 600);

    // Without ATK and DEF to give, the draws are still made and SPD still rises.
    MonsterRecord spent = monster("a", 0, 0, 300, {tech::kShrink});
    spent.imageSize = 50;
    auto bare = aboutToUse(spent);
    bare->random.then({0.5, 0.5, 0.0});
    bare->battle->executeAction(0);
    EXPECT_EQ(bare->random.drawn(), 3);
    EXPECT_EQ(bare->fighter(0).record.atk, 0);
    EXPECT_EQ(bare->fighter(0).record.spd, 600);

    a.imageSize = 11;
    auto tiny = aboutToUse(a);
    tiny->battle->executeAction(0);
    EXPECT_EQ(tiny->view.sounds(), std::vector<int>{27});
    EXPECT_TRUE(sizes(*tiny, 0).empty());
}

TEST(StatChanges, ChangeTradesModifiersAndStatusesEachLastingATurnLonger) {
    auto t = aboutToUse(monster("a", 300, 300, 300, {tech::kChange}));
    t->fighter(0).atkMod = -200;
    t->fighter(0).turns(kStatusPoison) = 4;
    t->fighter(1).spdMod = 300;
    t->fighter(1).turns(kStatusGuard) = 6;
    t->fighter(1).turns(kStatusPoison) = 1;
    t->battle->executeAction(0);
    EXPECT_EQ(t->fighter(1).atkMod, -200);
    EXPECT_EQ(t->fighter(0).spdMod, 300);
    EXPECT_EQ(t->fighter(0).turns(kStatusGuard), 7);
    EXPECT_EQ(t->fighter(0).turns(kStatusPoison), 2);
    EXPECT_EQ(t->fighter(1).turns(kStatusPoison), 5);
    EXPECT_EQ(t->fighter(1).turns(kStatusGuard), 0);
}

TEST(StatChanges, DispelTakesAwayWhatTheOpponentBuiltUp) {
    auto t = aboutToUse(monster("a", 300, 300, 300, {tech::kDispel}));
    FighterState& d = t->fighter(1);
    for (StatusKind s : {kStatusGather, kStatusAccuracyUp, kStatusGuard, kStatusRecovery, kStatusFocus, kStatusMiracle,
                         kStatusPoison})
        d.turns(s) = 3;
    d.atkMod = 500;
    d.luck = 0.5_fx;
    d.record.def = 900;
    t->battle->executeAction(0);
    EXPECT_EQ(d.turns(kStatusGather) + d.turns(kStatusAccuracyUp) + d.turns(kStatusGuard) + d.turns(kStatusRecovery) +
                  d.turns(kStatusFocus) + d.turns(kStatusMiracle),
              0);
    EXPECT_EQ(d.turns(kStatusPoison), 3);
    EXPECT_EQ(d.atkMod, 0);
    EXPECT_EQ(d.luck, Fix4{});
    EXPECT_EQ(d.record.def, 300);
}

// A fighter under リミッター that has its stats restored gets them back whole at the end of
// the turn, not five times over.
TEST(StatChanges, RestoringALimitedFighterKeepsItsStatsWhole) {
    auto t = makeBattle(monster("a", 300, 300, 300, {tech::kDispel}), monster("b", 400, 350, 250, {tech::kLimiter}));
    t->start();
    t->turn(0, 0);
    EXPECT_EQ(t->fighter(1).record.atk, 400);
    EXPECT_EQ(t->fighter(1).record.def, 350);
    EXPECT_EQ(t->fighter(1).record.spd, 250);
    EXPECT_EQ(t->fighter(1).limitGauge, 1);
}

}  // namespace
}  // namespace vex::test
