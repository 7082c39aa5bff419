// Putting a status on a fighter: its caption, sound and emotion change, the immunities and the
// resistance that block it, and the statuses that act at once (confusion redraws the command,
// 奇跡 and 呪縛 cancel each other, panic strikes both fighters).

#include <array>
#include <string_view>

#include "vexmora/battle/battle.h"
#include "vexmora/battle/hit_explanation.h"
#include "vexmora/battle/technique_ids.h"

namespace vex {

namespace {

struct StatusLook {
    std::string_view caption;
    Rgb colour;
    int emotion;
    int sound;     // -1: none
    bool hostile;  // resistance can block it
};

constexpr std::array<StatusLook, kStatusCount> kStatusLooks{{
    {"タメ", {255, 255, 0}, 0, 26, false},
    {"マヒ", {255, 255, 0}, -10, 32, true},
    {"毒", {255, 0, 255}, -10, 30, true},
    {"混乱", {255, 0, 0}, -10, 34, true},
    {"命中UP", {0, 255, 85}, 0, 26, false},
    {"状態防御", {0, 255, 85}, 0, 37, false},
    {"転倒", {240, 60, 0}, -10, 33, true},
    {"攻撃封印", {255, 0, 0}, -10, -1, true},
    {"補助封印", {255, 0, 0}, -10, -1, true},
    {"特殊封印", {255, 0, 0}, -10, -1, true},
    {"全封印", {255, 0, 0}, -10, -1, true},
    {"自然回復", {0, 255, 85}, 0, 28, false},
    {"SPｽﾄｯﾌﾟ", {200, 120, 0}, -10, 27, true},
    {"集中", {20, 220, 80}, 0, 37, false},
    {"奇跡", {220, 240, 0}, 0, 37, false},
    {"呪縛", {220, 40, 0}, -10, 36, true},
    {"幻覚", {240, 240, 240}, 10, 34, true},
    {"パニック", {240, 240, 240}, 50, 34, true},
    {"クローク", {240, 240, 240}, 10, 34, true},
    {"", {}, 0, -1, false},
    {"", {}, 0, -1, false},
}};

constexpr Rgb kGrey{150, 150, 150};

}  // namespace

bool Battle::applyStatus(int side, int status, int turns) {
    if (status < 0 || status >= kStatusCount) return false;
    FighterState& f = fighter(side);
    const int other = 1 - side;
    const StatusLook& look = kStatusLooks[static_cast<size_t>(status)];
    std::string_view caption = look.caption;
    Rgb colour = look.colour;
    if (status == kStatusPoison && (holds(0, tech::kVenom) || holds(1, tech::kVenom))) {
        caption = "ヴェノム";
        colour = {255, 0, 160};
    }

    if (status == kStatusFallen && f.flying == kTrue) {
        showCaption(side, "無効", kGrey, 0);
        return false;
    }
    const bool machine = holds(side, tech::kMachine);
    if ((status == kStatusParalysis || status == kStatusConfusion || status == kStatusFallen) && machine) {
        showCaption(side, "無効", kGrey, 0);
        return false;
    }
    if (look.hostile && fighter(other).currentTech != tech::kCurse) {
        const bool ironWallGuard =
            f.ironWallMark == 0.2_fx && f.currentTech == tech::kDefend && holds(side, tech::kIronWall);
        if (machine || f.has(kStatusGuard) || ironWallGuard) {
            tell(event::Sound{29});
            showCaption(side, "無効", kGrey, 0);
            return false;
        }
    }

    if (look.sound >= 0) tell(event::Sound{look.sound});
    showCaption(side, caption, colour, look.emotion);
    f.statusTurns[static_cast<size_t>(status)] = sat16(static_cast<int64_t>(turns));
    computeSlotUsability();
    tell(event::Redraw{RedrawTarget::StatusWindows});

    if (status == kStatusConfusion) redrawConfusedCommand(side);
    if (status == kStatusMiracle) {
        showCaption(side, "消費半分", {80, 255, 0}, 0);
        f.turns(kStatusBind) = 0;
    }
    if (status == kStatusBind) {
        showCaption(side, "消費２倍", {255, 80, 0}, 0);
        f.turns(kStatusMiracle) = 0;
    }
    if (status == kStatusPanic) {
        showCaption(other, caption, colour, look.emotion);
        fighter(other).turns(kStatusPanic) = sat16(static_cast<int64_t>(turns));
    }
    return true;
}

std::string_view statusName(int status) {
    if (status < 0 || status >= kStatusCount) return {};
    return kStatusLooks[static_cast<size_t>(status)].caption;
}

}  // namespace vex
