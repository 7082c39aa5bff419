#include "vexmora/rules/battle_config.h"

#include "vexmora/data/numbers.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex {

namespace {
constexpr int16_t kToughness = 43;
}

std::optional<DialogRequest> tickTournamentRules(BattleSettings& settings, bool opponentAllowsRareMonsters) {
    if (opponentAllowsRareMonsters) {
        return DialogRequest{"設定不可", "対戦相手がレアキャラを\r\n有効にしているため大会ルールは\r\n適用できません",
                             DialogIcon::Warning, DialogButtons::Ok};
    }
    settings.stageIndex = kTournamentStage;
    settings.initialHp = 1000;
    settings.initialSp = 10;
    settings.turnLimit = 50;
    settings.tournamentRules = -1;
    return std::nullopt;
}

void untickTournamentRules(BattleSettings& settings) { settings.tournamentRules = 0; }

bool tournamentLocks(const BattleSettings& settings) { return settings.tournamentRules != 0; }

void applyTournamentRestriction(MonsterRecord& fighter, int16_t stageIndex) {
    if (stageIndex != kTournamentStage) return;
    for (int k = 0; k < kSlotCount; ++k)
        if (techniqueEntry(fighter.techId[k]).isSpecial()) fighter.techId[k] = kEmptyTech;
}

int16_t displayedHp(const BattleSettings& settings, const MonsterRecord* fighter) {
    int toughness = 0;
    if (fighter)
        for (int16_t id : fighter->techId)
            if (id == kToughness) ++toughness;
    return sat16(int64_t{settings.initialHp} + 200 * toughness);
}

}  // namespace vex
