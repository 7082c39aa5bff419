// One hit of an attacking technique, from the attacker's landing to the follow-ups: the hit
// check, ｶｳﾝﾀｰ, the damage and the defender's reaction, 反撃, 追撃 with ﾌｨﾆｯｼｭ, and the clones.
// Follow-up hits nest one level deep: while one runs, no other starts, and each restores the
// attacker's technique, `damage` and `missFlag` when it is done.

#include <algorithm>

#include "number_text.h"
#include "technique_handlers.h"
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
        tell(event::Pause{100, Wait::Scaled});
        f.burrowDepth = static_cast<int16_t>(100 - i * i);
        tell(event::PictureChange{side, PictureProperty::SinkPercent, f.burrowDepth});
    }
    replaceTechnique(side, tech::kSurface, tech::kBurrow);
}

void Battle::comeDown(int side) {
    FighterState& f = fighter(side);
    tell(event::Sound{25});
    tell(event::Pause{200, Wait::Scaled});
    tell(event::MotionShown{side, Motion::Fall});
    f.pictureOffsetY = 0;
    tell(event::PictureChange{side, PictureProperty::OffsetY, 0});
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

    // The hit's record stays open until the hit and the defender's answer to it are done;
    // the follow-up hits after that have records of their own.
    beginHit(HitKind::Strike, A, powerValue);
    bool recordOpen = true;
    auto closeRecord = [&] {
        if (recordOpen) endHit();
        recordOpen = false;
    };

    hitCheck(A);
    if (landsFirst) a.jumping = kFalse;

    if (s.missFlag == kFalse) {
        bool turnedBack = false;
        if (d.currentTech == tech::kCounter && category(a.currentTech) == kCategoryAttack) {
            const Fix4 r = battleRandom();
            turnedBack = decideBelow(r, DrawPurpose::Counter, 0.65, a.currentTech != tech::kShoot) &&
                         a.currentTech != tech::kShoot;
        }
        if (turnedBack) {
            // ｶｳﾝﾀｰ: the defender dodges and strikes back with a normal attack of power 350.
            if (HitExplanation* record = openHit()) record->turnedBack = true;
            closeRecord();
            if (!isMultiHit(a.currentTech) || s.hitSequence == 1) {
                tell(event::MotionShown{D, Motion::Dodge});
                d.currentTech = tech::kNormalAttack;
                s.strikeBackRunning = true;
                HitExplanation& counter = beginHit(HitKind::Counter, D, 350);
                computeDamage(D, 350);
                const int before = a.hp;
                changeHp(A, s.damage);
                counter.hpLoss = sat16(static_cast<int64_t>(before) - a.hp);
                endHit();
                s.strikeBackRunning = false;
                d.currentTech = tech::kCounter;
                statistics_->recordStat(D, StatCode::Counters, 1);
                const bool sweeps = holds(D, tech::kFootSweep);
                if (decideAbove(battleRandom(), DrawPurpose::FootSweep, 0.65_fx, sweeps) && sweeps)
                    applyStatus(A, kStatusFallen, 2);
            }
        } else {
            if (a.currentTech == tech::kSecretArt) tell(event::MotionShown{D, Motion::ScreenFlash});
            if (a.currentTech == tech::kBlowAway || a.currentTech == tech::kImpact)
                tell(event::MotionShown{D, Motion::KnockBack});
            if (a.currentTech == tech::kShoot) tell(event::MotionShown{D, Motion::Shift});

            computeDamage(A, powerValue);
            HitExplanation* record = openHit();
            const int before = d.hp;
            if (a.currentTech == tech::kCloneAttack) {
                // (0.25 + 0.04·r)·damage, exactly
                const int64_t mainDamage = s.damage;
                const Fix4 r = battleRandom();
                const int16_t loss = sat16(takeRound(r, DrawPurpose::CloneShare, Fix4::fromUnits(400 * mainDamage),
                                                     Fix4::fromUnits(2500 * mainDamage)));
                if (record != nullptr) {
                    record->addDamageTerm({DamageTermKind::CloneShare, true, 0.25 + 0.04 * r.toDouble(), 1, s.damage, loss});
                    record->damage = loss;
                }
                changeHp(D, loss);
            } else {
                changeHp(D, s.damage);
            }
            if (record != nullptr) record->hpLoss = sat16(static_cast<int64_t>(before) - d.hp);

            const bool hotHeaded = d.personality == 3;
            const bool gloomy = d.personality == 4;
            if (hotHeaded && decideBelow(battleRandom(), DrawPurpose::Reaction, 0.1)) {
                tell(event::Pause{100, Wait::Scaled});
                showCaption(D, "ブチ切れ", {255, 0, 0}, 0);
                showCaption(D, "感情↑", {255, 0, 0}, 50);
            } else if (gloomy && decideBelow(battleRandom(), DrawPurpose::Reaction, 0.1)) {
                showCaption(D, "落ち込み", {0, 0, 100}, 0);
                showCaption(D, "感情↓", {0, 0, 100}, -50);
            } else if (d.personality == 1) {
                showCaption(D, "", {}, 10);
            } else if (d.personality == 2) {
                showCaption(D, "", {}, -10);
            }

            const Fix4 r = battleRandom();
            const bool canFall = d.jumping != kTrue && !d.has(kStatusGuard);
            const bool sweeps = holds(A, tech::kFootSweep);
            const bool blownAway = a.currentTech == tech::kBlowAway;
            const bool swept =
                decideAbove(r, DrawPurpose::FootSweep, 0.65_fx, canFall && sweeps && !blownAway) && sweeps;
            if (canFall && (swept || blownAway)) applyStatus(D, kStatusFallen, 2);
        }

        if (d.currentTech == tech::kSpConvert) {
            int slot = d.currentSlot;
            if (slot >= 0 && slot < kSlotCount)
                tell(event::Announce{D, d.has(kStatusPanic) ? std::string("？？？")
                                                            : d.record.techName[static_cast<size_t>(slot)]});
            const Fix4 r = battleRandom();
            DrawNote note;
            note.purpose = DrawPurpose::SpConvert;
            note.value = r;
            noteDraw(note);
            int gain = static_cast<int>(cint(s.damage / (5.0 + 2.0 * r.toDouble())));
            int from = d.sp;
            int to = std::clamp(from + gain, 0, 999);
            d.sp = static_cast<int16_t>(to);
            tell(event::Caption{D, std::string(NumberText("", gain).text), {0, 255, 255}, TextKind::SpNumber});
            tell(event::GaugeMove{{Gauge::Sp, D, from, to, static_cast<double>(gain), 1, 0, false}});
        }
    }
    closeRecord();

    const bool middleHit = isMultiHit(a.currentTech) && s.hitSequence != 1;
    const bool followUpInProgress = s.followUpRunning || s.strikeBackRunning;
    if (followUpInProgress) return;

    // 反撃: the defender answers with a normal attack of power 150.
    if (holds(D, tech::kStrikeBack) && !d.has(kStatusParalysis) && d.hp != 0 && d.currentTech != tech::kGatlingAttack &&
        d.currentTech != tech::kCloneAttack && d.currentTech != tech::kRush && d.currentTech != tech::kCounter &&
        a.currentTech != tech::kShoot && a.currentTech != tech::kRush && a.currentTech != tech::kCounter) {
        Fix4 threshold = 1_fx - d.counterStrikeChance - (holds(D, tech::kFlowingWater) ? 0.15_fx : Fix4{}) +
                         mulFix(0.2_fx, d.luck);
        if (decideAbove(battleRandom(), DrawPurpose::StrikeBack, threshold)) {
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
        if (decideAbove(battleRandom(), DrawPurpose::Pursuit, 1_fx - chance)) {
            asFollowUp(*this, A, tech::kNormalAttack, s.followUpRunning, [&] {
                attackHit(A, 150);
                if (s.missFlag == kFalse && holds(A, tech::kFinish)) {
                    Fix4 finishChance = 0.3_fx + (stance ? 0.3_fx : Fix4{}) + (flowingWater ? 0.2_fx : Fix4{});
                    if (decideAbove(battleRandom(), DrawPurpose::Finish, finishChance)) finishingTechnique(A);
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
        const bool fewTurns = d.turns(kStatusPoison) < 4;
        if (decideBelow(battleRandom(), DrawPurpose::ZombiePoison, 0.35, fewTurns) && fewTurns)
            applyStatus(D, kStatusPoison, 6);
    }
}

// ﾌｨﾆｯｼｭ: a landed pursuit turns into one of the attacking techniques, chosen by a draw.
void Battle::finishingTechnique(int attacker) {
    const int A = attacker;
    const int D = 1 - attacker;
    FighterState& a = fighter(A);
    FighterState& d = fighter(D);
    const int k = static_cast<int>(takeFloor(battleRandom(), DrawPurpose::FinishChoice, 99_fx, 0_fx));
    auto hitWith = [&](int technique, int powerValue) {
        a.currentTech = static_cast<int16_t>(technique);
        attackHit(A, powerValue);
    };
    auto followUpStatus = [&](StatusKind status, TurnsRule turns) {
        statusAfterHit(A, status, 0.3_fx, state_.missFlag == kFalse, turns);
    };
    if (k <= 2) {
        hitWith(tech::kSecretArt, 1300);
    } else if (k == 3) {
        tell(event::Sound{43});
        tell(event::MotionShown{A, Motion::SelfStrike});
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
        followUpStatus(kStatusParalysis, handlers::impactTurns);
    } else if (k <= 45) {
        hitWith(tech::kSureHit, 400);
    } else if (k <= 55) {
        hitWith(tech::kHeavyBlow, 400);
        followUpStatus(kStatusConfusion, handlers::heavyBlowTurns);
    } else if (k <= 65) {
        hitWith(tech::kPoisonStrike, 400);
        followUpStatus(kStatusPoison, handlers::poisonStrikeTurns);
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
