// Which fighter acts first: a speed roll, then a fixed chain of overrides by technique.

#include <initializer_list>

#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"

namespace vex {

void Battle::orderOfAction() {
    Fix4 r = battleRandom();
    const int64_t spd0 = fighter(0).record.spd;
    const int64_t spd1 = fighter(1).record.spd;
    const int64_t roll = 300 * r.units();  // 300·r in 1/10000
    int first;
    if (!settings_.mirrored())
        first = ((spd0 + 150) * 10000 >= spd1 * 10000 + roll) ? 0 : 1;
    else
        first = (spd0 * 10000 + roll > (spd1 + 150) * 10000) ? 0 : 1;

    // F acts first at the moment of each test, G is the other; a swap exchanges them.
    auto F = [&] { return first; };
    auto G = [&] { return 1 - first; };
    auto techOf = [&](int side) { return fighter(side).currentTech; };
    auto swap = [&] { first = 1 - first; };
    auto isAnyOf = [](int id, std::initializer_list<int> ids) {
        for (int x : ids)
            if (id == x) return true;
        return false;
    };

    if (isAnyOf(techOf(G()), {tech::kFirstSureHit, tech::kFirstStrike}) &&
        !isAnyOf(techOf(F()), {tech::kFirstStrike, tech::kFirstSureHit}))
        swap();
    if (techOf(G()) == tech::kJump && techOf(F()) != tech::kJump) swap();
    if (fighter(G()).firstMark == kTrue && techOf(F()) != tech::kJump) swap();
    if (isAnyOf(techOf(F()), {tech::kCopy, tech::kForesight, tech::kAbsorbSpecial, tech::kTaunt})) {
        swap();
    } else {
        bool holdsFirst = holds(G(), tech::kFirst);
        Fix4 chance = battleRandom();
        if (chance < 0.2_fx && holdsFirst && fighter(F()).firstMark == kFalse &&
            !isAnyOf(techOf(F()), {tech::kFirstStrike, tech::kJump})) {
            showCaption(G(), "ファースト", {0, 255, 0}, 0);
            swap();
        }
    }
    if (techOf(G()) == tech::kForesight && techOf(F()) != tech::kForesight) swap();
    if (techOf(G()) == tech::kCounter && techOf(F()) != tech::kCounter) swap();
    if (techOf(G()) == tech::kIronWall && techOf(F()) != tech::kIronWall) swap();
    if (techOf(G()) == tech::kSelfFell && techOf(F()) != tech::kSelfFell) swap();
    if (isAnyOf(techOf(F()), {tech::kTrapAttack, tech::kTrapSupport, tech::kTrapSpecial, tech::kCrossCounter,
                              tech::kExchange}))
        swap();
    state_.firstSide = static_cast<int16_t>(first);
}

}  // namespace vex
