#include <gtest/gtest.h>

#include "vexmora/battle/battle_settings.h"
#include "vexmora/rules/battle_config.h"
#include "vexmora/rules/end_of_battle.h"
#include "vexmora/rules/mode_policy.h"
#include "temp_folder.h"

namespace vex {
namespace {

EndOfBattle battle(int winner, int turns, int winnerHp, const char* winnerName = "ねこ") {
    EndOfBattle e;
    e.winner = winner;
    e.turnCount = turns;
    e.mode = kModeFree;
    e.side[0] = {"ドラゴン", 500, 1000, 30, false, false, false, "勝ったぞ", "無念…"};
    e.side[1] = {"ねこ", 500, 1000, 12, false, false, false, "", "0"};
    e.side[static_cast<size_t>(winner)].hp = static_cast<int16_t>(winnerHp);
    e.side[static_cast<size_t>(winner)].name = winnerName;
    e.side[static_cast<size_t>(1 - winner)].hp = 0;
    return e;
}

TEST(ResultPresentation, WinsDefeatsAndCrushingDefeats) {
    test::TempFolder home;
    const auto free = makeModePolicy(kModeFree, home.path());
    const ResultPresentation win = presentResult(battle(0, 20, 300, "ドラゴン"), *free);
    EXPECT_EQ(win.label, "ＷＩＮ！！");
    EXPECT_TRUE(win.win);
    EXPECT_EQ(win.name, "ドラゴン");
    EXPECT_EQ(win.winnerLine, "勝ったぞ");
    EXPECT_FALSE(win.loserLine);  // "0" is no line

    const ResultPresentation lose = presentResult(battle(1, 20, 300), *free);
    EXPECT_EQ(lose.label, "ＬＯＳＥ・・・");
    EXPECT_EQ(lose.name, "ドラゴン");  // the player's name on a defeat
    EXPECT_FALSE(lose.win || lose.crushing);
    EXPECT_EQ(presentResult(battle(1, 3, 300), *free).label, "大敗北！！");
    EXPECT_EQ(presentResult(battle(1, 20, 801), *free).label, "大敗北！！");
    EXPECT_EQ(presentResult(battle(1, 4, 800), *free).label, "ＬＯＳＥ・・・");
    const ResultPresentation mogege = presentResult(battle(1, 10, 100, "もげげ"), *free);
    EXPECT_TRUE(mogege.crushing);
    EXPECT_TRUE(presentResult(battle(1, 10, 100, "メタルもげげ"), *free).crushing);
}

// Each mode words its result: a spectator sees every win as a win, two players at one keyboard
// too (a loss for the computer's opponent elsewhere), an elimination run counts its wins, and a
// replay of two players keeps their wording.
TEST(ResultPresentation, EachModeWordsItsResult) {
    test::TempFolder home;
    const auto free = makeModePolicy(kModeFree, home.path());
    EndOfBattle spectator = battle(1, 20, 300);
    spectator.spectator = true;
    EXPECT_EQ(presentResult(spectator, *free).label, "ＷＩＮ！！");
    EXPECT_EQ(presentResult(spectator, *free).name, "ねこ");
    const EndOfBattle secondWins = battle(1, 20, 300);
    EXPECT_EQ(presentResult(secondWins, *makeModePolicy(kModeTwoPlayers, home.path())).label, "ＷＩＮ！！");
    EXPECT_EQ(presentResult(secondWins, *makeModePolicy(kModeNetwork, home.path())).label, "ＬＯＳＥ・・・");
    EXPECT_EQ(presentResult(secondWins, *makeModePolicy(kModeElimination, home.path())).label, "ＬＯＳＥ・・・");

    const auto run = makeModePolicy(kModeElimination, home.path());
    EndOfBattle elimination = battle(0, 20, 300);
    elimination.winCount = 1;
    EXPECT_EQ(presentResult(elimination, *run).label, "ＷＩＮ！！");
    elimination.winCount = 3;
    EXPECT_EQ(presentResult(elimination, *run).label, "3ＷＩＮ！！");
    EXPECT_EQ(presentResult(elimination, *free).label, "ＷＩＮ！！");  // free battles count nothing

    Replay twoPlayers;
    twoPlayers.settings.battleMode = kModeTwoPlayers;
    EXPECT_EQ(presentResult(secondWins, ReplayPolicy(twoPlayers, {})).label, "ＷＩＮ！！");
    Replay againstComputer;
    EXPECT_EQ(presentResult(secondWins, ReplayPolicy(againstComputer, {})).label, "ＬＯＳＥ・・・");
}

TEST(EndStatistics, EveryBattleAddsItsCounters) {
    StatisticsTable stats;
    EndOfBattle e = battle(0, 12, 1000);
    recordEndStatistics(stats, e);
    EXPECT_EQ(stats.get(0, StatCode::Battles), 1);
    EXPECT_EQ(stats.get(1, StatCode::Turns), 12);
    EXPECT_EQ(stats.get(0, StatCode::SpLeft), 30);
    EXPECT_EQ(stats.get(0, StatCode::HpPercent), 100);
    EXPECT_EQ(stats.get(0, StatCode::Perfect), 1);
    EXPECT_EQ(stats.get(1, StatCode::Perfect), 0);
    EXPECT_EQ(stats.get(1, StatCode::Defeats), 1);
    EXPECT_EQ(stats.get(0, StatCode::ShortestWin), 12);
    EXPECT_EQ(stats.get(1, StatCode::ShortestLoss), 12);
    e.turnCount = 20;
    recordEndStatistics(stats, e);
    EXPECT_EQ(stats.get(0, StatCode::ShortestWin), 12);  // only a shorter battle replaces it
    e.turnCount = 5;
    recordEndStatistics(stats, e);
    EXPECT_EQ(stats.get(0, StatCode::ShortestWin), 5);
}

// Code 42 counts a network win over a rare monster where a network win counts: against
// another machine, and not over a monster that fled.
TEST(EndStatistics, ARareMonsterBeatenOverTheNetwork) {
    auto rareBeaten = [](bool network, bool peerDiffers, bool fled, int winner) {
        StatisticsTable stats;
        EndOfBattle e = battle(winner, 12, 500);
        e.side[1].rare = true;
        e.side[1].fled = fled;
        e.network = network;
        e.peerDiffers = peerDiffers;
        recordEndStatistics(stats, e);
        return stats.get(0, StatCode::RareBeaten);
    };
    EXPECT_EQ(rareBeaten(true, true, false, 0), 1);
    EXPECT_EQ(rareBeaten(true, false, false, 0), 0);  // both programs on this machine
    EXPECT_EQ(rareBeaten(true, true, true, 0), 0);    // the rare monster fled
    EXPECT_EQ(rareBeaten(false, true, false, 0), 0);
    EXPECT_EQ(rareBeaten(true, true, false, 1), 0);
}

TEST(PlayerRecord, WinsLossesAndTheNetworkCounters) {
    StatisticsTable stats;
    MonsterRecord m = newMonster("ドラゴン", 300, 300, 300);
    updatePlayerRecord(m, battle(0, 10, 300), stats);
    EXPECT_EQ(m.wins, 1);
    updatePlayerRecord(m, battle(1, 10, 300), stats);
    EXPECT_EQ(m.losses, 1);
    EndOfBattle felled = battle(1, 10, 300);
    felled.side[0].selfFelled = true;
    updatePlayerRecord(m, felled, stats);
    EXPECT_EQ(m.losses, 1);
    EndOfBattle fledOpponent = battle(0, 10, 300);
    fledOpponent.side[1].fled = true;
    updatePlayerRecord(m, fledOpponent, stats);
    EXPECT_EQ(m.wins, 1);

    EndOfBattle net = battle(0, 10, 300);
    net.network = true;
    net.peerDiffers = true;
    stats.record(0, StatCode::Battles, 7);
    updatePlayerRecord(m, net, stats);
    EXPECT_EQ(m.extra[kNetWins], "1");
    EXPECT_EQ(parseHistory(m.history())[static_cast<size_t>(StatCode::Battles)], 7);
    // Against the own address the network counters and the history stay.
    MonsterRecord local = newMonster("ドラゴン", 300, 300, 300);
    net.peerDiffers = false;
    updatePlayerRecord(local, net, stats);
    EXPECT_EQ(local.wins, 1);
    EXPECT_TRUE(local.extra[kNetWins].empty());
    EXPECT_TRUE(local.history().empty());
}

TEST(TournamentRules, TickingForcesAndLocksTheSettings) {
    BattleSettings s;
    s.initialHp = 2000;
    s.initialSp = 100;
    s.turnLimit = 0;
    s.stageIndex = 3;
    EXPECT_FALSE(tickTournamentRules(s, false));
    EXPECT_EQ(s.initialHp, 1000);
    EXPECT_EQ(s.initialSp, 10);
    EXPECT_EQ(s.turnLimit, 50);
    EXPECT_EQ(s.stageIndex, kTournamentStage);
    EXPECT_TRUE(tournamentLocks(s));
    untickTournamentRules(s);
    EXPECT_FALSE(tournamentLocks(s));

    BattleSettings refused;
    const auto message = tickTournamentRules(refused, true);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->title, "設定不可");
    EXPECT_FALSE(tournamentLocks(refused));
}

TEST(TournamentRules, SpecialTechniquesLeaveOnTheTournamentStage) {
    MonsterRecord m = newMonster("x", 300, 300, 300);
    m.techId = {94, 1, 527, 43, 95};
    MonsterRecord elsewhere = m;
    applyTournamentRestriction(m, kTournamentStage);
    EXPECT_EQ(m.techId, (std::array<int16_t, 5>{99, 1, 99, 43, 99}));
    applyTournamentRestriction(elsewhere, 3);
    EXPECT_EQ(elsewhere.techId[0], 94);
    BattleSettings s;
    EXPECT_EQ(displayedHp(s, &m), 1200);
    EXPECT_EQ(displayedHp(s, nullptr), 1000);
}

}  // namespace
}  // namespace vex
