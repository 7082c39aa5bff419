// Load and save of a monster with a 31000-byte picture, in memory and through the file system.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <unistd.h>

#include "vexmora/data/monster_file.h"

namespace {

vex::MonsterRecord sampleMonster() {
    vex::MonsterRecord m = vex::newMonster("ベンチ竜", 400, 300, 300, 1);
    m.techId = {1, 5, 22, 99, 43};
    m.techLevel = {5, 2, 3, 0, 0};
    m.techCost = {70, 32, 45, 0, 0};
    m.techName = {"かみつき", "しびれ息", "吸血", "", "タフネス"};
    m.imageFile = "ICON.png";
    m.history() = " 47** 15** 450**";
    return m;
}

const std::string& picture() {
    static const std::string bytes = [] {
        std::string p(31000, '\0');
        for (size_t i = 0; i < p.size(); ++i) p[i] = static_cast<char>(i * 131 + 7);
        return p;
    }();
    return bytes;
}

vex::fs::path benchFolder() {
    static const vex::fs::path dir = [] {
        std::string tmpl = (vex::fs::temp_directory_path() / "vexmora-bench-XXXXXX").string();
        return vex::fs::path(mkdtemp(tmpl.data()));
    }();
    return dir;
}

void BM_EncodeMonster(benchmark::State& state) {
    for (auto _ : state) {
        vex::MonsterRecord m = sampleMonster();
        auto bytes = vex::encodeMonster(m, picture(), "ベンチ竜.tvx");
        benchmark::DoNotOptimize(bytes);
    }
}

void BM_DecodeMonster(benchmark::State& state) {
    vex::MonsterRecord m = sampleMonster();
    const std::string file = *vex::encodeMonster(m, picture(), "ベンチ竜.tvx");
    for (auto _ : state) {
        auto loaded = vex::decodeMonster(file, "ベンチ竜.tvx");
        benchmark::DoNotOptimize(loaded);
    }
}

void BM_SaveMonsterFile(benchmark::State& state) {
    const vex::fs::path path = benchFolder() / "ベンチ竜.tvx";
    for (auto _ : state) {
        vex::MonsterRecord m = sampleMonster();
        if (!vex::saveMonster(path, m, picture()).ok()) state.SkipWithError("save failed");
    }
}

void BM_LoadMonsterFile(benchmark::State& state) {
    const vex::fs::path path = benchFolder() / "ベンチ竜.tvx";
    vex::MonsterRecord m = sampleMonster();
    (void)vex::saveMonster(path, m, picture());
    for (auto _ : state) {
        auto loaded = vex::loadMonster(path);
        benchmark::DoNotOptimize(loaded);
    }
}

}  // namespace

BENCHMARK(BM_EncodeMonster)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DecodeMonster)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveMonsterFile)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_LoadMonsterFile)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
