#include <gtest/gtest.h>

#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/battle/battle_settings.h"
#include "vexmora/rules/opponent_choice.h"

namespace vex {
namespace {

// A program folder with ordinary opponents in Data and the four challengers in System.
class EliminationTest : public ::testing::Test {
protected:
    test::TempFolder home;
    void SetUp() override {
        fs::create_directories(home / "Data");
        fs::create_directories(home / "System");
        for (const char* name : {"あ", "い", "う"}) save(home / "Data" / (std::string(name) + ".tvx"), name, "1");
        for (int i = 1; i <= 4; ++i)
            save(home / "System" / ("system.00" + std::to_string(i)), "謎" + std::to_string(i), "9.99");
    }
    static void save(const fs::path& path, const std::string& name, const char* version) {
        MonsterRecord m = newMonster(name, 300, 300, 300);
        m.makerVersion() = version;
        ASSERT_TRUE(saveMonster(path, m, "").ok());
    }
    EliminationRun run() { return EliminationRun(home.path(), listMonsterFiles(home / "Data")); }
};

TEST_F(EliminationTest, FirstOpponentIsNeverAMysteryChallenger) {
    for (int seed = 0; seed < 300; ++seed) {
        Rng rng;
        rng.reset(-1);
        rng.reseed(seed);
        EliminationRun r = run();
        auto first = r.nextOpponent(rng, "");
        ASSERT_TRUE(first.ok()) << first.error().message;
        EXPECT_FALSE(first->mystery);
        EXPECT_EQ(first->file.parent_path().filename(), "Data");
        EXPECT_EQ(r.winCount(), 1);
    }
}

TEST_F(EliminationTest, MysteryChallengersAppearInAboutThreePercent) {
    Rng rng;
    rng.reset(-1);
    rng.reseed(4242);
    EliminationRun r = run();
    (void)r.nextOpponent(rng, "");
    int mysteries = 0;
    const int battles = 6000;
    for (int i = 0; i < battles; ++i) {
        auto next = r.nextOpponent(rng, "");
        ASSERT_TRUE(next.ok());
        if (next->mystery) ++mysteries;
    }
    EXPECT_GT(mysteries, battles * 0.02);
    EXPECT_LT(mysteries, battles * 0.04);
}

TEST_F(EliminationTest, ChallengersBringTheirStageHpAndMusic) {
    Rng rng;
    EliminationRun r = run();
    r.setWinCount(1);
    bool sawPlain = false, sawStrong = false, sawChampion = false;
    for (int seed = 0; seed < 3000 && !(sawPlain && sawStrong && sawChampion); ++seed) {
        rng.reset(-1);
        rng.reseed(seed);
        const bool withP = seed % 2 == 0;
        auto next = r.nextOpponent(rng, withP ? "xPy" : "");
        ASSERT_TRUE(next.ok());
        if (!next->mystery) continue;
        const std::string file = next->file.filename().string();
        if (file == "system.001") {
            sawPlain = true;
            EXPECT_FALSE(withP);
            EXPECT_EQ(next->stage, kMysteryStage);
            EXPECT_EQ(next->tune, OwnTune::Challenger);
            EXPECT_EQ(next->announcement, kMysteryAnnouncement);
        } else if (file == "system.002") {
            sawStrong = true;
            EXPECT_TRUE(withP);
            EXPECT_EQ(next->hp, 3000);
            EXPECT_EQ(next->stage, kMysteryStage);
        } else {
            sawChampion = true;
            EXPECT_NE(next->announcement.find("のモンスターが挑んできた！"), std::string::npos);
            EXPECT_FALSE(next->stage);
        }
    }
    EXPECT_TRUE(sawPlain && sawStrong && sawChampion);
}

TEST_F(EliminationTest, MissingChallengerFileGivesAMessageNotACrash) {
    fs::remove_all(home / "System");
    Rng rng;
    EliminationRun r = run();
    r.setWinCount(1);
    int errors = 0;
    for (int seed = 0; seed < 2000; ++seed) {
        rng.reset(-1);
        rng.reseed(seed);
        auto next = r.nextOpponent(rng, "");
        if (!next.ok()) {
            ++errors;
            EXPECT_EQ(next.error().title, "エラー");
        }
    }
    EXPECT_GT(errors, 0);
}

TEST_F(EliminationTest, RefusedOpponentsAreDrawnAgainAndAnEmptyFolderIsAnError) {
    MonsterRecord bad = newMonster("ずる", 0, 0, 0);
    bad.atk = 900;
    bad.def = 900;
    ASSERT_TRUE(saveMonster(home / "Data" / "ずる.tvx", bad, "").ok());
    Rng rng;
    EliminationRun r = run();
    for (int i = 0; i < 50; ++i) {
        auto next = r.nextOpponent(rng, "");
        ASSERT_TRUE(next.ok());
        EXPECT_NE(next->record.name, "ずる");
    }
    EliminationRun empty(home.path(), {});
    EXPECT_FALSE(empty.nextOpponent(rng, "").ok());
    EliminationRun allBad(home.path(), {home / "Data" / "ずる.tvx"});
    EXPECT_FALSE(allBad.nextOpponent(rng, "").ok());
}

TEST(EliminationCaption, CountsTheOpponentsBeaten) {
    EliminationRun r({}, {});
    EXPECT_EQ(r.windowCaption(), "ＴＸ（勝ち抜き戦）");
    r.setWinCount(1);
    EXPECT_EQ(r.windowCaption(), "ＴＸ（勝ち抜き戦）");
    r.setWinCount(3);
    EXPECT_EQ(r.windowCaption(), "ＴＸ（勝ち抜き戦 2 勝中）");
}

}  // namespace
}  // namespace vex
