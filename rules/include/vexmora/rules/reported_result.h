#pragma once
// What the host of a network battle reports to its server, taken from the battle's end.

#include <array>
#include <string>

#include "vexmora/report/results_list.h"
#include "vexmora/rules/end_of_battle.h"

namespace vex {

// `handles` are the two sides' network handles (side 0 is this program's). The loser's mark
// is 切腹 when it fell by its own action, else 逃走 when it fled. `date` and `time` are the
// local short forms (shortDateNow(), timeNow()).
ReportedResult reportedResultOf(const EndOfBattle& end, const std::array<std::string, 2>& handles,
                                bool tournamentRules, std::string date, std::string time);

}  // namespace vex
