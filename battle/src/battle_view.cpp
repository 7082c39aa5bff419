#include "vexmora/battle/battle_view.h"

namespace vex {

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
