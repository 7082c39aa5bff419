// One fighter's action: whether it can act at all, the payment, コピー, the technique itself
// (by its row in the technique table) and the common tail.

#include <cmath>

#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"
#include "vexmora/battle/techniques.h"

namespace vex {

namespace {

// The status that seals a category: 7 attack, 8 support, 9 special, 10 passive.
int sealOf(int category) { return category + 6; }

}  // namespace

void Battle::executeAction(int attacker) {
    const int A = attacker;
    const int D = 1 - attacker;
    FighterState& a = fighter(A);
    FighterState& d = fighter(D);
    auto fail = [&] { failAction(A); };
    auto cost = [&] {
        const int slot = a.currentSlot;
        if (slot < 0 || slot >= kSlotCount) return 0.0;
        return costFactor(A) * a.record.techCost[static_cast<size_t>(slot)];
    };
    auto payableAndUnsealed = [&] {
        const int kind = category(a.currentTech);
        const bool sealed = (kind >= 1 && kind <= 4 && a.statusTurns[static_cast<size_t>(sealOf(kind))] != 0) ||
                            a.has(kStatusAllSeal);
        // A command from no slot has nothing to pay for and cannot be carried out.
        const bool fromSlot = a.currentSlot >= 0 && a.currentSlot < kSlotCount;
        return fromSlot && a.sp >= cost() && !sealed;
    };

    state_.action[static_cast<size_t>(A)] = ActionOutcome{};
    const int t = a.currentTech;
    if (a.has(kStatusParalysis) && t != tech::kCureStatus && t != tech::kFullCure && t != tech::kParalysisReturn) {
        tell(event::Sound{32});
        showCaption(A, "マヒ", {255, 255, 0}, 0);
        fail();
        commonTail(A);
        return;
    }
    if (a.doesNothing()) {
        int change = a.personality == 1 ? 13 : a.personality == 2 ? -13 : -10;
        showCaption(A, "", {}, change);
        commonTail(A);
        return;
    }
    if (!payableAndUnsealed()) {
        tell(event::Pause{500, Wait::Scaled});
        fail();
        commonTail(A);
        return;
    }
    if (a.has(kStatusConfusion) && t != tech::kCureStatus && t != tech::kFullCure)
        showCaption(A, "混乱", {255, 0, 0}, 5);
    if (a.trapKind != 0 && a.trapKind == category(t) && a.jumping != kTrue) {
        showCaption(A, "罠", {255, 0, 0}, 15);
        tell(event::Sound{43});
        tell(event::MotionShown{A, Motion::Hit});
        changeSp(A, -static_cast<int>(intFloor(0.8 * a.sp)));
        a.trapKind = 0;
        if (!payableAndUnsealed()) {
            tell(event::Pause{500, Wait::Scaled});
            fail();
            commonTail(A);
            return;
        }
    }

    const int64_t hpTimes100 = static_cast<int64_t>(a.hp) * 100;
    const int64_t max = a.maxHp > 0 ? a.maxHp : 1;
    StatCode band = hpTimes100 <= 20 * max   ? StatCode::UseAtLowHp
                    : hpTimes100 <= 50 * max ? StatCode::UseAtMidLowHp
                    : hpTimes100 <= 80 * max ? StatCode::UseAtMidHighHp
                                             : StatCode::UseAtHighHp;
    statistics_->recordStat(A, band, 1);

    useTechnique(A, -static_cast<int>(std::floor(cost())));
    ActionOutcome& outcome = state_.action[static_cast<size_t>(A)];
    outcome.technique = a.currentTech;
    outcome.carriedOut = true;

    if (a.currentTech == tech::kCopy && d.noAction == kFalse && d.currentTech != tech::kAbsorbSpecial) {
        a.currentTech = d.currentTech;
        if (a.currentSlot >= 0 && a.currentSlot < kSlotCount && d.currentSlot >= 0 && d.currentSlot < kSlotCount)
            a.record.techLevel[static_cast<size_t>(a.currentSlot)] = d.record.techLevel[static_cast<size_t>(d.currentSlot)];
        if (a.currentTech == tech::kLimiter && !a.limited) {
            a.limited = true;
            a.record.atk = sat16(cint(a.record.atk * 0.2));
            a.record.def = sat16(cint(a.record.def * 0.2));
            a.record.spd = sat16(cint(a.record.spd * 0.2));
        }
    }

    performTechnique(*this, A);
    commonTail(A);
}

void Battle::failAction(int side) {
    FighterState& f = fighter(side);
    f.noAction = kTrue;
    f.currentTech = tech::kNone;
    state_.action[static_cast<size_t>(side)].carriedOut = false;
}

void Battle::commonTail(int attacker) {
    const int A = attacker;
    FighterState& a = fighter(A);
    const int t = a.currentTech;
    const int kind = category(t);
    if (a.burrowDepth == 100 && (kind == kCategoryAttack || kind == kCategorySpecial)) surface(A);
    if (a.jumping == kTrue && t != tech::kHover && t != tech::kAirAttack) {
        comeDown(A);
        a.jumping = kFalse;
    }
    if (t == tech::kJump) {
        a.jumping = kTrue;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            if (a.record.techId[static_cast<size_t>(slot)] != tech::kJump) continue;
            setSlotTechnique(A, slot, tech::kHover);
            recomputeSlotCost(A, slot);
        }
    }
    if (t == tech::kEvade && holds(A, tech::kQuick)) {
        Fix4 r = battleRandom();
        if (r > 0.92_fx && state_.stageIndex != kTournamentStage && a.flying != kTrue) {
            tell(event::Sound{33});
            showCaption(A, "転んだ！！", {240, 60, 0}, -10);
            a.turns(kStatusFallen) = 2;
        }
    }
}

}  // namespace vex
