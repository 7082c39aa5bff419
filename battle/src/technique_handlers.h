#pragma once
// The handlers the technique table points to, grouped by kind in their own files.

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

int impactTurns(Battle& battle);
int heavyBlowTurns(Battle& battle);
int poisonStrikeTurns(Battle& battle);

}  // namespace vex::handlers
