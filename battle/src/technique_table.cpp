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

// A technique whose behaviour is still to be built.
TechniqueRule pending(int16_t id, TechniqueGroup group) {
    TechniqueRule rule;
    rule.id = id;
    rule.group = group;
    return rule;
}

const std::vector<TechniqueRule>& rows() {
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

        // Still to be built.
        pending(tech::kGatherPower, G::Status), pending(tech::kParalyse, G::Status), pending(tech::kPoison, G::Status),
        pending(tech::kConfuse, G::Status), pending(tech::kAttackSeal, G::Status),
        pending(tech::kSupportSeal, G::Status), pending(tech::kSpecialSeal, G::Status),
        pending(tech::kAllSeal, G::Status), pending(tech::kAccuracyUp, G::Status),
        pending(tech::kStatusGuard, G::Status), pending(tech::kNaturalRecovery, G::Status),
        pending(tech::kSpStop, G::Status), pending(tech::kFocus, G::Status), pending(tech::kMiracle, G::Status),
        pending(tech::kBind, G::Status), pending(tech::kIllusion, G::Status), pending(tech::kPanic, G::Status),
        pending(tech::kCloak, G::Status), pending(tech::kForesight, G::Status),
        pending(tech::kTrapAttack, G::Status), pending(tech::kTrapSupport, G::Status),
        pending(tech::kTrapSpecial, G::Status), pending(tech::kTaunt, G::Status),

        pending(tech::kAttackUp, G::StatChange), pending(tech::kDefenceUp, G::StatChange),
        pending(tech::kSpeedUp, G::StatChange), pending(tech::kAttackDown, G::StatChange),
        pending(tech::kDefenceDown, G::StatChange), pending(tech::kSpeedDown, G::StatChange),
        pending(tech::kCrossSign, G::StatChange), pending(tech::kExchange, G::StatChange),
        pending(tech::kGrow, G::StatChange), pending(tech::kShrink, G::StatChange),
        pending(tech::kChange, G::StatChange), pending(tech::kDispel, G::StatChange),

        pending(tech::kHeal, G::Recovery), pending(tech::kSpirit, G::Recovery),
        pending(tech::kCureStatus, G::Recovery), pending(tech::kFullCure, G::Recovery),
        pending(tech::kHpDrain, G::Recovery), pending(tech::kPrayer, G::Recovery),

        pending(tech::kSpDrain, G::SkillPoints), pending(tech::kSpAttack, G::SkillPoints),
        pending(tech::kSpCharge, G::SkillPoints), pending(tech::kSpBlast, G::SkillPoints),
        pending(tech::kLimitBreak, G::SkillPoints), pending(tech::kLimitCharge, G::SkillPoints),

        pending(tech::kSecretArt, G::Special), pending(tech::kBrawl, G::Special), pending(tech::kShoot, G::Special),
        pending(tech::kReload, G::Special), pending(tech::kAbsorbSpecial, G::Special), pending(tech::kSpy, G::Special),
        pending(tech::kPurifyingFlame, G::Special), pending(tech::kCurse, G::Special),
        pending(tech::kSelfFell, G::Special), pending(tech::kFlee, G::Special), pending(tech::kGatling, G::Special),
        pending(tech::kClone, G::Special),

        pending(tech::kJump, G::Movement), pending(tech::kFly, G::Movement), pending(tech::kLand, G::Movement),
        pending(tech::kBurrow, G::Movement), pending(tech::kSurface, G::Movement),
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

std::string_view groupName(TechniqueGroup group) {
    switch (group) {
    case G::PlainAttack:
    case G::FollowUpAttack:
    case G::MultiHitAttack: return "attack technique";
    case G::Status: return "status technique";
    case G::StatChange: return "stat technique";
    case G::Recovery: return "recovery technique";
    case G::SkillPoints: return "SP technique";
    case G::Special: return "special technique";
    case G::Movement: return "movement technique";
    }
    return "technique";
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
    if (rule->perform == nullptr) {
        battle.notImplemented(attacker, id, groupName(rule->group));
        return;
    }
    rule->perform(battle, attacker, *rule);
}

}  // namespace vex
