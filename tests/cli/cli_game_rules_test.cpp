// The command line plays by the game's rules: the editor's save rule, the fighters every mode
// refuses (and the tester's way past them), file arguments found below the program folder,
// copies and renames that read, the stage list's names.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli_monsters.h"
#include "cli_process.h"
#include "temp_folder.h"
#include "vexmora/data/monster_file.h"

namespace vex {
namespace {

using nlohmann::json;

class CliGameRules : public ::testing::Test {
protected:
    test::TempFolder home;
    std::string at(const char* relative) const { return (home / relative).string(); }
    test::CliRun cli(std::vector<std::string> args, const std::string& input = {}) {
        args.insert(args.begin(), {"--home", home.path().string()});
        return test::runCli(args, input);
    }
    void SetUp() override {
        fs::create_directories(home / "Data");
        MonsterRecord a = test::cliFighter("ひだり", 400), b = test::cliFighter("みぎ", 300);
        ASSERT_TRUE(saveMonster(home / "Data" / "ひだり.tvx", a, "").ok());
        ASSERT_TRUE(saveMonster(home / "Data" / "みぎ.tvx", b, "").ok());
        MonsterRecord system = test::cliFighter("ぬし", 400, "9.99");
        ASSERT_TRUE(saveMonster(home / "Data" / "ぬし.tvx", system, "").ok());
    }
};

TEST_F(CliGameRules, MakeMonsterSavesAsTheEditorSavesUnlessUnchecked) {
    const std::string cheat = R"({"name":"ずる","atk":600,"def":300,"spd":400})";
    test::CliRun run = cli({"make-monster", "-", "Data/ずる.tvx"}, cheat);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("1000"), std::string::npos);  // the player is told
    const MonsterRecord zeroed = loadMonster(home / "Data" / "ずる.tvx")->record;
    EXPECT_EQ(zeroed.atk + zeroed.def + zeroed.spd, 0);

    ASSERT_EQ(cli({"make-monster", "-", "Data/ずる2.tvx", "--unchecked"}, cheat).status, 0);
    EXPECT_EQ(loadMonster(home / "Data" / "ずる2.tvx")->record.atk, 600);

    // System data keeps its points, as the editor's debug mode saves it.
    ASSERT_EQ(cli({"make-monster", "-", "Data/ぬし2.tvx"}, R"({"name":"ぬし2","atk":900,"def":900,"makerVersion":"9.99"})")
                  .status,
              0);
    EXPECT_EQ(loadMonster(home / "Data" / "ぬし2.tvx")->record.atk, 900);
}

TEST_F(CliGameRules, BattleAndSimRefuseWhatEveryModeRefusesUnlessUnchecked) {
    ASSERT_EQ(cli({"make-monster", "-", "Data/ずる.tvx", "--unchecked"}, R"({"name":"ずる","atk":600,"def":300,"spd":400})")
                  .status,
              0);
    for (const char* refused : {"Data/ずる.tvx", "Data/ぬし.tvx"}) {
        const test::CliRun battle = cli({"battle", "Data/ひだり.tvx", refused, "--seed", "1"});
        EXPECT_EQ(battle.status, 2) << refused;
        EXPECT_NE(battle.err.find("注意"), std::string::npos) << battle.err;
        EXPECT_NE(battle.err.find("--unchecked"), std::string::npos) << battle.err;
        EXPECT_TRUE(battle.out.empty());
        EXPECT_EQ(cli({"sim", refused, "Data/みぎ.tvx", "--battles", "5"}).status, 2) << refused;

        const test::CliRun anyway = cli({"battle", "Data/ひだり.tvx", refused, "--seed", "1", "--unchecked"});
        EXPECT_EQ(anyway.status, 0) << anyway.err;
        EXPECT_EQ(json::parse(anyway.out)["type"], "result");
        EXPECT_EQ(cli({"sim", refused, "Data/みぎ.tvx", "--battles", "5", "--unchecked"}).status, 0) << refused;
    }
}

TEST_F(CliGameRules, FileArgumentsAreFoundBelowTheProgramFolderInAnyCase) {
    const test::CliRun shown = cli({"inspect", "data/ひだり.TVX"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(json::parse(shown.out)["name"], "ひだり");

    const test::CliRun missing = cli({"inspect", "Data/いない.tvx"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("Data/いない.tvx"), std::string::npos) << missing.err;  // what was typed

    // make-server makes its folder below the program folder, as the game's form does.
    const test::CliRun server =
        cli({"make-server", "-", "Server/mysite.srv"}, R"({"host":"ftp.example.org","user":"me","password":"pw"})");
    ASSERT_EQ(server.status, 0) << server.err;
    EXPECT_TRUE(fs::exists(home / "Server" / "mysite.srv"));
    EXPECT_EQ(json::parse(cli({"inspect", "Server/mysite.srv"}).out)["host"], "ftp.example.org");
}

TEST_F(CliGameRules, CopyAndRenameWriteFilesThatRead) {
    const test::CliRun copy = cli({"copy", "Data/ひだり.tvx", at("控え")});
    ASSERT_EQ(copy.status, 0) << copy.err;
    EXPECT_EQ(copy.out, at("控え.tvx") + "\n");
    EXPECT_EQ(json::parse(cli({"inspect", at("控え.tvx")}).out)["name"], "ひだり");
    EXPECT_EQ(cli({"copy", "Data/ひだり.tvx", at("控え")}).status, 2);  // it exists now
    EXPECT_EQ(cli({"copy", "Data/みぎ.tvx", at("控え"), "--force"}).status, 0);
    EXPECT_EQ(json::parse(cli({"inspect", at("控え.tvx")}).out)["name"], "みぎ");

    const test::CliRun renamed = cli({"rename", at("控え.tvx"), "ぼくのみぎ"});
    ASSERT_EQ(renamed.status, 0) << renamed.err;
    EXPECT_FALSE(fs::exists(home / "控え.tvx"));
    EXPECT_EQ(json::parse(cli({"inspect", at("ぼくのみぎ.tvx")}).out)["name"], "ぼくのみぎ");
    EXPECT_EQ(cli({"rename", at("ぼくのみぎ.tvx"), "a/b"}).status, 2);
    EXPECT_TRUE(fs::exists(home / "ぼくのみぎ.tvx"));
}

TEST(CliCatalogue, StageNamesAreThoseOfTheProgramFoldersStageList) {
    // The build's program folder holds the default content: 18 stages, 3 rare ones.
    const test::CliRun run = test::runCli({"catalogue"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json catalogue = json::parse(run.out);
    ASSERT_EQ(catalogue["stageNames"].size(), 18u);
    EXPECT_EQ(catalogue["stageNames"][5], "大会");
    EXPECT_EQ(catalogue["stageNames"][17], "電脳");
    EXPECT_EQ(catalogue["rareStageNames"].size(), 3u);

    test::TempFolder empty;  // no stage list: the catalogue's own names
    const json fallback = json::parse(test::runCli({"--home", empty.path().string(), "catalogue"}).out);
    EXPECT_EQ(fallback["stageNames"].size(), 9u);
}

}  // namespace
}  // namespace vex
