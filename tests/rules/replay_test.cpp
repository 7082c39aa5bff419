#include <gtest/gtest.h>

#include "vexmora/rules/replay.h"
#include "vexmora/rules/series_battle.h"

namespace vex {
namespace {

// A monster as a file brings it.
LoadedMonster fighter(const std::string& name, int16_t atk, const std::string& version = "1") {
    MonsterRecord m = newMonster(name, atk, 300, 300, 1);
    m.techId = {0, 1, 99, 99, 99};
    m.techLevel = {1, 2, 0, 0, 0};
    m.techCost = {0, 30, 0, 0, 0};
    m.makerVersion() = version;
    return *decodeMonster(*encodeMonster(m, "", "f.tvx"), "f.tvx");
}

// A recorded battle: the first side scripted for the first turns, the computer afterwards.
Replay recordedBattle(std::vector<uint64_t>* hashes = nullptr) {
    std::array<LoadedMonster, 2> monsters;
    monsters[0] = fighter("あ", 400);
    monsters[1] = fighter("い", 350, "9.99");  // a mystery challenger keeps the HP it brings
    BattleSettings settings;
    settings.turnLimit = 20;
    settings.spectatorMode = kFalse;
    Rng rng;
    NullView view;
    StatisticsTable table;
    StatisticsRecorder recorder(table);
    auto battle = prepareSeriesBattle(settings, monsters[0].record, monsters[1].record, nullptr, rng, view, recorder);
    seedBattleGenerator(rng, 1234);
    ReplayRecorder replay;
    battle->fighter(1).hp = battle->fighter(1).maxHp = 3000;
    EXPECT_TRUE(replay.begin(*battle, {&monsters[0], &monsters[1]}, rng.state(), 12, std::int16_t{3000}).ok());
    battle->startBattle(12);
    for (int turn = 0; !battle->state().ended; ++turn) {
        battle->settings().spectatorMode = turn < 3 ? kFalse : kTrue;
        const Command first = battle->commandForSlot(0, turn % 2);
        battle->runTurn(first, Command::nothing());
        replay.turnPlayed(*battle, first, Command::nothing());
        if (hashes) hashes->push_back(battle->stateHash());
    }
    return *replay.replay();
}

TEST(Replay, PlaysAgainTurnByTurnFromItsOwnFile) {
    std::vector<uint64_t> hashes;
    const Replay recorded = recordedBattle(&hashes);
    ASSERT_FALSE(recorded.turns.empty());
    EXPECT_TRUE(recorded.turns[0].commands[0].has_value());
    EXPECT_FALSE(recorded.turns[0].commands[1].has_value());  // the computer chose
    EXPECT_FALSE(recorded.turns.back().commands[0].has_value());

    auto read = parseReplay(writeReplayText(recorded));
    ASSERT_TRUE(read.ok()) << read.error().message;
    EXPECT_EQ(read->opponentHp, std::optional<int16_t>(3000));
    EXPECT_EQ(read->stageCount, 12);
    auto monsters = replayMonsters(*read);
    ASSERT_TRUE(monsters.ok());
    EXPECT_EQ((*monsters)[1].record.name, "い");
    Rng rng;
    NullView view;
    StatisticsTable table;
    StatisticsRecorder recorder(table);
    auto battle = startReplayBattle(*read, *monsters, rng, view, recorder);
    EXPECT_EQ(battle->fighter(1).maxHp, 3000);
    for (size_t i = 0; i < read->turns.size(); ++i) {
        playReplayTurn(*battle, read->turns[i]);
        ASSERT_EQ(battle->stateHash(), hashes[i]) << "turn " << i + 1;
    }
    EXPECT_TRUE(battle->state().ended);
}

TEST(Replay, DamagedFilesAreRefusedWithTheirReason) {
    const std::string good = writeReplayText(recordedBattle());
    const auto refused = [](const std::string& text) {
        auto r = parseReplay(text);
        return !r.ok() && r.error().message.find("リプレイファイルが壊れています") != std::string::npos;
    };
    EXPECT_TRUE(refused(""));
    EXPECT_TRUE(refused("VXR 2\n{}\n"));
    EXPECT_TRUE(refused(good.substr(0, 200)));  // the header cut off
    EXPECT_TRUE(refused(good + "{\"turn\":999,\"commands\":[\"c\",\"c\"],\"hash\":\"0000000000000000\"}\n"));
    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string text = good;
        const size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? text : text.replace(at, from.size(), to);
    };
    EXPECT_TRUE(refused(replaced("\"initialHp\":1000", "\"initialHp\":0")));
    EXPECT_TRUE(refused(replaced("\"initialHp\":1000", "\"initialHp\":\"1000\"")));
    EXPECT_TRUE(refused(replaced("\"bytes\":\"", "\"bytes\":\"!")));
    EXPECT_TRUE(refused(replaced("\"commands\":[[", "\"commands\":[[9999,")));
    EXPECT_TRUE(refused(replaced("\"hash\":\"", "\"hash\":\"zz")));
    EXPECT_TRUE(refused(replaced("\"generatorState\":", "\"generatorState\":-")));

    // Bytes that are not a monster file read as a replay but are refused when played.
    Replay junk = *parseReplay(good);
    junk.fighters[0].bytes = "not a monster";
    auto monsters = replayMonsters(junk);
    ASSERT_FALSE(monsters.ok());
    EXPECT_NE(monsters.error().message.find("モンスター 1"), std::string::npos);
}

}  // namespace
}  // namespace vex
