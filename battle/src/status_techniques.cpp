// The status techniques: a status on the user or the opponent (with a hit check first for the
// hostile ones), the use counters of the limited ones, traps and 挑発. Their statuses,
// targets and counters are in technique_table.cpp; the durations are drawn here.

#include "technique_handlers.h"
#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::handlers {

namespace {

void spendUse(FighterState& fighter, int counter) {
    int16_t& uses = fighter.useCounts[static_cast<size_t>(counter)];
    uses = sat16(static_cast<int64_t>(uses) - 1);
}

// A hit check that the technique needs; false when it missed.
bool lands(Battle& battle, int attacker) {
    battle.hitCheck(attacker);
    return battle.state().missFlag == kFalse;
}

// The status's duration; its draws are reported as such.
int turnsOf(Battle& battle, int attacker, const TechniqueRule& rule) {
    Battle::DrawScope scope(battle, DrawPurpose::StatusTurns);
    return rule.turns(battle, attacker);
}

bool eitherHoldsVenom(Battle& battle) { return battle.holds(0, tech::kVenom) || battle.holds(1, tech::kVenom); }

}  // namespace

void statusTechnique(Battle& battle, int attacker, const TechniqueRule& rule) {
    if (rule.useCounter >= 0) spendUse(battle.fighter(attacker), rule.useCounter);
    if (rule.hitCheckFirst && !lands(battle, attacker)) return;
    const int target = rule.target == Target::Self ? attacker : 1 - attacker;
    battle.applyStatus(target, rule.status, turnsOf(battle, attacker, rule));
}

// クローク: the cloak goes on the opponent, and the user's picture fades out of sight.
void cloak(Battle& battle, int attacker, const TechniqueRule& rule) {
    if (!lands(battle, attacker)) return;
    battle.applyStatus(1 - attacker, rule.status, turnsOf(battle, attacker, rule));
    const int strength = battle.holds(attacker, tech::kGhost) ? 2 : 1;
    for (int step = 1; step <= 5; ++step) {
        battle.tell(event::PictureChange{attacker, PictureProperty::Fade, step * strength});
        battle.tell(event::Pause{100, Wait::Scaled});
    }
}

// SPｽﾄｯﾌﾟ spends a use whether it lands or not.
void spStop(Battle& battle, int attacker, const TechniqueRule& rule) {
    spendUse(battle.fighter(attacker), rule.useCounter);
    if (!lands(battle, attacker)) return;
    battle.applyStatus(1 - attacker, rule.status, turnsOf(battle, attacker, rule));
}

// 見切り only spends a use: the dodge itself belongs to the opponent's hit check.
void foresight(Battle& battle, int attacker, const TechniqueRule& rule) {
    spendUse(battle.fighter(attacker), rule.useCounter);
}

void trap(Battle& battle, int attacker, const TechniqueRule& rule) {
    spendUse(battle.fighter(attacker), rule.useCounter);
    battle.fighter(1 - attacker).trapKind = rule.trapKind;
}

// 挑発: the opponent's support and special seals run two turns longer.
void taunt(Battle& battle, int attacker, const TechniqueRule& rule) {
    if (!lands(battle, attacker)) return;
    const int defender = 1 - attacker;
    battle.tell(event::MotionShown{attacker, Motion::Taunt});
    battle.showCaption(defender, "挑発", {240, 120, 0}, emotionValue(rule.id));
    FighterState& d = battle.fighter(defender);
    for (StatusKind seal : {kStatusSupportSeal, kStatusSpecialSeal})
        d.turns(seal) = sat16(static_cast<int64_t>(d.turns(seal)) + 2);
    battle.computeSlotUsability();
    battle.tell(event::Redraw{RedrawTarget::StatusWindows});
}

int paralysisTurns(Battle& battle, int attacker) {
    // CInt(0.4·r + 0.5·L + 1.6)
    const Fix4 r = battle.battleRandom();
    return static_cast<int>(cintOf(0.4_fx, r, 1.6_fx + mulFix(0.5_fx, battle.techLevel(attacker))));
}
int poisonTurns(Battle& battle, int) {
    int turns = 10 + static_cast<int>(intOf(3, battle.battleRandom()));
    if (eitherHoldsVenom(battle)) turns += 5;
    return turns;
}
int confusionTurns(Battle& battle, int attacker) {
    const Fix4 r = battle.battleRandom();
    return static_cast<int>(cintOf(0.4_fx, r, 3.3_fx + mulFix(0.5_fx, battle.techLevel(attacker))));
}
int sealTurns(Battle& battle, int) { return 3 + static_cast<int>(intOf(2, battle.battleRandom())); }
int accuracyUpTurns(Battle& battle, int) { return 5 + static_cast<int>(intOf(3, battle.battleRandom())); }
int statusGuardTurns(Battle& battle, int) { return 10 + static_cast<int>(intOf(3, battle.battleRandom())); }
int naturalRecoveryTurns(Battle& battle, int) { return 7 + static_cast<int>(intOf(3, battle.battleRandom())); }
int spStopTurns(Battle& battle, int) { return static_cast<int>(cintOf(2_fx, battle.battleRandom(), 5_fx)); }
int illusionTurns(Battle& battle, int) { return static_cast<int>(cintOf(3_fx, battle.battleRandom(), 5_fx)); }
int twoTurns(Battle&, int) { return 2; }
int threeTurns(Battle&, int) { return 3; }
int fourTurns(Battle&, int) { return 4; }
int eightTurns(Battle&, int) { return 8; }

}  // namespace vex::handlers
