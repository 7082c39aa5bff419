#pragma once
// The handlers the technique table points to, grouped by kind in their own files, and the few
// helpers more than one group needs.

#include <initializer_list>

#include "vexmora/battle/battle_state.h"
#include "vexmora/battle/techniques.h"

namespace vex::handlers {

// attack_techniques.cpp
void plainAttack(Battle& battle, int attacker, const TechniqueRule& rule);
void airRaid(Battle& battle, int attacker, const TechniqueRule& rule);
void followUpAttack(Battle& battle, int attacker, const TechniqueRule& rule);
void fixedHits(Battle& battle, int attacker, const TechniqueRule& rule);
void flurry(Battle& battle, int attacker, const TechniqueRule& rule);
void gatlingAttack(Battle& battle, int attacker, const TechniqueRule& rule);
void finalAttack(Battle& battle, int attacker, const TechniqueRule& rule);

int impactTurns(Battle& battle, int attacker);
int heavyBlowTurns(Battle& battle, int attacker);
int poisonStrikeTurns(Battle& battle, int attacker);

// status_techniques.cpp
void statusTechnique(Battle& battle, int attacker, const TechniqueRule& rule);
void cloak(Battle& battle, int attacker, const TechniqueRule& rule);
void spStop(Battle& battle, int attacker, const TechniqueRule& rule);
void foresight(Battle& battle, int attacker, const TechniqueRule& rule);
void trap(Battle& battle, int attacker, const TechniqueRule& rule);
void taunt(Battle& battle, int attacker, const TechniqueRule& rule);

int paralysisTurns(Battle& battle, int attacker);
int poisonTurns(Battle& battle, int attacker);
int confusionTurns(Battle& battle, int attacker);
int sealTurns(Battle& battle, int attacker);
int accuracyUpTurns(Battle& battle, int attacker);
int statusGuardTurns(Battle& battle, int attacker);
int naturalRecoveryTurns(Battle& battle, int attacker);
int spStopTurns(Battle& battle, int attacker);
int illusionTurns(Battle& battle, int attacker);
int twoTurns(Battle& battle, int attacker);
int threeTurns(Battle& battle, int attacker);
int fourTurns(Battle& battle, int attacker);
int eightTurns(Battle& battle, int attacker);

// stat_techniques.cpp
void raiseStat(Battle& battle, int attacker, const TechniqueRule& rule);
void lowerStat(Battle& battle, int attacker, const TechniqueRule& rule);
void crossSign(Battle& battle, int attacker, const TechniqueRule& rule);
void exchange(Battle& battle, int attacker, const TechniqueRule& rule);
void grow(Battle& battle, int attacker, const TechniqueRule& rule);
void shrink(Battle& battle, int attacker, const TechniqueRule& rule);
void change(Battle& battle, int attacker, const TechniqueRule& rule);
void dispel(Battle& battle, int attacker, const TechniqueRule& rule);

// recovery_techniques.cpp
void heal(Battle& battle, int attacker, const TechniqueRule& rule);
void spirit(Battle& battle, int attacker, const TechniqueRule& rule);
void cureStatus(Battle& battle, int attacker, const TechniqueRule& rule);
void fullCure(Battle& battle, int attacker, const TechniqueRule& rule);
void hpDrain(Battle& battle, int attacker, const TechniqueRule& rule);
void prayer(Battle& battle, int attacker, const TechniqueRule& rule);

// sp_techniques.cpp
void spDrain(Battle& battle, int attacker, const TechniqueRule& rule);
void spAttack(Battle& battle, int attacker, const TechniqueRule& rule);
void spCharge(Battle& battle, int attacker, const TechniqueRule& rule);
void spBlast(Battle& battle, int attacker, const TechniqueRule& rule);
void limitBreak(Battle& battle, int attacker, const TechniqueRule& rule);
void limitCharge(Battle& battle, int attacker, const TechniqueRule& rule);

// special_techniques.cpp
void secretArt(Battle& battle, int attacker, const TechniqueRule& rule);
void brawl(Battle& battle, int attacker, const TechniqueRule& rule);
void shoot(Battle& battle, int attacker, const TechniqueRule& rule);
void reload(Battle& battle, int attacker, const TechniqueRule& rule);
void absorbSpecial(Battle& battle, int attacker, const TechniqueRule& rule);
void spy(Battle& battle, int attacker, const TechniqueRule& rule);
void purifyingFlame(Battle& battle, int attacker, const TechniqueRule& rule);
void curse(Battle& battle, int attacker, const TechniqueRule& rule);
void selfFell(Battle& battle, int attacker, const TechniqueRule& rule);
void flee(Battle& battle, int attacker, const TechniqueRule& rule);
void windGatling(Battle& battle, int attacker, const TechniqueRule& rule);
void clone(Battle& battle, int attacker, const TechniqueRule& rule);

// movement_techniques.cpp
void jump(Battle& battle, int attacker, const TechniqueRule& rule);
void fly(Battle& battle, int attacker, const TechniqueRule& rule);
void land(Battle& battle, int attacker, const TechniqueRule& rule);
void burrow(Battle& battle, int attacker, const TechniqueRule& rule);
void surfaceFromBurrow(Battle& battle, int attacker, const TechniqueRule& rule);

// Helpers shared by the groups.
// Removes the listed statuses of a fighter.
void clearStatuses(FighterState& fighter, std::initializer_list<int> statuses);
// ATK, DEF and SPD back to the values the fighter entered the battle with. A fighter fighting
// under リミッター this turn gets the cut values, so that the end of the turn, which multiplies
// them back by five, brings back the entry values and not five times them.
void restoreEntryStats(FighterState& fighter);
// The cure of 状態全快 (also 祈り's): the statuses, the stats, the modifiers and a trap.
void fullCureOf(Battle& battle, int side, bool keepCloak);
// A heal of HP cut to the missing HP (never a loss), with sound 28.
void healBy(Battle& battle, int side, int amount);
// The technique's emotion value (emotionSelf), for captions that carry it.
int emotionValue(int id);

}  // namespace vex::handlers
