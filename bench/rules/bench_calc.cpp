// The damage calculator: one pair, and one monster against every monster of the default Data
// folder (generated into the build's program folder), each slot exact where the draws allow and
// its knock-outs sampled, as `vexmora-cli calc` runs it.

#include <benchmark/benchmark.h>

#include "vexmora/battle/damage_calculator.h"
#include "vexmora/rules/folder_simulation.h"

namespace {

using namespace vex;

const FolderOpponents& defaultContent() {
    static const FolderOpponents content = loadFolderOpponents(fs::path(VEXMORA_GAME_DIR) / "Data");
    return content;
}

CalcSetup calcSetup() {
    CalcSetup setup;
    setup.settings.stageIndex = 0;
    return setup;
}

void BM_CalcOnePair(benchmark::State& state) {
    const auto& monsters = defaultContent().opponents;
    if (monsters.size() < 2) {
        state.SkipWithError("no default content: build vexmora_content first");
        return;
    }
    for (auto _ : state) {
        CalcResult result = calculateDamage(monsters[0].record, monsters[1].record, calcSetup());
        benchmark::DoNotOptimize(result.slotCalcs[0].hit.value);
    }
}

void BM_CalcAgainstTheDataFolder(benchmark::State& state) {
    const auto& monsters = defaultContent().opponents;
    if (monsters.empty()) {
        state.SkipWithError("no default content: build vexmora_content first");
        return;
    }
    for (auto _ : state) {
        for (const FolderOpponent& opponent : monsters) {
            CalcResult result = calculateDamage(monsters[0].record, opponent.record, calcSetup());
            benchmark::DoNotOptimize(result.slotCalcs[0].hit.value);
        }
    }
    state.counters["pairs"] = static_cast<double>(monsters.size());
}

BENCHMARK(BM_CalcOnePair)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CalcAgainstTheDataFolder)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
