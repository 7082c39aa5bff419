// vexmora-cli calc: the calculator's table and JSON for files found as every command finds
// them, refused as the game refuses them.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli_monsters.h"
#include "cli_process.h"
#include "temp_folder.h"
#include "vexmora/data/monster_file.h"

namespace vex {
namespace {

using nlohmann::json;

class CliCalc : public ::testing::Test {
protected:
    test::TempFolder home;
    test::CliRun cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--home", home.path().string()});
        return test::runCli(args);
    }
    void SetUp() override {
        fs::create_directories(home / "Data");
        for (MonsterRecord m : {test::cliFighter("ひだり", 400), test::cliFighter("みぎ", 300),
                                test::cliFighter("ぬし", 400, "9.99")})
            ASSERT_TRUE(saveMonster(home / "Data" / (m.name + ".tvx"), m, "").ok());
    }
};

TEST_F(CliCalc, EachSlotAsJsonAndAsATable) {
    const test::CliRun run = cli({"calc", "data/ひだり.TVX", "Data/みぎ.tvx", "--stage", "2", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json out = json::parse(run.out);
    EXPECT_EQ(out["type"], "calc");
    EXPECT_EQ(out["stage"], 2);
    ASSERT_EQ(out["slots"].size(), 5u);
    const json& attack = out["slots"][0];
    EXPECT_EQ(attack["usable"], true);
    EXPECT_EQ(attack["hit"]["method"], "exact");
    EXPECT_GT(attack["hit"]["chance"], 0.15);
    EXPECT_LE(attack["hitDamage"]["min"], attack["hitDamage"]["median"]);
    EXPECT_EQ(attack["knockOut"]["method"], "sampled");
    EXPECT_GT(attack["knockOut"]["knockOuts"], 0);
    EXPECT_EQ(out["slots"][2]["usable"], false);  // なし

    const test::CliRun table = cli({"calc", "Data/ひだり.tvx", "Data/みぎ.tvx", "--stage", "2"});
    ASSERT_EQ(table.status, 0) << table.err;
    EXPECT_NE(table.out.find("ひだり -> みぎ: stage 2"), std::string::npos) << table.out;
    EXPECT_NE(table.out.find("0 通常攻撃 Lv1"), std::string::npos) << table.out;
    EXPECT_NE(table.out.find("* sampled"), std::string::npos);
}

TEST_F(CliCalc, RefusesWhatTheGameRefusesAndARandomStage) {
    const test::CliRun refused = cli({"calc", "Data/ぬし.tvx", "Data/みぎ.tvx"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("--unchecked"), std::string::npos) << refused.err;
    EXPECT_TRUE(refused.out.empty());
    EXPECT_EQ(cli({"calc", "Data/ぬし.tvx", "Data/みぎ.tvx", "--unchecked", "--json"}).status, 0);

    const test::CliRun random = cli({"calc", "Data/ひだり.tvx", "Data/みぎ.tvx", "--stage", "99"});
    EXPECT_EQ(random.status, 2);
    EXPECT_NE(random.err.find("--stage"), std::string::npos) << random.err;
    EXPECT_EQ(cli({"calc", "Data/ひだり.tvx", "Data/いない.tvx"}).status, 2);
}

}  // namespace
}  // namespace vex
