// The end of a turn: リミッター ends, the status pass, time-up, the next banner with the SP
// regeneration, battle lines, the stage events of turn 12, spent techniques and the growth of
// the per-fighter chances.

#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"

namespace vex {

void Battle::endOfTurn() {
    limiterEnds();
    endOfTurnStatusPass();
    if (knockOutCheck()) return;
    if (timeUp()) return;
    turnBanner();
    battleLines();
    if (state_.turnCount == 12) stageEvents();
    spentTechniques();
    growChances();
    redrawScreen();
    computeSlotUsability();
    if (settings_.spectatorMode != kTrue) tell(event::CommandList{CommandListMode::Offer});
    state_.busy = kFalse;
    state_.acceptInput = kTrue;
}

// After the limit turn the fighter with more HP wins; with equal HP the battle goes on.
bool Battle::timeUp() {
    if (settings_.turnLimit == 0 || state_.turnCount + 1 <= settings_.turnLimit) return false;
    int hp0 = fighter(0).hp;
    int hp1 = fighter(1).hp;
    if (hp0 == hp1) return false;
    tell(event::TimeUp{});
    int winner = hp0 > hp1 ? 0 : 1;
    statistics_->recordStat(winner, StatCode::TimeUpWins, 1);
    endBattle(winner, EndReason::TimeUp);
    return true;
}

void Battle::battleLines() {
    for (int side : fighterOrder()) {
        FighterState& f = fighter(side);
        if (f.battleLine.empty()) continue;
        tell(event::Speech{side, f.battleLine});
        f.battleLine.clear();
    }
}

void Battle::stageEvents() {
    auto setEntryStats = [&](int side, double factor) {
        FighterState& f = fighter(side);
        f.entry.atk = sat16(cint(f.entry.atk * factor));
        f.entry.def = sat16(cint(f.entry.def * factor));
        f.entry.spd = sat16(cint(f.entry.spd * factor));
        f.record.atk = f.entry.atk;
        f.record.def = f.entry.def;
        f.record.spd = f.entry.spd;
    };
    for (int side : fighterOrder()) {
        FighterState& f = fighter(side);
        bool seaKing = f.record.name == "海王" && isRare(side);
        if ((seaKing || f.unlock.flood) && state_.stageIndex != 2) {
            showCaption(side, "大洪水", {0, 180, 255}, 0);
            state_.stageIndex = 2;
            tell(event::Redraw{RedrawTarget::Stage});
        }
        if (f.unlock.blizzard && state_.stageIndex != 3 && state_.stageIndex != 8) {
            showCaption(side, "猛吹雪", {200, 200, 210}, 0);
            state_.stageIndex = 3;
            tell(event::Redraw{RedrawTarget::Stage});
            tell(event::Sound{26});
            showCaption(side, "能力+20%", {0, 192, 255}, 0);
            f.abilityMark = 1;
            setEntryStats(side, 1.2);
        }
        if (holds(side, tech::kAllOut)) {
            tell(event::Sound{27});
            showCaption(side, "能力-20%", {255, 51, 0}, 0);
            f.abilityMark = -1;
            setEntryStats(side, 1.0 / 1.62);
        }
        if (holds(side, tech::kEndure)) {
            tell(event::Sound{26});
            showCaption(side, "能力+30%", {0, 192, 255}, 0);
            f.abilityMark = 1;
            setEntryStats(side, 1.62);
        }
    }
}

// A technique whose uses are spent turns into アタック at the end of the turn.
void Battle::spentTechniques() {
    auto counterOf = [](int id) -> int {
        switch (id) {
        case tech::kParalyse: return kUsesParalysis;
        case tech::kForesight: return kUsesForesight;
        case tech::kHeal:
        case tech::kNaturalRecovery: return kUsesRecovery;
        case tech::kAttackSeal:
        case tech::kSupportSeal:
        case tech::kSpecialSeal:
        case tech::kAllSeal: return kUsesSeals;
        case tech::kTrapAttack:
        case tech::kTrapSupport:
        case tech::kTrapSpecial: return kUsesTraps;
        case tech::kSpStop: return kUsesSpStop;
        default: return -1;
        }
    };
    for (int side : fighterOrder()) {
        FighterState& f = fighter(side);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            int counter = counterOf(f.record.techId[static_cast<size_t>(slot)]);
            if (counter >= 0 && f.useCounts[static_cast<size_t>(counter)] <= 0)
                setSlotTechnique(side, slot, tech::kAttackBonus);
        }
    }
}

void Battle::growChances() {
    for (int side : fighterOrder()) {
        FighterState& f = fighter(side);
        bool flowingWater = holds(side, tech::kFlowingWater);
        Fix4 b = flowingWater ? 0.03_fx : Fix4{};
        Fix4 bWall = flowingWater ? 0.01_fx : Fix4{};
        if (f.doesNothing()) {
            f.pursuitChance += 0.05_fx + b;
            f.counterStrikeChance += 0.05_fx + b;
            f.ironWallMark += 0.05_fx + bWall;
        } else {
            int id = (f.currentSlot >= 0 && f.currentSlot < kSlotCount)
                         ? f.record.techId[static_cast<size_t>(f.currentSlot)]
                         : f.currentTech;
            int kind = category(id);
            if (kind == kCategorySupport) {
                f.counterStrikeChance += 0.05_fx + b;
                f.ironWallMark += 0.05_fx + bWall;
            } else if (kind == kCategoryAttack) {
                f.pursuitChance += 0.05_fx + b;
            }
        }
        if (f.counterStrikeChance > 0.4_fx) f.counterStrikeChance = 0.4_fx;
        if (f.pursuitChance > 0.4_fx) f.pursuitChance = 0.4_fx;
        if (f.ironWallMark > 0.6_fx) f.ironWallMark = 0.6_fx;
        if (f.gutsChance != 1_fx) f.gutsChance = halveFix(f.gutsChance);
        if (f.powerReserve < 80) {
            Fix4 r = battleRandom();
            f.powerReserve = sat16(cintFix(Fix4::fromInt(f.powerReserve + 8) + mulFix(r, 5)));
        }
    }
}

}  // namespace vex
