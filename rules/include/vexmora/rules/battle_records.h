#pragma once
// After a battle the fighters' files are read again, the result is counted into them and they
// are saved: a file changed while the battle ran (another copy of the game, the editor) keeps
// its changes. The game and the command-line runs both go through here.

#include <array>
#include <vector>

#include "vexmora/data/monster_file.h"
#include "vexmora/data/result.h"
#include "vexmora/battle/statistics_table.h"
#include "vexmora/rules/end_of_battle.h"

namespace vex {

// A fighter as it was loaded: where from, and the monster with its picture.
struct LoadedFighter {
    fs::path file;
    LoadedMonster monster;
};

// Which records a battle changes.
struct RecordKeeping {
    bool countPlayer = true;        // fighter 0's result is counted into its record
    bool countSecondPlayer = false; // two players at one keyboard: fighter 1's too
    bool save = true;               // and written back (a spectated battle only counts)
};

// Reloads, counts and saves what `keeping` asks for; the fighters in memory take the counted
// records. Returns the errors to show (a file that no longer reads, a failed save).
std::vector<Error> saveBattleRecords(std::array<LoadedFighter*, 2> fighters, const EndOfBattle& end,
                                     const StatisticsTable& stats, RecordKeeping keeping);

}  // namespace vex
