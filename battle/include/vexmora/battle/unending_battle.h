#pragma once
// Where a battle played without a person stops when nobody can end it: both fighters only
// wait, or they stay level at the turn limit, which decides nothing while their HP are equal.
// The balance simulator, the editor's balance lab, vexmora-cli battle and the computer's runs
// through elimination and scenarios all stop there; the battle then counts as unfinished.

#include "vexmora/battle/battle_settings.h"

namespace vex {

inline constexpr int kUnendingTurnsWithoutLimit = 10000;

// Ten times the turn limit, or 10000 turns without a limit.
constexpr int unendingBattleCap(const BattleSettings& settings) {
    return settings.turnLimit > 0 ? 10 * static_cast<int>(settings.turnLimit) : kUnendingTurnsWithoutLimit;
}

}  // namespace vex
