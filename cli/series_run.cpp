// What the elimination and scenario commands share.

#include "series_run.h"

#include <iostream>

#include "vexmora/data/record_json.h"
#include "fighter_files.h"
#include "vexmora/rules/fighter_checks.h"

namespace vex::cli {

void addSeriesOptions(CLI::App* command, SeriesOptions& options) {
    command->add_option("--seed", options.seed, "make the run repeatable")
        ->check(CLI::Range(static_cast<int64_t>(INT32_MIN), static_cast<int64_t>(INT32_MAX)))
        ->type_name("N")
        ->each([&options](const std::string&) { options.seedGiven = true; });
    command->add_flag("--json", options.json, "one JSON line per battle and one for the run");
}

void seedChoice(Rng& rng, const SeriesOptions& o, int battle) {
    if (!o.seedGiven) {
        rng.reseedFromClock();
        return;
    }
    rng.reset(-1);
    rng.reseed(static_cast<double>(o.seed) * 1000.0 + battle);
}

std::optional<int32_t> battleSeed(const SeriesOptions& o, int battle) {
    if (!o.seedGiven) return std::nullopt;
    return static_cast<int32_t>(o.seed * 7919 + battle);
}

std::optional<LoadedFighter> loadPlayer(const fs::path& path, const LoadRules& rules) {
    Result<LoadedMonster> loaded = loadFighterFile(rules, 0, path);
    if (!loaded) {
        printGameError(loaded.error());
        return std::nullopt;
    }
    return LoadedFighter{path, std::move(*loaded)};
}

bool savePlayer(LoadedFighter& player, const EndOfBattle& end, const StatisticsTable& stats) {
    const std::vector<Error> errors = saveBattleRecords({&player, nullptr}, end, stats, RecordKeeping{});
    for (const Error& e : errors) printGameError(e);
    return errors.empty();
}

void printBattle(const SeriesOptions& o, int index, const OpponentChoice& opponent, const EndOfBattle& end) {
    if (o.json) {
        std::cout << jsonLine({{"type", "battle"}, {"index", index}, {"opponent", opponent.record.name},
                               {"mystery", opponent.mystery}, {"winner", end.winner}, {"turns", end.turnCount}})
                  << "\n";
        return;
    }
    if (!opponent.announcement.empty()) std::cout << "  " << opponent.announcement << "\n";
    std::cout << "battle " << index + 1 << ": " << opponent.record.name << (opponent.mystery ? " (mystery)" : "")
              << " — " << (end.winner == 0 ? "won" : "lost") << " in " << end.turnCount << " turns\n";
}

}  // namespace vex::cli
