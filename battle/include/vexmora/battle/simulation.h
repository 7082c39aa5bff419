#pragma once
// The balance simulator: many battles of the same two monsters, the computer choosing the
// commands of both sides, spread over worker threads.
//
// Battle i of a run starts its own generator at simulationGeneratorState(seed, i), so each
// battle is the same whichever thread plays it and whatever else runs beside it; the counts
// are sums over battles, so a run's result (everything but its timing) depends only on the
// monsters, the settings, the seed and the number of battles, never on the number of jobs.
//
// Thread safety: every battle has its own generator, view and state; the technique catalogue
// and the engine's tables are read-only once built. Load the monster files before a run
// (keying a file uses the process generator).

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "vexmora/battle/battle_settings.h"
#include "vexmora/battle/unending_battle.h"
#include "vexmora/data/monster_record.h"

namespace vex {

struct SimulationSetup {
    BattleSettings settings;       // the rules of every battle; the computer plays both sides
    int stageCount = kStageCountWithoutList;
    int64_t battles = 0;
    uint64_t seed = 0;
    int jobs = 0;                  // worker threads; 0: one per core
};

// How often one side's computer chose a technique, carried it out (paid, not paralysed,
// sealed or trapped out of it) and landed it (its own hit checks landed at least once, or it
// needed none). Doing nothing is counted as technique 99.
struct TechniqueTally {
    int side = 0;
    int16_t id = 0;
    std::string name;
    int64_t chosen = 0;
    int64_t used = 0;
    int64_t landed = 0;
};

struct SimulationResult {
    int64_t battles = 0;
    std::array<int64_t, 2> wins{};
    int64_t knockouts = 0;
    int64_t timeUps = 0;
    int64_t unfinished = 0;        // stopped by unendingBattleCap
    int64_t turns = 0;             // summed over the battles
    uint64_t seed = 0;
    std::vector<TechniqueTally> techniques;  // side 0 then side 1, by id
    // Timing, the only part that varies from run to run.
    double seconds = 0;
    int jobs = 1;

    double meanTurns() const { return battles > 0 ? static_cast<double>(turns) / static_cast<double>(battles) : 0.0; }
};

// A share with its 95 % confidence interval (Wilson score interval).
struct Proportion {
    double rate = 0;
    double low = 0;
    double high = 0;
};
Proportion proportionOf(int64_t successes, int64_t trials);

// The generator state battle `battle` of a run with `seed` starts from: distinct for the first
// 2^24 battles of a seed (a Weyl sequence over the generator's 24-bit states).
uint32_t simulationGeneratorState(uint64_t seed, int64_t battle);

SimulationResult simulate(const MonsterRecord& fighter0, const MonsterRecord& fighter1, const SimulationSetup& setup);

// Watching and stopping a long run. `progress` is called with the battles played so far and
// the run's total, from whichever worker finished a block (never two calls at once), and once
// more at the end; `cancel` is read before every block: once it is set, the workers stop after
// their current block and the run comes back with `cancelled` set and partial counts.
struct SimulationControl {
    std::function<void(int64_t done, int64_t total)> progress;
    const std::atomic<bool>* cancel = nullptr;
};

struct SeriesResult {
    std::vector<SimulationResult> perOpponent;  // in the order of the opponents
    bool cancelled = false;
    int64_t played = 0;
    double seconds = 0;
    int jobs = 1;
};

// `fighter0` against each opponent in turn, `setup.battles` battles each, all on one pool of
// workers. The battles of each opponent are numbered from 0 with the same seed, so every
// opponent's counts equal those of simulate(fighter0, opponent, setup).
SeriesResult simulateSeries(const MonsterRecord& fighter0, const std::vector<MonsterRecord>& opponents,
                            const SimulationSetup& setup, const SimulationControl& control = {});

// The summary as one JSON line (without the line break):
// {"type":"sim","battles":N,"wins":[a,b],"knockouts":K,"timeups":T,"unfinished":U,
//  "meanTurns":x,"seed":S,"winRate":[{"rate":..,"low":..,"high":..},{..}],
//  "techniques":[{"side":0,"id":1,"name":"攻撃","chosen":..,"used":..,"landed":..},...],
//  "timing":{"seconds":..,"jobs":J,"battlesPerSecond":..}}
std::string simulationJson(const SimulationResult& result);

}  // namespace vex
