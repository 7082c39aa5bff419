#pragma once
// What the elimination and scenario commands share: their options, the seeds of a repeatable
// run, loading and saving the player's monster, and the line printed per battle.

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <vector>

#include "vexmora/data/monster_file.h"
#include "vexmora/data/rng.h"
#include "vexmora/rules/battle_records.h"
#include "vexmora/rules/fighter_checks.h"
#include "vexmora/rules/series_battle.h"

namespace vex::cli {

struct SeriesOptions {
    std::vector<std::string> files;
    int64_t seed = 0;
    bool seedGiven = false;
    int64_t maxBattles = 1000;
    bool json = false;
};

// --seed N and --json; elimination adds --max-battles.
void addSeriesOptions(CLI::App* command, SeriesOptions& options);

// Seeds the generator before an opponent is chosen: from the clock, or — for a repeatable
// run — from the seed and the battle's number.
void seedChoice(Rng& rng, const SeriesOptions& o, int battle);
std::optional<int32_t> battleSeed(const SeriesOptions& o, int battle);

// The player's monster as the mode loads it: a refused monster stops the run with its message.
std::optional<LoadedFighter> loadPlayer(const fs::path& path, const LoadRules& rules);
// After a battle: the player's file read again, the result counted and saved.
bool savePlayer(LoadedFighter& player, const EndOfBattle& end, const StatisticsTable& stats);

void printBattle(const SeriesOptions& o, int index, const OpponentChoice& opponent, const EndOfBattle& end);

}  // namespace vex::cli
