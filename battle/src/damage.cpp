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
    return baseDamageOf(striker, target, powerValue, true);
}

int16_t Battle::baseDamageOf(int striker, int target, int powerValue, bool drawDecides) {
    const FighterState& a = fighter(striker);
    const FighterState& d = fighter(target);
    const Fix4 r = battleRandom();
    const int attack = a.record.atk + a.atkMod;
    const int defence = d.record.def + d.defMod;
    const double x = memoPower(attackPower_[static_cast<size_t>(striker)], attack, 1.03);
    const double y = memoPower(defencePower_[static_cast<size_t>(target)], defence, 0.9);
    int64_t e = takeRound(r, DrawPurpose::Base, 100_fx, fix4Fast(x - y), drawDecides);
    const int gathered = a.turns(kStatusGather) == 1 ? 260 : 0;
    e += gathered;
    e += 700;
    const int16_t damage = sat16(cint(power(power(e / 1000.0, 0.7) * powerValue, 0.8)));
    HitExplanation* hit = openHit();
    if (hit != nullptr && hit->attacker == striker && hit->defender == target && !hit->damaged) {
        hit->attack = sat16(static_cast<int64_t>(attack));
        hit->defence = sat16(static_cast<int64_t>(defence));
        hit->attackPower = x;
        hit->defencePower = y;
        hit->gathered = static_cast<int16_t>(gathered);
        hit->base = static_cast<int32_t>(std::clamp<int64_t>(e, INT32_MIN, INT32_MAX));
        hit->baseDamage = damage;
    }
    return damage;
}

void Battle::computeDamage(int attacker, int powerValue) {
    const int A = attacker;
    const int D = 1 - attacker;
    FighterState& a = fighter(A);
    FighterState& d = fighter(D);
    const int t = a.currentTech;
    const int td = d.currentTech;
    int16_t damage = state_.damage;

    // The hit's record, when one is open for this attacker: every factor goes into it as it
    // applies, with the value before and after.
    HitExplanation* open = openHit();
    HitExplanation* record =
        open != nullptr && open->attacker == A && !open->damaged && open->kind != HitKind::Check && open->kind != HitKind::Status
            ? open
            : nullptr;
    auto keep = [&](DamageTermKind kind, int16_t before, double multiplier, double divisor, bool replaces) {
        if (record != nullptr) record->addDamageTerm({kind, replaces, multiplier, divisor, before, damage});
    };
    auto times = [&](DamageTermKind kind, double factor) {
        const int16_t before = damage;
        damage = sat16(cint(damage * factor));
        keep(kind, before, factor, 1, false);
    };
    // A factor that always applies, kept only when it is not 1.
    auto timesUnlessOne = [&](DamageTermKind kind, double factor) {
        const int16_t before = damage;
        damage = sat16(cint(damage * factor));
        if (factor != 1.0) keep(kind, before, factor, 1, false);
    };
    auto over = [&](DamageTermKind kind, double divisor, double multiplier) {
        const int16_t before = damage;
        damage = sat16(cint(damage / divisor * multiplier));
        keep(kind, before, multiplier, divisor, false);
    };
    auto setTo = [&](DamageTermKind kind, int64_t value, double multiplier = 1) {
        const int16_t before = damage;
        damage = sat16(value);
        keep(kind, before, multiplier, 1, true);
    };

    // A clone's hit keeps the main hit's damage.
    if (t != tech::kCloneAttack) {
        const bool ignoresDefence = t == tech::kIgnoreDefence && !state_.followUpRunning && !state_.strikeBackRunning;
        // 防御無視 and Ｆアタック put a damage of their own in place of the base.
        damage = baseDamageOf(A, D, powerValue, !ignoresDefence && t != tech::kFinalAttack);
        if (record != nullptr) record->damaged = true;
        const int attack = a.record.atk + a.atkMod;

        if (ignoresDefence) {
            const Fix4 r5 = battleRandom();
            const Fix4 base = fix4Fast(attack / 10.0 + 10 + 40.0 * techLevel(A));
            setTo(DamageTermKind::IgnoreDefence, takeRound(r5, DrawPurpose::IgnoreDefence, -20_fx, base));
        }

        const Fix4 r6 = battleRandom();
        const Fix4 threshold = 0.9_fx - (holds(A, tech::kOneHitKill) ? 0.3_fx : Fix4{}) -
                               (holds(A, tech::kChampionMark) ? 0.15_fx : Fix4{}) - mulFix(0.3_fx, a.luck);
        const bool vitalGuard = holds(D, tech::kVitalGuard);
        const bool critDraw =
            decideAbove(r6, DrawPurpose::Critical, threshold, t != tech::kCritical && !vitalGuard && a.lucky != kTrue);
        if (((critDraw || t == tech::kCritical) && !vitalGuard) || a.lucky == kTrue) {
            times(DamageTermKind::Critical, 1.3);
            if (record != nullptr) record->critical = true;
            showCaption(A, "クリティカル", {255, 255, 0}, 0);
            statistics_->recordStat(A, StatCode::Criticals, 1);
        }

        if (t == tech::kRush) times(DamageTermKind::Rush, 1.4);
        if (td == tech::kRush) times(DamageTermKind::RushTaken, 1.3);
        if (a.turns(kStatusSupportSeal) == 1 && a.turns(kStatusSpecialSeal) == 1) times(DamageTermKind::Seals, 1.25);
        if (t == tech::kReadAhead && td == tech::kEvade) {
            showCaption(D, "先読み", {0, 255, 126}, 0);
            times(DamageTermKind::ReadAhead, 1.3);
        }
        const double m = elementFactor(A);
        if (record != nullptr) record->elementFactor = m;
        timesUnlessOne(DamageTermKind::Element, m);

        if (t == tech::kSpBlast && damage > 400)
            setTo(DamageTermKind::SpBlastCap, takeRound(battleRandom(), DrawPurpose::SpBlast, 30_fx, 400_fx));

        if (holds(A, tech::kPowerful)) times(DamageTermKind::Powerful, 1.15);
        if (d.has(kStatusGuard)) times(DamageTermKind::StatusGuard, 0.85);

        const Fix4 r12 = battleRandom();
        const bool breakfall = holds(D, tech::kBreakfall) && td != tech::kDefend && td != tech::kIronWall;
        if (decideAbove(r12, DrawPurpose::Breakfall, 0.7_fx, breakfall) && breakfall) {
            announceHeld(D, tech::kBreakfall);
            showCaption(D, "受け身", {0, 255, 126}, 0);
            times(DamageTermKind::Breakfall, 0.7);
        }

        if (td == tech::kDefend && t != tech::kIgnoreDefence) times(DamageTermKind::Defend, 0.6);

        const Fix4 r14 = battleRandom();
        const bool defencePierce = td == tech::kDefend && t != tech::kIgnoreDefence && holds(A, tech::kPierce);
        if (decideAbove(r14, DrawPurpose::DefencePierce, 0.65_fx, defencePierce) && defencePierce) {
            showCaption(D, "防御貫通", {0, 255, 255}, 0);
            over(DamageTermKind::DefencePierce, 0.6, 1.15);
        }

        if (t == tech::kWallBreak && td == tech::kDefend) {
            showCaption(D, "壁砕き", {0, 126, 255}, 0);
            over(DamageTermKind::WallBreak, 0.45, 1);
        }

        if (d.burrowDepth == 100) times(DamageTermKind::Underground, 0.7);

        if (damage < 37) setTo(DamageTermKind::Floor, 37 + takeFloor(battleRandom(), DrawPurpose::Floor, 7_fx, 0_fx));

        if (d.flying == kTrue && t == tech::kShoot) times(DamageTermKind::ShootFlying, 1.2);
        if (td == tech::kCrossCounter) times(DamageTermKind::CrossCounter, 1.25);
        if (t == tech::kFlurry) {
            times(DamageTermKind::Flurry, 0.4);
            if (damage < 28)
                setTo(DamageTermKind::FlurryFloor, 28 + takeFloor(battleRandom(), DrawPurpose::FlurryFloor, 7_fx, 0_fx));
        }

        const Fix4 r19 = battleRandom();
        const bool ironWall = td == tech::kDefend && holds(D, tech::kIronWall) && t != tech::kIgnoreDefence;
        if (decideAbove(r19, DrawPurpose::IronWall, 0.7_fx, ironWall) && ironWall) {
            const int16_t kept = damage;
            setTo(DamageTermKind::IronWall, 0);
            showCaption(D, "鉄壁", {186, 83, 108}, 0);
            const Fix4 r2 = battleRandom();
            const bool pierces = holds(A, tech::kPierce);
            if (decideAbove(r2, DrawPurpose::IronWallPierce, 0.2_fx, pierces) && pierces) {
                showCaption(D, "鉄壁貫通", {0, 255, 255}, 0);
                setTo(DamageTermKind::IronWallPierce, cint(kept * 1.15), 1.15);
            }
            d.ironWallMark = 0.2_fx;
        }

        const Fix4 r20 = battleRandom();
        const bool pierce = td != tech::kIronWall && td != tech::kDefend && t != tech::kIgnoreDefence && holds(A, tech::kPierce);
        if (decideAbove(r20, DrawPurpose::Pierce, 0.8_fx, pierce) && pierce) {
            showCaption(D, "貫通", {0, 255, 255}, 0);
            times(DamageTermKind::Pierce, 1.15);
        }

        const int e21 = a.emotion;
        timesUnlessOne(DamageTermKind::Emotion, 1 + 0.3 * e21 * std::abs(e21) / 2500.0);

        if (hasBossGuard(D)) over(DamageTermKind::BossGuard, 2.5, 1);

        if (t == tech::kFinalAttack) setTo(DamageTermKind::FinalAttack, cint(d.maxHp / 7.0));

        const Fix4 r24 = battleRandom();
        const bool vitalGuardTakes = vitalGuard && damage > 200;
        if (decideAbove(r24, DrawPurpose::VitalGuard, 0.4_fx, vitalGuardTakes) && vitalGuardTakes) {
            showCaption(D, "急所外し", {55, 255, 55}, 0);
            setTo(DamageTermKind::VitalGuard, 200);
        }
    } else if (record != nullptr) {
        record->damaged = true;
        record->baseDamage = damage;
    }

    if (t == tech::kHeavyBlow || t == tech::kSecretArt || damage >= 200) {
        tell(event::Sound{43});
        tell(event::MotionShown{D, Motion::StrongHit});
    } else {
        int sound = damage <= 0 ? 29 : damage <= 40 ? 40 : damage <= 100 ? 41 : damage <= 180 ? 42 : 43;
        tell(event::Sound{sound});
        tell(event::MotionShown{D, Motion::Hit});
    }

    if (damage >= d.hp) {
        if (damage != d.hp) setTo(DamageTermKind::LethalCap, d.hp);
        const Fix4 r = battleRandom();
        const bool gutsHolder = holds(D, tech::kZombie) || holds(D, tech::kGuts);
        // A fighter already at 0 HP is not brought back by ガッツ: the saving point comes off
        // a lethal hit, never off a hit that finds nothing left to take.
        const bool guts = t != tech::kFinalAttack && gutsHolder && d.hp > 0;
        if (decideBelow(r, DrawPurpose::Guts, d.gutsChance.toDouble(), guts) && guts)
            setTo(DamageTermKind::Guts, static_cast<int64_t>(damage) - 1);
        if (d.gutsChance == 1_fx && gutsHolder) {
            announceHeld(D, holds(D, tech::kGuts) ? tech::kGuts : tech::kZombie);
            changeSp(D, 9999);
            d.gutsChance = 0.999_fx;
        }
    }
    if (record != nullptr) record->damage = damage;
    state_.damage = damage;
}

}  // namespace vex
