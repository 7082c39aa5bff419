// The end-of-turn status pass, in three phases each run for both fighters before the next:
// the counters run down and stat modifiers fade; natural recovery; poison.

#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"

namespace vex {

namespace {

// The hostile statuses that レジスト shortens.
bool resistShortens(int status) {
    switch (status) {
    case kStatusParalysis:
    case kStatusPoison:
    case kStatusConfusion:
    case kStatusFallen:
    case kStatusAttackSeal:
    case kStatusSupportSeal:
    case kStatusSpecialSeal:
    case kStatusAllSeal:
    case kStatusSpStop:
    case kStatusIllusion: return true;
    default: return false;
    }
}

// Stat modifiers drift back towards 0, faster the further out they are.
int16_t fadedModifier(int16_t m) {
    if (m >= -9999 && m <= -1000) return static_cast<int16_t>(m + 150);
    if (m >= -999 && m <= -500) return static_cast<int16_t>(m + 125);
    if (m >= -499 && m <= -200) return static_cast<int16_t>(m + 90);
    if (m >= -199 && m <= -100) return static_cast<int16_t>(m + 50);
    if (m >= -99 && m <= 100) return 0;
    if (m >= 101 && m <= 200) return static_cast<int16_t>(m - 50);
    if (m >= 201 && m <= 500) return static_cast<int16_t>(m - 90);
    if (m >= 501 && m <= 1000) return static_cast<int16_t>(m - 125);
    if (m >= 1001 && m <= 9999) return static_cast<int16_t>(m - 150);
    return m;
}

}  // namespace

void Battle::endOfTurnStatusPass() {
    const auto order = fighterOrder();

    for (int side : order) {
        FighterState& f = fighter(side);
        const bool resist = holds(side, tech::kResist);
        for (int s = 0; s < kStatusCount; ++s) {
            int16_t& counter = f.statusTurns[static_cast<size_t>(s)];
            if (counter == 0) continue;
            if (s == kStatusCloak && counter == 1) {
                for (int step = 1; step <= 6; ++step) {
                    tell(event::PictureChange{side, PictureProperty::Fade, 6 - step});
                    tell(event::Pause{100, Wait::Scaled});
                }
            }
            counter = sat16(static_cast<int64_t>(counter) - 1);
            if (resist && resistShortens(s) && counter != 0) counter = sat16(static_cast<int64_t>(counter) - 1);
        }
        f.atkMod = fadedModifier(f.atkMod);
        f.defMod = fadedModifier(f.defMod);
        f.spdMod = fadedModifier(f.spdMod);
    }

    for (int side : order) {
        FighterState& f = fighter(side);
        const bool zombie = holds(side, tech::kZombie);
        if (f.has(kStatusPoison) && zombie) continue;
        int amount = 0;
        if (f.has(kStatusRecovery) || f.record.spare == 9) {
            amount = 24 + static_cast<int>(intOf(5, battleRandom())) - (zombie ? 1 : 0);
        } else if (holds(side, tech::kRevive) || holds(side, tech::kUndead)) {
            amount = 9 + static_cast<int>(intOf(6, battleRandom())) - (zombie ? 25 : 0);
        } else {
            continue;
        }
        if (f.hp + amount > f.maxHp) amount = f.maxHp - f.hp;
        // A ゾンビ's decay wears it down to 1 HP, never further.
        if (amount < 0 && f.hp + amount <= 0) amount = -(f.hp - 1);
        changeHp(side, -amount);
    }

    for (int side : order) {
        FighterState& f = fighter(side);
        if (!f.has(kStatusPoison)) continue;
        tell(event::Sound{41});
        tell(event::MotionShown{side, Motion::Hit});
        const bool venom = holds(0, tech::kVenom) || holds(1, tech::kVenom);
        int damage = venom ? 18 + static_cast<int>(intOf(5, battleRandom()))
                           : 32 + static_cast<int>(intOf(5, battleRandom())) - 3 * (10 - f.turns(kStatusPoison));
        if (holds(side, tech::kZombie)) {
            damage = static_cast<int>(cint(-0.8 * damage));
            if (f.hp - damage > f.maxHp) damage = f.hp - f.maxHp;
        }
        if (hasBossGuard(side)) damage = static_cast<int>(cint(damage / 2.5));
        changeHp(side, damage);
    }
}

}  // namespace vex
