// The damage calculator against the battle: its exact chances against the odds of the draws,
// and its numbers against 100,000 hits that the engine resolves in real turns with its own
// generator.

#include <gtest/gtest.h>

#include <cmath>

#include "battle_test_support.h"
#include "vexmora/battle/damage_calculator.h"
#include "vexmora/battle/draw_odds.h"
#include "vexmora/battle/simulation.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::test {
namespace {

MonsterRecord striker() {
    MonsterRecord m = monster("striker", 420, 250, 330,
                              {tech::kNormalAttack, tech::kImpact, tech::kFlurry, tech::kPoisonStrike, tech::kPierce});
    m.techElement(0) = "1";
    return m;
}

MonsterRecord target() {
    MonsterRecord m = monster("target", 300, 320, 280, {tech::kNormalAttack, tech::kBreakfall});
    m.techElement(0) = "3";
    return m;
}

CalcSetup setup() {
    CalcSetup s;
    s.settings = testSettings();
    s.settings.initialSp = 100;
    return s;
}

// The first hit of each turn in which the attacker uses the slot and the defender does nothing.
class FirstHits final : public HitListener {
public:
    void hitResolved(const HitExplanation& hit) override {
        if (seen || hit.attacker != 0 || hit.role != HitRole::Main || hit.kind != HitKind::Strike) return;
        seen = true;
        ++hits;
        if (!hit.landed) return;
        ++landed;
        sum += hit.damage;
        squares += static_cast<double>(hit.damage) * hit.damage;
    }
    bool seen = false;
    int64_t hits = 0, landed = 0;
    double sum = 0, squares = 0;
};

FirstHits simulateFirstHits(int slot, int64_t turns) {
    FirstHits first;
    NullView view;
    Rng rng;
    Battle battle(setup().settings, striker(), target(), rng, view);
    battle.startBattle(kStageCountWithoutList);
    battle.setHitListener(&first);
    const BattleState start = battle.state();
    for (int64_t i = 0; i < turns; ++i) {
        battle.state() = start;
        rng.setState(simulationGeneratorState(7, i));
        first.seen = false;
        battle.runTurn(battle.commandForSlot(0, slot), Command::nothing());
    }
    return first;
}

// Four standard errors: the seeds are fixed, so this never flickers, and a fault of a few per
// cent in the calculator still shows.
TEST(DamageCalculator, HitChanceAndMeanDamageAgreeWithAHundredThousandHitsOfTheEngine) {
    CalcSetup quick = setup();
    quick.sampledBattles = 0;  // the turns to a knock-out are not compared here
    quick.sampledUses = 2000;
    const CalcResult result = calculateDamage(striker(), target(), quick);
    // 100,000 hits in all: the normal attack and 衝撃, both worked out exactly.
    for (int slot : {0, 1}) {
        const SlotCalc& s = result.slotCalcs[static_cast<size_t>(slot)];
        ASSERT_TRUE(s.usable && s.checksHit) << slot;
        const FirstHits sim = simulateFirstHits(slot, slot == 0 ? 60000 : 40000);
        ASSERT_GT(sim.landed, 0);
        const auto n = static_cast<double>(sim.hits);
        const double p = s.hit.value;
        EXPECT_NEAR(static_cast<double>(sim.landed) / n, p, 4 * std::sqrt(p * (1 - p) / n) + 1e-9) << slot;

        const auto m = static_cast<double>(sim.landed);
        const double mean = sim.sum / m;
        const double sd = std::sqrt(std::max(0.0, sim.squares / m - mean * mean));
        EXPECT_NEAR(mean, s.hitDamage.mean, 4 * sd / std::sqrt(m) + 1e-9) << slot;
    }
    EXPECT_EQ(result.slotCalcs[0].hit.method, CalcMethod::Exact);
    EXPECT_EQ(result.slotCalcs[1].hit.method, CalcMethod::Exact);
}

}  // namespace
}  // namespace vex::test

namespace vex::test {
namespace {

TEST(DrawOdds, EveryGeneratorStateGivesOneDrawAndEachDrawComesBackFromItsValue) {
    int64_t states = 0;
    for (int u = 0; u <= kDrawUnits; ++u) states += drawStates(u);
    EXPECT_EQ(states, kGeneratorStates);
    // 0 and 1 take half a step each, the draws between a whole one (1677 or 1678 states).
    EXPECT_NEAR(static_cast<double>(drawStates(0)), kGeneratorStates / 20000.0, 1);
    EXPECT_NEAR(static_cast<double>(drawStates(5000)), kGeneratorStates / 10000.0, 1);
    EXPECT_EQ(statesBelow(kDrawUnits + 1), kGeneratorStates);

    for (int u : {0, 1, 2, 4999, 5000, 9999, 10000}) {
        auto t = makeBattle(monster("a", 1, 1, 1), monster("b", 1, 1, 1));
        t->random.then({generatorValueFor(u)});
        EXPECT_EQ(t->battle->battleRandom(), Fix4::fromUnits(u)) << u;
    }
}

TEST(DamageCalculator, TheDistributionsAreWholeAndTheSlotsSayWhatTheyCanDo) {
    CalcSetup quick = setup();
    quick.sampledUses = 500;
    quick.sampledBattles = 40;
    const CalcResult result = calculateDamage(striker(), target(), quick);
    for (int slot : {0, 1, 2, 3}) {
        const SlotCalc& s = result.slotCalcs[static_cast<size_t>(slot)];
        ASSERT_TRUE(s.usable && s.damages) << slot;
        double total = 0;
        for (const auto& [damage, chance] : s.hitDamage.distribution) total += chance;
        EXPECT_NEAR(total, 1.0, 1e-9) << slot;
        EXPECT_LE(s.hitDamage.min, s.hitDamage.median);
        EXPECT_LE(s.hitDamage.median, s.hitDamage.max);
        // A use that lands its one hit takes what the hit does.
        if (slot != 2) {
            EXPECT_NEAR(s.meanDamage, s.hit.value * s.hitDamage.mean, 1e-6) << slot;
        }
        EXPECT_EQ(s.knockOut.battles, 40);
    }
    // The battles use the slot whenever its SP allows: 乱れ打ち's 30 SP are seldom there, and
    // the turn limit comes before the knock-out.
    EXPECT_EQ(result.slotCalcs[2].knockOut.knockOuts, 0);
    for (int slot : {0, 1, 3}) {
        const CalcKnockOut& k = result.slotCalcs[static_cast<size_t>(slot)].knockOut;
        EXPECT_GT(k.knockOuts, 0) << slot;
        EXPECT_LE(k.minTurns, k.medianTurns);
        EXPECT_LE(k.medianTurns, k.maxTurns);
        EXPECT_GE(k.minTurns, 1000 / result.slotCalcs[static_cast<size_t>(slot)].hitDamage.max);
    }
    EXPECT_FALSE(result.slotCalcs[4].usable);  // 貫通 is held, never chosen

    // 衝撃 paralyses with 0.4 of the hits that land; 毒撃 poisons as often.
    const SlotCalc& impact = result.slotCalcs[1];
    ASSERT_EQ(impact.statuses.size(), 1u);
    EXPECT_EQ(impact.statuses[0].status, kStatusParalysis);
    EXPECT_NEAR(impact.statuses[0].chance, impact.hit.value * 0.4, 1e-3);
    ASSERT_EQ(result.slotCalcs[3].statuses.size(), 1u);
    EXPECT_EQ(result.slotCalcs[3].statuses[0].status, kStatusPoison);
}

}  // namespace
}  // namespace vex::test
