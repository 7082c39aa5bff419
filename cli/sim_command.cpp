// vexmora-cli sim A.tvx B.tvx --battles N: the balance simulator. Many seeded battles of the
// two monsters, the computer choosing for both sides, spread over worker threads; prints the
// win rates with their confidence intervals, how the battles ended and what each side chose.
// vexmora-cli sim A.tvx --against FOLDER: the balance lab, A against every monster of FOLDER.

#include <chrono>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "command_line.h"
#include "fighter_files.h"
#include "settings_options.h"
#include "vexmora/battle/battle_log.h"
#include "vexmora/battle/simulation.h"
#include "vexmora/data/argument_paths.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/stage_list.h"
#include "vexmora/rules/folder_simulation.h"

namespace vex::cli {

namespace {

struct Options {
    std::vector<std::string> files;
    std::string against;  // the balance lab's folder, "" for a match of two files
    SimulationSetup setup;
    bool seedGiven = false;
    bool json = false;
    FighterChecks checks = FighterChecks::Game;
};

std::optional<MonsterRecord> loadFighter(const std::string& given, int side, FighterChecks checks) {
    auto loaded = loadFighterArgument(given, side, checks);
    if (!loaded) return std::nullopt;
    return std::move(loaded->record);
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

std::string fixed(double value, int decimals) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

void printFolderText(const FolderSimulation& run, const MonsterRecord& monster) {
    const SeriesResult& s = run.series;
    std::cout << monster.name << " against " << run.opponents.size() << " monsters, "
              << (s.perOpponent.empty() ? 0 : s.perOpponent.front().battles) << " battles each, seed "
              << (s.perOpponent.empty() ? 0 : s.perOpponent.front().seed) << "\n";
    std::cout << "  opponent: win rate (95 % CI), knock-outs / time-ups, mean turns\n";
    for (size_t i = 0; i < run.opponents.size(); ++i) {
        const SimulationResult& r = s.perOpponent[i];
        const Proportion p = proportionOf(r.wins[0], r.battles);
        std::cout << "    " << run.opponents[i].file.filename().string() << " (" << run.opponents[i].record.name
                  << "): " << percent(p.rate) << " (" << percent(p.low) << " - " << percent(p.high) << "), "
                  << r.knockouts << " / " << r.timeUps << ", " << fixed(r.meanTurns(), 2);
        if (r.unfinished > 0) std::cout << ", " << r.unfinished << " unfinished";
        std::cout << "\n";
    }
    std::cout << "  slots (chosen / used / landed, all opponents)\n";
    for (const TechniqueTally& t : slotTallies(monster, s.perOpponent))
        std::cout << "    " << t.id << " " << t.name << ": " << t.chosen << " / " << t.used << " / " << t.landed << "\n";
    for (const std::string& skipped : run.skipped) std::cout << "  skipped " << skipped << "\n";
    std::cout << "  " << fixed(s.seconds, 3) << " s with " << s.jobs << (s.jobs == 1 ? " job, " : " jobs, ")
              << fixed(s.seconds > 0 ? static_cast<double>(s.played) / s.seconds : 0.0, 0) << " battles/s\n";
}

std::string folderJson(const FolderSimulation& run, const MonsterRecord& monster) {
    const SeriesResult& s = run.series;
    std::string out = "{\"type\":\"simAgainst\",\"monster\":" + jsonString(monster.name) + ",\"opponents\":[";
    for (size_t i = 0; i < run.opponents.size(); ++i) {
        if (i > 0) out += ',';
        std::string one = simulationJson(s.perOpponent[i]);
        // {"type":"sim",...} becomes {"file":..,"name":..,"type":"sim",...} without its timing.
        one = one.substr(0, one.rfind(",\"timing\":")) + "}";
        out += "{\"file\":" + jsonString(run.opponents[i].file.filename().string()) +
               ",\"name\":" + jsonString(run.opponents[i].record.name) + "," + one.substr(1);
    }
    out += "],\"slots\":[";
    bool first = true;
    for (const TechniqueTally& t : slotTallies(monster, s.perOpponent)) {
        if (!first) out += ',';
        first = false;
        out += "{\"id\":" + std::to_string(t.id) + ",\"name\":" + jsonString(t.name) +
               ",\"chosen\":" + std::to_string(t.chosen) + ",\"used\":" + std::to_string(t.used) +
               ",\"landed\":" + std::to_string(t.landed) + "}";
    }
    out += "],\"skipped\":[";
    for (size_t i = 0; i < run.skipped.size(); ++i) out += (i > 0 ? "," : "") + jsonString(run.skipped[i]);
    out += "],\"timing\":{\"seconds\":" + fixed(s.seconds, 6) + ",\"jobs\":" + std::to_string(s.jobs) +
           ",\"battles\":" + std::to_string(s.played) + "}}";
    return out;
}

int againstFolder(const Options& options) {
    // The monster and then the opponents are read before any worker starts.
    auto a = loadFighter(options.files[0], 0, options.checks);
    if (!a) return kExitUsage;
    auto run = simulateAgainstFolder(*a, inputArgumentPath(options.against), options.setup);
    if (!run) {
        std::cerr << "vexmora-cli sim: " << run.error().message << "\n";
        return kExitUsage;
    }
    if (options.json)
        std::cout << folderJson(*run, *a) << "\n";
    else
        printFolderText(*run, *a);
    return kExitOk;
}

int runSimulation(const CLI::App* command, Options& options) {
    const bool battlesGiven = command->count("--battles") > 0;
    if (!options.against.empty()) {
        if (options.files.size() != 1) return usageError(command, "one monster file is needed with --against");
        if (!battlesGiven) options.setup.battles = kDefaultLabBattles;
    } else {
        if (options.files.size() != 2) return usageError(command, "two monster files are needed");
        if (!battlesGiven) return usageError(command, "--battles is needed for a match of two monsters");
    }
    options.setup.stageCount = stageCountIn(programFolder());
    if (!options.seedGiven) {
        // A run without a seed takes the clock's, and says which it was, so it can be repeated.
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        options.setup.seed = static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
    }
    if (!options.against.empty()) return againstFolder(options);
    // Keying the files uses the process generator: both are read before any worker starts.
    auto a = loadFighter(options.files[0], 0, options.checks);
    auto b = loadFighter(options.files[1], 1, options.checks);
    if (!a || !b) return kExitUsage;

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
        addCommand(app, "sim",
                   "many computer-against-computer battles: win rates; --against FOLDER for the balance lab "
                   "(see docs/sim.md)");
    command->add_option("FILES", options.files, "the two monster files, A.tvx B.tvx (one with --against)");
    command->add_option("--against", options.against,
                        "play A against every monster of this folder (the balance lab)")
        ->type_name("FOLDER");
    command->add_option("--battles", options.setup.battles, "how many battles (per opponent with --against, default 1000)")
        ->check(CLI::Range(static_cast<int64_t>(1), static_cast<int64_t>(100000000)))
        ->type_name("N");
    command->add_option("--seed", options.setup.seed, "the first battle's seed (else the clock)")
        ->check(CLI::Range(static_cast<uint64_t>(0), static_cast<uint64_t>(INT64_MAX)))
        ->type_name("S")
        ->each([](const std::string&) { options.seedGiven = true; });
    command->add_option("--jobs", options.setup.jobs, "worker threads")->check(CLI::Range(1, 256))->type_name("J");
    command->add_flag("--json", options.json, "print the result as one JSON object");
    addSettingsOptions(command, options.setup.settings);
    addUncheckedOption(command, options.checks);
    runs(command, [command] { return runSimulation(command, options); });
}

}  // namespace vex::cli
