#pragma once
// The end of a battle, as rules: what the result says, which statistics it adds, and how the
// fighters' stored records change. The battle screen shows the result (its steps, fades,
// colours, positions and music are the screen's: ui/battle_model/result_steps.h); the command-line tool applies only
// the record changes.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "vexmora/data/monster_record.h"
#include "vexmora/battle/statistics_table.h"

namespace vex {

class ModePolicy;

struct SideOutcome {
    std::string name;
    int16_t hp = 0;
    int16_t maxHp = 0;
    int16_t sp = 0;
    bool selfFelled = false;   // 切腹
    bool fled = false;         // 逃げる
    bool rare = false;         // makerVersion with the numeric value 0
    std::string lineWin;
    std::string lineLose;
};

struct EndOfBattle {
    int winner = 0;
    int16_t mode = 0;
    bool spectator = false;
    int turnCount = 0;
    std::array<SideOutcome, 2> side;
    int winCount = 0;          // of the elimination or scenario run, this battle included
    bool network = false;
    bool peerDiffers = false;  // the network peer's address is not our own
};

struct ResultPresentation {
    std::string label;        // "ＷＩＮ！！", "3ＷＩＮ！！", "ＬＯＳＥ・・・", "大敗北！！"
    std::string name;         // the name shown with the label
    bool win = false;         // shown as a win
    bool crushing = false;
    std::optional<std::string> winnerLine;  // shown in the winner's speech bubble
    std::optional<std::string> loserLine;
};

inline constexpr const char* kWinLabel = "ＷＩＮ！！";

// A defeat is crushing unless the winner is not "もげげ" or "メタルもげげ", the battle reached
// turn 4, and the winner has 800 HP or less left.
bool crushingDefeat(const EndOfBattle& end);
// The result as the mode's policy words it: whether the end shows as a win, and its label.
ResultPresentation presentResult(const EndOfBattle& end, const ModePolicy& policy);

// The statistics every battle adds at its end.
void recordEndStatistics(StatisticsTable& stats, const EndOfBattle& end);

// The player's (fighter 0's) record after the battle: wins, losses, network counters and,
// after a network battle against another machine, the history text.
void updatePlayerRecord(MonsterRecord& player, const EndOfBattle& end, const StatisticsTable& stats);
// Two players at one keyboard: the second player's record.
void updateSecondPlayerRecord(MonsterRecord& second, const EndOfBattle& end);

}  // namespace vex
