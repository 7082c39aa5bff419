#pragma once
// The fighters of a battle screen and the statistics they carry, with the guards against
// tampered data: a tampered system monster, or a statistics table that no longer adds up,
// ends the game; a monster the mode refuses leaves its side empty. The session shows what the
// roster answers and ends the game when it says so.

#include <array>
#include <optional>

#include "vexmora/battle/statistics_table.h"
#include "vexmora/data/dialogs.h"
#include "vexmora/rules/battle_records.h"
#include "vexmora/rules/mode_policy.h"
#include "vexmora/rules/opponent_choice.h"
#include "vexmora/rules/series_battle.h"

namespace vex::ui {

// Why a monster did not go in, or why the game must end.
struct RosterRefusal {
    DialogRequest message;
    bool endsGame = false;
};

class Roster {
public:
    Roster() = default;
    Roster(const Roster&) = delete;
    Roster& operator=(const Roster&) = delete;

    bool has(int side) const { return fighters_[index(side)].has_value(); }
    const LoadedFighter* fighter(int side) const;

    // Puts a monster into fighter `side` with the checks of the mode: tampered system data
    // ends the game, a refused monster empties the side, and the statistics it brings must
    // add up. A reseed the mode asks for happens here.
    std::optional<RosterRefusal> put(const ModePolicy& policy, int side, fs::path file, LoadedMonster monster);
    // A fighter as a replay recorded it: it fought once already, so nothing is checked.
    void placeRecorded(int side, LoadedMonster monster);
    // Fighter 1 as the mode chose it for the next battle.
    void takeOpponent(const OpponentChoice& opponent);
    void clear(int side) { fighters_[index(side)].reset(); }

    // The statistics table's guard: the message that ends the game when it was tampered with.
    std::optional<RosterRefusal> tampered() const;

    StatisticsTable& statistics() { return statistics_; }
    StatisticsRecorder& recorder() { return recorder_; }
    // The fighters whose records a battle's end changes.
    std::array<LoadedFighter*, 2> forRecords();

private:
    static size_t index(int side) { return side == 0 ? 0 : 1; }

    std::array<std::optional<LoadedFighter>, 2> fighters_;
    StatisticsTable statistics_;
    StatisticsRecorder recorder_{statistics_};
};

}  // namespace vex::ui
