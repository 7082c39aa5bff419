#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli_monsters.h"
#include "cli_process.h"
#include "temp_folder.h"
#include "vexmora/data/monster_file.h"

namespace vex {
namespace {

using nlohmann::json;

using test::cliFighter;

class CliSimAgainst : public ::testing::Test {
protected:
    test::TempFolder home;
    void SetUp() override {
        fs::create_directories(home / "Data");
        for (int i = 0; i < 2; ++i) {
            MonsterRecord m = cliFighter("敵" + std::to_string(i), 300 + 200 * i);
            ASSERT_TRUE(saveMonster(home / "Data" / (m.name + ".tvx"), m, "").ok());
        }
        MonsterRecord me = cliFighter("勇者", 500);
        ASSERT_TRUE(saveMonster(home / "勇者.tvx", me, "").ok());
    }
};

TEST_F(CliSimAgainst, OneRowPerOpponentMatchingThePairRun) {
    const std::string me = (home / "勇者.tvx").string();
    const test::CliRun lab = test::runCli({"--home", home.path().string(), "sim", me, "--against",
                                           (home / "Data").string(), "--battles", "100", "--seed", "7", "--json"});
    ASSERT_EQ(lab.status, 0) << lab.err;
    const json out = json::parse(lab.out);
    EXPECT_EQ(out["type"], "simAgainst");
    ASSERT_EQ(out["opponents"].size(), 2u);
    EXPECT_EQ(out["slots"].size(), 5u);
    EXPECT_EQ(out["timing"]["battles"], 200);
    const json& second = out["opponents"][1];
    EXPECT_EQ(second["file"], "敵1.tvx");
    EXPECT_EQ(second["battles"], 100);

    const test::CliRun pair = test::runCli({"--home", home.path().string(), "sim", me,
                                            (home / "Data" / "敵1.tvx").string(), "--battles", "100", "--seed", "7",
                                            "--json"});
    ASSERT_EQ(pair.status, 0) << pair.err;
    const json alone = json::parse(pair.out);
    EXPECT_EQ(second["wins"], alone["wins"]);
    EXPECT_EQ(second["meanTurns"], alone["meanTurns"]);
}

TEST_F(CliSimAgainst, DefaultsToAThousandBattlesAndRefusesBadUse) {
    const std::string me = (home / "勇者.tvx").string();
    const test::CliRun text = test::runCli({"--home", home.path().string(), "sim", me, "--against",
                                            (home / "Data").string(), "--seed", "1", "--jobs", "2"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("1000 battles each"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("敵0.tvx"), std::string::npos);

    EXPECT_EQ(test::runCli({"sim", me, me, "--against", (home / "Data").string()}).status, 2);
    const test::CliRun missing = test::runCli({"sim", me, "--against", (home / "nowhere").string()});
    EXPECT_EQ(missing.status, 2);
    EXPECT_FALSE(missing.err.empty());
}

}  // namespace
}  // namespace vex
