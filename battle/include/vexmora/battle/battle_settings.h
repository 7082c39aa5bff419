#pragma once
// The settings a battle runs under: chosen in the settings dialog, or taken from the host's
// settings block in a network battle.

#include "vexmora/data/stage_list.h"
#include <cstdint>

namespace vex {

enum BattleMode : int16_t {
    kModeFree = 0,         // フリー対戦(vsCOM): the computer plays fighter 1
    kModeScenario = 1,
    kModeTwoPlayers = 2,   // フリー対戦(vsMAN): both commands come from the keyboard
    kModeNetwork = 3,
    kModeElimination = 4,  // 勝ち抜き戦
    kModeEditor = 7,       // marks the editor menu; no battle
};

inline constexpr int16_t kRandomStage = 99;
inline constexpr int16_t kRandomGroundStage = -1;
inline constexpr int16_t kRandomWaterStage = -2;
inline constexpr int16_t kTournamentStage = 5;
inline constexpr int16_t kMysteryStage = 7;

struct BattleSettings {
    int16_t battleMode = kModeFree;
    int16_t initialHp = 1000;
    int16_t initialSp = 10;
    int16_t turnLimit = 50;        // 0: no limit
    int16_t spectatorMode = 0;     // -1: the computer also plays fighter 0
    int16_t animationOn = -1;
    int16_t tournamentRules = 0;
    int16_t stageIndex = kRandomStage;
    int16_t isHost = -1;           // network only: 0 on the client

    // The client of a network battle runs every per-fighter loop as fighter 1, then fighter 0,
    // and mirrors the speed roll, so that both programs draw the same numbers for the same
    // monster (each program holds its own monster as fighter 0).
    bool mirrored() const { return battleMode == kModeNetwork && isHost == 0; }
    // Whether the computer chooses a fighter's command (chooseCommand) in this mode.
    bool computerPlays(int side) const {
        if (side == 0) return spectatorMode == -1;
        return battleMode == kModeFree || battleMode == kModeScenario || battleMode == kModeElimination;
    }
};

}  // namespace vex
