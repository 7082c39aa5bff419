// The balance lab's run: one monster against 16 opponents, 1000 battles each, on one and on
// two worker threads. Reports battles per second; the opponents are built in memory.

#include <benchmark/benchmark.h>

#include "vexmora/data/technique_catalogue.h"
#include "vexmora/rules/folder_simulation.h"

namespace {

using namespace vex;

MonsterRecord sample(std::string name, int atk, int def, int personality, std::array<int16_t, 5> ids) {
    MonsterRecord m = newMonster(std::move(name), atk, def, 1000 - atk - def, personality);
    for (size_t s = 0; s < 5; ++s) {
        m.techId[s] = ids[s];
        const TechniqueEntry& e = techniqueEntry(ids[s]);
        const bool levelled = ids[s] != kEmptyTech && e.category != kCategorySkill;
        m.techLevel[s] = levelled ? 3 : 0;
        m.techCost[s] = levelled ? static_cast<int16_t>(TechniqueCatalogue::instance().spCost(ids[s], 3)) : 0;
    }
    return m;
}

const MonsterRecord& player() {
    static const MonsterRecord m = sample("ねこ", 400, 300, 1, {0, 1, 30, 41, 63});
    return m;
}

// Sixteen opponents of different builds: attackers, walls, status users, skill holders.
const FolderOpponents& opponents() {
    static const FolderOpponents all = [] {
        const std::array<std::array<int16_t, 5>, 8> sets{{
            {0, 1, 99, 99, 99}, {0, 20, 66, 49, 37}, {1, 3, 4, 38, 99}, {5, 6, 7, 1, 99},
            {30, 23, 25, 73, 99}, {1, 12, 13, 43, 99}, {24, 27, 32, 48, 99}, {0, 85, 18, 42, 99},
        }};
        FolderOpponents o;
        for (int i = 0; i < 16; ++i) {
            const int atk = 200 + 25 * i, def = 450 - 20 * i;
            o.opponents.push_back({"foe" + std::to_string(i) + ".tvx",
                                   sample("敵" + std::to_string(i), atk, def, i % 9, sets[static_cast<size_t>(i % 8)])});
        }
        return o;
    }();
    return all;
}

void BM_BalanceLab16x1000(benchmark::State& state) {
    SimulationSetup setup;
    setup.battles = 1000;
    setup.jobs = static_cast<int>(state.range(0));
    setup.stageCount = 18;
    uint64_t seed = 1;
    int64_t battles = 0;
    for (auto _ : state) {
        setup.seed = seed++;
        FolderSimulation run = simulateAgainst(player(), opponents(), setup);
        battles += run.series.played;
        benchmark::DoNotOptimize(run.series.perOpponent.front().wins);
    }
    state.counters["battles_per_second"] = benchmark::Counter(static_cast<double>(battles), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_BalanceLab16x1000)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
