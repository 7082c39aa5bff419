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
    auto flag = [](bool condition, Fix4 value) { return condition ? value : Fix4{}; };

    const int sa = std::min(2000, a.record.spd + a.spdMod);
    const int sd = std::min(2000, d.record.spd + d.spdMod);
    Fix4 h = 0.9_fx - fix4Fast(sd / 1800.0) + fix4Fast(sa / 4000.0);
    state_.missFlag = kFalse;

    if (t == tech::kCritical) h -= 0.3_fx;
    if (a.has(kStatusAccuracyUp)) h += 0.3_fx;

    h += mulFix(0.6_fx, a.luck) - mulFix(0.3_fx, d.luck) + mulFix(0.15_fx, abilityCount(A, tech::kHunter)) -
         flag(holds(A, tech::kOneHitKill), 0.3_fx) - flag(holds(D, tech::kQuick), 0.15_fx) +
         flag(holds(A, tech::kVeteran), 0.1_fx) - flag(holds(D, tech::kVeteran), 0.1_fx) +
         mulFix(0.15_fx, abilityCount(A, tech::kChampionMark)) - mulFix(0.15_fx, abilityCount(D, tech::kChampionMark));

    if (t == tech::kSecretArt || t == tech::kBrawl) h += 0.1_fx;
    if (t >= tech::kAttackSeal && t <= tech::kAllSeal) h -= 0.2_fx;
    if (t == tech::kShoot || t == tech::kSpAttack) h -= 0.1_fx;

    if (td == tech::kEvade && t != tech::kReadAhead) h -= 0.3_fx;
    if (td == tech::kDefend) h += 0.3_fx;

    if (d.flying == kTrue) h = mulFix(h, 0.88_fx);
    if (t == tech::kShoot && d.flying == kTrue) h = mulFix(h, 1.6_fx);
    if (a.jumping == kTrue || t == tech::kJumpAttack) h = mulFix(h, 1.3_fx);
    if (t == tech::kDiveAttack) h = mulFix(h, 1.2_fx);
    if (a.has(kStatusCloak)) h = mulFix(h, 0.7_fx);

    // A high emotion lowers accuracy by up to 0.3, a low one raises it as much.
    const int e = a.emotion;
    h -= fix4Fast(0.3 * e * std::abs(e) / 2500.0);

    h = fix4Fast(h.toDouble() * elementFactor(A));

    if (t == tech::kShoot && holds(A, tech::kScope) && battleRandom() > 0.7_fx) {
        showCaption(A, "スコープ", {35, 190, 150}, 0);
        h += 0.5_fx;
    }

    if (h > 0.95_fx) h = 0.95_fx;
    if (h < 0.15_fx) h = 0.15_fx;
    if (holds(A, tech::kFifty)) h = 0.5_fx;
    state_.hitChance = h;

    if (battleRandom() > h) state_.missFlag = kTrue;

    if (td == tech::kForesight && holds(D, tech::kForesight)) {
        announceHeld(D, tech::kForesight);
        view_->motion(D, Motion::Dodge);
        state_.missFlag = kTrue;
    }

    if (t != tech::kFlurry &&
        (td == tech::kLimiter || t == tech::kSureHit || t == tech::kFirstSureHit || a.has(kStatusFocus) ||
         a.lucky == kTrue))
        state_.missFlag = kFalse;
    if (a.lucky == kTrue || d.has(kStatusParalysis) || d.has(kStatusFallen) || td == tech::kCrossCounter)
        state_.missFlag = kFalse;

    if (t == tech::kCrossCounter)
        state_.missFlag = (td == tech::kNone || category(td) != kCategoryAttack) ? kTrue : kFalse;

    if (d.lucky == kTrue) state_.missFlag = kTrue;
    if (d.jumping == kTrue && t != tech::kShoot) state_.missFlag = kTrue;

    const int slot = a.currentSlot;
    if (slot != kNoSlot) {
        Fix4 r1 = battleRandom();
        Fix4 r2 = battleRandom();
        if (slot >= 0 && slot < kSlotCount) {
            Fix4& read = d.readChance[static_cast<size_t>(slot)];
            bool ghost = r2 < 0.15_fx && holds(D, tech::kGhost);
            if ((r1 < read || ghost) && state_.missFlag == kFalse) {
                view_->motion(D, Motion::Dodge);
                state_.missFlag = kTrue;
                read = Fix4{};
            }
        }
    }

    if (t == tech::kFinalAttack) state_.missFlag = kFalse;

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
