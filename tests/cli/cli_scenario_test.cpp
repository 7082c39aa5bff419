// vexmora-cli make-scenario, and the difficulty check of vexmora-cli scenario --runs N.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "cli_monsters.h"
#include "cli_process.h"
#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/scenario_file.h"
#include "vexmora/data/text.h"

namespace vex {
namespace {

using nlohmann::json;

using test::cliFighter;

class CliScenario : public ::testing::Test {
protected:
    test::TempFolder home;
    void SetUp() override {
        fs::create_directories(home / "Scenario");
        fs::create_directories(home / "work");
        for (auto [name, atk] : {std::pair{"ぬし", 200}, {"おおぬし", 250}, {"勇者", 500}}) {
            MonsterRecord m = cliFighter(name, atk);
            ASSERT_TRUE(saveMonster(home / "work" / (std::string(name) + ".tvx"), m, "").ok());
        }
    }
    void writeJson(const json& j) { std::ofstream(home / "work" / "s.json") << j.dump(); }
    test::CliRun cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home.path().string()});
        return test::runCli(args);
    }
};

TEST_F(CliScenario, MakeScenarioWritesTheFileAndItsBossesAsTheEditorDoes) {
    writeJson({{"comment", "テスト"},
               {"continueLimit", "2"},
               {"clearUrl", "clear.html"},
               {"bosses", {{{"file", "ぬし.tvx"}, {"stage", -1}, {"url", "p1.html"}}, nullptr,
                           {{"file", "おおぬし.tvx"}, {"stage", 16}}}}});
    const fs::path out = home / "Scenario" / "試練.sce";
    const test::CliRun made = cli({"make-scenario", (home / "work" / "s.json").string(), out.string()});
    ASSERT_EQ(made.status, 0) << made.err;

    auto record = readScenario(out);
    ASSERT_TRUE(record.ok());
    EXPECT_EQ(trimRight(record->comment), "テスト");
    EXPECT_EQ(trimRight(record->bossName[0]), "ぬし");
    EXPECT_EQ(trimRight(record->bossStage[0]), "-1");
    EXPECT_EQ(trimRight(record->bossUrl[0]), "p1.html");
    EXPECT_EQ(trimRight(record->bossName[1]), kNoEntry);
    EXPECT_EQ(trimRight(record->bossChecksum[1]), kNoEntryChecksum);
    EXPECT_EQ(trimRight(record->bossName[2]), "おおぬし");
    EXPECT_EQ(trimRight(record->bossName[9]), kNoEntry);
    auto boss = loadMonster(home / "Scenario" / "試練.b03");
    ASSERT_TRUE(boss.ok());
    EXPECT_EQ(boss->record.makerVersion(), "9.99");
    EXPECT_EQ(boss->record.checksum(), trimRight(record->bossChecksum[2]));
    EXPECT_FALSE(fs::exists(home / "Scenario" / "試練.b02"));

    // The game's own reader takes it: inspect, and a run.
    const test::CliRun shown = cli({"inspect", out.string()});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(json::parse(shown.out)["bossName"][2], "おおぬし");
    const test::CliRun run =
        cli({"scenario", out.string(), (home / "work" / "勇者.tvx").string(), "--seed", "3", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"opponent\":\"ぬし\""), std::string::npos);
}

TEST_F(CliScenario, MakeScenarioRefusesBadInputAndWritesNothing) {
    const fs::path out = home / "Scenario" / "だめ.sce";
    for (const json& bad : {json{{"bosses", {{{"stage", 1}}}}}, json{{"bosses", {{{"file", "ない.tvx"}}}}},
                            json{{"bosses", {{{"file", "ぬし.tvx"}, {"stage", "3"}}}}}, json{{"bosses", "x"}},
                            json{{"comment", {1}}}, json{{"bosses", {{{"file", "ぬし.tvx"}}, {{"file", "ない.tvx"}}}}}}) {
        writeJson(bad);
        const test::CliRun made = cli({"make-scenario", (home / "work" / "s.json").string(), out.string()});
        EXPECT_EQ(made.status, 2) << bad.dump();
        EXPECT_FALSE(made.err.empty());
        EXPECT_FALSE(fs::exists(out)) << bad.dump();
        EXPECT_FALSE(fs::exists(home / "Scenario" / "だめ.b01")) << bad.dump();
    }
}

TEST_F(CliScenario, RunsGiveTheDifficultyCheckAndLeaveThePlayerAlone) {
    writeJson({{"continueLimit", "1"},
               {"bosses", {{{"file", "ぬし.tvx"}}, {{"file", "おおぬし.tvx"}}}}});
    const fs::path out = home / "Scenario" / "腕試し.sce";
    ASSERT_EQ(cli({"make-scenario", (home / "work" / "s.json").string(), out.string()}).status, 0);
    const fs::path player = home / "work" / "勇者.tvx";
    const std::string before = *readWholeFile(player, 1 << 20);

    const test::CliRun checked = cli({"scenario", out.string(), player.string(), "--runs", "20", "--seed", "5", "--json"});
    ASSERT_EQ(checked.status, 0) << checked.err;
    const json report = json::parse(checked.out);
    EXPECT_EQ(report["type"], "difficulty");
    EXPECT_EQ(report["runs"], 20);
    ASSERT_EQ(report["bosses"].size(), 2u);
    EXPECT_EQ(report["bosses"][0]["name"], "ぬし");
    EXPECT_EQ(report["bosses"][0]["reached"], 20);
    const json& cleared = report["cleared"];
    EXPECT_EQ(cleared["total"], 20);
    EXPECT_LE(cleared["low"].get<double>(), cleared["rate"].get<double>());
    EXPECT_GE(cleared["high"].get<double>(), cleared["rate"].get<double>());
    EXPECT_EQ(*readWholeFile(player, 1 << 20), before);

    const test::CliRun text = cli({"scenario", out.string(), player.string(), "--runs", "5"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("クリア"), std::string::npos);
    EXPECT_EQ(cli({"scenario", out.string(), player.string(), "--runs", "0"}).status, 2);
}

}  // namespace
}  // namespace vex
