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
// rest: their effect lies in the hit, damage and status rules). Every row has a handler; the
// numbers a handler shares with its group (powers, statuses, durations, use counters) sit in
// the row, the rest in the handler.
//
// Draws: a handler draws only what its rule writes, in the order written, and only once the
// conditions written before a draw hold (a duration is drawn only after the hit check landed).

#include <cstdint>

#include "vexmora/data/numbers.h"

namespace vex {

class Battle;
struct TechniqueRule;
using TechniqueHandler = void (*)(Battle& battle, int attacker, const TechniqueRule& rule);
// A duration (or amount) drawn for the attacker's technique: its draws happen when it is asked.
using TurnsRule = int (*)(Battle& battle, int attacker);

enum class Target : int8_t { Self, Opponent };
enum class Stat : int8_t { Attack, Defence, Speed };

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
    TechniqueHandler perform = nullptr;
    int16_t power = 0;
    int16_t powerPerLevel = 0;
    int16_t soundBefore = -1;            // an effect sound played before the hit
    Fix4 threshold{};                    // follow-up attacks: the status needs r > threshold
    int16_t status = 0;                  // follow-up attacks and status techniques: the status
    TurnsRule turns = nullptr;           // ... and its duration
    int16_t hits = 1;                    // multi-hit attacks with a fixed count
    // Status techniques: who gets the status, whether a hit check comes first, and the use
    // counter that one use spends (-1: none), spent before the check.
    Target target = Target::Opponent;
    bool hitCheckFirst = false;
    int8_t useCounter = -1;
    Stat stat = Stat::Attack;            // stat changes: the stat raised or lowered
    int8_t trapKind = 0;                 // traps: the kind of technique that springs it
};

// The row of a technique id, or nullptr when using it does nothing here.
const TechniqueRule* techniqueRule(int id);
// Performs the attacker's current technique by its row.
void performTechnique(Battle& battle, int attacker);

// The power of SPﾌﾞﾗｽﾄ spending s SP (s >= 6), before CInt: s^2.6 up to 10 SP, then
// 10^2.6 + 11.125·s up to 50, then (4·s)^0.99 + 761: a large store of SP makes a strong hit,
// never an extreme one.
double spBlastPower(int sp);

}  // namespace vex
