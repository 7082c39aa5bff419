// The movement techniques: the jump, flying and landing, burrowing and coming out. Each that
// changes the fighter's state swaps its slot for the technique that undoes it.

#include "technique_handlers.h"
#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::handlers {

namespace {

void moveUp(Battle& battle, int side, int pixels, int steps, int ms) {
    FighterState& f = battle.fighter(side);
    for (int i = 0; i < steps; ++i) {
        battle.tell(event::Pause{ms, Wait::Scaled});
        f.pictureOffsetY = sat16(static_cast<int64_t>(f.pictureOffsetY) - pixels);
        battle.tell(event::PictureChange{side, PictureProperty::OffsetY, f.pictureOffsetY});
    }
}

// Eleven steps of 100 ms into the ground (depth i²) or out of it (100 - i²).
void sink(Battle& battle, int side, bool down) {
    FighterState& f = battle.fighter(side);
    for (int i = 0; i <= 10; ++i) {
        battle.tell(event::Pause{100, Wait::Scaled});
        f.burrowDepth = static_cast<int16_t>(down ? i * i : 100 - i * i);
        battle.tell(event::PictureChange{side, PictureProperty::SinkPercent, f.burrowDepth});
    }
}

}  // namespace

// The jump itself; the common tail then makes the fighter airborne. Underground there is
// nothing to jump from: the action fails as an unaffordable one does.
void jump(Battle& battle, int attacker, const TechniqueRule&) {
    if (battle.fighter(attacker).burrowDepth == 100) {
        battle.tell(event::Pause{500, Wait::Scaled});
        battle.failAction(attacker);
        return;
    }
    battle.tell(event::Sound{24});
    moveUp(battle, attacker, 30, 11, 30);
}

void fly(Battle& battle, int attacker, const TechniqueRule&) {
    FighterState& a = battle.fighter(attacker);
    if (a.flying == kTrue) return;
    a.flying = kTrue;
    battle.showCaption(attacker, "飛行", {0, 240, 255}, 0);
    moveUp(battle, attacker, 5, 7, 60);
    battle.replaceTechnique(attacker, tech::kFly, tech::kLand);
}

void land(Battle& battle, int attacker, const TechniqueRule&) {
    FighterState& a = battle.fighter(attacker);
    if (a.flying != kTrue) return;
    a.flying = kFalse;
    moveUp(battle, attacker, -5, 7, 60);
    battle.replaceTechnique(attacker, tech::kLand, tech::kFly);
    battle.tell(event::Sound{33});
}

void burrow(Battle& battle, int attacker, const TechniqueRule&) {
    const FighterState& a = battle.fighter(attacker);
    if (a.burrowDepth == 100 || a.jumping == kTrue || a.flying == kTrue) return;
    sink(battle, attacker, true);
    battle.replaceTechnique(attacker, tech::kBurrow, tech::kSurface);
}

void surfaceFromBurrow(Battle& battle, int attacker, const TechniqueRule&) {
    if (battle.fighter(attacker).burrowDepth != 100) return;
    sink(battle, attacker, false);
    battle.replaceTechnique(attacker, tech::kSurface, tech::kBurrow);
}

}  // namespace vex::handlers
