#pragma once
// The battle settings dialog's rules: its choices, and the tournament rules that force and
// lock some of them.

#include <array>
#include <optional>

#include "vexmora/battle/battle_settings.h"
#include "vexmora/data/dialogs.h"
#include "vexmora/data/monster_record.h"

namespace vex {

inline constexpr std::array<int16_t, 3> kHpChoices = {1000, 1500, 2000};
inline constexpr std::array<int16_t, 3> kSpChoices = {0, 10, 100};
inline constexpr std::array<int16_t, 4> kTurnChoices = {0, 30, 50, 80};  // 0: "なし"

// Ticking 大会ルール: HP 1000, SP 10, 50 turns and the tournament stage, locked until it is
// unticked. Refused (with its message) while a network opponent allows rare monsters.
std::optional<DialogRequest> tickTournamentRules(BattleSettings& settings, bool opponentAllowsRareMonsters);
void untickTournamentRules(BattleSettings& settings);
// Whether the HP, SP, turn and stage choices are locked.
bool tournamentLocks(const BattleSettings& settings);

// On the tournament stage special techniques are taken out of both fighters' slots.
void applyTournamentRestriction(MonsterRecord& fighter, int16_t stageIndex);

// The HP a loaded fighter shows before the battle: 200 more for every slot holding タフネス.
int16_t displayedHp(const BattleSettings& settings, const MonsterRecord* fighter);

}  // namespace vex
