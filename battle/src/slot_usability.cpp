// Which technique slots a fighter may choose now, as the status windows show it before the
// player's input, confusion and the computer read it.

#include <string>

#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex {

namespace {

bool unlocked(const std::string& codes, const TechniqueEntry& entry) {
    auto found = [&](std::string_view code) { return !code.empty() && codes.find(code) != std::string::npos; };
    return found(entry.unlockCode) || found(entry.unlockCode2);
}

}  // namespace

bool isUnlocked(const std::string& unlockCodes, int id) {
    if (id < 0 || id > TechniqueCatalogue::kMaxId) return false;
    return unlocked(unlockCodes, techniqueEntry(id));
}

// The techniques that one of the rules below names; every other technique is decided by the
// rules for all (passive, seal, paralysis, special, cost) alone.
bool hasOwnUsabilityRule(int id) {
    switch (id) {
    case tech::kCureStatus: case tech::kFullCure: case tech::kParalysisReturn: case tech::kMiracle:
    case tech::kBind: case tech::kTaunt: case tech::kForesight: case tech::kJump: case tech::kSelfFell:
    case tech::kLimitBreak: case tech::kLimitCharge: case tech::kSpBlast: case tech::kShoot: case tech::kClone:
    case tech::kBurrow: case tech::kFly: case tech::kHover: case tech::kDiveAttack: case tech::kAirAttack:
    case tech::kZombie: case tech::kGhost: case tech::kFinalAttack: case tech::kGatlingAttack: case tech::kPanic:
        return true;
    default:
        return false;
    }
}

void Battle::computeSlotUsability() {
    for (int side : {0, 1}) {
        FighterState& f = fighter(side);
        const bool paralysed = f.has(kStatusParalysis);
        const bool allSealed = f.has(kStatusAllSeal);
        const double factor = costFactor(side);
        const HeldTechniques& slots = heldTechniques(side);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const auto s = static_cast<size_t>(slot);
            bool usable;
            if (slots.ownRule[s]) {
                usable = slotUsableNow(side, slot);
            } else {
                const int kind = slots.category[s];
                const int16_t cost = f.record.techCost[s];
                const bool special = detail::traitsOf(f.record.techId[s]).special;
                usable = kind != kCategorySkill && f.statusTurns[static_cast<size_t>(kind + 6)] == 0 && !paralysed &&
                         !allSealed && f.sp >= 0 && (cost == 0 || f.sp >= factor * cost) &&
                         !(special && (slots.locked[s] || state_.stageIndex == kTournamentStage));
            }
            f.slotUsable[s] = usable ? kTrue : kFalse;
        }
        f.slotUsable[5] = kTrue;
    }
}

// The rules of slot usability, in their order:
//   1 the category's seal (7-10) is active          12 SPﾌﾞﾗｽﾄ below 6 SP
//   2 paralysed, unless 状態回復/状態全快/麻痺返し    13 射撃 without ammunition
//   3 麻痺返し while not paralysed                    14 Ｆアタック except on the last turn
//   4 奇跡 while 奇跡 is active                       15 分身 with every clone out
//   5 呪縛 while the opponent is bound               16 jumping: 飛行, 潜る; on the ground:
//   6 挑発 while the opponent is sealed                 そのまま滞空します, 落下攻撃, and
//   7 fallen without クイック: 見切り, ジャンプ           滞空攻撃 unless flying
//   8 切腹 above 99 HP unless confused               17 flying: ジャンプ, 潜る
//   9 ﾘﾐｯﾄﾌﾞﾚｲｸ/ﾘﾐｯﾄﾁｬｰｼﾞ with an empty gauge        18 weakened: ジャンプ, 飛行
//  10 a passive ability                              19 ガトリング攻撃: usable, and the only
//  11 Ｆアタック: usable again                            usable slot before it
//  20 ゾンビ/ゴースト without アンデット become アタック
//  21 a special technique without its unlock code, or on the tournament stage
//  22 the cost (奇跡 halves, 呪縛 doubles) is more than the SP, or 全封印 is active
// Every rule but 11 and 19 only forbids, so for any other technique the first rule that
// forbids decides; Ｆアタック and ガトリング攻撃 are decided by the rules after their own.
bool Battle::slotUsableNow(int side, int slot) {
    FighterState& f = fighter(side);
    const FighterState& o = fighter(1 - side);
    const int t = f.record.techId[static_cast<size_t>(slot)];

    if ((t == tech::kZombie || t == tech::kGhost) && !holds(side, tech::kUndead))
        setSlotTechnique(side, slot, tech::kAttackBonus);

    auto specialForbidden = [&] {
        if (t == tech::kPanic || !isSpecialTechnique(t)) return false;
        return state_.stageIndex == kTournamentStage || !unlocked(f.record.unlockCodes(), techniqueEntry(t));
    };
    auto tooCostly = [&] {
        const int16_t cost = f.record.techCost[static_cast<size_t>(slot)];
        return f.has(kStatusAllSeal) || (cost != 0 && f.sp < costFactor(side) * cost) || f.sp < 0;
    };

    if (t == tech::kGatlingAttack) {
        // Once the gatling is wound up it is the only command.
        for (int earlier = 0; earlier < slot; ++earlier) f.slotUsable[static_cast<size_t>(earlier)] = kFalse;
        return !specialForbidden() && !tooCostly();
    }
    if (t == tech::kFinalAttack)
        return state_.turnCount + 1 == settings_.turnLimit && !specialForbidden() && !tooCostly();

    const int kind = category(t);
    if (kind == kCategorySkill) return false;
    if (kind >= 1 && kind <= 4 && f.statusTurns[static_cast<size_t>(kind + 6)] != 0) return false;
    if (f.has(kStatusParalysis) && t != tech::kCureStatus && t != tech::kFullCure && t != tech::kParalysisReturn)
        return false;
    if (f.jumping == kTrue) {
        if (t == tech::kFly || t == tech::kBurrow) return false;
    } else if (t == tech::kHover || t == tech::kDiveAttack || (t == tech::kAirAttack && f.flying != kTrue)) {
        return false;
    }
    switch (t) {
    case tech::kParalysisReturn:
        if (!f.has(kStatusParalysis)) return false;
        break;
    case tech::kMiracle:
        if (f.has(kStatusMiracle)) return false;
        break;
    case tech::kBind:
        if (o.has(kStatusBind)) return false;
        break;
    case tech::kTaunt:
        if ((o.has(kStatusSupportSeal) && o.has(kStatusSpecialSeal)) || o.has(kStatusAllSeal)) return false;
        break;
    case tech::kForesight:
        if (f.has(kStatusFallen) && !holds(side, tech::kQuick)) return false;
        break;
    case tech::kJump:
        if (f.has(kStatusFallen) && !holds(side, tech::kQuick)) return false;
        if (f.flying == kTrue || f.weakMark == 100) return false;
        break;
    case tech::kSelfFell:
        if (f.hp > 99 && !f.has(kStatusConfusion)) return false;
        break;
    case tech::kLimitBreak:
    case tech::kLimitCharge:
        if (f.limitGauge == 0) return false;
        break;
    case tech::kSpBlast:
        if (f.sp < 6) return false;
        break;
    case tech::kShoot:
        if (f.ammo == 0) return false;
        break;
    case tech::kClone:
        if (f.cloneCount == 0) return false;
        break;
    case tech::kBurrow:
        if (f.flying == kTrue) return false;
        break;
    case tech::kFly:
        if (f.weakMark == 100) return false;
        break;
    default:
        break;
    }
    return !specialForbidden() && !tooCostly();
}

bool Battle::slotUsable(int side, int slot) const {
    if (slot < 0 || slot > 5) return false;
    return fighter(side).slotUsable[static_cast<size_t>(slot)] == kTrue;
}

Command Battle::commandForSlot(int side, int slot) const {
    // The two-player keys and the computer do nothing from slot 5; a click on the sixth row
    // and a network peer from slot 0.
    Command nothing = settings_.battleMode == kModeTwoPlayers ? Command::nothing() : Command::nothingFromClick();
    if (slot < 0 || slot >= kSlotCount || !slotUsable(side, slot)) return nothing;
    return Command::fromSlot(fighter(side).record, slot);
}

}  // namespace vex
