#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli_monsters.h"
#include "cli_process.h"
#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/scenario_file.h"

namespace vex {
namespace {

using nlohmann::json;

std::vector<json> jsonLines(const std::string& out) {
    std::vector<json> lines;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line))
        if (!line.empty()) lines.push_back(json::parse(line));
    return lines;
}

using test::cliFighter;

class CliSeries : public ::testing::Test {
protected:
    test::TempFolder home;
    void SetUp() override {
        fs::create_directories(home / "Data");
        fs::create_directories(home / "System");
        for (int i = 0; i < 4; ++i) {
            MonsterRecord m = cliFighter("敵" + std::to_string(i), 200 + 50 * i);
            ASSERT_TRUE(saveMonster(home / "Data" / (m.name + ".tvx"), m, "").ok());
        }
        for (int i = 1; i <= 4; ++i) {
            MonsterRecord m = cliFighter("謎" + std::to_string(i), 400, "9.99");
            ASSERT_TRUE(saveMonster(home / "System" / ("system.00" + std::to_string(i)), m, "").ok());
        }
        MonsterRecord player = cliFighter("勇者", 500);
        ASSERT_TRUE(saveMonster(home / "勇者.tvx", player, "").ok());
    }
};

TEST_F(CliSeries, EliminationRunsUntilADefeatAndSavesThePlayer) {
    const test::CliRun run = test::runCli({"--home", home.path().string(), "elimination",
                                           (home / "勇者.tvx").string(), "--seed", "11", "--max-battles", "5", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = jsonLines(run.out);
    ASSERT_GE(lines.size(), 2u);
    const json& summary = lines.back();
    EXPECT_EQ(summary["type"], "run");
    EXPECT_EQ(summary["battles"].get<size_t>(), lines.size() - 1);
    int wins = 0;
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        EXPECT_EQ(lines[i]["type"], "battle");
        EXPECT_EQ(lines[i]["index"], i);
        if (i == 0) {
            EXPECT_EQ(lines[i]["mystery"], false);
        }
        if (lines[i]["winner"] == 0) ++wins;
        if (i + 2 < lines.size()) {
            EXPECT_EQ(lines[i]["winner"], 0);  // only the last may be a defeat
        }
    }
    EXPECT_EQ(summary["wins"], wins);
    auto saved = loadMonster(home / "勇者.tvx");
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved->integrity, Integrity::Ok);
    EXPECT_EQ(saved->record.wins, wins);
    EXPECT_EQ(saved->record.wins + saved->record.losses, summary["battles"].get<int>());
}

TEST_F(CliSeries, SameSeedSameRun) {
    const auto play = [&] {
        MonsterRecord player = cliFighter("勇者", 500);
        EXPECT_TRUE(saveMonster(home / "勇者.tvx", player, "").ok());
        return test::runCli({"--home", home.path().string(), "elimination", (home / "勇者.tvx").string(), "--seed",
                             "5", "--max-battles", "4", "--json"})
            .out;
    };
    EXPECT_EQ(play(), play());
}

TEST_F(CliSeries, ScenarioPlaysItsBossesAndARefusedPlayerStops) {
    fs::create_directories(home / "Scenario");
    ScenarioRecord r = emptyScenario();
    r.continueLimit = "1";
    for (int e = 0; e < 2; ++e) {
        MonsterRecord boss = cliFighter("ボス" + std::to_string(e), 300, "9.99");
        ASSERT_TRUE(saveMonster(home / "Scenario" / bossFileName("試練", e + 1), boss, "").ok());
        r.bossName[e] = boss.name;
        r.bossChecksum[e] = boss.checksum();
        r.bossStage[e] = "0";
    }
    ASSERT_TRUE(writeScenario(home / "Scenario" / "試練.sce", r).ok());
    const test::CliRun run = test::runCli({"--home", home.path().string(), "scenario",
                                           (home / "Scenario" / "試練.sce").string(), (home / "勇者.tvx").string(),
                                           "--seed", "2", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = jsonLines(run.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back()["type"], "run");
    EXPECT_TRUE(lines.back()["outcome"] == "cleared" || lines.back()["outcome"] == "over");
    EXPECT_EQ(lines.front()["opponent"], "ボス0");

    const test::CliRun refused = test::runCli({"--home", home.path().string(), "scenario",
                                               (home / "Scenario" / "試練.sce").string(),
                                               (home / "Scenario" / "試練.b01").string()});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("このデータは使用できません"), std::string::npos);
}

}  // namespace
}  // namespace vex
