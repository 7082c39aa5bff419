// vexmora-cli sim A.tvx B.tvx --battles N: the balance simulator. Many seeded battles of the
// two monsters, the computer choosing for both sides, spread over worker threads; prints the
// win rates with their confidence intervals, how the battles ended and what each side chose.

#include <chrono>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "command_line.h"
#include "settings_options.h"
#include "vexmora/battle/simulation.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/paths.h"

namespace vex::cli {

namespace {

struct Options {
    std::vector<std::string> files;
    SimulationSetup setup;
    bool seedGiven = false;
    bool json = false;
};

std::optional<MonsterRecord> loadFighter(const std::string& path) {
    auto loaded = loadMonster(fs::path(path));
    if (!loaded) {
        std::cerr << loaded.error().title << ": " << path << ": " << loaded.error().message << "\n";
        return std::nullopt;
    }
    if (loaded->integrity == Integrity::SystemTampered) {
        std::cerr << kTamperedTitle << ": " << path << ": " << kTamperedMessage << "\n";
        return std::nullopt;
    }
    return loaded->record;
}

std::string percent(double share) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f %%", 100.0 * share);
    return buffer;
}

void printText(const SimulationResult& r, const MonsterRecord& a, const MonsterRecord& b) {
    const std::array<const MonsterRecord*, 2> fighters{&a, &b};
    std::cout << a.name << " (0) vs " << b.name << " (1): " << r.battles << " battles, seed " << r.seed << "\n";
    for (size_t side = 0; side < 2; ++side) {
        const Proportion p = proportionOf(r.wins[side], r.battles);
        std::cout << "  " << side << " " << fighters[side]->name << " wins " << r.wins[side] << "  " << percent(p.rate)
                  << "  (95 % CI " << percent(p.low) << " - " << percent(p.high) << ")\n";
    }
    char mean[32];
    std::snprintf(mean, sizeof mean, "%.2f", r.meanTurns());
    std::cout << "  knock-outs " << r.knockouts << ", time-ups " << r.timeUps;
    if (r.unfinished > 0) std::cout << ", unfinished " << r.unfinished;
    std::cout << "; mean turns " << mean << "\n";
    std::cout << "  techniques (side, id, name: chosen / used / landed)\n";
    for (const TechniqueTally& t : r.techniques)
        std::cout << "    " << t.side << " " << t.id << " " << t.name << ": " << t.chosen << " / " << t.used << " / "
                  << t.landed << "\n";
    char timing[96];
    std::snprintf(timing, sizeof timing, "  %.3f s with %d job%s, %.0f battles/s\n", r.seconds, r.jobs,
                  r.jobs == 1 ? "" : "s", r.seconds > 0 ? static_cast<double>(r.battles) / r.seconds : 0.0);
    std::cout << timing;
}

int runSimulation(const CLI::App* command, Options& options) {
    if (options.files.size() != 2) return usageError(command, "two monster files are needed");
    // Keying the files uses the process generator: both are read before any worker starts.
    auto a = loadFighter(options.files[0]);
    auto b = loadFighter(options.files[1]);
    if (!a || !b) return kExitUsage;
    options.setup.stageCount = stageCountIn(programFolder());
    if (!options.seedGiven) {
        // A run without a seed takes the clock's, and says which it was, so it can be repeated.
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        options.setup.seed = static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
    }

    const SimulationResult result = simulate(*a, *b, options.setup);
    if (options.json)
        std::cout << simulationJson(result) << "\n";
    else
        printText(result, *a, *b);
    return kExitOk;
}

}  // namespace

void addSimCommand(CLI::App& app) {
    static Options options;
    CLI::App* command =
        addCommand(app, "sim", "many computer-against-computer battles: win rates (see docs/sim.md)");
    command->add_option("FILES", options.files, "the two monster files, A.tvx B.tvx");
    command->add_option("--battles", options.setup.battles, "how many battles")
        ->check(CLI::Range(static_cast<int64_t>(1), static_cast<int64_t>(100000000)))
        ->type_name("N")
        ->required();
    command->add_option("--seed", options.setup.seed, "the first battle's seed (else the clock)")
        ->check(CLI::Range(static_cast<uint64_t>(0), static_cast<uint64_t>(INT64_MAX)))
        ->type_name("S")
        ->each([](const std::string&) { options.seedGiven = true; });
    command->add_option("--jobs", options.setup.jobs, "worker threads")->check(CLI::Range(1, 256))->type_name("J");
    command->add_flag("--json", options.json, "print the result as one JSON object");
    addSettingsOptions(command, options.setup.settings);
    runs(command, [command] { return runSimulation(command, options); });
}

}  // namespace vex::cli
