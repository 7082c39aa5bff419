// The computer's command for a fighter (the modes where the computer plays a side, and
// spectator mode for fighter 0). It runs after the other side's command is fixed, so its rules
// may read it, and draws through battleRandom like every rule of a turn: the number and the
// order of its draws are part of the rules (a networked peer or a replay draws the same).
//
// The search: up to 21 passes over the usable slots in order; each slot's technique has one
// rule below, which draws what it draws and either picks the slot (the pass ends) or not.
// 通常攻撃 never ends a pass but may leave a tentative choice. The boss 裏庭のぬし starts from
// a choice of its own, and カオス・グレヴァード keeps its Ｆアタック for the last turn.
// Without a pick, the first usable attack slot is taken, unless a tentative choice stands.

#include <array>
#include <cstdint>

#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"

namespace vex {

namespace {

constexpr int kSearchPasses = 21;

// a / b in floating point; 0 for a zero b (a fighter with no maximum HP, say).
double ratio(double a, double b) { return b != 0 ? a / b : 0.0; }

}  // namespace

// The choice of 裏庭のぬし between its first two slots: the first while it is hurt and its
// opponent is not, otherwise mostly the second.
void Battle::backyardBossChoice(int side) {
    FighterState& f = fighter(side);
    const FighterState& o = fighter(1 - side);
    const double a = ratio(f.hp, f.maxHp);
    const double b = ratio(o.hp, o.maxHp);
    const bool usable0 = f.slotUsable[0] == kTrue;
    const bool usable1 = f.slotUsable[1] == kTrue;
    int slot = kNoSlot;
    if (a <= 0.9 && b >= 0.4) {
        if (usable0)
            slot = 0;
        else if (usable1)
            slot = 1;
    } else {
        slot = battleRandom() < 0.8_fx ? 1 : 0;
        const bool chosenUsable = slot == 0 ? usable0 : usable1;
        const bool otherUsable = slot == 0 ? usable1 : usable0;
        if (otherUsable && !chosenUsable) slot = 1 - slot;
        if (!usable0 && !usable1) slot = kNoSlot;
    }
    if (slot == kNoSlot) return;
    f.currentSlot = static_cast<int16_t>(slot);
    f.currentTech = f.record.techId[static_cast<size_t>(slot)];
    f.noAction = kFalse;
}

// 通常攻撃 never ends the search: a first draw below 0.5 takes the slot, a second one only
// when nothing is chosen yet (a tentative choice). Both set the same command, so it is taken
// when either holds. Written without branches on the draws: they are coin flips, and this
// rule may run 21 times a turn.
void Battle::normalAttackRule(int side, int slot) {
    FighterState& f = fighter(side);
    const bool first = battleRandom() < 0.5_fx;
    const bool second = battleRandom() < 0.5_fx;
    const bool take = first | (second & (f.noAction == kTrue));
    const int16_t s = static_cast<int16_t>(slot);
    f.currentTech = take ? f.record.techId[static_cast<size_t>(slot)] : f.currentTech;
    f.currentSlot = take ? s : f.currentSlot;
    f.noAction = take ? kFalse : f.noAction;
}

// The rule of technique `id` in slot `slot`: true when it picks the slot.
bool Battle::choiceRule(int side, int id, int slot, int attackSlots) {
    FighterState& f = fighter(side);
    const FighterState& o = fighter(1 - side);
    const auto off = [](const FighterState& x, StatusKind s) { return !x.has(s); };
    const double speedLead = static_cast<double>(o.record.spd) - f.record.spd;  // the opponent's lead
    auto draw = [&] { return battleRandom().toDouble(); };
    auto chance = [&](double limit) { return draw() < limit; };

    switch (id) {
    case tech::kNormalAttack:
        normalAttackRule(side, slot);
        return false;
    case tech::kGatherPower: {
        const Fix4 r1 = battleRandom();
        const double r2 = draw();
        return f.sp > 15 + 10 * r2 && r1 < 0.3_fx && off(f, kStatusGather);
    }
    case tech::kDefend:
    case tech::kIronWall:
    case tech::kEvade: {
        const double r1 = draw();
        const double r2 = draw();
        return r1 > ratio(f.hp, 3.0 * f.maxHp) && r2 > 2.0 / (f.sp + 5.0) + 0.1;
    }
    case tech::kHeal: {
        const Fix4 r1 = battleRandom();
        const Fix4 r2 = battleRandom();
        int64_t limit = cintOf(100_fx, r1, 200_fx);
        if (r2 < 0.1_fx) limit = -1;
        return f.hp < limit;
    }
    case tech::kParalyse:
    case tech::kPoison:
    case tech::kConfuse:
        return battleRandom() < 0.3_fx && off(o, static_cast<StatusKind>(id - 4));
    case tech::kAttackSeal:
    case tech::kSupportSeal:
    case tech::kSpecialSeal:
    case tech::kAllSeal:
        return battleRandom() < 0.3_fx && off(o, static_cast<StatusKind>(id - 1));
    case tech::kAttackUp:
    case tech::kDefenceUp:
    case tech::kSpeedUp:
    case tech::kDispel:
    case tech::kSpirit:
    case tech::kAbsorbSpecial:
    case tech::kChange:
    case tech::kPanic:
        return battleRandom() < 0.2_fx;
    case tech::kAttackDown: {
        battleRandom();  // drawn, but only the opponent's attack decides
        return o.record.atk != 0;
    }
    case tech::kDefenceDown: {
        battleRandom();
        return o.record.def != 0;
    }
    case tech::kSpeedDown:
        return battleRandom() < 0.2_fx && o.record.spd != 0;
    case tech::kCureStatus:
        return battleRandom() < 0.9_fx && (f.has(kStatusPoison) || f.has(kStatusParalysis) || f.has(kStatusConfusion));
    case tech::kFullCure: {
        const bool ailing = f.has(kStatusPoison) || f.has(kStatusParalysis) || f.has(kStatusConfusion) ||
                            f.has(kStatusAttackSeal) || f.has(kStatusSupportSeal) || f.has(kStatusSpecialSeal) ||
                            f.has(kStatusAllSeal) || f.has(kStatusSpStop);
        return battleRandom() < 0.9_fx && ailing;
    }
    case tech::kCounter:
    case tech::kForesight:
    case tech::kSpConvert:
    case tech::kCrossSign:
    case tech::kLimitCharge:
    case tech::kSelfFell:
        return battleRandom() < 0.1_fx;
    case tech::kSureHit: {
        const double r1 = draw();
        const double r2 = draw();
        return r1 < speedLead / 1500.0 + 0.2 || r2 < (5.0 - attackSlots) / 5.0;
    }
    case tech::kAccuracyUp:
        return chance(speedLead / 1800.0 + 0.3) && off(f, kStatusAccuracyUp);
    case tech::kSpDrain: {
        const double r = draw();
        return o.sp > 10 && r < 0.001 * o.sp + 0.3;
    }
    case tech::kStatusGuard:
        return battleRandom() < 0.2_fx && off(f, kStatusGuard);
    case tech::kNaturalRecovery:
        return battleRandom() < 0.2_fx && off(f, kStatusRecovery);
    case tech::kSpCharge: {
        const Fix4 r = battleRandom();
        return ratio(f.hp, f.maxHp) > 0.7 && state_.turnCount < 10 && r < 0.4_fx;
    }
    case tech::kFocus:
        return chance(speedLead / 1800.0 + 0.2) && off(f, kStatusFocus);
    case tech::kJump:
    case tech::kHover:
        return battleRandom() < 0.3_fx;
    case tech::kNone:
        return false;
    case tech::kIllusion:
        return battleRandom() < 0.2_fx && off(o, kStatusIllusion);
    case tech::kLimiter: {
        // Mostly when the opponent is not about to attack (なし counts as an attack).
        const Fix4 r1 = battleRandom();
        const bool opponentAttacks = r1 < 0.35_fx && category(o.currentTech) == kCategoryAttack;
        const Fix4 r2 = battleRandom();
        return r2 < 0.1_fx || (r1 < 0.35_fx && !opponentAttacks);
    }
    case tech::kCrossCounter: {
        const Fix4 r1 = battleRandom();
        const bool opponentAttacks = r1 < 0.35_fx && category(o.currentTech) == kCategoryAttack;
        const Fix4 r2 = battleRandom();
        const bool picked = r2 < 0.1_fx || (r1 < 0.35_fx && opponentAttacks);
        const Fix4 r3 = battleRandom();
        // The sea worm boss holds its counter back when short of SP, or its opponent is.
        if (picked && f.record.name == "Ｓ８ｐ　シーウォーム" && ((r3 < 0.3_fx && f.sp < 58) || o.sp < 25)) return false;
        return picked;
    }
    default: {
        // Any other technique: an attack, more likely the more hurt the fighter is and the
        // more SP it has. 攻撃 waits while タメ builds up.
        if (f.has(kStatusGather) && id == tech::kAttack) return false;
        const double r = draw();
        const double limit = ratio(f.maxHp - f.hp, 5.0 * f.maxHp) + 0.3 + f.sp / 20.0 / (settings_.initialSp + 1.0);
        return category(id) == kCategoryAttack && r < limit;
    }
    }
}

void Battle::chooseCommand(int side) {
    FighterState& f = fighter(side);
    f.setCommand(Command::nothing());
    int attackSlots = 0;
    for (int16_t id : f.record.techId)
        if (id != tech::kNone && category(id) == kCategoryAttack) ++attackSlots;

    if (f.record.name == "裏庭のぬし") backyardBossChoice(side);

    // The final boss keeps slot 4 (its Ｆアタック on the last turn) for the last turn.
    const bool finalAttackTurn = f.record.name == "カオス・グレヴァード" &&
                                 settings_.turnLimit == state_.turnCount + 1 && (isSystemVersion(side) || isRare(side));
    // The slots a pass asks: usable ones whose technique has a rule that can draw or pick
    // (なし never does).
    std::array<int8_t, kSlotCount> asked{};
    int askedCount = 0;
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (f.slotUsable[static_cast<size_t>(slot)] != kFalse && f.record.techId[static_cast<size_t>(slot)] != tech::kNone)
            asked[static_cast<size_t>(askedCount++)] = static_cast<int8_t>(slot);
    for (int pass = 0; pass < kSearchPasses; ++pass) {
        const int16_t drawsBefore = state_.drawCounter;
        bool picked = false;
        for (int i = 0; i < askedCount && !picked; ++i) {
            const int slot = asked[static_cast<size_t>(i)];
            const int id = f.record.techId[static_cast<size_t>(slot)];
            if (id == tech::kNormalAttack) {  // the commonest rule, without the dispatch
                normalAttackRule(side, slot);
                continue;
            }
            if (choiceRule(side, id, slot, attackSlots)) {
                f.setCommand(Command::fromSlot(f.record, slot));
                picked = true;
            }
        }
        if (finalAttackTurn) f.setCommand(Command::fromSlot(f.record, 4));
        if (picked) return;
        // A pass that drew nothing depends on nothing that changes: every later pass would
        // be the same, drawing nothing and picking nothing.
        if (state_.drawCounter == drawsBefore && drawsBefore < INT16_MAX) break;
    }

    if (f.noAction != kTrue) return;  // a tentative choice stands
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const int id = f.record.techId[static_cast<size_t>(slot)];
        // なし (99) is of category 1 and costs nothing: an empty usable slot is taken too.
        if (f.slotUsable[static_cast<size_t>(slot)] == kTrue && category(id) == kCategoryAttack) {
            f.setCommand(Command::fromSlot(f.record, slot));
            return;
        }
    }
}

}  // namespace vex
