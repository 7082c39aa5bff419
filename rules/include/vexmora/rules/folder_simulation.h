#pragma once
// The balance lab's run: one monster against every monster file of a folder, many battles
// each, on all cores. Reads the folder's files, writes nothing.

#include <string>
#include <vector>

#include "vexmora/battle/simulation.h"
#include "vexmora/data/monster_record.h"
#include "vexmora/data/paths.h"
#include "vexmora/data/result.h"

namespace vex {

inline constexpr int64_t kDefaultLabBattles = 1000;

struct FolderOpponent {
    fs::path file;
    MonsterRecord record;
};

struct FolderOpponents {
    std::vector<FolderOpponent> opponents;  // by file name
    std::vector<std::string> skipped;       // "file: reason" for files that may not fight
};

// The "*.tvx" files of `folder` that load and may fight as an opponent (what an elimination
// run would accept). Uses the process generator: call it before any run starts.
FolderOpponents loadFolderOpponents(const fs::path& folder);

struct FolderSimulation {
    std::vector<FolderOpponent> opponents;
    std::vector<std::string> skipped;
    SeriesResult series;  // series.perOpponent[i] belongs to opponents[i]
};

// `monster` as fighter 0 against each opponent, `setup.battles` battles each. An error when the
// folder holds no monster that may fight.
Result<FolderSimulation> simulateAgainstFolder(const MonsterRecord& monster, const fs::path& folder,
                                               const SimulationSetup& setup, const SimulationControl& control = {});
// The same against opponents already loaded.
FolderSimulation simulateAgainst(const MonsterRecord& monster, FolderOpponents opponents,
                                 const SimulationSetup& setup, const SimulationControl& control = {});

// Per slot of `monster`: the technique's tally of side 0 in `result` (zero counts for an
// empty slot or a technique the computer never picked).
std::vector<TechniqueTally> slotTallies(const MonsterRecord& monster, const SimulationResult& result);
// The tallies of several results added up, slot by slot.
std::vector<TechniqueTally> slotTallies(const MonsterRecord& monster, const std::vector<SimulationResult>& results);

}  // namespace vex
