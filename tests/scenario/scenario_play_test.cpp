// A scenario as the battle screen plays it (the scenario's mode policy), and the difficulty
// check that plays it many times without writing anything.
#include <gtest/gtest.h>

#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/scenario/difficulty_check.h"
#include "vexmora/scenario/scenario_draft.h"
#include "vexmora/scenario/scenario_policy.h"

namespace vex {
namespace {

struct RecordingPresenter final : ScenarioPresenter {
    std::vector<std::string> pages;
    std::vector<ScenarioNext> endings;
    void showPage(const std::string& address) override { pages.push_back(address); }
    void playEnding(ScenarioNext form) override { endings.push_back(form); }
};

MonsterRecord fighter(const std::string& name, int atk, int def, int spd) {
    MonsterRecord m = newMonster(name, atk, def, spd);
    m.techId = {0, 1, 99, 99, 99};
    m.techLevel = {1, 3, 0, 0, 0};
    m.techCost = {0, 40, 0, 0, 0};
    return m;
}

class ScenarioPlayTest : public ::testing::Test {
protected:
    test::TempFolder home;
    fs::path folder = home / "Scenario";
    ScriptedDialogs dialogs{{DialogAnswer::Yes}};
    std::shared_ptr<RecordingPresenter> presenter = std::make_shared<RecordingPresenter>();

    // Three bosses of the given strength, story pages on bosses 1 and 3.
    fs::path makeScenario(const std::string& name, int bossAtk, int continueLimit = 6) {
        fs::create_directories(folder);
        ScenarioDraft d;
        d.name = name;
        d.continueLimit = continueLimit;
        d.clearUrl = "clear.html";
        d.failUrl = "fail.html";
        for (int i = 0; i < 3; ++i) {
            MonsterRecord boss = fighter("ボス" + std::to_string(i + 1), bossAtk, 300, 700 - bossAtk);
            boss.makerVersion() = "9.99";
            EXPECT_TRUE(saveMonster(folder / bossFileName(name, i + 1), boss, "").ok());
            d.bosses[static_cast<size_t>(i)] = {true, boss.name, boss.checksum(), static_cast<int16_t>(i), i == 1 ? "" : "story" + std::to_string(i + 1) + ".html"};
        }
        EXPECT_TRUE(saveScenarioDraft(folder, d).ok());
        return folder / name;
    }

    EndOfBattle ending(int winner) {
        EndOfBattle end;
        end.winner = winner;
        end.mode = kModeScenario;
        return end;
    }
};

TEST_F(ScenarioPlayTest, BossesComeInOrderWithTheirPagesAndTheLastWinEndsWithTheClearPage) {
    ScenarioPolicy policy(makeScenario("三連戦", 200), home.path(), dialogs, presenter);
    EXPECT_TRUE(policy.canLoad(0));
    EXPECT_FALSE(policy.canLoad(1));
    EXPECT_FALSE(policy.needsOpponentLoaded());
    const MonsterRecord player = fighter("勇者", 500, 300, 200);
    for (int i = 0; i < 3; ++i) {
        auto next = policy.nextOpponent(player);
        ASSERT_TRUE(next.ok()) << next.error().message;
        ASSERT_TRUE(next->has_value());
        EXPECT_EQ((*next)->record.name, "ボス" + std::to_string(i + 1));
        EXPECT_EQ((*next)->stage, i);
        EXPECT_FALSE(policy.canLoad(0));  // the run keeps its monster
        policy.battleFinished(ending(0));
        EXPECT_EQ(policy.canLoad(0), i == 2);  // the run goes on until the last boss falls
    }
    EXPECT_EQ(presenter->pages, (std::vector<std::string>{"story1.html", "story3.html", "clear.html"}));
    EXPECT_EQ(presenter->endings, (std::vector<ScenarioNext>{ScenarioNext::EndingSecond}));
    EXPECT_EQ(policy.winCount(), 0);
    EXPECT_TRUE(policy.canLoad(0));
    EXPECT_EQ(policy.windowCaption(), "ＴＸ（シナリオ）");
}

TEST_F(ScenarioPlayTest, AContinueFightsTheSameBossAndGameOverShowsTheFailPage) {
    ScenarioPolicy policy(makeScenario("再挑戦", 200, 1), home.path(), dialogs, presenter);
    const MonsterRecord player = fighter("勇者", 500, 300, 200);
    ASSERT_TRUE(policy.nextOpponent(player).ok());
    policy.battleFinished(ending(0));
    auto second = policy.nextOpponent(player);
    ASSERT_TRUE(second.ok());
    EXPECT_EQ((*second)->record.name, "ボス2");
    policy.battleFinished(ending(1));  // continue: yes
    EXPECT_FALSE(policy.canLoad(0));
    EXPECT_EQ(dialogs.asked.back().title, "コンティニュー：0");
    auto again = policy.nextOpponent(player);
    ASSERT_TRUE(again.ok());
    EXPECT_EQ((*again)->record.name, "ボス2");
    policy.battleFinished(ending(1));  // the one continue is spent
    EXPECT_TRUE(policy.canLoad(0));
    EXPECT_NE(dialogs.asked.back().text.find("Ｇ Ａ Ｍ Ｅ"), std::string::npos);
    EXPECT_EQ(presenter->pages.back(), "fail.html");
    EXPECT_TRUE(presenter->endings.empty());
    EXPECT_EQ(policy.winCount(), 0);
}

TEST_F(ScenarioPlayTest, AnExchangedBossEndsTheGame) {
    const fs::path base = makeScenario("偽物", 200);
    MonsterRecord impostor = fighter("ボス1", 600, 300, 100);
    impostor.makerVersion() = "9.99";
    ASSERT_TRUE(saveMonster(folder / "偽物.b01", impostor, "").ok());
    ScenarioPolicy policy(base, home.path(), dialogs, presenter);
    auto next = policy.nextOpponent(fighter("勇者", 500, 300, 200));
    ASSERT_FALSE(next.ok());
    EXPECT_EQ(next.error().message, "不正なボスキャラが設定されています");
    EXPECT_EQ(next.error().title, "シナリオエラー");
    EXPECT_TRUE(next.error().endsGame);
}

TEST(ShareTest, WilsonIntervalsAtTheEdgesAndInside) {
    const Share eight{8, 50};
    EXPECT_NEAR(eight.rate(), 0.16, 1e-12);
    EXPECT_NEAR(eight.low(), 0.0834, 1e-4);
    EXPECT_NEAR(eight.high(), 0.2851, 1e-4);
    EXPECT_EQ(Share({0, 50}).low(), 0.0);
    EXPECT_NEAR(Share({0, 50}).high(), 0.0713, 1e-4);
    EXPECT_EQ(Share({50, 50}).high(), 1.0);
    EXPECT_NEAR(Share({50, 50}).low(), 1 - 0.0713, 1e-4);
    EXPECT_EQ(Share({0, 0}).rate(), 0.0);
}

TEST_F(ScenarioPlayTest, TheDifficultyCheckTellsEasyFromHardAndWritesNothing) {
    const fs::path easy = makeScenario("やさしい", 100);
    const fs::path hard = makeScenario("むずかしい", 650, 0);
    auto snapshot = [this] {
        std::map<fs::path, std::string> files;
        for (const auto& e : fs::recursive_directory_iterator(home.path()))
            if (e.is_regular_file()) files[e.path()] = *readWholeFile(e.path(), 1 << 20);
        return files;
    };
    const auto before = snapshot();
    const MonsterRecord player = fighter("勇者", 500, 300, 200);

    DifficultyCheck check{easy, home.path(), 30, 7u, 200, {}};
    auto report = checkDifficulty(check, player);
    ASSERT_TRUE(report.ok()) << report.error().message;
    EXPECT_EQ(report->runs, 30);
    ASSERT_EQ(report->bosses.size(), 3u);
    EXPECT_GT(report->clearShare().rate(), 0.8);
    EXPECT_EQ(report->bosses[2].beaten, report->cleared);

    check.scenarioBase = hard;
    auto hardReport = checkDifficulty(check, player);
    ASSERT_TRUE(hardReport.ok());
    EXPECT_LT(hardReport->clearShare().rate(), report->clearShare().rate());
    EXPECT_EQ(hardReport->bosses[0].reached, 30);
    // No continues: one battle against boss 1 per run.
    EXPECT_EQ(hardReport->bosses[0].battles, 30);

    // The same seed gives the same check.
    auto again = checkDifficulty(check, player);
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again->cleared, hardReport->cleared);
    EXPECT_EQ(again->battles, hardReport->battles);

    EXPECT_EQ(snapshot(), before);
    EXPECT_NE(describeDifficulty(*report).find("ボス3"), std::string::npos);
}

TEST_F(ScenarioPlayTest, TheDifficultyCheckStopsOnABrokenScenario) {
    const fs::path base = makeScenario("こわれ", 200);
    fs::remove(folder / "こわれ.b02");
    DifficultyCheck check{base, home.path(), 5, 1u, 200, {}};
    auto report = checkDifficulty(check, fighter("勇者", 900, 50, 50));
    ASSERT_FALSE(report.ok());
    EXPECT_TRUE(report.error().endsGame);
}

}  // namespace
}  // namespace vex

namespace vex {
namespace {

// Scenario play lets system bosses in as fighter 1 only, keeps rare monsters out of the
// player's hands, and holds every file to its integrity text: an unreadable boss ends the game.
TEST(ScenarioLoading, BossesAreSystemDataThePlayerIsNot) {
    MonsterRecord boss = newMonster("ぬし", 700, 700, 300);
    boss.makerVersion() = "9.99";
    EXPECT_FALSE(refuseFighter(kScenarioLoading, 1, boss));
    EXPECT_TRUE(refuseFighter(kScenarioLoading, 0, boss));
    MonsterRecord rare = newMonster("レア", 300, 300, 300);
    rare.makerVersion() = "0";
    EXPECT_EQ(refuseFighter(kScenarioLoading, 0, rare)->text, "このモードでは使用できません");

    test::TempFolder home;
    EXPECT_TRUE(loadFighterFile(kScenarioLoading, 1, home / "none.b01").error().endsGame);
    EXPECT_FALSE(loadFighterFile(kScenarioLoading, 0, home / "none.tvx").error().endsGame);
    ASSERT_TRUE(saveMonster(home / "boss.b01", boss, "").ok());
    EXPECT_TRUE(loadFighterFile(kScenarioLoading, 1, home / "boss.b01").ok());
    EXPECT_TRUE(reseedsAfterLoad(kScenarioLoading, boss));
}

}  // namespace
}  // namespace vex
