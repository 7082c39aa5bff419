#pragma once
// The settings a network battle is played with. The host's rule the battle; a client adopts
// them only when they are ones the settings dialog offers, since a battle the other program
// cannot play the same way would part the two programs at the first turn.

#include <string>

#include "vexmora/battle/battle_settings.h"

namespace vex::net {

// The host's chosen settings as they travel: the tournament rules mean stage 5 with HP 1000,
// SP 10 and 50 turns, and stage 5 means the tournament rules. Never spectated.
BattleSettings networkSettings(const BattleSettings& chosen);

// Why these HP, SP, turn limit and stage cannot be played, in the player's words; empty when
// they can: HP 1000, 1500 or 2000, SP 0, 10 or 100, turns 0 (none), 30, 50 or 80, and the
// random stage (99) or a stage number 0-98.
std::string settingsProblem(int hp, int sp, int turnLimit, int stage);

}  // namespace vex::net
