// Every technique that does something when used, by id: its group, its numbers and its
// handler. The handlers live beside their group (attack_techniques.cpp, ...).

#include <array>
#include <vector>

#include "technique_handlers.h"
#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex {

namespace {

using G = TechniqueGroup;
using namespace handlers;

TechniqueRule plain(int16_t id, int16_t power, int16_t perLevel = 0, int16_t soundBefore = -1) {
    TechniqueRule rule;
    rule.id = id;
    rule.group = G::PlainAttack;
    rule.perform = plainAttack;
    rule.power = power;
    rule.powerPerLevel = perLevel;
    rule.soundBefore = soundBefore;
    return rule;
}

TechniqueRule followUp(int16_t id, int16_t power, int16_t perLevel, Fix4 threshold, StatusKind status, TurnsRule turns) {
    TechniqueRule rule = plain(id, power, perLevel);
    rule.group = G::FollowUpAttack;
    rule.perform = followUpAttack;
    rule.threshold = threshold;
    rule.status = static_cast<int16_t>(status);
    rule.turns = turns;
    return rule;
}

TechniqueRule multiHit(int16_t id, TechniqueHandler handler, int16_t power, int16_t hits = 1) {
    TechniqueRule rule = plain(id, power);
    rule.group = G::MultiHitAttack;
    rule.perform = handler;
    rule.hits = hits;
    return rule;
}

TechniqueRule rowOf(int16_t id, TechniqueGroup group, TechniqueHandler handler) {
    TechniqueRule rule;
    rule.id = id;
    rule.group = group;
    rule.perform = handler;
    return rule;
}

// A status put on the user or the opponent for a drawn number of turns.
TechniqueRule statusOn(int16_t id, Target target, StatusKind status, TurnsRule turns, bool hitCheckFirst = false,
                       int useCounter = -1, TechniqueHandler handler = statusTechnique) {
    TechniqueRule rule = rowOf(id, G::Status, handler);
    rule.target = target;
    rule.status = static_cast<int16_t>(status);
    rule.turns = turns;
    rule.hitCheckFirst = hitCheckFirst;
    rule.useCounter = static_cast<int8_t>(useCounter);
    return rule;
}

// A technique whose row only names the use counter it spends (and a trap its kind).
TechniqueRule usesOnly(int16_t id, TechniqueGroup group, int useCounter, TechniqueHandler handler, int trapKind = 0) {
    TechniqueRule rule = rowOf(id, group, handler);
    rule.useCounter = static_cast<int8_t>(useCounter);
    rule.trapKind = static_cast<int8_t>(trapKind);
    return rule;
}

TechniqueRule statStep(int16_t id, Stat stat, TechniqueHandler handler) {
    TechniqueRule rule = rowOf(id, G::StatChange, handler);
    rule.stat = stat;
    return rule;
}

TechniqueRule withPower(TechniqueRule rule, int16_t power, int16_t perLevel = 0) {
    rule.power = power;
    rule.powerPerLevel = perLevel;
    return rule;
}

const std::vector<TechniqueRule>& rows() {
    using T = Target;
    static const std::vector<TechniqueRule> table{
        // Plain attacks: one hit of power + perLevel·L.
        plain(tech::kNormalAttack, 200),
        plain(tech::kCritical, 200),
        plain(tech::kAttack, 200, 120),
        plain(tech::kFirstStrike, 150, 220),
        plain(tech::kSureHit, 130, 150),
        plain(tech::kIgnoreDefence, 0),  // the damage rule replaces its damage
        plain(tech::kRush, 180, 0, 39),
        plain(tech::kWallBreak, 210),
        plain(tech::kReadAhead, 210),
        plain(tech::kFirstSureHit, 200, 300),
        plain(tech::kDiveAttack, 350),
        plain(tech::kBlowAway, 200, 250),
        plain(tech::kAirAttack, 250),
        plain(tech::kCrossCounter, 100, 150),
        plain(tech::kJumpAttack, 140, 230),
        [] { TechniqueRule r = plain(tech::kAirRaid, 650); r.perform = airRaid; return r; }(),

        // Attacks with a follow-up status.
        followUp(tech::kImpact, 150, 250, 0.6_fx, kStatusParalysis, impactTurns),
        followUp(tech::kHeavyBlow, 200, 250, 0.6_fx, kStatusConfusion, heavyBlowTurns),
        followUp(tech::kPoisonStrike, 180, 220, 0.6_fx, kStatusPoison, poisonStrikeTurns),
        followUp(tech::kParalysisReturn, 500, 0, 0.55_fx, kStatusParalysis, heavyBlowTurns),

        // Multi-hit attacks.
        multiHit(tech::kDoubleAttack, fixedHits, 200, 2),
        multiHit(tech::kTripleStrike, fixedHits, 150, 3),
        multiHit(tech::kFlurry, flurry, 100),
        multiHit(tech::kGatlingAttack, gatlingAttack, 100, 10),
        multiHit(tech::kFinalAttack, finalAttack, 0, 7),

        // Status techniques: target, status, duration, hit check first, use counter.
        statusOn(tech::kGatherPower, T::Self, kStatusGather, twoTurns),
        statusOn(tech::kParalyse, T::Opponent, kStatusParalysis, paralysisTurns, true, kUsesParalysis),
        statusOn(tech::kPoison, T::Opponent, kStatusPoison, poisonTurns, true),
        statusOn(tech::kConfuse, T::Opponent, kStatusConfusion, confusionTurns, true),
        statusOn(tech::kAttackSeal, T::Opponent, kStatusAttackSeal, sealTurns, true, kUsesSeals),
        statusOn(tech::kSupportSeal, T::Opponent, kStatusSupportSeal, sealTurns, true, kUsesSeals),
        statusOn(tech::kSpecialSeal, T::Opponent, kStatusSpecialSeal, sealTurns, true, kUsesSeals),
        statusOn(tech::kAllSeal, T::Opponent, kStatusAllSeal, sealTurns, true, kUsesSeals),
        statusOn(tech::kAccuracyUp, T::Self, kStatusAccuracyUp, accuracyUpTurns),
        statusOn(tech::kStatusGuard, T::Self, kStatusGuard, statusGuardTurns),
        statusOn(tech::kNaturalRecovery, T::Self, kStatusRecovery, naturalRecoveryTurns, false, kUsesRecovery),
        statusOn(tech::kSpStop, T::Opponent, kStatusSpStop, spStopTurns, true, kUsesSpStop, spStop),
        statusOn(tech::kFocus, T::Self, kStatusFocus, twoTurns),
        statusOn(tech::kMiracle, T::Self, kStatusMiracle, fourTurns),
        statusOn(tech::kBind, T::Opponent, kStatusBind, fourTurns),
        statusOn(tech::kIllusion, T::Opponent, kStatusIllusion, illusionTurns, true),
        statusOn(tech::kPanic, T::Opponent, kStatusPanic, eightTurns),  // the status strikes both
        statusOn(tech::kCloak, T::Opponent, kStatusCloak, threeTurns, true, -1, cloak),
        usesOnly(tech::kForesight, G::Status, kUsesForesight, foresight),  // the dodge is in the hit check
        usesOnly(tech::kTrapAttack, G::Status, kUsesTraps, trap, kCategoryAttack),
        usesOnly(tech::kTrapSupport, G::Status, kUsesTraps, trap, kCategorySupport),
        usesOnly(tech::kTrapSpecial, G::Status, kUsesTraps, trap, kCategorySpecial),
        rowOf(tech::kTaunt, G::Status, taunt),

        // Stat changes: 200 + 200·L up to 1500 (raises) or down to 0 (falls).
        statStep(tech::kAttackUp, Stat::Attack, raiseStat),
        statStep(tech::kDefenceUp, Stat::Defence, raiseStat),
        statStep(tech::kSpeedUp, Stat::Speed, raiseStat),
        statStep(tech::kAttackDown, Stat::Attack, lowerStat),
        statStep(tech::kDefenceDown, Stat::Defence, lowerStat),
        statStep(tech::kSpeedDown, Stat::Speed, lowerStat),
        withPower(rowOf(tech::kCrossSign, G::StatChange, crossSign), 50),  // the hit on an undead
        rowOf(tech::kExchange, G::StatChange, exchange),
        rowOf(tech::kGrow, G::StatChange, grow),
        rowOf(tech::kShrink, G::StatChange, shrink),
        rowOf(tech::kChange, G::StatChange, change),
        rowOf(tech::kDispel, G::StatChange, dispel),

        // Recovery.
        usesOnly(tech::kHeal, G::Recovery, kUsesRecovery, heal),
        rowOf(tech::kSpirit, G::Recovery, spirit),
        rowOf(tech::kCureStatus, G::Recovery, cureStatus),
        rowOf(tech::kFullCure, G::Recovery, fullCure),
        withPower(rowOf(tech::kHpDrain, G::Recovery, hpDrain), 0, 100),
        rowOf(tech::kPrayer, G::Recovery, prayer),

        // SP techniques.
        rowOf(tech::kSpDrain, G::SkillPoints, spDrain),
        rowOf(tech::kSpAttack, G::SkillPoints, spAttack),
        rowOf(tech::kSpCharge, G::SkillPoints, spCharge),
        rowOf(tech::kSpBlast, G::SkillPoints, spBlast),
        withPower(rowOf(tech::kLimitBreak, G::SkillPoints, limitBreak), 450, 350),  // per use beyond the first
        rowOf(tech::kLimitCharge, G::SkillPoints, limitCharge),

        // Special techniques.
        withPower(rowOf(tech::kSecretArt, G::Special, secretArt), 1000),  // 1500 as 最終奥義
        withPower(rowOf(tech::kBrawl, G::Special, brawl), 130),            // + 4 per point of strength
        withPower(rowOf(tech::kShoot, G::Special, shoot), 100, 100),
        rowOf(tech::kReload, G::Special, reload),
        rowOf(tech::kAbsorbSpecial, G::Special, absorbSpecial),
        rowOf(tech::kSpy, G::Special, spy),
        withPower(rowOf(tech::kPurifyingFlame, G::Special, purifyingFlame), 200),  // + what it burnt
        rowOf(tech::kCurse, G::Special, curse),
        rowOf(tech::kSelfFell, G::Special, selfFell),
        rowOf(tech::kFlee, G::Special, flee),
        rowOf(tech::kGatling, G::Special, windGatling),
        rowOf(tech::kClone, G::Special, clone),

        // Movement.
        rowOf(tech::kJump, G::Movement, jump),
        rowOf(tech::kFly, G::Movement, fly),
        rowOf(tech::kLand, G::Movement, land),
        rowOf(tech::kBurrow, G::Movement, burrow),
        rowOf(tech::kSurface, G::Movement, surfaceFromBurrow),
    };
    return table;
}

const std::array<const TechniqueRule*, TechniqueCatalogue::kMaxId + 1>& byId() {
    static const auto index = [] {
        std::array<const TechniqueRule*, TechniqueCatalogue::kMaxId + 1> ids{};
        for (const TechniqueRule& rule : rows()) ids[static_cast<size_t>(rule.id)] = &rule;
        return ids;
    }();
    return index;
}

}  // namespace

const TechniqueRule* techniqueRule(int id) {
    if (id < 0 || id > TechniqueCatalogue::kMaxId) return nullptr;
    return byId()[static_cast<size_t>(id)];
}

void performTechnique(Battle& battle, int attacker) {
    const int id = battle.fighter(attacker).currentTech;
    const TechniqueRule* rule = techniqueRule(id);
    if (rule == nullptr) return;
    rule->perform(battle, attacker, *rule);
}

}  // namespace vex
