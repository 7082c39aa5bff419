// The SP techniques: taking, destroying and buying SP, SPﾌﾞﾗｽﾄ and the リミッター gauge.

#include <algorithm>
#include <cmath>

#include "technique_handlers.h"
#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::handlers {

namespace {

bool lands(Battle& battle, int attacker) {
    battle.hitCheck(attacker);
    return battle.state().missFlag == kFalse;
}

}  // namespace

// ＳＰ吸収: SP moves from the opponent to the user (half of it from a メタル opponent).
void spDrain(Battle& battle, int attacker, const TechniqueRule&) {
    if (!lands(battle, attacker)) return;
    const int defender = 1 - attacker;
    int amount = 10 + static_cast<int>(intOf(3, battle.battleRandom()));
    if (battle.holds(defender, tech::kMetal)) amount = static_cast<int>(cint(amount * 0.5));
    amount = std::clamp(amount, 0, std::max(0, static_cast<int>(battle.fighter(defender).sp)));
    battle.tell(event::Sound{27});
    battle.changeSp(defender, -amount);
    battle.tell(event::Sound{26});
    battle.changeSp(attacker, amount);
}

void spAttack(Battle& battle, int attacker, const TechniqueRule& rule) {
    if (!lands(battle, attacker)) return;
    const int defender = 1 - attacker;
    int amount = 23 + static_cast<int>(intOf(3, battle.battleRandom()));
    amount = std::clamp(amount, 0, std::max(0, static_cast<int>(battle.fighter(defender).sp)));
    battle.showCaption(defender, "SPﾀﾞﾒｰｼﾞ", {255, 0, 0}, emotionValue(rule.id));
    battle.tell(event::Sound{27});
    battle.changeSp(defender, -amount);
}

// チャージ: 100 HP for 30 SP; a fighter with 100 HP or less keeps 1 HP.
void spCharge(Battle& battle, int attacker, const TechniqueRule&) {
    const int hp = battle.fighter(attacker).hp;
    const int cost = hp <= 100 ? std::max(0, hp - 1) : 100;
    battle.changeHp(attacker, cost);
    battle.tell(event::Sound{28});
    battle.changeSp(attacker, static_cast<int>(divideHalfEven(3 * static_cast<int64_t>(cost), 10)));
}

// SPﾌﾞﾗｽﾄ spends every SP on one hit; the power flattens out above 50 SP.
void spBlast(Battle& battle, int attacker, const TechniqueRule&) {
    const int sp = battle.fighter(attacker).sp;
    if (sp < 6) return;
    battle.changeSp(attacker, -sp);
    battle.attackHit(attacker, sat16(cint(spBlastPower(sp))));
}

void limitBreak(Battle& battle, int attacker, const TechniqueRule& rule) {
    FighterState& a = battle.fighter(attacker);
    const int64_t power = rule.power + static_cast<int64_t>(rule.powerPerLevel) * (a.limitGauge - 1);
    battle.attackHit(attacker, sat16(power));
    a.limitGauge = 0;
}

void limitCharge(Battle& battle, int attacker, const TechniqueRule&) {
    FighterState& a = battle.fighter(attacker);
    const int gain = std::min(30 * static_cast<int>(a.limitGauge), 999);
    a.limitGauge = 0;
    battle.changeSp(attacker, gain);
}

}  // namespace vex::handlers

namespace vex {

double spBlastPower(int sp) {
    if (sp <= 10) return std::pow(sp, 2.6);
    if (sp <= 50) return std::pow(10.0, 2.6) + 11.125 * sp;
    return std::pow(4.0 * sp, 0.99) + 761;
}

}  // namespace vex
