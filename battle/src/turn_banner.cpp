// The banner of the next turn, and the SP every fighter regenerates between turns.

#include <string>

#include "vexmora/battle/battle.h"
#include "vexmora/battle/technique_ids.h"

namespace vex {

void Battle::turnBanner() {
    const int count = state_.turnCount;
    const int limit = settings_.turnLimit;
    std::string text = "TURN " + std::to_string(count + 1);
    if (limit != 0 && limit < count + 4) text = "LAST " + std::to_string(limit - count);
    if (limit != 0 && limit < count + 2) {
        text = "LAST TURN";
        // The final boss keeps its strongest technique for the last turn.
        for (int side : fighterOrder()) {
            FighterState& f = fighter(side);
            if (f.record.name == "カオス・グレヴァード" && (isSystemVersion(side) || isRare(side))) {
                f.record.techId[4] = tech::kFinalAttack;
                f.record.techName[4] = "ファイナルアタック";
                f.record.techElement(4) = "0";
            }
        }
    }
    redrawScreen();
    tell(event::Banner{std::string(text)});
    if (count != 0) regenerateSp();
    tell(event::Pause{300, Wait::Scaled});
    redrawScreen();
}

void Battle::regenerateSp() {
    std::array<int, 2> gain{};
    for (int side : fighterOrder()) {
        const FighterState& f = fighter(side);
        Fix4 r = battleRandom();
        // 0.7·DEF + SPD + 401·r, kept to four decimals, over 200.
        int64_t sumUnits = 7000 * (static_cast<int64_t>(f.record.def) + f.defMod) +
                           10000 * (static_cast<int64_t>(f.record.spd) + f.spdMod) + 401 * r.units();
        int64_t g = divideFloor(sumUnits, 200 * 10000);
        int64_t amount = f.has(kStatusSpStop) ? 0 : g + 5;
        if (!f.doesNothing() && f.currentTech == tech::kDefend) amount += 10;
        if (!f.doesNothing() && f.currentTech == tech::kEvade) amount += 6;
        if (f.weakMark == 100) amount = cint(0.7 * static_cast<double>(amount));
        if (f.currentTech == tech::kIronWall) amount = 0;
        gain[static_cast<size_t>(side)] = static_cast<int>(amount);
    }
    // Both gauges run together.
    for (int side : {0, 1}) {
        FighterState& f = fighter(side);
        int from = f.sp;
        int64_t to = static_cast<int64_t>(from) + gain[static_cast<size_t>(side)];
        if (to >= 1000) to = 999;
        if (to < 0) to = 0;
        f.sp = static_cast<int16_t>(to);
        tell(event::GaugeMove{{Gauge::Sp, side, from, f.sp, static_cast<double>(gain[static_cast<size_t>(side)]), 10, 50,
                      side == 0}});
    }
    for (int side : fighterOrder()) statistics_->recordStat(side, StatCode::SpGained, gain[static_cast<size_t>(side)]);
}

}  // namespace vex
