#include "vexmora/battle/battle_view.h"

namespace vex {

TurnRecord turnRecordOf(const BattleState& state) {
    TurnRecord t;
    t.turn = state.turnCount;
    t.firstSide = state.firstSide;
    t.stage = state.stageIndex;
    t.drawCounter = state.drawCounter;
    t.hash = state.turnHash;
    t.input = state.input;
    t.actions = state.action;
    for (size_t f = 0; f < 2; ++f) {
        const FighterState& fighter = state.fighter[f];
        t.commands[f] = fighter.command();
        t.hp[f] = fighter.hp;
        t.sp[f] = fighter.sp;
        t.emotion[f] = fighter.emotion;
        t.statusTurns[f] = fighter.statusTurns;
    }
    return t;
}

std::string_view motionName(Motion kind) {
    switch (kind) {
    case Motion::Hit: return "hit";
    case Motion::StrongHit: return "strongHit";
    case Motion::Dodge: return "dodge";
    case Motion::Taunt: return "taunt";
    case Motion::KnockBack: return "knockBack";
    case Motion::Shift: return "shift";
    case Motion::Fall: return "fall";
    case Motion::SelfStrike: return "selfStrike";
    case Motion::ScreenFlash: return "screenFlash";
    case Motion::Flee: return "flee";
    }
    return "motion";
}

std::string_view gaugeName(Gauge gauge) {
    switch (gauge) {
    case Gauge::Hp: return "hp";
    case Gauge::Sp: return "sp";
    case Gauge::Emotion: return "emotion";
    }
    return "gauge";
}

std::string_view endReasonName(EndReason reason) {
    switch (reason) {
    case EndReason::KnockOut: return "knockout";
    case EndReason::TimeUp: return "timeup";
    case EndReason::None: break;
    }
    return "none";
}

}  // namespace vex
