// Whether a hit lands. The chance is worked out to four decimals, term by term, from both
// fighters' speed, luck, abilities, commands, emotion and elements, then clamped and drawn
// against; the sure-hit and sure-miss rules come after the draw.

#include <algorithm>
#include <cstdlib>

#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex {

void Battle::hitCheck(int attacker) {
    const int A = attacker;
    const int D = 1 - attacker;
    FighterState& a = fighter(A);
    FighterState& d = fighter(D);
    const int t = a.currentTech;
    const int td = d.currentTech;

    // The hit check of a hit fills in that hit's record; a technique that only needs to land
    // gets a record of its own.
    HitExplanation* open = openHit();
    const bool ownRecord = open == nullptr || open->kind != HitKind::Strike || open->checked;
    HitExplanation& record = ownRecord ? beginHit(HitKind::Check, A, 0) : *open;
    record.checked = true;

    const int sa = std::min(2000, a.record.spd + a.spdMod);
    const int sd = std::min(2000, d.record.spd + d.spdMod);
    record.attackerSpeed = sat16(static_cast<int64_t>(sa));
    record.defenderSpeed = sat16(static_cast<int64_t>(sd));
    Fix4 h = 0.9_fx - fix4Fast(sd / 1800.0) + fix4Fast(sa / 4000.0);
    record.addHitTerm(HitTermKind::Speed, false, h, h);
    state_.missFlag = kFalse;

    // Each term is kept as it applies; a term that adds nothing is left out of the record.
    auto add = [&](HitTermKind kind, Fix4 amount) {
        if (amount == Fix4{}) return;
        h += amount;
        record.addHitTerm(kind, false, amount, h);
    };
    auto times = [&](HitTermKind kind, Fix4 factor) {
        h = mulFix(h, factor);
        record.addHitTerm(kind, true, factor, h);
    };
    auto flag = [](bool condition, Fix4 value) { return condition ? value : Fix4{}; };

    if (t == tech::kCritical) add(HitTermKind::Critical, -0.3_fx);
    if (a.has(kStatusAccuracyUp)) add(HitTermKind::AccuracyUp, 0.3_fx);

    add(HitTermKind::AttackerLuck, mulFix(0.6_fx, a.luck));
    add(HitTermKind::DefenderLuck, -mulFix(0.3_fx, d.luck));
    add(HitTermKind::Hunter, mulFix(0.15_fx, abilityCount(A, tech::kHunter)));
    add(HitTermKind::OneHitKill, -flag(holds(A, tech::kOneHitKill), 0.3_fx));
    add(HitTermKind::Quick, -flag(holds(D, tech::kQuick), 0.15_fx));
    add(HitTermKind::Veteran, flag(holds(A, tech::kVeteran), 0.1_fx));
    add(HitTermKind::DefenderVeteran, -flag(holds(D, tech::kVeteran), 0.1_fx));
    add(HitTermKind::Champion, mulFix(0.15_fx, abilityCount(A, tech::kChampionMark)));
    add(HitTermKind::DefenderChampion, -mulFix(0.15_fx, abilityCount(D, tech::kChampionMark)));

    if (t == tech::kSecretArt || t == tech::kBrawl) add(HitTermKind::Technique, 0.1_fx);
    if (t >= tech::kAttackSeal && t <= tech::kAllSeal) add(HitTermKind::Technique, -0.2_fx);
    if (t == tech::kShoot || t == tech::kSpAttack) add(HitTermKind::Technique, -0.1_fx);

    if (td == tech::kEvade && t != tech::kReadAhead) add(HitTermKind::Evade, -0.3_fx);
    if (td == tech::kDefend) add(HitTermKind::Defend, 0.3_fx);

    if (d.flying == kTrue) times(HitTermKind::Flying, 0.88_fx);
    if (t == tech::kShoot && d.flying == kTrue) times(HitTermKind::ShootFlying, 1.6_fx);
    if (a.jumping == kTrue || t == tech::kJumpAttack) times(HitTermKind::Jump, 1.3_fx);
    if (t == tech::kDiveAttack) times(HitTermKind::Dive, 1.2_fx);
    if (a.has(kStatusCloak)) times(HitTermKind::Cloak, 0.7_fx);

    // A high emotion lowers accuracy by up to 0.3, a low one raises it as much.
    const int e = a.emotion;
    add(HitTermKind::Emotion, -fix4Fast(0.3 * e * std::abs(e) / 2500.0));

    const double m = elementFactor(A);
    record.elementFactor = m;
    h = fix4Fast(h.toDouble() * m);
    if (m != 1.0) record.addHitTerm(HitTermKind::Element, true, fix4Fast(m), h);

    if (t == tech::kShoot && holds(A, tech::kScope)) {
        const Fix4 r = battleRandom();
        if (decideAbove(r, DrawPurpose::Scope, 0.7_fx)) {
            showCaption(A, "スコープ", {35, 190, 150}, 0);
            add(HitTermKind::Scope, 0.5_fx);
        }
    }

    auto setTo = [&](HitTermKind kind, Fix4 value) {
        const Fix4 change = value - h;
        h = value;
        record.addHitTerm(kind, false, change, h);
    };
    if (h > 0.95_fx) setTo(HitTermKind::Clamp, 0.95_fx);
    if (h < 0.15_fx) setTo(HitTermKind::Clamp, 0.15_fx);
    if (holds(A, tech::kFifty)) setTo(HitTermKind::Fifty, 0.5_fx);
    state_.hitChance = h;
    record.hitChance = h;

    if (decideAbove(battleRandom(), DrawPurpose::Hit, h)) state_.missFlag = kTrue;
    HitDecision decidedBy = HitDecision::Draw;
    auto decide = [&](int16_t missFlag, HitDecision by) {
        state_.missFlag = missFlag;
        decidedBy = by;
    };

    if (td == tech::kForesight && holds(D, tech::kForesight)) {
        announceHeld(D, tech::kForesight);
        tell(event::MotionShown{D, Motion::Dodge});
        decide(kTrue, HitDecision::Foresight);
    }

    if (t != tech::kFlurry &&
        (td == tech::kLimiter || t == tech::kSureHit || t == tech::kFirstSureHit || a.has(kStatusFocus) ||
         a.lucky == kTrue))
        decide(kFalse, HitDecision::SureHit);
    if (a.lucky == kTrue || d.has(kStatusParalysis) || d.has(kStatusFallen) || td == tech::kCrossCounter)
        decide(kFalse, HitDecision::SureHit);

    if (t == tech::kCrossCounter)
        decide((td == tech::kNone || category(td) != kCategoryAttack) ? kTrue : kFalse, HitDecision::CrossCounter);

    if (d.lucky == kTrue) decide(kTrue, HitDecision::DefenderLucky);
    if (d.jumping == kTrue && t != tech::kShoot) decide(kTrue, HitDecision::DefenderJumping);

    const int slot = a.currentSlot;
    if (slot != kNoSlot) {
        const bool slotRead = slot >= 0 && slot < kSlotCount;
        const bool notYetMissed = state_.missFlag == kFalse;
        Fix4* read = slotRead ? &d.readChance[static_cast<size_t>(slot)] : nullptr;
        const Fix4 r1 = battleRandom();
        const bool byReading =
            decideBelow(r1, DrawPurpose::Read, read != nullptr ? read->toDouble() : 0.0, slotRead && notYetMissed);
        const Fix4 r2 = battleRandom();
        const bool ghostHolder = holds(D, tech::kGhost);
        const bool ghost = decideBelow(r2, DrawPurpose::Ghost, 0.15, slotRead && notYetMissed && !byReading && ghostHolder) &&
                           ghostHolder;
        if (read != nullptr && (byReading || ghost) && state_.missFlag == kFalse) {
            tell(event::MotionShown{D, Motion::Dodge});
            decide(kTrue, HitDecision::Read);
            *read = Fix4{};
        }
    }

    if (t == tech::kFinalAttack) decide(kFalse, HitDecision::FinalAttack);
    record.decidedBy = decidedBy;
    record.landed = state_.missFlag == kFalse;

    if (!state_.followUpRunning && !state_.strikeBackRunning) {
        ActionOutcome& outcome = state_.action[static_cast<size_t>(A)];
        outcome.hitChecks = sat16(static_cast<int64_t>(outcome.hitChecks) + 1);
        if (state_.missFlag == kFalse) outcome.hitsLanded = sat16(static_cast<int64_t>(outcome.hitsLanded) + 1);
    }

    if (state_.missFlag == kTrue) {
        showCaption(D, "MISS!", {0, 0, 255}, 0);
        statistics_->recordStat(A, StatCode::Misses, 1);
        statistics_->recordStat(D, StatCode::Dodges, 1);
    } else {
        statistics_->recordStat(A, StatCode::Hits, 1);
        statistics_->recordStat(D, StatCode::HitsReceived, 1);
        if (holds(D, tech::kMaster) && a.noAction == kFalse && slot >= 0 && slot < kSlotCount)
            d.readChance[static_cast<size_t>(slot)] += 0.15_fx;
    }
    if (ownRecord) endHit();
}

// The element factor of the attacker's command against the defender's, used by the hit
// check and the damage.
double Battle::elementFactor(int attacker) const {
    const int D = 1 - attacker;
    const int a = elementOf(attacker);
    const int d = elementOf(D);
    const bool machine = holds(D, tech::kMachine);
    double b = 0.1 * detail::affinityOf(a, d);
    if (a != kElementNone && machine) b += 0.2;
    if ((a == kElementLight || a == kElementFire) && holds(D, tech::kUndead)) b += 0.2;
    if (a == kElementDark && machine) b -= 0.2;
    if (a == kElementThunder && machine) b += 0.2;
    return 1.0 + b * (1.0 + 0.5 * abilityCount(attacker, tech::kElementMaster));
}

}  // namespace vex
