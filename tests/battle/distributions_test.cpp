// The distributions the rules promise, over many seeds, with generous bounds.

#include <gtest/gtest.h>

#include "battle_test_support.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::test {
namespace {

TEST(Distributions, WithEqualSpeedEachSideActsFirstAboutHalfTheTime) {
    Rng rng;
    NullView view;
    Battle battle(testSettings(), monster("a", 300, 300, 300), monster("b", 300, 300, 300), rng, view);
    seedBattleGenerator(rng, 2024);
    battle.startBattle(18);
    int firstZero = 0;
    const int turns = 2000;
    for (int i = 0; i < turns; ++i) {
        battle.runTurn(Command::nothing(), Command::nothing());
        if (battle.state().firstSide == 0) ++firstZero;
    }
    EXPECT_GT(firstZero, turns * 40 / 100);
    EXPECT_LT(firstZero, turns * 60 / 100);
}

TEST(Distributions, CriticalHitsComeAboutOneTimeInTen) {
    Rng rng;
    NullView view;
    RecordingStatistics stats;
    Battle battle(testSettings(), monster("a", 300, 300, 300, {0}), monster("b", 300, 300, 300), rng, view, stats);
    seedBattleGenerator(rng, 5);
    battle.startBattle(18);
    battle.fighter(0).setCommand(Command::fromSlot(battle.fighter(0).record, 0));
    battle.fighter(1).setCommand(Command::nothing());
    const int hits = 4000;
    for (int i = 0; i < hits; ++i) battle.computeDamage(0, 200);
    const int criticals = stats.count(0, StatCode::Criticals);
    EXPECT_GT(criticals, hits * 7 / 100);
    EXPECT_LT(criticals, hits * 13 / 100);
}

TEST(Distributions, HitsLandAsOftenAsTheChanceSays) {
    Rng rng;
    NullView view;
    RecordingStatistics stats;
    Battle battle(testSettings(), monster("a", 300, 300, 300, {0}), monster("b", 300, 300, 300), rng, view, stats);
    seedBattleGenerator(rng, 11);
    battle.startBattle(18);
    battle.fighter(0).setCommand(Command::fromSlot(battle.fighter(0).record, 0));
    battle.fighter(1).setCommand(Command::nothing());
    const int checks = 4000;
    for (int i = 0; i < checks; ++i) battle.hitCheck(0);
    const double rate = static_cast<double>(stats.count(0, StatCode::Hits)) / checks;
    EXPECT_NEAR(rate, 0.8083, 0.03);
}

TEST(Distributions, FlurryStrikesThreeToFiveTimes) {
    Rng rng;
    seedBattleGenerator(rng, 31);
    std::array<int, 6> counts{};
    for (int i = 0; i < 1200; ++i) {
        RecordingView view;
        BattleSettings settings = testSettings();
        settings.initialSp = 100;
        Battle battle(settings, monster("a", 300, 300, 300, {tech::kFlurry}), monster("b", 0, 0, 0), rng, view);
        battle.startBattle(18);
        battle.fighter(0).setCommand(Command::fromSlot(battle.fighter(0).record, 0));
        battle.fighter(1).setCommand(Command::nothing());
        battle.fighter(1).turns(kStatusParalysis) = 1;  // every hit lands
        battle.executeAction(0);
        int hits = 0;
        for (const BattleEvent& e : view.events())
            if (const auto* g = e.as<event::GaugeMove>(); g && g->run.gauge == Gauge::Hp && g->run.fighter == 1) ++hits;
        ASSERT_GE(hits, 3);
        ASSERT_LE(hits, 5);
        ++counts[static_cast<size_t>(hits)];
    }
    // n = Int(2 + 2.4·r): 3 hits below r 0.4167, 5 hits from r 0.8334
    EXPECT_NEAR(counts[3] / 1200.0, 0.4167, 0.06);
    EXPECT_NEAR(counts[5] / 1200.0, 0.1667, 0.05);
}

}  // namespace
}  // namespace vex::test
