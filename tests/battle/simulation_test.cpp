// The balance simulator: the same result whatever the number of jobs, counts that add up, the
// confidence interval and the summary line.

#include <gtest/gtest.h>

#include <set>

#include "battle_test_support.h"
#include "vexmora/battle/simulation.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::test {
namespace {

MonsterRecord fighterA() {
    MonsterRecord m = monster("ねこ", 400, 300, 300, {tech::kNormalAttack, tech::kAttack, tech::kHeal, tech::kStrikeBack}, 1);
    setLevel(m, 1, 2);
    return m;
}
MonsterRecord fighterB() {
    return monster("いぬ", 350, 350, 300, {tech::kNormalAttack, tech::kImpact, tech::kDefend, tech::kPoison}, 2);
}

SimulationSetup setup(int64_t battles, int jobs) {
    SimulationSetup s;
    s.battles = battles;
    s.jobs = jobs;
    s.seed = 4242;
    s.stageCount = 18;
    s.settings.turnLimit = 30;
    return s;
}

// The summary without its timing.
std::string withoutTiming(const SimulationResult& r) {
    std::string json = simulationJson(r);
    return json.substr(0, json.find(",\"timing\":"));
}

TEST(Simulation, TheResultIsTheSameWhateverTheNumberOfJobs) {
    const SimulationResult one = simulate(fighterA(), fighterB(), setup(700, 1));
    const SimulationResult three = simulate(fighterA(), fighterB(), setup(700, 3));
    EXPECT_EQ(one.jobs, 1);
    EXPECT_EQ(three.jobs, 3);
    EXPECT_EQ(withoutTiming(one), withoutTiming(three));

    SimulationSetup other = setup(700, 2);
    other.seed = 4243;
    EXPECT_NE(withoutTiming(simulate(fighterA(), fighterB(), other)), withoutTiming(one));
}

// A confused fighter may draw an empty slot: that is doing nothing, counted as chosen by
// nobody and never as used or landed.
TEST(Simulation, AnEmptySlotIsNeverUsedOrLanded) {
    const MonsterRecord berserk = monster("狂戦士", 400, 300, 300, {tech::kNormalAttack, tech::kBerserk}, 1);
    const SimulationResult r = simulate(berserk, fighterB(), setup(100, 1));
    bool sawNothing = false;
    for (const TechniqueTally& t : r.techniques) {
        if (t.id != tech::kNone) continue;
        sawNothing = true;
        EXPECT_EQ(t.used, 0) << "side " << t.side;
        EXPECT_EQ(t.landed, 0) << "side " << t.side;
    }
    EXPECT_TRUE(sawNothing);
}

TEST(Simulation, TheCountsAddUp) {
    const SimulationResult r = simulate(fighterA(), fighterB(), setup(300, 2));
    EXPECT_EQ(r.battles, 300);
    EXPECT_EQ(r.wins[0] + r.wins[1] + r.unfinished, 300);
    EXPECT_EQ(r.knockouts + r.timeUps + r.unfinished, 300);
    EXPECT_GT(r.wins[0], 0);
    EXPECT_GT(r.wins[1], 0);
    std::array<int64_t, 2> chosen{};
    for (const TechniqueTally& t : r.techniques) {
        chosen[static_cast<size_t>(t.side)] += t.chosen;
        EXPECT_LE(t.landed, t.used) << t.name;
        if (t.id == tech::kNone) {
            EXPECT_EQ(t.used, 0);  // doing nothing is never carried out
        }
    }
    // One choice per side and turn.
    EXPECT_EQ(chosen[0], r.turns);
    EXPECT_EQ(chosen[1], r.turns);
    EXPECT_GT(r.meanTurns(), 1.0);
    EXPECT_LE(r.meanTurns(), 31.0);

    auto named = [&](int side, int id) {
        for (const TechniqueTally& t : r.techniques)
            if (t.side == side && t.id == id) return t.name;
        return std::string();
    };
    EXPECT_EQ(named(0, tech::kAttack), "攻撃");
    EXPECT_EQ(named(1, tech::kImpact), "衝撃");
}

TEST(Simulation, EachBattleOfASeedStartsItsGeneratorElsewhere) {
    std::set<uint32_t> states;
    for (int64_t i = 0; i < 100000; ++i) {
        const uint32_t s = simulationGeneratorState(7, i);
        ASSERT_LT(s, 1u << 24);
        states.insert(s);
    }
    EXPECT_EQ(states.size(), 100000u);
    EXPECT_NE(simulationGeneratorState(7, 0), simulationGeneratorState(8, 0));
}

TEST(Simulation, TheWinRateCarriesItsWilsonInterval) {
    const Proportion half = proportionOf(50, 100);
    EXPECT_DOUBLE_EQ(half.rate, 0.5);
    EXPECT_NEAR(half.low, 0.4038, 0.0001);
    EXPECT_NEAR(half.high, 0.5962, 0.0001);
    const Proportion none = proportionOf(0, 20);
    EXPECT_EQ(none.low, 0.0);
    EXPECT_NEAR(none.high, 0.1611, 0.0001);
    const Proportion empty = proportionOf(0, 0);
    EXPECT_EQ(empty.rate, 0.0);
}

TEST(Simulation, TheSummaryIsOneJsonLine) {
    SimulationResult r;
    r.battles = 4;
    r.wins = {3, 1};
    r.knockouts = 2;
    r.timeUps = 2;
    r.turns = 90;
    r.seed = 9;
    r.techniques.push_back({0, 1, "攻撃\"改\"", 10, 9, 8});
    r.seconds = 0.5;
    r.jobs = 2;
    const std::string json = simulationJson(r);
    EXPECT_EQ(json.find('\n'), std::string::npos);
    EXPECT_EQ(json.rfind("{\"type\":\"sim\",\"battles\":4,\"wins\":[3,1],\"knockouts\":2,\"timeups\":2,", 0), 0u);
    EXPECT_NE(json.find("\"meanTurns\":22.5"), std::string::npos);
    EXPECT_NE(json.find("{\"side\":0,\"id\":1,\"name\":\"攻撃\\\"改\\\"\",\"chosen\":10,\"used\":9,\"landed\":8}"),
              std::string::npos);
    EXPECT_NE(json.find("\"timing\":{\"seconds\":0.5,\"jobs\":2,\"battlesPerSecond\":8}}"), std::string::npos);
}

}  // namespace
}  // namespace vex::test
