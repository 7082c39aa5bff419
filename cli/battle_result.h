#pragma once
// The last line of a headless battle, shared by the battle and replay commands.

#include <iostream>
#include <string>

#include "vexmora/battle/battle.h"
#include "vexmora/data/result.h"

namespace vex::cli {

inline void printResult(const Battle& battle) {
    const BattleState& s = battle.state();
    const std::string winner = s.ended ? std::to_string(s.winner) : "null";
    const std::string reason = s.ended ? std::string(endReasonName(s.endReason)) : "unfinished";
    std::cout << "{\"type\":\"result\",\"winner\":" << winner << ",\"turns\":" << s.turnCount << ",\"reason\":\""
              << reason << "\",\"hp\":[" << s.fighter[0].hp << "," << s.fighter[1].hp << "],\"sp\":["
              << s.fighter[0].sp << "," << s.fighter[1].sp << "],\"draws\":" << s.drawCounter << "}\n";
}

inline int failWith(const Error& e, int status) {
    std::cerr << e.title << ": " << e.message << "\n";
    return status;
}

}  // namespace vex::cli
