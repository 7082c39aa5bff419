#pragma once
// What is tested when a monster is put into a fighter, by mode.

#include <optional>

#include "vexmora/battle/battle_settings.h"
#include "vexmora/data/dialogs.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/monster_record.h"
#include "vexmora/data/result.h"

namespace vex {

// The one rare monster a player may bring into elimination and scenario runs.
inline constexpr const char* kPermittedRareName = "Ｅ４　キラービー";

// A rare monster: makerVersion with the numeric value 0 (a system monster saved in debug mode).
bool isRareMonster(const MonsterRecord& record);
// Ordinary: neither system data ("9.99") nor rare.
bool isOrdinaryMonster(const MonsterRecord& record);

// The message that refuses `record` as fighter `side` in `mode`, or nothing when it may fight.
std::optional<DialogRequest> refuseFighter(int16_t mode, int side, const MonsterRecord& record);

// Reads a monster file into a fighter with every check: a file that does not read gives
// "エラーが発生しました" with the reason, tampered system data ends the game, a refused monster
// gives its message; in scenario mode an unreadable boss ends the game and a boss without
// integrity text is refused. The error's endsGame tells the controller to end the game.
Result<LoadedMonster> loadFighterFile(int16_t mode, int side, const fs::path& path);
// Loading a system or rare monster outside network mode reseeds the generator from the clock.
bool reseedsAfterLoad(int16_t mode, const MonsterRecord& record);

}  // namespace vex
