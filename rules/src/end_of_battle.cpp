#include "vexmora/rules/end_of_battle.h"

#include "vexmora/battle/battle_settings.h"
#include "vexmora/data/numbers.h"
#include "vexmora/rules/mode_policy.h"

namespace vex {

namespace {

void addToText(std::string& counter, int delta) {
    counter = std::to_string(int64_t{sat16(leadingNumber(counter) + delta)});
}

std::optional<std::string> spokenLine(const std::string& line) {
    if (line.empty() || line == "0") return std::nullopt;
    return line;
}

}  // namespace

bool crushingDefeat(const EndOfBattle& end) {
    const SideOutcome& w = end.side[static_cast<size_t>(end.winner)];
    const bool ordinaryWinner = w.name != "もげげ" && w.name != "メタルもげげ";
    return !(ordinaryWinner && end.turnCount >= 4 && w.hp <= 800);
}

ResultPresentation presentResult(const EndOfBattle& end, const ModePolicy& policy) {
    ResultPresentation p;
    const SideOutcome& winner = end.side[static_cast<size_t>(end.winner)];
    const SideOutcome& loser = end.side[static_cast<size_t>(1 - end.winner)];
    if (policy.showsWin(end)) {
        p.label = policy.winLabel(end);
        p.win = true;
        p.name = winner.name;
    } else {
        p.crushing = crushingDefeat(end);
        p.label = p.crushing ? "大敗北！！" : "ＬＯＳＥ・・・";
        p.name = end.side[0].name;
    }
    p.winnerLine = spokenLine(winner.lineWin);
    p.loserLine = spokenLine(loser.lineLose);
    return p;
}

void recordEndStatistics(StatisticsTable& stats, const EndOfBattle& end) {
    const int loser = 1 - end.winner;
    for (int s = 0; s < 2; ++s) {
        const SideOutcome& o = end.side[static_cast<size_t>(s)];
        stats.record(s, StatCode::Battles, 1);
        stats.record(s, StatCode::Turns, end.turnCount);
        stats.record(s, StatCode::SpLeft, o.sp);
        stats.record(s, StatCode::HpPercent, o.maxHp > 0 ? cint(o.hp * 100.0 / o.maxHp) : 0);
        if (o.hp >= o.maxHp) stats.record(s, StatCode::Perfect, 1);
    }
    const auto keepShortest = [&](int side, StatCode code) {
        const int32_t stored = stats.get(side, code);
        if (stored == 0 || end.turnCount < stored) stats.set(side, code, end.turnCount);
    };
    keepShortest(end.winner, StatCode::ShortestWin);
    keepShortest(loser, StatCode::ShortestLoss);
    stats.record(loser, StatCode::Defeats, 1);
    // A network win over a rare monster counts where a network win counts: against another
    // machine, and not when the rare monster fled.
    if (end.network && end.peerDiffers && end.winner == 0 && !end.side[1].fled && end.side[1].rare)
        stats.record(0, StatCode::RareBeaten, 1);
}

void updatePlayerRecord(MonsterRecord& player, const EndOfBattle& end, const StatisticsTable& stats) {
    const bool againstOther = end.network && end.peerDiffers;
    if (end.winner == 0 && !end.side[1].fled) {
        player.wins = sat16(int64_t{player.wins} + 1);
        if (againstOther) addToText(player.extra[kNetWins], 1);
    } else if (end.winner == 1 && !end.side[0].fled && !end.side[0].selfFelled) {
        player.losses = sat16(int64_t{player.losses} + 1);
        if (againstOther) addToText(player.extra[kNetLosses], 1);
    }
    if (againstOther && !end.side[0].selfFelled) player.history() = historyText(stats.counters(0));
}

void updateSecondPlayerRecord(MonsterRecord& second, const EndOfBattle& end) {
    if (end.winner == 1) second.wins = sat16(int64_t{second.wins} + 1);
    else if (!end.side[1].selfFelled) second.losses = sat16(int64_t{second.losses} + 1);
}

}  // namespace vex
