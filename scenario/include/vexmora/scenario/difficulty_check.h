#pragma once
// 難易度チェック: a monster played through a scenario many times by the computer, continuing
// as often as the scenario's limits allow, to see how often each boss falls and how often the
// whole run is cleared. Nothing is written to any file.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "vexmora/data/monster_record.h"
#include "vexmora/data/paths.h"
#include "vexmora/data/result.h"

namespace vex {

// A share with its 95 % interval (Wilson score), for `count` successes in `total` tries.
struct Share {
    int count = 0;
    int total = 0;
    double rate() const { return total > 0 ? static_cast<double>(count) / total : 0.0; }
    double low() const;
    double high() const;
};

struct BossTally {
    int entry = 0;      // 0-9
    std::string name;
    int reached = 0;    // runs that met this boss
    int beaten = 0;     // runs that beat it
    int battles = 0;    // battles fought against it, continues included
    int wins = 0;
    // Of all runs, the share that got past this boss.
    Share pastIt(int runs) const { return {beaten, runs}; }
};

struct DifficultyReport {
    int runs = 0;
    int cleared = 0;      // the last boss beaten (or every set boss)
    int endings = 0;      // the ninth battle won with too many continues: the short ending
    int battles = 0;
    int mysteries = 0;    // mystery challengers met
    std::vector<BossTally> bosses;  // the set entries, in order
    Share clearShare() const { return {cleared, runs}; }
};

struct DifficultyCheck {
    fs::path scenarioBase;            // folder and name without ".sce"
    fs::path programFolder;
    int runs = 100;
    std::optional<uint32_t> seed;     // a repeatable check; the clock without one
    int maxBattlesPerRun = 200;       // a run that never ends is stopped here
    // Called after each run with the runs done; false stops the check early.
    std::function<bool(int done)> progress;
};

// Plays the check. A scenario that does not read, or a boss that does not match its entry, is an
// error carrying the game's message.
Result<DifficultyReport> checkDifficulty(const DifficultyCheck& check, const MonsterRecord& player);

// The report as text for the editor's window and the terminal.
std::string describeDifficulty(const DifficultyReport& report);

}  // namespace vex
