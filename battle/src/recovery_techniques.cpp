// The recovery techniques: healing, the cures, ＨＰ吸収 and 祈り.

#include <algorithm>

#include "technique_handlers.h"
#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::handlers {

namespace {

constexpr Rgb kCured{0, 255, 255};

}  // namespace

void heal(Battle& battle, int attacker, const TechniqueRule& rule) {
    FighterState& a = battle.fighter(attacker);
    int16_t& uses = a.useCounts[static_cast<size_t>(rule.useCounter)];
    uses = sat16(static_cast<int64_t>(uses) - 1);
    const Fix4 base = Fix4::fromInt(100 + 80 * static_cast<int64_t>(battle.techLevel(attacker)));
    healBy(battle, attacker, static_cast<int>(std::clamp<int64_t>(cintOf(50_fx, battle.battleRandom(), base), 0, 32767)));
}

// 気合い heals what has built up since its last use.
void spirit(Battle& battle, int attacker, const TechniqueRule&) {
    FighterState& a = battle.fighter(attacker);
    const int64_t amount = cintOf(10_fx, battle.battleRandom(), Fix4::fromInt(a.powerReserve));
    a.powerReserve = 0;
    healBy(battle, attacker, static_cast<int>(std::clamp<int64_t>(amount, 0, 32767)));
}

void cureStatus(Battle& battle, int attacker, const TechniqueRule&) {
    battle.tell(event::Sound{28});
    battle.showCaption(attacker, "状態回復", kCured, 0);
    clearStatuses(battle.fighter(attacker), {kStatusParalysis, kStatusPoison, kStatusConfusion});
    battle.computeSlotUsability();
    battle.tell(event::Redraw{RedrawTarget::StatusWindows});
}

void fullCure(Battle& battle, int attacker, const TechniqueRule&) {
    battle.tell(event::Sound{28});
    battle.showCaption(attacker, "状態全快", kCured, 0);
    fullCureOf(battle, attacker, false);
}

// ＨＰ吸収: the damage dealt comes back as HP (half of it from a メタル opponent). A
// ｶｳﾝﾀｰ turned the hit back: nothing was taken, only the sound plays.
void hpDrain(Battle& battle, int attacker, const TechniqueRule& rule) {
    const int defender = 1 - attacker;
    battle.attackHit(attacker, sat16(static_cast<int64_t>(rule.powerPerLevel) * battle.techLevel(attacker)));
    const FighterState& a = battle.fighter(attacker);
    const FighterState& d = battle.fighter(defender);
    if (d.hp <= 0 || battle.state().missFlag != kFalse) return;
    int gain = battle.state().damage;
    if (battle.holds(defender, tech::kMetal)) gain = static_cast<int>(cint(gain * 0.5));
    gain = std::clamp(gain, 0, std::max(0, a.maxHp - a.hp));
    battle.tell(event::Sound{28});
    if (d.currentTech != tech::kCounter) battle.changeHp(attacker, -gain);
}

// 祈り: one of twelve outcomes on the user, three of them nothing.
void prayer(Battle& battle, int attacker, const TechniqueRule&) {
    FighterState& a = battle.fighter(attacker);
    const int k = static_cast<int>(intOf(12, battle.battleRandom()));
    auto raise = [&](int16_t& modifier, const char* caption) {
        battle.tell(event::Sound{26});
        modifier = sat16(static_cast<int64_t>(modifier) + 400);
        battle.showCaption(attacker, caption, {0, 255, 85}, 0);
    };
    switch (k) {
    case 0:
        healBy(battle, attacker, static_cast<int>(cintOf(50_fx, battle.battleRandom(), 120_fx)));
        break;
    case 1: raise(a.atkMod, "攻撃↑"); break;
    case 2: raise(a.defMod, "防御↑"); break;
    case 3: raise(a.spdMod, "速さ↑"); break;
    case 4:
        battle.applyStatus(attacker, kStatusGuard, 3 + static_cast<int>(intOf(3, battle.battleRandom())));
        break;
    case 5:
        battle.tell(event::Sound{26});
        battle.applyStatus(attacker, kStatusAccuracyUp, 4 + static_cast<int>(intOf(2, battle.battleRandom())));
        break;
    case 6:
        battle.tell(event::Sound{26});
        battle.showCaption(attacker, "状態全快", kCured, 0);
        fullCureOf(battle, attacker, true);
        break;
    case 7: battle.applyStatus(attacker, kStatusFocus, 2); break;
    case 8: battle.applyStatus(attacker, kStatusMiracle, 3); break;
    default: battle.showCaption(attacker, "失敗", {150, 150, 150}, 0); break;
    }
}

}  // namespace vex::handlers
