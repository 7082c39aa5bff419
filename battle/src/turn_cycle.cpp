// One turn: the commands, the start-of-turn abilities, confusion, the order of action, the two
// actions with a knock-out check after each, and the end of the turn.

#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"

namespace vex {

void Battle::runTurn(Command fighter0, Command fighter1) {
    if (!state_.started || state_.ended) return;
    FighterState& f0 = fighter(0);
    FighterState& f1 = fighter(1);

    f0.chosen = kFalse;
    f1.chosen = kFalse;
    if (settings_.computerPlays(0))
        chooseCommand(0);
    else
        f0.setCommand(fighter0);
    if (!settings_.computerPlays(1)) f1.setCommand(fighter1);

    state_.acceptInput = kFalse;
    if (settings_.battleMode != kModeTwoPlayers && settings_.spectatorMode != kTrue) {
        state_.busy = kTrue;
        tell(event::CommandList{CommandListMode::Taken});
        state_.busy = kFalse;
    }
    tell(event::Pause{500, Wait::Scaled});
    state_.busy = kTrue;
    redrawScreen();
    computeSlotUsability();
    if (settings_.computerPlays(1)) chooseCommand(1);
    state_.input = {f0.command(), f1.command()};
    state_.action = {};

    if (state_.stageIndex != kTournamentStage) startOfTurnAbilities();
    confusionOverride();
    orderOfAction();
    limiterStarts();
    drawLucky();
    state_.turnCount = sat16(static_cast<int64_t>(state_.turnCount) + 1);

    int first = state_.firstSide;
    executeAction(first);
    if (!knockOutCheck()) {
        executeAction(1 - first);
        if (!knockOutCheck()) endOfTurn();
    }
    tellTurnEnded();
    if (state_.ended) view_->onEvent(event::End{state_.winner, state_.endReason});
}

void Battle::startOfTurnAbilities() {
    for (int side : {0, 1}) {
        if (!holds(side, tech::kBerserk)) continue;
        fighter(side).turns(kStatusConfusion) = 2;
        if (state_.turnCount == 0) {
            if (holds(side, tech::kSelfFell))
                showCaption(side, "背水の陣", {255, 150, 0}, 0);
            else
                showCaption(side, "バーサーク", {255, 0, 0}, 0);
        }
    }
}

void Battle::confusionOverride() {
    for (int side : fighterOrder()) {
        const FighterState& f = fighter(side);
        if (f.has(kStatusConfusion) && f.currentTech != tech::kCureStatus && f.currentTech != tech::kFullCure)
            redrawConfusedCommand(side);
    }
}

void Battle::redrawConfusedCommand(int side) {
    FighterState& f = fighter(side);
    f.setCommand(Command::nothing());
    DrawScope scope(*this, DrawPurpose::ConfusedCommand);
    for (int attempt = 0; attempt < 21; ++attempt) {
        int slot = static_cast<int>(intOf(5, battleRandom()));
        if (slot > 4) slot = 4;
        if (f.slotUsable[static_cast<size_t>(slot)] == kTrue) {
            f.setCommand(Command::fromSlot(f.record, slot));
            return;
        }
    }
}

// リミッター: a fighter that uses it fights this turn at a fifth of its stats.
void Battle::limiterStarts() {
    for (int side : {0, 1}) {
        FighterState& f = fighter(side);
        f.limited = f.currentTech == tech::kLimiter;
        if (!f.limited) continue;
        f.record.atk = sat16(cint(f.record.atk * 0.2));
        f.record.def = sat16(cint(f.record.def * 0.2));
        f.record.spd = sat16(cint(f.record.spd * 0.2));
    }
}

// The stats come back for every fighter they were cut for, also when its action failed or
// was replaced after the cut (paralysis, a seal, confusion): otherwise they would stay at a
// fifth for the rest of the battle. They come back only where they were cut: a fighter whose
// command became リミッター in the middle of the turn (confusion drew it) fought at full
// stats, and five times them would stay with it for the rest of the battle. The gauge counts
// the uses that happened.
void Battle::limiterEnds() {
    for (int side : {0, 1}) {
        FighterState& f = fighter(side);
        const bool used = f.currentTech == tech::kLimiter;  // also when copied with コピー
        if (f.limited) {
            f.record.atk = sat16(cint(f.record.atk / 0.2));
            f.record.def = sat16(cint(f.record.def / 0.2));
            f.record.spd = sat16(cint(f.record.spd / 0.2));
        }
        if (used) f.limitGauge = sat16(static_cast<int64_t>(f.limitGauge) + 1);
        f.limited = false;
    }
}

void Battle::drawLucky() {
    for (int side : fighterOrder()) {
        FighterState& f = fighter(side);
        f.lucky = kFalse;
        const Fix4 r = battleRandom();
        const bool holder = holds(side, tech::kLucky);
        if (decideAbove(r, DrawPurpose::Lucky, 0.8_fx, holder) && holder) {
            f.lucky = kTrue;
            tell(event::Sound{37});
            showCaption(side, "ラッキー", {255, 240, 0}, 0);
            statistics_->recordStat(side, StatCode::Luck, 1);
        }
    }
}

// When both fighters are down, the one that acted first this turn loses.
bool Battle::knockOutCheck() {
    int first = state_.firstSide;
    int winner = -1;
    if (fighter(first).hp <= 0)
        winner = 1 - first;
    else if (fighter(1 - first).hp <= 0)
        winner = first;
    if (winner < 0) return false;
    endBattle(winner, EndReason::KnockOut);
    return true;
}

void Battle::endBattle(int winner, EndReason reason) {
    state_.ended = true;
    state_.winner = static_cast<int16_t>(winner);
    state_.endReason = reason;
}

void Battle::tellTurnEnded() {
    if (view_->wantsStateHash()) state_.turnHash = stateHash();
    view_->onEvent(event::Turn{turnRecordOf(state_)});
}

}  // namespace vex
