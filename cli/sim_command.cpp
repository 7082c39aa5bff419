// vexmora-cli sim A.tvx B.tvx --battles N: the balance simulator. Many seeded battles of the
// two monsters, the computer choosing for both sides, spread over worker threads; prints the
// win rates with their confidence intervals, how the battles ended and what each side chose.
// vexmora-cli sim A.tvx --against FOLDER: the balance lab, A against every monster of FOLDER.

#include <charconv>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "commands.h"
#include "vexmora/battle/battle_log.h"
#include "vexmora/battle/simulation.h"
#include "vexmora/battle/stage_list.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/paths.h"
#include "vexmora/rules/folder_simulation.h"

namespace vex::cli {

namespace {

constexpr const char* kSimUsage =
    "usage: vexmora-cli sim A.tvx B.tvx --battles N [--seed S] [--jobs J] [--json]\n"
    "                                   [--hp N] [--sp N] [--turns N] [--stage N]\n"
    "       vexmora-cli sim A.tvx --against FOLDER [--battles N] [--seed S] [--jobs J] [--json]\n";

struct Options {
    std::string pathA, pathB;
    std::string against;  // the balance lab's folder, "" for a match of two files
    SimulationSetup setup;
    bool seedGiven = false;
    bool json = false;
};

int usageError(const std::string& message) {
    std::cerr << "vexmora-cli sim: " << message << "\n" << kSimUsage;
    return 2;
}

std::optional<int64_t> parseInteger(const std::string& text) {
    int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<int> parseOptions(const Args& args, Options& options) {
    std::vector<std::string> files;
    bool battlesGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            files.push_back(arg);
            continue;
        }
        if (arg == "--json") {
            options.json = true;
            continue;
        }
        if (i + 1 >= args.size()) return usageError(arg + " needs a value");
        const std::string& value = args[++i];
        auto number = [&](int64_t low, int64_t high) -> std::optional<int64_t> {
            auto n = parseInteger(value);
            if (!n || *n < low || *n > high) return std::nullopt;
            return n;
        };
        SimulationSetup& setup = options.setup;
        if (arg == "--battles") {
            auto n = number(1, 100000000);
            if (!n) return usageError("--battles takes a number from 1 to 100000000");
            setup.battles = *n;
            battlesGiven = true;
        } else if (arg == "--seed") {
            auto n = number(0, INT64_MAX);
            if (!n) return usageError("--seed takes a whole number from 0");
            setup.seed = static_cast<uint64_t>(*n);
            options.seedGiven = true;
        } else if (arg == "--jobs") {
            auto n = number(1, 256);
            if (!n) return usageError("--jobs takes a number from 1 to 256");
            setup.jobs = static_cast<int>(*n);
        } else if (arg == "--hp") {
            auto n = number(1, 32767);
            if (!n) return usageError("--hp takes a number from 1 to 32767");
            setup.settings.initialHp = static_cast<int16_t>(*n);
        } else if (arg == "--sp") {
            auto n = number(0, 999);
            if (!n) return usageError("--sp takes a number from 0 to 999");
            setup.settings.initialSp = static_cast<int16_t>(*n);
        } else if (arg == "--turns") {
            auto n = number(0, 32767);
            if (!n) return usageError("--turns takes a number from 0 (no limit) to 32767");
            setup.settings.turnLimit = static_cast<int16_t>(*n);
        } else if (arg == "--against") {
            options.against = value;
        } else if (arg == "--stage") {
            auto n = number(-2, 99);
            if (!n) return usageError("--stage takes a stage number, 99 (random), -1 (ground) or -2 (water)");
            setup.settings.stageIndex = static_cast<int16_t>(*n);
        } else {
            return usageError("unknown option " + arg);
        }
    }
    if (!options.against.empty()) {
        if (files.size() != 1) return usageError("one monster file is needed with --against");
        if (!battlesGiven) options.setup.battles = kDefaultLabBattles;
        options.pathA = files[0];
        return std::nullopt;
    }
    if (files.size() != 2) return usageError("two monster files are needed");
    if (!battlesGiven) return usageError("--battles is needed");
    options.pathA = files[0];
    options.pathB = files[1];
    return std::nullopt;
}

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
                  << r.knockouts << " / " << r.timeUps << ", " << fixed(r.meanTurns(), 2) << "\n";
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
    auto a = loadFighter(options.pathA);
    if (!a) return 2;
    auto run = simulateAgainstFolder(*a, fs::path(options.against), options.setup);
    if (!run) {
        std::cerr << "vexmora-cli sim: " << run.error().message << "\n";
        return 2;
    }
    if (options.json)
        std::cout << folderJson(*run, *a) << "\n";
    else
        printFolderText(*run, *a);
    return 0;
}

}  // namespace

int simCommand(const Args& args) {
    Options options;
    if (auto refused = parseOptions(args, options)) return *refused;
    // Keying the files uses the process generator: both are read before any worker starts.
    options.setup.stageCount = programStageCount();
    if (!options.seedGiven) {
        // A run without a seed takes the clock's, and says which it was, so it can be repeated.
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        options.setup.seed = static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
    }
    if (!options.against.empty()) return againstFolder(options);
    auto a = loadFighter(options.pathA);
    auto b = loadFighter(options.pathB);
    if (!a || !b) return 2;

    const SimulationResult result = simulate(*a, *b, options.setup);
    if (options.json)
        std::cout << simulationJson(result) << "\n";
    else
        printText(result, *a, *b);
    return 0;
}

}  // namespace vex::cli
