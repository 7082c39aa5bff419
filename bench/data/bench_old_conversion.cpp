// A folder of 1000 old monster files, each with its own picture in "ICON", converted into
// monster files: through the conversion the command-line tool runs, in this process, and
// through vexmora-cli itself. Reported as files per second.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <unistd.h>

#include "vexmora/data/old_conversion.h"
#include "vexmora/data/old_monster_file.h"

namespace {

constexpr int kFiles = 1000;

std::string pictureFor(int i) {
    // A GIF-sized picture of a few kilobytes, different for every monster.
    std::string p = "GIF89a";
    p.resize(2000 + (i % 7) * 700, '\0');
    for (size_t k = 6; k < p.size(); ++k) p[k] = static_cast<char>(k * 31 + i);
    return p;
}

vex::MonsterRecord oldMonster(int i) {
    vex::MonsterRecord m = vex::newMonster("旧モンスター" + std::to_string(i), 400, 300, 300, i % 9);
    m.makerVersion() = i % 10 == 0 ? "0" : "1";
    m.imageFile = "pic" + std::to_string(i) + ".gif";
    m.imageSize = static_cast<int16_t>(i % 12 == 0 ? 5 : 120);
    m.techId = {1, 95, 20, 12, 99};
    m.techLevel = {3, 1, 2, 1, 0};
    m.techCost = {14, 0, 12, 10, 0};
    m.techName = {"かみつき", "ラッキー", "炎の息", "", ""};
    m.wins = 12;
    m.history() = " 47** 3** 12**";
    m.extra[vex::kLineStart] = "いくぞ！";
    return m;
}

// Removed again when the program ends.
struct TempFolder {
    vex::fs::path path;
    ~TempFolder() {
        std::error_code ec;
        if (!path.empty()) vex::fs::remove_all(path, ec);
    }
};

const vex::fs::path& oldFolder() {
    static const TempFolder dir{[] {
        std::string tmpl = (vex::fs::temp_directory_path() / "vexmora-bench-old-XXXXXX").string();
        const vex::fs::path folder(mkdtemp(tmpl.data()));
        vex::fs::create_directories(folder / "ICON");
        for (int i = 0; i < kFiles; ++i) {
            const vex::MonsterRecord m = oldMonster(i);
            std::ofstream(folder / ("old" + std::to_string(i) + ".tvo"), std::ios::binary) << vex::encodeOldMonster(m);
            std::ofstream(folder / "ICON" / m.imageFile, std::ios::binary) << pictureFor(i);
        }
        return folder;
    }()};
    return dir.path;
}

void BM_ConvertFolder(benchmark::State& state) {
    vex::ConversionChoices choices;
    choices.mayReplace = [](const vex::fs::path&) { return true; };
    const vex::fs::path folder = oldFolder();
    for (auto _ : state) {
        int converted = 0;
        const auto files = vex::listOldFiles(folder);
        for (const vex::fs::path& file : *files)
            converted += vex::convertOldFile(file, choices).status == vex::ConversionStatus::Converted;
        if (converted != kFiles) state.SkipWithError("not every file converted");
    }
    state.counters["files_per_second"] = benchmark::Counter(double(kFiles) * state.iterations(), benchmark::Counter::kIsRate);
}

void BM_ConvertFolderWithCli(benchmark::State& state) {
    const std::string command =
        std::string("'") + VEXMORA_CLI + "' convert '" + oldFolder().string() + "' --overwrite > /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("vexmora-cli convert failed");
    state.counters["files_per_second"] = benchmark::Counter(double(kFiles) * state.iterations(), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(BM_ConvertFolder)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_ConvertFolderWithCli)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK_MAIN();
