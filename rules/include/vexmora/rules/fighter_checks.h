#pragma once
// What is tested when a monster is put into a fighter, by mode.

#include <optional>

#include "vexmora/battle/battle_settings.h"
#include "vexmora/data/dialogs.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/monster_kind.h"
#include "vexmora/data/monster_record.h"
#include "vexmora/data/result.h"

namespace vex {

// The one rare monster a player may bring into elimination and scenario runs.
inline constexpr const char* kPermittedRareName = "Ｅ４　キラービー";

// Why `record` may not fight as fighter `side` in `mode`.
enum class FighterRefusal {
    SystemData,      // "9.99" outside the modes that bring their own system monsters
    TooManyPoints,   // an ordinary monster with |ATK| + |DEF| + |SPD| above 1000
    RareInElimination,
    RareInScenario,
};
std::optional<FighterRefusal> fighterRefusal(int16_t mode, int side, const MonsterRecord& record);
// The message that refuses `record` as fighter `side` in `mode`, or nothing when it may fight.
std::optional<DialogRequest> refuseFighter(int16_t mode, int side, const MonsterRecord& record);

// The receiving side of a network battle puts the opponent's monster through the same tests:
// tampered system data, system data, points over 1000; and a rare monster needs this side's
// permission ("レアキャラ使用可") and never fights under the tournament rules. The text that
// tells the player why, or nothing when it may fight.
std::optional<std::string> refuseNetworkOpponent(const LoadedMonster& monster, bool rareAllowedHere, bool tournament);

// Reads a monster file into a fighter with every check: a file that does not read gives
// "エラーが発生しました" with the reason, tampered system data ends the game, a refused monster
// gives its message; in scenario mode an unreadable boss ends the game and a boss without
// integrity text is refused. The error's endsGame tells the controller to end the game.
Result<LoadedMonster> loadFighterFile(int16_t mode, int side, const fs::path& path);
// Loading a system or rare monster outside network mode reseeds the generator from the clock.
bool reseedsAfterLoad(int16_t mode, const MonsterRecord& record);

}  // namespace vex
