// The attacking techniques: plain attacks, attacks with a follow-up status and multi-hit
// attacks. Their numbers are in technique_table.cpp.

#include <string>

#include "technique_handlers.h"
#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::handlers {

namespace {

int16_t powerOf(Battle& battle, int attacker, const TechniqueRule& rule) {
    return sat16(static_cast<int64_t>(rule.power) + static_cast<int64_t>(rule.powerPerLevel) * battle.techLevel(attacker));
}

// hitSequence is 0 on the first hit, 2 on a middle hit and 1 on the last.
void hits(Battle& battle, int attacker, int count, int powerValue) {
    for (int i = 0; i < count; ++i) {
        battle.state().hitSequence = static_cast<int16_t>(i == 0 ? 0 : (i == count - 1 ? 1 : 2));
        battle.attackHit(attacker, powerValue);
    }
}

}  // namespace

void plainAttack(Battle& battle, int attacker, const TechniqueRule& rule) {
    if (rule.soundBefore >= 0) battle.tell(event::Sound{rule.soundBefore});
    battle.attackHit(attacker, powerOf(battle, attacker, rule));
}

void airRaid(Battle& battle, int attacker, const TechniqueRule& rule) {
    battle.attackHit(attacker, powerOf(battle, attacker, rule));
    battle.applyStatus(1 - attacker, kStatusParalysis, 2);
}

void followUpAttack(Battle& battle, int attacker, const TechniqueRule& rule) {
    battle.attackHit(attacker, powerOf(battle, attacker, rule));
    if (battle.state().missFlag != kFalse) return;
    battle.statusAfterHit(attacker, rule.status, rule.threshold, true, rule.turns);
}

int impactTurns(Battle& battle, int) { return static_cast<int>(intOf(0.6_fx, battle.battleRandom(), 1.8_fx)); }
int heavyBlowTurns(Battle& battle, int) { return static_cast<int>(intOf(0.6_fx, battle.battleRandom(), 2.8_fx)); }
int poisonStrikeTurns(Battle& battle, int) { return battle.poisonStrikeTurns(); }

void fixedHits(Battle& battle, int attacker, const TechniqueRule& rule) {
    hits(battle, attacker, rule.hits, rule.power);
}

// 乱れ打ち: 3 to 5 hits.
void flurry(Battle& battle, int attacker, const TechniqueRule& rule) {
    int n = static_cast<int>(battle.takeFloor(battle.battleRandom(), DrawPurpose::HitCount, 2.4_fx, 2_fx));
    hits(battle, attacker, n + 1, rule.power);
}

// ガトリング攻撃: ten hits, after which the gatling has to be wound up again.
void gatlingAttack(Battle& battle, int attacker, const TechniqueRule& rule) {
    hits(battle, attacker, rule.hits, rule.power);
    FighterState& f = battle.fighter(attacker);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (f.record.techId[static_cast<size_t>(slot)] != tech::kGatlingAttack) continue;
        battle.setSlotTechnique(attacker, slot, tech::kGatling);
        f.record.techCost[static_cast<size_t>(slot)] = 0;
    }
}

// Ｆアタック: seven hits that run through the elements 0 to 6; the damage rule sets each to a
// seventh of the defender's maximum HP.
void finalAttack(Battle& battle, int attacker, const TechniqueRule& rule) {
    FighterState& f = battle.fighter(attacker);
    for (int k = 0; k < rule.hits; ++k) {
        for (int slot = 0; slot < kSlotCount; ++slot)
            if (f.record.techId[static_cast<size_t>(slot)] == tech::kFinalAttack) f.record.techElement(slot) = std::to_string(k);
        battle.state().hitSequence = static_cast<int16_t>(k == 0 ? 0 : (k == rule.hits - 1 ? 1 : 2));
        battle.attackHit(attacker, rule.power);
    }
}

}  // namespace vex::handlers
