// A battle kept with --save-replay plays again in the replay command, which checks every
// turn's hash and names the first turn that no longer agrees.

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli_process.h"
#include "temp_folder.h"
#include "vexmora/data/monster_file.h"

namespace vex {
namespace {

class CliReplay : public ::testing::Test {
protected:
    test::TempFolder home;
    void SetUp() override {
        MonsterRecord a = newMonster("かえる", 400, 300, 300, 1);
        a.techId = {0, 1, 30, 99, 99};
        a.techLevel = {1, 3, 1, 0, 0};
        a.techCost = {0, 40, 20, 0, 0};
        MonsterRecord b = newMonster("とかげ", 350, 350, 300, 3);
        b.techId = {0, 20, 99, 99, 99};
        b.techLevel = {1, 2, 0, 0, 0};
        b.techCost = {0, 30, 0, 0, 0};
        ASSERT_TRUE(saveMonster(home / "かえる.tvx", a, "").ok());
        ASSERT_TRUE(saveMonster(home / "とかげ.tvx", b, "").ok());
    }
    test::CliRun battle(const std::vector<std::string>& extra) {
        std::vector<std::string> args = {"--home", home.path().string(), "battle", (home / "かえる.tvx").string(),
                                         (home / "とかげ.tvx").string()};
        args.insert(args.end(), extra.begin(), extra.end());
        return test::runCli(args);
    }
    test::CliRun replay(const fs::path& file) {
        return test::runCli({"replay", file.string(), "--home", home.path().string()});
    }
    std::vector<std::string> lines(const fs::path& file) {
        std::ifstream in(file);
        std::vector<std::string> all;
        for (std::string line; std::getline(in, line);) all.push_back(line);
        return all;
    }
    void write(const fs::path& file, const std::vector<std::string>& all) {
        std::ofstream out(file);
        for (const std::string& line : all) out << line << "\n";
    }
};

TEST_F(CliReplay, AFiftyTurnBattleReplaysAndAChangedCommandIsFoundAtItsTurn) {
    const fs::path file = home / "fifty.vxr";
    // Both sides scripted for the first turns, then the computer; HP enough for all 50 turns.
    const test::CliRun played = battle({"--seed", "21", "--hp", "32767", "--turns", "50", "--commands",
                                        "1:1,0:0,1:c,c:1,c:c", "--save-replay", file.string()});
    ASSERT_EQ(played.status, 0) << played.err;
    auto recorded = lines(file);
    ASSERT_EQ(recorded.size(), 2u + 50u);
    EXPECT_EQ(recorded[0], "VXR 1");

    const test::CliRun again = replay(file);
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, played.out);  // the same result line

    // Turn 30 scripted differently: the replay stops there and says so.
    auto line = nlohmann::json::parse(recorded[2 + 29]);
    ASSERT_EQ(line["turn"], 30);
    line["commands"][0] = nlohmann::json::array({0, 0, 0});
    recorded[2 + 29] = line.dump();
    write(file, recorded);
    const test::CliRun changed = replay(file);
    EXPECT_EQ(changed.status, 3);
    EXPECT_NE(changed.err.find("turn 30"), std::string::npos) << changed.err;
}

// The replay's log is the battle's log, down to every hit's record.
TEST_F(CliReplay, AReplayLogsEveryHitAsTheBattleDid) {
    const fs::path file = home / "logged.vxr";
    const test::CliRun played =
        battle({"--seed", "5", "--hp", "1000", "--log", "json", "--save-replay", file.string()});
    ASSERT_EQ(played.status, 0) << played.err;
    const test::CliRun again = test::runCli({"replay", file.string(), "--home", home.path().string(), "--log", "json"});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, played.out);
    int hits = 0;
    std::istringstream lines(again.out);
    for (std::string line; std::getline(lines, line);) {
        const auto record = nlohmann::json::parse(line);
        if (record["type"] != "hit") continue;
        ++hits;
        EXPECT_TRUE(record.contains("draws")) << line;
    }
    EXPECT_GT(hits, 0);
}

TEST_F(CliReplay, ADamagedOrMissingReplayIsABadInput) {
    const fs::path file = home / "one.vxr";
    ASSERT_EQ(battle({"--seed", "3", "--turns", "5", "--save-replay", file.string()}).status, 0);
    auto all = lines(file);
    all[1] = all[1].substr(0, all[1].size() / 2);  // the header cut in half
    write(file, all);
    const test::CliRun damaged = replay(file);
    EXPECT_EQ(damaged.status, 2);
    EXPECT_NE(damaged.err.find("リプレイファイルが壊れています"), std::string::npos) << damaged.err;
    EXPECT_EQ(replay(home / "missing.vxr").status, 2);
}

std::vector<std::string> turnHashes(const std::string& log) {
    std::vector<std::string> hashes;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
        const auto record = nlohmann::json::parse(line);
        if (record["type"] == "turn") hashes.push_back(record["hash"].get<std::string>());
    }
    return hashes;
}

// Two separate processes playing the same battle agree on every turn's state hash, and a
// different seed gives a different battle.
TEST_F(CliReplay, TheSameBattleInTwoProcessesHashesAlikeEveryTurn) {
    auto play = [&](const std::string& seed) {
        const test::CliRun run = battle({"--seed", seed, "--hp", "1000", "--turns", "50", "--log", "json"});
        EXPECT_EQ(run.status, 0) << run.err;
        return turnHashes(run.out);
    };
    const auto first = play("77");
    ASSERT_GT(first.size(), 1u);
    EXPECT_EQ(first, play("77"));
    for (const std::string& hash : first) EXPECT_EQ(hash.size(), 16u);
    EXPECT_NE(first, play("78"));
}

}  // namespace
}  // namespace vex
