#pragma once
// What is tested when a monster is put into a fighter. Each mode's policy holds its own
// LoadRules (mode_policy.h and beside the other policies); the tests here apply them.

#include <array>
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

// Why `record` may not fight as fighter `side` under a mode's load rules.
enum class FighterRefusal {
    SystemData,      // "9.99" outside the modes that bring their own system monsters
    TooManyPoints,   // an ordinary monster with |ATK| + |DEF| + |SPD| above 1000
    RareInElimination,
    RareInScenario,
};

// What a mode lets into its fighters.
struct LoadRules {
    // Whether system data may fight as fighter 0 and as fighter 1.
    std::array<bool, 2> systemData{false, false};
    // The refusal of a rare monster as fighter 0 (the permitted one aside); nothing: welcome.
    std::optional<FighterRefusal> rarePlayer;
    // Every fighter's file must carry its integrity text, and an unreadable fighter 1 (the
    // boss) ends the game.
    bool strictFiles = false;
    // Loading a system or rare monster reseeds the generator from the clock.
    bool reseedsOnSpecial = true;
    // The loading dialog lists system-data files for a fighter.
    bool listsSystemFiles = true;
};

std::optional<FighterRefusal> fighterRefusal(const LoadRules& rules, int side, const MonsterRecord& record);
// The message that refuses `record` as fighter `side`, or nothing when it may fight.
std::optional<DialogRequest> refuseFighter(const LoadRules& rules, int side, const MonsterRecord& record);

// The receiving side of a network battle puts the opponent's monster through the same tests:
// tampered system data, system data, points over 1000; and a rare monster needs this side's
// permission ("レアキャラ使用可") and never fights under the tournament rules. The text that
// tells the player why, or nothing when it may fight.
std::optional<std::string> refuseNetworkOpponent(const LoadedMonster& monster, bool rareAllowedHere, bool tournament);

// Reads a monster file into a fighter with every check: a file that does not read gives
// "エラーが発生しました" with the reason, tampered system data ends the game, a refused monster
// gives its message; under strict files an unreadable boss ends the game and a file without
// integrity text is refused. The error's endsGame tells the controller to end the game.
Result<LoadedMonster> loadFighterFile(const LoadRules& rules, int side, const fs::path& path);
// Whether loading `record` reseeds the generator from the clock (a system or rare monster).
bool reseedsAfterLoad(const LoadRules& rules, const MonsterRecord& record);

}  // namespace vex
