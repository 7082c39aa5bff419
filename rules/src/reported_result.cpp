#include "vexmora/rules/reported_result.h"

namespace vex {

ReportedResult reportedResultOf(const EndOfBattle& end, const std::array<std::string, 2>& handles,
                                bool tournamentRules, std::string date, std::string time) {
    const size_t w = end.winner == 1 ? 1 : 0;
    const size_t l = 1 - w;
    const SideOutcome& winner = end.side[w];
    const SideOutcome& loser = end.side[l];
    ReportedResult r;
    r.winnerName = winner.name;
    r.winnerHandle = handles[w];
    r.loserName = loser.name;
    r.loserHandle = handles[l];
    r.loserMark = loser.selfFelled ? "切腹" : loser.fled ? "逃走" : "";
    r.date = std::move(date);
    r.time = std::move(time);
    r.tournament = tournamentRules;
    r.turn = end.turnCount;
    r.winnerHp = winner.hp;
    r.winnerMaxHp = winner.maxHp;
    return r;
}

}  // namespace vex
