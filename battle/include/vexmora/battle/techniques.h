#pragma once
// The technique dispatch: what a technique does when a fighter uses it, found by its id in one
// table (technique_table.cpp), each row beside its numbers.
//
// The contract of a handler: executeAction has already checked that the fighter can act
// (paralysis, cost, seals, a trap), paid the SP through useTechnique and resolved コピー. The
// handler performs the technique itself — hits through attackHit, statuses through
// applyStatus, HP through changeHp, SP through changeSp — and returns; the common tail of
// the action follows (surfacing, landing, the jump, tripping). `attacker` is A, the other
// fighter D = 1 - A; techLevel(A) is the level L of A's current slot.
//
// An id without a row does nothing when used (passive abilities, 防御, ｶｳﾝﾀｰ, 回避 and the
// rest: their effect lies in the hit, damage and status rules). A row without a handler is
// a technique still to be built: using it is reported as not implemented.

#include <cstdint>

#include "vexmora/data/numbers.h"

namespace vex {

class Battle;
struct TechniqueRule;
using TechniqueHandler = void (*)(Battle& battle, int attacker, const TechniqueRule& rule);
using TurnsRule = int (*)(Battle& battle);

enum class TechniqueGroup {
    PlainAttack,      // one hit of power + powerPerLevel·L
    FollowUpAttack,   // one hit, then a status on D when it landed and r > threshold
    MultiHitAttack,
    Status,
    StatChange,
    Recovery,
    SkillPoints,
    Special,
    Movement,
};

struct TechniqueRule {
    int16_t id = 0;
    TechniqueGroup group = TechniqueGroup::PlainAttack;
    TechniqueHandler perform = nullptr;  // nullptr: not built yet
    int16_t power = 0;
    int16_t powerPerLevel = 0;
    int16_t soundBefore = -1;            // an effect sound played before the hit
    Fix4 threshold{};                    // follow-up attacks: the status needs r > threshold
    int16_t status = 0;                  // follow-up attacks: the status put on D
    TurnsRule turns = nullptr;           // follow-up attacks: its duration
    int16_t hits = 1;                    // multi-hit attacks with a fixed count
};

// The row of a technique id, or nullptr when using it does nothing here.
const TechniqueRule* techniqueRule(int id);
// Performs the attacker's current technique by its row.
void performTechnique(Battle& battle, int attacker);

}  // namespace vex
