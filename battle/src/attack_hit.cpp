// One hit of an attacking technique, from the attacker's landing to the follow-ups: the hit
// check, ｶｳﾝﾀｰ, the damage and the defender's reaction, 反撃, 追撃 with ﾌｨﾆｯｼｭ, and the clones.
// Follow-up hits nest one level deep: while one runs, no other starts, and each restores the
// attacker's technique, `damage` and `missFlag` when it is done.

#include <algorithm>

#include "number_text.h"
#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"

namespace vex {

namespace {

bool isMultiHit(int id) {
    return id == tech::kTripleStrike || id == tech::kDoubleAttack || id == tech::kFlurry ||
           id == tech::kFinalAttack || id == tech::kGatlingAttack;
}

// Runs a follow-up hit under a technique of its own and puts the main hit's results back.
template <class Hit>
void asFollowUp(Battle& battle, int side, int technique, bool& runningFlag, Hit&& hit) {
    BattleState& s = battle.state();
    FighterState& f = battle.fighter(side);
    const int16_t savedTech = f.currentTech;
    const int16_t savedDamage = s.damage;
    const int16_t savedMiss = s.missFlag;
    f.currentTech = static_cast<int16_t>(technique);
    runningFlag = true;
    hit();
    runningFlag = false;
    f.currentTech = savedTech;
    s.damage = savedDamage;
    s.missFlag = savedMiss;
}

}  // namespace

void Battle::surface(int side) {
    FighterState& f = fighter(side);
    for (int i = 0; i <= 10; ++i) {
        view_->pause(100, Wait::Scaled);
        f.burrowDepth = static_cast<int16_t>(100 - i * i);
        view_->picture(side, PictureProperty::SinkPercent, f.burrowDepth);
    }
    replaceTechnique(side, tech::kSurface, tech::kBurrow);
}

void Battle::comeDown(int side) {
    FighterState& f = fighter(side);
    view_->sound(25);
    view_->pause(200, Wait::Scaled);
    view_->motion(side, Motion::Fall);
    f.pictureOffsetY = 0;
    view_->picture(side, PictureProperty::OffsetY, 0);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        int id = f.record.techId[static_cast<size_t>(slot)];
        if (id == tech::kHover) setSlotTechnique(side, slot, tech::kJump);
        if (id == tech::kHover || id == tech::kAirAttack) recomputeSlotCost(side, slot);
    }
}

void Battle::attackHit(int attacker, int powerValue) {
    const int A = attacker;
    const int D = 1 - attacker;
    FighterState& a = fighter(A);
    FighterState& d = fighter(D);
    BattleState& s = state_;

    const int kindOfAttack = category(a.currentTech);
    if (a.burrowDepth == 100 && (kindOfAttack == kCategoryAttack || kindOfAttack == kCategorySpecial)) surface(A);
    const bool landsFirst = a.jumping == kTrue && a.currentTech != tech::kAirAttack;
    if (landsFirst) comeDown(A);

    hitCheck(A);
    if (landsFirst) a.jumping = kFalse;

    if (s.missFlag == kFalse) {
        bool turnedBack = false;
        if (d.currentTech == tech::kCounter && category(a.currentTech) == kCategoryAttack) {
            Fix4 r = battleRandom();
            turnedBack = r < 0.65_fx && a.currentTech != tech::kShoot;
        }
        if (turnedBack) {
            // ｶｳﾝﾀｰ: the defender dodges and strikes back with a normal attack of power 350.
            if (!isMultiHit(a.currentTech) || s.hitSequence == 1) {
                view_->motion(D, Motion::Dodge);
                d.currentTech = tech::kNormalAttack;
                s.strikeBackRunning = true;
                computeDamage(D, 350);
                changeHp(A, s.damage);
                s.strikeBackRunning = false;
                d.currentTech = tech::kCounter;
                statistics_->recordStat(D, StatCode::Counters, 1);
                if (battleRandom() > 0.65_fx && holds(D, tech::kFootSweep)) applyStatus(A, kStatusFallen, 2);
            }
        } else {
            if (a.currentTech == tech::kSecretArt) view_->motion(D, Motion::ScreenFlash);
            if (a.currentTech == tech::kBlowAway || a.currentTech == tech::kImpact) view_->motion(D, Motion::KnockBack);
            if (a.currentTech == tech::kShoot) view_->motion(D, Motion::Shift);

            computeDamage(A, powerValue);
            if (a.currentTech == tech::kCloneAttack) {
                // (0.25 + 0.04·r)·damage, exactly
                Fix4 r = battleRandom();
                int64_t share = 2500 * 10000 + 400 * r.units();
                changeHp(D, sat16(divideHalfEven(share * s.damage, 100000000)));
            } else {
                changeHp(D, s.damage);
            }

            if (d.personality == 3 && battleRandom() < 0.1_fx) {
                view_->pause(100, Wait::Scaled);
                showCaption(D, "ブチ切れ", {255, 0, 0}, 0);
                showCaption(D, "感情↑", {255, 0, 0}, 50);
            } else if (d.personality == 4 && battleRandom() < 0.1_fx) {
                showCaption(D, "落ち込み", {0, 0, 100}, 0);
                showCaption(D, "感情↓", {0, 0, 100}, -50);
            } else if (d.personality == 1) {
                showCaption(D, "", {}, 10);
            } else if (d.personality == 2) {
                showCaption(D, "", {}, -10);
            }

            Fix4 r = battleRandom();
            if (d.jumping != kTrue && ((r > 0.65_fx && holds(A, tech::kFootSweep)) || a.currentTech == tech::kBlowAway) &&
                !d.has(kStatusGuard))
                applyStatus(D, kStatusFallen, 2);
        }

        if (d.currentTech == tech::kSpConvert) {
            int slot = d.currentSlot;
            if (slot >= 0 && slot < kSlotCount)
                view_->announce(D, d.has(kStatusPanic) ? std::string_view("？？？")
                                                       : std::string_view(d.record.techName[static_cast<size_t>(slot)]));
            Fix4 r = battleRandom();
            int gain = static_cast<int>(cint(s.damage / (5.0 + 2.0 * r.toDouble())));
            int from = d.sp;
            int to = std::clamp(from + gain, 0, 999);
            d.sp = static_cast<int16_t>(to);
            view_->caption(D, NumberText("", gain).text, {0, 255, 255}, TextKind::SpNumber);
            view_->gauge({Gauge::Sp, D, from, to, static_cast<double>(gain), 1, 0, false});
        }
    }

    const bool middleHit = isMultiHit(a.currentTech) && s.hitSequence != 1;
    const bool followUpInProgress = s.followUpRunning || s.strikeBackRunning;
    if (followUpInProgress) return;

    // 反撃: the defender answers with a normal attack of power 150.
    if (holds(D, tech::kStrikeBack) && !d.has(kStatusParalysis) && d.hp != 0 && d.currentTech != tech::kGatlingAttack &&
        d.currentTech != tech::kCloneAttack && d.currentTech != tech::kRush && d.currentTech != tech::kCounter &&
        a.currentTech != tech::kShoot && a.currentTech != tech::kRush && a.currentTech != tech::kCounter) {
        Fix4 threshold = 1_fx - d.counterStrikeChance - (holds(D, tech::kFlowingWater) ? 0.15_fx : Fix4{}) +
                         mulFix(0.2_fx, d.luck);
        if (battleRandom() > threshold) {
            asFollowUp(*this, D, tech::kNormalAttack, s.strikeBackRunning, [&] { attackHit(D, 150); });
            d.counterStrikeChance = 0.1_fx;
            if (a.hp == 0) return;
        }
    }

    // 追撃: the attacker strikes again with a normal attack of power 150.
    if (holds(A, tech::kPursuit) && d.hp != 0 && !middleHit && d.currentTech != tech::kCounter &&
        d.currentTech != tech::kRush && a.currentTech != tech::kGatherPower && a.currentTech != tech::kCounter &&
        category(a.currentTech) == kCategoryAttack) {
        const bool stance = holds(A, tech::kPursuitStance);
        const bool flowingWater = holds(A, tech::kFlowingWater);
        Fix4 chance = a.pursuitChance + mulFix(0.2_fx, a.luck) +
                      ((s.missFlag == kTrue && stance) ? 0.3_fx : Fix4{}) + (flowingWater ? 0.15_fx : Fix4{});
        if (battleRandom() > 1_fx - chance) {
            asFollowUp(*this, A, tech::kNormalAttack, s.followUpRunning, [&] {
                attackHit(A, 150);
                if (s.missFlag == kFalse && holds(A, tech::kFinish)) {
                    Fix4 finishChance = 0.3_fx + (stance ? 0.3_fx : Fix4{}) + (flowingWater ? 0.2_fx : Fix4{});
                    if (battleRandom() > finishChance) finishingTechnique(A);
                }
            });
        }
    }

    // The clones strike after every hit that landed.
    if (s.missFlag == kFalse && !middleHit && a.cloneCount <= 2) {
        const int clones = 3 - a.cloneCount;
        for (int i = 0; i < clones; ++i) {
            showCaption(A, "分身攻撃", {0, 220, 60}, 0);
            asFollowUp(*this, A, tech::kCloneAttack, s.followUpRunning, [&] { attackHit(A, 150); });
            if (d.hp <= 0) return;
        }
    }
    if (holds(A, tech::kZombie) && s.missFlag == kFalse && category(a.currentTech) == kCategoryAttack) {
        if (battleRandom() < 0.35_fx && d.turns(kStatusPoison) < 4) applyStatus(D, kStatusPoison, 6);
    }
}

// ﾌｨﾆｯｼｭ: a landed pursuit turns into one of the attacking techniques, chosen by a draw.
void Battle::finishingTechnique(int attacker) {
    const int A = attacker;
    const int D = 1 - attacker;
    FighterState& a = fighter(A);
    FighterState& d = fighter(D);
    const int k = static_cast<int>(intOf(99, battleRandom()));
    auto hitWith = [&](int technique, int powerValue) {
        a.currentTech = static_cast<int16_t>(technique);
        attackHit(A, powerValue);
    };
    auto followUpStatus = [&](StatusKind status, auto turns) {
        Fix4 r = battleRandom();
        if (r > 0.3_fx && state_.missFlag == kFalse && !d.has(kStatusGuard)) applyStatus(D, status, turns());
    };
    if (k <= 2) {
        hitWith(tech::kSecretArt, 1300);
    } else if (k == 3) {
        view_->sound(43);
        view_->motion(A, Motion::SelfStrike);
        changeHp(A, a.hp);
        a.selfFelled = kTrue;
    } else if (k <= 15) {
        hitWith(tech::kHpDrain, 350);
        if (d.hp > 0 && state_.missFlag == kFalse) {
            int gain = state_.damage;
            if (holds(D, tech::kMetal)) gain = static_cast<int>(cint(gain * 0.5));
            gain = std::min(gain, std::max(0, a.maxHp - a.hp));
            changeHp(A, -gain);
        }
    } else if (k <= 30) {
        hitWith(tech::kImpact, 400);
        followUpStatus(kStatusParalysis, [&] { return static_cast<int>(intOf(0.6_fx, battleRandom(), 1.8_fx)); });
    } else if (k <= 45) {
        hitWith(tech::kSureHit, 400);
    } else if (k <= 55) {
        hitWith(tech::kHeavyBlow, 400);
        followUpStatus(kStatusConfusion, [&] { return static_cast<int>(intOf(0.6_fx, battleRandom(), 2.8_fx)); });
    } else if (k <= 65) {
        hitWith(tech::kPoisonStrike, 400);
        followUpStatus(kStatusPoison, [&] { return poisonStrikeTurns(); });
    } else if (k <= 75) {
        hitWith(tech::kBlowAway, 400);
    } else {
        hitWith(tech::kAttack, 400);
    }
}

int Battle::poisonStrikeTurns() {
    int turns = 4 + static_cast<int>(intOf(3, battleRandom()));
    if (holds(0, tech::kVenom) || holds(1, tech::kVenom)) turns += 5;
    return turns;
}

}  // namespace vex
