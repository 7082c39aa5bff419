// The damage of one hit: the attacker's ATK against the defender's DEF and the power, then a
// fixed chain of multipliers (critical, commands, elements, abilities, emotion), the floor,
// the impact sound and the lethal cap with ガッツ.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"

namespace vex {

namespace {

int16_t times(int16_t damage, double factor) { return sat16(cint(damage * factor)); }

// x^y of a base that a damaged record or a stacked modifier can push below 0; the power of a
// negative base has no real value, so such a base counts as 0.
double power(double base, double exponent) { return base > 0 ? std::pow(base, exponent) : 0.0; }

}  // namespace

double Battle::memoPower(PowerMemo& memo, int base, double exponent) {
    if (memo.input != base) {
        memo.input = base;
        memo.value = power(base, exponent);
    }
    return memo.value;
}

int16_t Battle::baseDamage(int striker, int target, int powerValue) {
    const FighterState& a = fighter(striker);
    const FighterState& d = fighter(target);
    Fix4 r = battleRandom();
    const int attack = a.record.atk + a.atkMod;
    const int defence = d.record.def + d.defMod;
    double x = memoPower(attackPower_[static_cast<size_t>(striker)], attack, 1.03);
    double y = memoPower(defencePower_[static_cast<size_t>(target)], defence, 0.9);
    int64_t e = cintFix(fix4Fast(x - y) + mulFix(r, 100));
    if (a.turns(kStatusGather) == 1) e += 260;
    e += 700;
    return sat16(cint(power(power(e / 1000.0, 0.7) * powerValue, 0.8)));
}

void Battle::computeDamage(int attacker, int powerValue) {
    const int A = attacker;
    const int D = 1 - attacker;
    FighterState& a = fighter(A);
    FighterState& d = fighter(D);
    const int t = a.currentTech;
    const int td = d.currentTech;
    int16_t damage = state_.damage;

    // A clone's hit keeps the main hit's damage.
    if (t != tech::kCloneAttack) {
        damage = baseDamage(A, D, powerValue);
        const int attack = a.record.atk + a.atkMod;

        if (t == tech::kIgnoreDefence && !state_.followUpRunning && !state_.strikeBackRunning) {
            Fix4 r5 = battleRandom();
            Fix4 base = fix4Fast(attack / 10.0 + 10 + 40.0 * techLevel(A));
            damage = sat16(cintFix(base - mulFix(r5, 20)));
        }

        Fix4 r6 = battleRandom();
        Fix4 threshold = 0.9_fx - (holds(A, tech::kOneHitKill) ? 0.3_fx : Fix4{}) -
                         (holds(A, tech::kChampionMark) ? 0.15_fx : Fix4{}) - mulFix(0.3_fx, a.luck);
        if (((r6 > threshold || t == tech::kCritical) && !holds(D, tech::kVitalGuard)) || a.lucky == kTrue) {
            damage = times(damage, 1.3);
            showCaption(A, "クリティカル", {255, 255, 0}, 0);
            statistics_->recordStat(A, StatCode::Criticals, 1);
        }

        if (t == tech::kRush) damage = times(damage, 1.4);
        if (td == tech::kRush) damage = times(damage, 1.3);
        if (a.turns(kStatusSupportSeal) == 1 && a.turns(kStatusSpecialSeal) == 1) damage = times(damage, 1.25);
        if (t == tech::kReadAhead && td == tech::kEvade) {
            showCaption(D, "先読み", {0, 255, 126}, 0);
            damage = times(damage, 1.3);
        }
        damage = times(damage, elementFactor(A));

        if (t == tech::kSpBlast && damage > 400) damage = sat16(cintFix(400_fx + mulFix(battleRandom(), 30)));

        if (holds(A, tech::kPowerful)) damage = times(damage, 1.15);
        if (d.has(kStatusGuard)) damage = times(damage, 0.85);

        Fix4 r12 = battleRandom();
        if (r12 > 0.7_fx && holds(D, tech::kBreakfall) && td != tech::kDefend && td != tech::kIronWall) {
            announceHeld(D, tech::kBreakfall);
            showCaption(D, "受け身", {0, 255, 126}, 0);
            damage = times(damage, 0.7);
        }

        if (td == tech::kDefend && t != tech::kIgnoreDefence) damage = times(damage, 0.6);

        Fix4 r14 = battleRandom();
        if (td == tech::kDefend && t != tech::kIgnoreDefence && holds(A, tech::kPierce) && r14 > 0.65_fx) {
            showCaption(D, "防御貫通", {0, 255, 255}, 0);
            damage = sat16(cint(damage / 0.6 * 1.15));
        }

        if (t == tech::kWallBreak && td == tech::kDefend) {
            showCaption(D, "壁砕き", {0, 126, 255}, 0);
            damage = sat16(cint(damage / 0.45));
        }

        if (d.burrowDepth == 100) damage = times(damage, 0.7);

        if (damage < 37) damage = sat16(37 + intOf(7, battleRandom()));

        if (d.flying == kTrue && t == tech::kShoot) damage = times(damage, 1.2);
        if (td == tech::kCrossCounter) damage = times(damage, 1.25);
        if (t == tech::kFlurry) {
            damage = times(damage, 0.4);
            if (damage < 28) damage = sat16(28 + intOf(7, battleRandom()));
        }

        Fix4 r19 = battleRandom();
        if (td == tech::kDefend && holds(D, tech::kIronWall) && r19 > 0.7_fx && t != tech::kIgnoreDefence) {
            int16_t kept = damage;
            damage = 0;
            showCaption(D, "鉄壁", {186, 83, 108}, 0);
            Fix4 r2 = battleRandom();
            if (holds(A, tech::kPierce) && r2 > 0.2_fx) {
                showCaption(D, "鉄壁貫通", {0, 255, 255}, 0);
                damage = times(kept, 1.15);
            }
            d.ironWallMark = 0.2_fx;
        }

        Fix4 r20 = battleRandom();
        if (r20 > 0.8_fx && td != tech::kIronWall && td != tech::kDefend && t != tech::kIgnoreDefence &&
            holds(A, tech::kPierce)) {
            showCaption(D, "貫通", {0, 255, 255}, 0);
            damage = times(damage, 1.15);
        }

        const int e21 = a.emotion;
        damage = sat16(cint((1 + 0.3 * e21 * std::abs(e21) / 2500.0) * damage));

        if (hasBossGuard(D)) damage = sat16(cint(damage / 2.5));

        if (t == tech::kFinalAttack) damage = sat16(cint(d.maxHp / 7.0));

        Fix4 r24 = battleRandom();
        if (holds(D, tech::kVitalGuard) && damage > 200 && r24 > 0.4_fx) {
            showCaption(D, "急所外し", {55, 255, 55}, 0);
            damage = 200;
        }
    }

    if (t == tech::kHeavyBlow || t == tech::kSecretArt || damage >= 200) {
        view_->sound(43);
        view_->motion(D, Motion::StrongHit);
    } else {
        int sound = damage <= 0 ? 29 : damage <= 40 ? 40 : damage <= 100 ? 41 : damage <= 180 ? 42 : 43;
        view_->sound(sound);
        view_->motion(D, Motion::Hit);
    }

    if (damage >= d.hp) {
        damage = d.hp;
        Fix4 r = battleRandom();
        const bool gutsHolder = holds(D, tech::kZombie) || holds(D, tech::kGuts);
        // A fighter already at 0 HP is not brought back by ガッツ: the saving point comes off
        // a lethal hit, never off a hit that finds nothing left to take.
        if (r < d.gutsChance && t != tech::kFinalAttack && gutsHolder && d.hp > 0) damage -= 1;
        if (d.gutsChance == 1_fx && gutsHolder) {
            announceHeld(D, holds(D, tech::kGuts) ? tech::kGuts : tech::kZombie);
            changeSp(D, 9999);
            d.gutsChance = 0.999_fx;
        }
    }
    state_.damage = damage;
}

}  // namespace vex
