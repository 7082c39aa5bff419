// The scenario editor's rules: what 保存 refuses and writes, and what 読み込み accepts back.
#include <gtest/gtest.h>

#include <fstream>

#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/scenario/scenario_draft.h"

namespace vex {
namespace {

class ScenarioDraftTest : public ::testing::Test {
protected:
    test::TempFolder home;
    fs::path folder = home / "Scenario";

    void SetUp() override { fs::create_directories(folder); }

    // Boss i (1-10) saved as the monster editor saves it, and the entry its button then holds.
    BossEntry saveBoss(const std::string& scenario, int i, const std::string& name, int16_t stage = 0) {
        MonsterRecord boss = newMonster(name, 400, 300, 300);
        boss.makerVersion() = "9.99";
        EXPECT_TRUE(saveMonster(folder / bossFileName(scenario, i), boss, "").ok());
        return {true, boss.name, boss.checksum(), stage, "page" + std::to_string(i) + ".html"};
    }
};

TEST_F(ScenarioDraftTest, SaveRefusesAMissingFirstBossThenAMissingName) {
    ScenarioDraft d;
    d.bosses[1] = saveBoss("x", 2, "二番");
    fs::remove(folder / "x.b02");
    auto refused = refuseScenarioSave(d);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->text, "ボスを必ず設定してください");
    EXPECT_EQ(refused->title, "設定されていない項目があります");

    d.bosses[0] = saveBoss("x", 1, "一番");
    fs::remove(folder / "x.b01");
    refused = refuseScenarioSave(d);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->text, "シナリオ名を必ず設定してください");

    for (const char* bad : {"a/b", "..", "what?", "a|b"}) {
        d.name = bad;
        EXPECT_TRUE(refuseScenarioSave(d)) << bad;
        EXPECT_FALSE(saveScenarioDraft(folder, d).ok()) << bad;
    }
    EXPECT_TRUE(fs::is_empty(folder));  // nothing was written
    d.name = "冒険";
    EXPECT_FALSE(refuseScenarioSave(d));
}

TEST_F(ScenarioDraftTest, ARenamedScenarioWhoseBossFilesKeptTheOldNameIsNotSaved) {
    ScenarioDraft d;
    d.name = "旧名";
    d.bosses[0] = saveBoss("旧名", 1, "ぬし");
    d.bosses[1] = saveBoss("旧名", 2, "おおぬし");
    d.name = "新名";
    auto saved = saveScenarioDraft(folder, d);
    ASSERT_FALSE(saved.ok());
    EXPECT_NE(saved.error().message.find("新名.b01"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "新名.sce"));
}

TEST_F(ScenarioDraftTest, OnlyBossOneSetStoresNoEntryForTheRest) {
    ScenarioDraft d;
    d.name = "ひとり";
    d.bosses[0] = saveBoss("ひとり", 1, "ぬし", -2);
    auto path = saveScenarioDraft(folder, d);
    ASSERT_TRUE(path.ok()) << path.error().message;
    EXPECT_EQ(*path, folder / "ひとり.sce");
    auto r = readScenario(*path);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->bossName[0], "ぬし");
    EXPECT_EQ(r->bossStage[0], "-2");
    EXPECT_EQ(r->bossSpare[0], "0");
    for (int i = 1; i < kScenarioBossCount; ++i) {
        EXPECT_EQ(r->bossName[i], kNoEntry);
        EXPECT_EQ(r->bossChecksum[i], kNoEntryChecksum);
        EXPECT_EQ(r->bossStage[i], "");
        EXPECT_EQ(r->bossUrl[i], "");
        EXPECT_EQ(r->bossSpare[i], "");
    }
}

TEST_F(ScenarioDraftTest, ASavedScenarioReadsBackIntoTheSameForm) {
    ScenarioDraft d;
    d.name = "往復";
    d.comment = "三体のボスに挑め";
    d.levelCode = 3;
    d.continueLimit = 6;
    d.bossContinueLimit = 2;
    d.clearUrl = "Scenario\\往復\\clear.html";
    d.failUrl = "https://example.invalid/fail";
    d.editPassword = "himitsu";
    d.specialIntrusion = true;
    d.bosses[0] = saveBoss("往復", 1, "いち", 0);
    d.bosses[4] = saveBoss("往復", 5, "ご", 17);
    d.bosses[9] = saveBoss("往復", 10, "じゅう", -1);
    ASSERT_TRUE(fs::exists(folder / "往復.b01"));
    ASSERT_TRUE(fs::exists(folder / "往復.b10"));
    auto path = saveScenarioDraft(folder, d);
    ASSERT_TRUE(path.ok());
    auto r = readScenario(*path);
    ASSERT_TRUE(r.ok());
    ScenarioDraft back = draftFromRecord(*r, *path);
    // An unset boss keeps no page in the file.
    EXPECT_EQ(back, d);
    EXPECT_TRUE(scenarioAsksPassword(*r, home.path()));
    std::ofstream(home / "ＱＥＬＰＡＲ.DBG").put('\n');
    EXPECT_FALSE(scenarioAsksPassword(*r, home.path()));
}

TEST_F(ScenarioDraftTest, BossesThatNoLongerMatchTheirEntryAreShownUnset) {
    ScenarioDraft d;
    d.name = "すり替え";
    d.bosses[0] = saveBoss("すり替え", 1, "本物");
    d.bosses[1] = saveBoss("すり替え", 2, "二番手");
    d.bosses[2] = saveBoss("すり替え", 3, "三番手");
    auto path = saveScenarioDraft(folder, d);
    ASSERT_TRUE(path.ok());
    // Boss 1: another monster of the same name; boss 2: its file gone; boss 3 untouched.
    MonsterRecord impostor = newMonster("本物", 100, 100, 800);
    impostor.makerVersion() = "9.99";
    ASSERT_TRUE(saveMonster(folder / "すり替え.b01", impostor, "").ok());
    fs::remove(folder / "すり替え.b02");
    const ScenarioDraft back = draftFromRecord(*readScenario(*path), *path);
    EXPECT_FALSE(back.bosses[0].set);
    EXPECT_FALSE(back.bosses[1].set);
    EXPECT_TRUE(back.bosses[2].set);
    EXPECT_EQ(back.bosses[2].name, "三番手");
}

TEST_F(ScenarioDraftTest, ACopiedScenarioFileNoLongerDecodes) {
    ScenarioDraft d;
    d.name = "原本";
    d.bosses[0] = saveBoss("原本", 1, "ぬし");
    auto path = saveScenarioDraft(folder, d);
    ASSERT_TRUE(path.ok());
    fs::copy_file(*path, folder / "複製.sce");
    EXPECT_TRUE(readScenario(*path).ok());
    auto copy = readScenario(folder / "複製.sce");
    if (copy.ok()) {
        // Should the bytes happen to decode, the record cannot be the original.
        EXPECT_NE(copy->bossName[0], "ぬし");
    } else {
        EXPECT_FALSE(copy.error().message.empty());
    }
}

TEST_F(ScenarioDraftTest, OddNumbersInAFileFallBackToTheFirstItems) {
    ScenarioRecord r = emptyScenario();
    r.levelCode = "9";
    r.continueLimit = "-3";
    r.bossContinueLimit = "x";
    r.bossStage[3] = "   ";
    const ScenarioDraft d = draftFromRecord(r, folder / "変.sce");
    EXPECT_EQ(d.levelCode, 0);
    EXPECT_EQ(d.continueLimit, 0);
    EXPECT_EQ(d.bossContinueLimit, 0);
    EXPECT_EQ(d.bosses[3].stage, 0);
    EXPECT_EQ(d.name, "変");
}

}  // namespace
}  // namespace vex
