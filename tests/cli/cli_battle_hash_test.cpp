// Two separate processes playing the same battle agree on every turn's state hash, and a
// different seed gives a different battle.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "run_cli.h"
#include "temp_folder.h"
#include "vexmora/data/monster_file.h"

namespace vex {
namespace {

std::vector<std::string> turnHashes(const std::string& log) {
    std::vector<std::string> hashes;
    std::istringstream lines(log);
    std::string line;
    while (std::getline(lines, line)) {
        const auto record = nlohmann::json::parse(line);
        if (record["type"] == "turn") hashes.push_back(record["hash"].get<std::string>());
    }
    return hashes;
}

TEST(CliBattleHash, TheSameBattleInTwoProcessesHashesAlikeEveryTurn) {
    test::TempFolder home;
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

    auto play = [&](const std::string& seed) {
        const test::CliRun run = test::runCli({"--home", home.path().string(), "battle", (home / "かえる.tvx").string(),
                                               (home / "とかげ.tvx").string(), "--seed", seed, "--hp", "1000",
                                               "--turns", "50", "--log", "json"});
        EXPECT_EQ(run.status, 0) << run.err;
        return turnHashes(run.out);
    };
    const auto first = play("77");
    const auto second = play("77");
    ASSERT_GT(first.size(), 1u);
    EXPECT_EQ(first, second);
    for (const std::string& hash : first) EXPECT_EQ(hash.size(), 16u);
    EXPECT_NE(first, play("78"));
}

}  // namespace
}  // namespace vex
