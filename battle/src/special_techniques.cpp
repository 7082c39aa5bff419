// The special techniques: 奥義 and 格闘, 射撃 with its ammunition, 特殊吸収, スパイ, 浄化の炎,
// 呪い, the ways out of a battle (切腹, 逃げる), winding up the gatling and 分身.

#include <algorithm>
#include <array>
#include <cmath>

#include "technique_handlers.h"
#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex::handlers {

namespace {

constexpr Rgb kFailed{150, 150, 150};

// The shots of 射撃 by the level of its slot, 1-5 (0 counts as 1).
int shotsFor(int level) {
    static constexpr std::array<int16_t, 5> kShots{20, 10, 6, 4, 3};
    return kShots[static_cast<size_t>(std::clamp(level, 1, 5) - 1)];
}

bool onTournamentStage(Battle& battle) { return battle.state().stageIndex == kTournamentStage; }

}  // namespace

// 奥義 is used once a battle: a desperate one (under 100 HP) is the stronger 最終奥義.
void secretArt(Battle& battle, int attacker, const TechniqueRule& rule) {
    if (battle.fighter(attacker).hp < 100 && !onTournamentStage(battle)) {
        battle.tell(event::MotionShown{attacker, Motion::ScreenFlash});
        battle.tell(event::Sound{37});
        battle.showCaption(attacker, "最終奥義", {120, 160, 255}, 0);
        battle.attackHit(attacker, 1500);
    } else {
        battle.attackHit(attacker, rule.power);
    }
    battle.replaceTechnique(attacker, tech::kSecretArt, tech::kAttackBonus);
}

// 格闘 pays for its strength with HP, a share of the damage dealt; a miss strikes the user
// instead, and it pays all the same. It never costs the last HP point.
void brawl(Battle& battle, int attacker, const TechniqueRule& rule) {
    FighterState& a = battle.fighter(attacker);
    const int64_t level = battle.techLevel(attacker);
    auto strength = [&] {
        return 20 + 22 * level + battle.takeFloor(battle.battleRandom(), DrawPurpose::Strength, 10_fx, 0_fx);
    };
    const int64_t s = std::min<int64_t>(strength(), a.hp - 1);
    battle.attackHit(attacker, sat16(rule.power + 4 * s));

    int damage = battle.state().damage;
    if (battle.state().missFlag != kFalse) {
        const int64_t selfPower = rule.power + 4 * strength();
        damage = battle.baseDamage(attacker, attacker, sat16(selfPower));
        if (damage < 30)
            damage = 30 + static_cast<int>(battle.takeFloor(battle.battleRandom(), DrawPurpose::SelfStrikeFloor, 7_fx, 0_fx));
        battle.tell(event::MotionShown{attacker, Motion::SelfStrike});
    }
    const bool revives = battle.holds(attacker, tech::kRevive) && !onTournamentStage(battle);
    int64_t loss = revives ? divideHalfEven(5 * static_cast<int64_t>(damage), 10)
                           : divideHalfEven(6 * static_cast<int64_t>(damage), 10);
    loss = std::clamp<int64_t>(loss, 0, std::max(0, a.hp - 1));
    battle.changeHp(attacker, static_cast<int>(loss));
}

// 射撃 spends a shot; the cost of 弾倉補充 grows with the shots spent.
void shoot(Battle& battle, int attacker, const TechniqueRule& rule) {
    FighterState& a = battle.fighter(attacker);
    a.ammo = sat16(static_cast<int64_t>(a.ammo) - 1);
    const int level = battle.techLevel(attacker);
    if (battle.holds(attacker, tech::kReload)) {
        static constexpr std::array<int, 5> kPerShot{3, 5, 15, 30, 40};
        const int clamped = std::clamp(level, 1, 5);
        const int64_t spent = shotsFor(clamped) - static_cast<int64_t>(a.ammo);
        const double technician = 1.0 - 0.1 * battle.abilityCount(attacker, tech::kTechnician);
        // More shots than the level holds (taken over with 特殊吸収) make no negative cost.
        const double cost = battle.costFactor(attacker) * static_cast<double>(spent * kPerShot[clamped - 1]) * technician;
        const int16_t reloadCost = sat16(std::max<int64_t>(0, cint(cost)));
        for (int slot = 0; slot < kSlotCount; ++slot)
            if (a.record.techId[static_cast<size_t>(slot)] == tech::kReload) a.record.techCost[static_cast<size_t>(slot)] = reloadCost;
    }
    battle.attackHit(attacker, sat16(rule.power + static_cast<int64_t>(rule.powerPerLevel) * level));
}

// 弾倉補充 fills the magazine; it can be used again once 射撃 has set its cost.
void reload(Battle& battle, int attacker, const TechniqueRule&) {
    FighterState& a = battle.fighter(attacker);
    battle.tell(event::Sound{35});
    battle.showCaption(attacker, "弾倉補充", {30, 240, 100}, 0);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto s = static_cast<size_t>(slot);
        if (a.record.techId[s] == tech::kShoot) a.ammo = static_cast<int16_t>(shotsFor(a.record.techLevel[s]));
    }
    // The slot of 弾倉補充 itself, also when the command was a コピー of it: the コピー
    // slot keeps its own cost.
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (a.record.techId[static_cast<size_t>(slot)] == tech::kReload) a.record.techCost[static_cast<size_t>(slot)] = 999;
}

// 特殊吸収 takes over the slot the opponent acted from, at seven tenths of its catalogue cost.
void absorbSpecial(Battle& battle, int attacker, const TechniqueRule&) {
    FighterState& a = battle.fighter(attacker);
    const FighterState& d = battle.fighter(1 - attacker);
    const bool fromSlot = d.noAction == kFalse && d.currentSlot >= 0 && d.currentSlot < kSlotCount;
    const bool intoSlot = a.currentSlot >= 0 && a.currentSlot < kSlotCount;
    if (!fromSlot || !intoSlot || d.currentTech == tech::kAbsorbSpecial) {
        battle.showCaption(attacker, "失敗", kFailed, 0);
        return;
    }
    const auto from = static_cast<size_t>(d.currentSlot);
    const auto to = static_cast<size_t>(a.currentSlot);
    const MonsterRecord& source = d.entry;
    battle.tell(event::Sound{37});
    battle.showCaption(attacker, "特殊吸収", {255, 120, 10}, 0);
    battle.showCaption(attacker, source.techName[from], {255, 255, 255}, 0);

    const int id = source.techId[from];
    const int level = source.techLevel[from];
    a.record.techName[to] = source.techName[from];
    a.record.techLevel[to] = static_cast<int16_t>(level);
    a.record.techElement(static_cast<int>(to)) = source.techElement(static_cast<int>(from));
    a.record.techId[to] = static_cast<int16_t>(id);
    const TechniqueEntry& entry = techniqueEntry(std::clamp(id, 0, TechniqueCatalogue::kMaxId));
    const int64_t catalogueCost = static_cast<int64_t>(level - 1) * entry.spStep + entry.spBase;
    a.record.techCost[to] = sat16(divideHalfEven(7 * catalogueCost, 10));
    if (id == tech::kShoot) a.ammo = d.ammo;

    a.currentSlot = kNoSlot;
    a.noAction = kTrue;
}

// スパイ shows the opponent's techniques in their element colours, and its strong stats.
void spy(Battle& battle, int attacker, const TechniqueRule&) {
    static constexpr std::array<Rgb, kElementCount> kElementColours{{
        {100, 100, 100}, {170, 0, 0}, {0, 0, 170}, {170, 170, 0}, {128, 64, 0}, {170, 170, 170}, {0, 0, 0},
    }};
    const int defender = 1 - attacker;
    const FighterState& d = battle.fighter(defender);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const int id = d.record.techId[static_cast<size_t>(slot)];
        if (id == tech::kNone || Battle::category(id) == kCategorySkill) continue;
        battle.showCaption(defender, d.record.techName[static_cast<size_t>(slot)],
                           kElementColours[static_cast<size_t>(slotElement(d.record, slot))], 0);
    }
    constexpr Rgb kStrong{0, 255, 120};
    if (d.record.atk + d.atkMod >= 501) battle.showCaption(defender, "攻撃力が高い", kStrong, 0);
    if (d.record.def + d.defMod >= 501) battle.showCaption(defender, "防御力が高い", kStrong, 0);
    if (d.record.spd + d.spdMod >= 501) battle.showCaption(defender, "素早さが高い", kStrong, 0);
}

// 浄化の炎 burns away the opponent's bad statuses and strikes with what it burnt.
void purifyingFlame(Battle& battle, int attacker, const TechniqueRule& rule) {
    struct Weight {
        StatusKind status;
        int weight;
    };
    static constexpr std::array<Weight, 12> kWeights{{
        {kStatusParalysis, 300}, {kStatusPoison, 40}, {kStatusConfusion, 120}, {kStatusFallen, 280},
        {kStatusAttackSeal, 220}, {kStatusSupportSeal, 170}, {kStatusSpecialSeal, 170}, {kStatusAllSeal, 260},
        {kStatusSpStop, 100}, {kStatusBind, 290}, {kStatusIllusion, 60}, {kStatusCloak, 80},
    }};
    const int defender = 1 - attacker;
    FighterState& d = battle.fighter(defender);
    battle.tell(event::Sound{38});
    battle.showCaption(defender, "浄化の炎", {255, 0, 0}, 0);
    int64_t sum = 0;
    int count = 0;
    for (const Weight& w : kWeights) {
        int16_t& counter = d.turns(w.status);
        if (counter < 1) continue;
        sum += static_cast<int64_t>(counter) * w.weight;
        count += 2;
        counter = 0;
    }
    battle.computeSlotUsability();
    battle.tell(event::Redraw{RedrawTarget::StatusWindows});
    if (battle.holds(defender, tech::kUndead)) sum += 200;
    const int64_t power = cint(static_cast<double>(sum) + 80.0 * std::pow(count, 1.1));
    if (power != 0)
        battle.attackHit(attacker, sat16(power + rule.power));
    else
        battle.showCaption(defender, "失敗", {100, 100, 100}, 0);
}

// 呪い puts one of six statuses on the opponent, past any resistance, or fails.
void curse(Battle& battle, int attacker, const TechniqueRule&) {
    battle.hitCheck(attacker);
    if (battle.state().missFlag != kFalse) return;
    const int defender = 1 - attacker;
    const int64_t k = battle.takeFloor(battle.battleRandom(), DrawPurpose::Status, 7_fx, 0_fx);
    Battle::DrawScope scope(battle, DrawPurpose::StatusTurns);
    auto turns = [&](Fix4 base, Fix4 perDraw) { return static_cast<int>(cintOf(perDraw, battle.battleRandom(), base)); };
    switch (k) {
    case 0: battle.applyStatus(defender, kStatusParalysis, turns(1_fx, 1.5_fx)); break;
    case 1: battle.applyStatus(defender, kStatusPoison, 10 + static_cast<int>(intOf(3, battle.battleRandom()))); break;
    case 2: battle.applyStatus(defender, kStatusConfusion, turns(2_fx, 1.2_fx)); break;
    case 3: battle.applyStatus(defender, kStatusBind, 2); break;
    case 4: battle.applyStatus(defender, kStatusSpStop, turns(3_fx, 2_fx)); break;
    case 5: battle.applyStatus(defender, kStatusIllusion, 3); break;
    default:  // 6, and 7 at a draw of exactly 1
        battle.showCaption(defender, "失敗", kFailed, 0);
        break;
    }
}

void selfFell(Battle& battle, int attacker, const TechniqueRule&) {
    FighterState& a = battle.fighter(attacker);
    battle.tell(event::MotionShown{attacker, Motion::SelfStrike});
    battle.changeHp(attacker, a.hp);
    a.selfFelled = kTrue;
}

// 逃げる leaves the battle at once: HP to 0 without a hit, so nothing else follows from it.
void flee(Battle& battle, int attacker, const TechniqueRule&) {
    FighterState& a = battle.fighter(attacker);
    battle.tell(event::MotionShown{attacker, Motion::Flee});
    const int from = a.hp;
    a.hp = 0;
    battle.tell(event::GaugeMove{{Gauge::Hp, attacker, from, 0, static_cast<double>(-from), 1, 0, false}});
    battle.redrawScreen();
    a.fled = kTrue;
}

// ガトリング winds up: next turn its slot is ガトリング攻撃 at that technique's cost.
void windGatling(Battle& battle, int attacker, const TechniqueRule&) {
    FighterState& a = battle.fighter(attacker);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto s = static_cast<size_t>(slot);
        if (a.record.techId[s] != tech::kGatling) continue;
        battle.setSlotTechnique(attacker, slot, tech::kGatlingAttack);
        const int level = std::max<int>(1, a.record.techLevel[s]);
        a.record.techCost[s] = sat16(static_cast<int64_t>(TechniqueCatalogue::instance().spCost(tech::kGatlingAttack, level)));
    }
}

// 分身 adds a clone, up to the three a fighter can have.
void clone(Battle& battle, int attacker, const TechniqueRule&) {
    FighterState& a = battle.fighter(attacker);
    battle.tell(event::Sound{26});
    if (a.cloneCount > 0) a.cloneCount = static_cast<int16_t>(a.cloneCount - 1);
}

}  // namespace vex::handlers
