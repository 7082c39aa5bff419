#pragma once
// The pieces every controller of a battle needs around the engine: the statistics store the
// engine reports into, the number of stages of a program folder, the end of a battle read off
// the engine, and a whole computer-against-computer battle for the headless runs.

#include <memory>
#include <optional>

#include "vexmora/battle/battle.h"
#include "vexmora/battle/battle_stats.h"
#include "vexmora/data/paths.h"
#include "vexmora/battle/statistics_table.h"
#include "vexmora/rules/end_of_battle.h"
#include "vexmora/rules/opponent_choice.h"

namespace vex {

// Feeds the engine's statistics into the table; the largest single hit keeps its maximum.
class StatisticsRecorder final : public BattleStatistics {
public:
    explicit StatisticsRecorder(StatisticsTable& table) : table_(table) {}
    void recordStat(int side, StatCode code, int32_t value) override;

private:
    StatisticsTable& table_;
};

// A battle against a chosen opponent, ready to be seeded and started: the opponent's forced
// stage, the tournament stage's restriction on both fighters, the opponent's forced HP.
std::unique_ptr<Battle> prepareSeriesBattle(const BattleSettings& settings, const MonsterRecord& player,
                                            const MonsterRecord& other, const OpponentChoice* opponent,
                                            RandomSource& random, BattleView& view, BattleStatistics& statistics);

// The end of a finished battle as the results read it.
EndOfBattle endOfBattleFrom(const Battle& battle, int winCount);

struct ComputerBattle {
    BattleSettings settings;        // the mode; both sides are played by the computer
    std::optional<int32_t> seed;    // the battle start's seed; the clock without one
    int stageCount = kStageCountWithoutList;
    int winCount = 0;
};

// Plays one battle between the player's monster and an opponent to its end, the computer
// choosing for both sides, with the opponent's forced stage, HP and the statistics.
EndOfBattle playComputerBattle(const ComputerBattle& setup, const MonsterRecord& player, const OpponentChoice& opponent,
                               Rng& rng, StatisticsTable& statistics, BattleView& view);

}  // namespace vex
