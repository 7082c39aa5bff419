#pragma once
// What is tested when a monster is put into a fighter, by mode.

#include <optional>

#include "vexmora/battle/battle_settings.h"
#include "vexmora/data/dialogs.h"
#include "vexmora/data/monster_record.h"

namespace vex {

// The one rare monster a player may bring into elimination and scenario runs.
inline constexpr const char* kPermittedRareName = "Ｅ４　キラービー";

// A rare monster: makerVersion with the numeric value 0 (a system monster saved in debug mode).
bool isRareMonster(const MonsterRecord& record);
// Ordinary: neither system data ("9.99") nor rare.
bool isOrdinaryMonster(const MonsterRecord& record);

// The message that refuses `record` as fighter `side` in `mode`, or nothing when it may fight.
std::optional<DialogRequest> refuseFighter(int16_t mode, int side, const MonsterRecord& record);

}  // namespace vex
