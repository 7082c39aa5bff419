#include <gtest/gtest.h>

#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/rules/mode_policy.h"

namespace vex {
namespace {

EndOfBattle ending(int winner) {
    EndOfBattle end;
    end.winner = winner;
    return end;
}

TEST(ModePolicy, FreeAndTwoPlayerBattlesDifferInInputAndRecords) {
    test::TempFolder home;
    BattleSettings watched;
    watched.spectatorMode = kTrue;

    auto free = makeModePolicy(kModeFree, home.path());
    EXPECT_EQ(free->mode(), kModeFree);
    EXPECT_TRUE(free->canLoad(0) && free->canLoad(1) && free->needsOpponentLoaded());
    EXPECT_EQ(free->commandInput(BattleSettings{}), CommandInput::Rows);
    EXPECT_EQ(free->commandInput(watched), CommandInput::Clock);
    EXPECT_TRUE(free->recordKeeping(BattleSettings{})->save);
    EXPECT_FALSE(free->recordKeeping(watched)->save);  // a watched battle only counts
    EXPECT_FALSE(free->recordKeeping(BattleSettings{})->countSecondPlayer);
    free->battleFinished(ending(0));
    EXPECT_TRUE(free->canLoad(0) && free->canLoad(1));  // a rematch, or others loaded
    EXPECT_TRUE(free->windowCaption().empty());

    auto two = makeModePolicy(kModeTwoPlayers, home.path());
    EXPECT_EQ(two->commandInput(BattleSettings{}), CommandInput::KeyGrid);
    EXPECT_TRUE(two->recordKeeping(BattleSettings{})->countSecondPlayer);
}

TEST(ModePolicy, EliminationDrawsOpponentsAndKeepsThePlayerDuringARun) {
    test::TempFolder home;
    fs::create_directories(home / "Data");
    MonsterRecord opponent = newMonster("あいて", 300, 300, 300);
    ASSERT_TRUE(saveMonster(home / "Data" / "あいて.tvx", opponent, "").ok());
    auto run = makeModePolicy(kModeElimination, home.path());
    EXPECT_FALSE(run->needsOpponentLoaded());
    EXPECT_TRUE(run->canLoad(0));
    EXPECT_FALSE(run->canLoad(1));

    auto drawn = run->nextOpponent(newMonster("ぼく", 300, 300, 300));
    ASSERT_TRUE(drawn.ok()) << drawn.error().message;
    ASSERT_TRUE(drawn->has_value());
    EXPECT_EQ((*drawn)->record.name, "あいて");
    run->battleFinished(ending(0));
    EXPECT_FALSE(run->canLoad(0));  // the player's monster stays for the run
    EXPECT_NE(run->readyHint(true, false).find("次の相手"), std::string::npos);
    run->battleFinished(ending(1));  // a defeat ends the run
    EXPECT_TRUE(run->canLoad(0));
    EXPECT_EQ(run->winCount(), 0);

    // Without a Data folder the run says so and starts nothing.
    test::TempFolder empty;
    auto none = makeModePolicy(kModeElimination, empty.path());
    EXPECT_FALSE(none->nextOpponent(newMonster("ぼく", 300, 300, 300)).ok());
    EXPECT_EQ(none->winCount(), 0);
}

TEST(ModePolicy, AReplayBringsItsFightersAndTouchesNoRecord) {
    Replay replay;
    replay.settings.battleMode = kModeElimination;
    replay.settings.animationOn = kTrue;
    replay.stageCount = 9;
    replay.generatorState = 4242;
    replay.opponentHp = 3000;
    std::array<LoadedMonster, 2> monsters;
    monsters[1].record = newMonster("なぞ", 300, 300, 300);
    ReplayPolicy policy(replay, monsters);
    EXPECT_FALSE(policy.canLoad(0) || policy.canLoad(1));
    EXPECT_EQ(policy.commandInput(BattleSettings{}), CommandInput::Replay);
    EXPECT_FALSE(policy.recordKeeping(BattleSettings{}).has_value());
    EXPECT_FALSE(policy.recordsReplay());
    EXPECT_EQ(policy.generatorState(), std::optional<uint32_t>(4242));
    EXPECT_EQ(policy.stageCount(18), 9);
    BattleSettings chosen;
    chosen.animationOn = kFalse;
    EXPECT_EQ(policy.battleSettings(chosen).battleMode, kModeElimination);
    EXPECT_EQ(policy.battleSettings(chosen).animationOn, kFalse);  // the watcher's choice
    auto opponent = policy.nextOpponent(MonsterRecord{});
    ASSERT_TRUE(opponent.ok() && opponent->has_value());
    EXPECT_EQ((*opponent)->record.name, "なぞ");
    EXPECT_EQ((*opponent)->hp, std::optional<int16_t>(3000));
}

}  // namespace
}  // namespace vex
