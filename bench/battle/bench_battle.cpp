// The cost of whole battles with the null view: a battle that runs its full 50 turns (high
// HP, decided by time-up), one fought to a knock-out at the default HP, the same monsters with
// the computer choosing for both sides, and the balance simulator on one and on two threads.

#include <benchmark/benchmark.h>

#include "vexmora/battle/battle.h"
#include "vexmora/battle/simulation.h"
#include "vexmora/data/monster_record.h"
#include "vexmora/data/technique_catalogue.h"

namespace {

using namespace vex;

MonsterRecord sampleMonster(const char* name, int atk, int def, int spd, int personality,
                            std::array<int16_t, 5> ids, std::array<int16_t, 5> levels) {
    MonsterRecord m = newMonster(name, atk, def, spd, personality);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto s = static_cast<size_t>(slot);
        m.techId[s] = ids[s];
        m.techLevel[s] = levels[s];
        const TechniqueEntry& e = techniqueEntry(ids[s]);
        m.techName[s] = std::string(e.techTitle);
        m.techCost[s] = e.category == kCategorySkill ? 0 : static_cast<int16_t>(TechniqueCatalogue::instance().spCost(ids[s], levels[s] < 1 ? 1 : levels[s]));
    }
    return m;
}

// Two monsters with attacks, a multi-hit, follow-up statuses and passive abilities (反撃,
// 追撃, ガッツ, アタック), so that the follow-up rules run too.
const MonsterRecord& monsterA() {
    static const MonsterRecord m = sampleMonster("ねこ", 400, 300, 300, 1, {0, 1, 30, 41, 63}, {1, 3, 1, 0, 0});
    return m;
}
const MonsterRecord& monsterB() {
    static const MonsterRecord m = sampleMonster("いぬ", 350, 350, 300, 2, {0, 20, 66, 49, 37}, {1, 2, 2, 0, 0});
    return m;
}

enum class Hash { Off, EveryTurn };

void playBattles(benchmark::State& state, int16_t initialHp, Hash hash = Hash::Off) {
    BattleSettings settings;
    settings.battleMode = kModeTwoPlayers;
    settings.initialHp = initialHp;
    settings.turnLimit = 50;
    NullView view;
    Rng rng;
    int64_t turns = 0;
    int64_t draws = 0;
    int32_t seed = 1;
    const int slots[3] = {0, 1, 2};
    uint64_t hashes = 0;
    for (auto _ : state) {
        Battle battle(settings, monsterA(), monsterB(), rng, view);
        seedBattleGenerator(rng, seed++);
        battle.startBattle(18);
        for (int turn = 0; !battle.state().ended && turn < 200; ++turn) {
            int slot = slots[turn % 3];
            battle.runTurn(battle.commandForSlot(0, slot), battle.commandForSlot(1, slot));
            if (hash == Hash::EveryTurn) hashes ^= battle.stateHash();
        }
        turns += battle.state().turnCount;
        draws += battle.state().drawCounter;
        benchmark::DoNotOptimize(battle.state().winner);
    }
    benchmark::DoNotOptimize(hashes);
    state.counters["turns_per_battle"] = benchmark::Counter(static_cast<double>(turns), benchmark::Counter::kAvgIterations);
    state.counters["draws_per_turn"] = static_cast<double>(draws) / static_cast<double>(turns > 0 ? turns : 1);
    state.counters["time_per_turn"] =
        benchmark::Counter(static_cast<double>(turns), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_Battle50Turns(benchmark::State& state) { playBattles(state, 30000); }
void BM_BattleToKnockOut(benchmark::State& state) { playBattles(state, 1000); }
// The same 50-turn battles with the state hash taken after every turn, as the battle log, a
// replay and a network battle take it: compare with BM_Battle50Turns.
void BM_Battle50TurnsHashed(benchmark::State& state) { playBattles(state, 30000, Hash::EveryTurn); }

// One state hash of a battle in its tenth turn.
void BM_StateHash(benchmark::State& state) {
    BattleSettings settings;
    settings.battleMode = kModeTwoPlayers;
    settings.initialHp = 30000;
    NullView view;
    Rng rng;
    Battle battle(settings, monsterA(), monsterB(), rng, view);
    seedBattleGenerator(rng, 1);
    battle.startBattle(18);
    for (int turn = 0; turn < 10; ++turn) battle.runTurn(battle.commandForSlot(0, turn % 3), battle.commandForSlot(1, 1));
    for (auto _ : state) benchmark::DoNotOptimize(battle.stateHash());
}

// The computer against the computer (spectator mode), as the simulator plays them.
void computerBattles(benchmark::State& state, Hash hash) {
    BattleSettings settings;
    settings.battleMode = kModeFree;
    settings.spectatorMode = -1;
    settings.initialHp = static_cast<int16_t>(state.range(0));
    NullView view;
    Rng rng;
    int64_t turns = 0;
    int32_t seed = 1;
    uint64_t hashes = 0;
    for (auto _ : state) {
        Battle battle(settings, monsterA(), monsterB(), rng, view);
        seedBattleGenerator(rng, seed++);
        battle.startBattle(18);
        for (int turn = 0; !battle.state().ended && turn < 200; ++turn) {
            battle.runTurn(Command::nothing(), Command::nothing());
            if (hash == Hash::EveryTurn) hashes ^= battle.stateHash();
        }
        turns += battle.state().turnCount;
        benchmark::DoNotOptimize(battle.state().winner);
    }
    benchmark::DoNotOptimize(hashes);
    state.counters["turns_per_battle"] = benchmark::Counter(static_cast<double>(turns), benchmark::Counter::kAvgIterations);
    state.counters["time_per_turn"] =
        benchmark::Counter(static_cast<double>(turns), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
void BM_ComputerBattle(benchmark::State& state) { computerBattles(state, Hash::Off); }
void BM_ComputerBattleHashed(benchmark::State& state) { computerBattles(state, Hash::EveryTurn); }

// The simulator: 2000 battles a run on one or two worker threads.
void BM_Simulate(benchmark::State& state) {
    SimulationSetup setup;
    setup.battles = 2000;
    setup.jobs = static_cast<int>(state.range(0));
    setup.stageCount = 18;
    uint64_t seed = 1;
    for (auto _ : state) {
        setup.seed = seed++;
        SimulationResult result = simulate(monsterA(), monsterB(), setup);
        benchmark::DoNotOptimize(result.wins);
    }
    state.counters["battles_per_second"] =
        benchmark::Counter(static_cast<double>(setup.battles), benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_Battle50Turns)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_Battle50TurnsHashed)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_StateHash)->Unit(benchmark::kNanosecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_BattleToKnockOut)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_ComputerBattle)->Arg(1000)->Arg(30000)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_ComputerBattleHashed)->Arg(30000)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_Simulate)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
