#include <gtest/gtest.h>

#include "fixtures.h"
#include "temp_folder.h"
#include "vexmora/battle/battle_view.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/scrambled_file.h"
#include "vexmora/rules/series_battle.h"
#include "vexmora/scenario/scenario_run.h"

namespace vex {
namespace {

class ScenarioRunTest : public ::testing::Test {
protected:
    test::TempFolder home;
    Rng rng;

    ScenarioBattle expectBattle(ScenarioRun& run) {
        auto step = run.nextBattle(rng, "");
        EXPECT_TRUE(step.ok()) << (step.ok() ? "" : step.error().message);
        if (!step.ok() || !std::holds_alternative<ScenarioBattle>(*step)) {
            ADD_FAILURE() << "expected a battle";
            return {};
        }
        return std::get<ScenarioBattle>(*step);
    }

    // A scenario of `bosses` set entries, each a system-data monster saved beside it.
    fs::path makeScenario(const std::string& name, int bosses, bool intrusion = false) {
        fs::create_directories(home / "Scenario");
        ScenarioRecord r = emptyScenario();
        r.specialIntrusion = intrusion ? "1" : "0";
        for (int e = 0; e < bosses; ++e) {
            MonsterRecord boss = newMonster("ボス" + std::to_string(e + 1), 300, 300, 300);
            boss.makerVersion() = "9.99";
            EXPECT_TRUE(saveMonster(home / "Scenario" / bossFileName(name, e + 1), boss, "").ok());
            r.bossName[e] = boss.name;
            r.bossChecksum[e] = boss.checksum();
            r.bossStage[e] = std::to_string(e);
            r.bossSpare[e] = "0";
            r.bossUrl[e] = e == 0 ? "story1.html" : "";
        }
        EXPECT_TRUE(writeScenario(home / "Scenario" / (name + ".sce"), r).ok());
        return home / "Scenario" / name;
    }
};

TEST_F(ScenarioRunTest, TheReferenceScenarioPlaysItsOneBossThenIsCleared) {
    fs::create_directories(home / "Scenario");
    fs::copy_file(test::fixturePath("scenario/boss.sce"), home / "Scenario" / "boss.sce");
    fs::copy_file(test::fixturePath("scenario/boss.b01"), home / "Scenario" / "boss.b01");
    ScenarioRun run(home / "Scenario" / "boss", home.path());
    const ScenarioBattle first = expectBattle(run);
    EXPECT_EQ(first.opponent.record.name, "裏庭のぬし");
    EXPECT_EQ(first.opponent.stage, -1);
    EXPECT_EQ(first.entry, 0);
    auto next = run.nextBattle(rng, "");
    ASSERT_TRUE(next.ok());
    EXPECT_TRUE(std::holds_alternative<ScenarioCleared>(*next));
}

TEST_F(ScenarioRunTest, TenBossesWithTheBossMusicOnTheTenth) {
    ScenarioRun run(makeScenario("十番勝負", 10), home.path());
    for (int i = 0; i < 10; ++i) {
        const ScenarioBattle b = expectBattle(run);
        EXPECT_EQ(b.opponent.record.name, "ボス" + std::to_string(i + 1));
        EXPECT_EQ(b.opponent.stage, i);
        EXPECT_EQ(b.opponent.tune, i == 9 ? OwnTune::FinalBoss : OwnTune::None);
        EXPECT_EQ(b.storyPage, i == 0 ? "story1.html" : "");
    }
    EXPECT_TRUE(std::holds_alternative<ScenarioCleared>(*run.nextBattle(rng, "")));
}

TEST_F(ScenarioRunTest, ContinueFightsTheSameBossAgain) {
    ScenarioRun run(makeScenario("再戦", 3), home.path());
    EXPECT_EQ(expectBattle(run).entry, 0);
    EXPECT_EQ(expectBattle(run).entry, 1);
    run.retryAfterDefeat(true);
    EXPECT_EQ(run.continuesUsed(), 1);
    EXPECT_EQ(expectBattle(run).entry, 1);
}

TEST_F(ScenarioRunTest, ExchangedBossFileEndsTheGameWithItsMessage) {
    const fs::path base = makeScenario("すり替え", 2);
    MonsterRecord impostor = newMonster("ボス1", 999, 0, 0);  // same name, other record
    impostor.makerVersion() = "9.99";
    ASSERT_TRUE(saveMonster(home / "Scenario" / "すり替え.b01", impostor, "").ok());
    ScenarioRun run(base, home.path());
    auto step = run.nextBattle(rng, "");
    ASSERT_FALSE(step.ok());
    EXPECT_EQ(step.error().title, kScenarioErrorTitle);
    EXPECT_EQ(step.error().message, kBadBossMessage);
    EXPECT_TRUE(step.error().endsGame);
}

TEST_F(ScenarioRunTest, NoEntryEntriesAreSkipped) {
    const fs::path base = makeScenario("とびとび", 3);
    auto record = readScenario(home / "Scenario" / "とびとび.sce");
    ASSERT_TRUE(record.ok());
    record->bossName[1] = kNoEntry;
    ASSERT_TRUE(writeScenario(home / "Scenario" / "とびとび.sce", *record).ok());
    ScenarioRun run(base, home.path());
    EXPECT_EQ(expectBattle(run).entry, 0);
    EXPECT_EQ(expectBattle(run).entry, 2);
}

TEST_F(ScenarioRunTest, MysteryChallengersOnlyWhenTheScenarioAllowsThem) {
    fs::create_directories(home / "System");
    for (int i = 1; i <= 4; ++i) {
        MonsterRecord m = newMonster("謎", 300, 300, 300);
        m.makerVersion() = "9.99";
        ASSERT_TRUE(saveMonster(home / "System" / ("system.00" + std::to_string(i)), m, "").ok());
    }
    for (bool intrusion : {false, true}) {
        const fs::path base = makeScenario(intrusion ? "乱入" : "静か", 3, intrusion);
        int mysteries = 0;
        for (int seed = 0; seed < 1500; ++seed) {
            ScenarioRun run(base, home.path());
            rng.reset(-1);
            rng.reseed(seed);
            expectBattle(run);
            if (expectBattle(run).entry == -1) ++mysteries;
        }
        if (intrusion) {
            EXPECT_GT(mysteries, 15);
            EXPECT_LT(mysteries, 90);
        } else {
            EXPECT_EQ(mysteries, 0);
        }
    }
}

}  // namespace
}  // namespace vex

namespace vex {
namespace {

TEST_F(ScenarioRunTest, ContinuesUpToTheLimitThenGameOver) {
    const fs::path base = makeScenario("限界", 3);
    auto record = readScenario(home / "Scenario" / "限界.sce");
    record->continueLimit = "2";
    ASSERT_TRUE(writeScenario(home / "Scenario" / "限界.sce", *record).ok());
    ScenarioRun run(base, home.path());
    ScriptedDialogs yes({DialogAnswer::Yes});
    expectBattle(run);
    EXPECT_EQ(run.afterBattle(1, false, yes), ScenarioNext::Retry);
    EXPECT_EQ(yes.asked.back().title, "コンティニュー：0");
    expectBattle(run);
    EXPECT_EQ(run.afterBattle(1, true, yes), ScenarioNext::Retry);  // falling by its own action costs nothing
    expectBattle(run);
    EXPECT_EQ(run.afterBattle(1, false, yes), ScenarioNext::Retry);
    EXPECT_EQ(run.continuesUsed(), 2);
    expectBattle(run);
    EXPECT_EQ(run.afterBattle(1, false, yes), ScenarioNext::RunOver);
    EXPECT_NE(yes.asked.back().text.find("Ｇ Ａ Ｍ Ｅ"), std::string::npos);
    EXPECT_EQ(run.winCount(), 0);
}

TEST_F(ScenarioRunTest, TheTenthWinEndsTheScenario) {
    ScenarioRun run(makeScenario("完走", 10), home.path());
    ScriptedDialogs none;
    for (int i = 0; i < 9; ++i) {
        expectBattle(run);
        EXPECT_EQ(run.afterBattle(0, false, none), ScenarioNext::NextBattle);
    }
    expectBattle(run);
    EXPECT_EQ(run.afterBattle(0, false, none), ScenarioNext::EndingSecond);
    EXPECT_TRUE(none.asked.empty());
}

TEST_F(ScenarioRunTest, TheStoryPageShowsBeforeTheBossIsLoaded) {
    const fs::path base = makeScenario("物語", 2);  // boss 1 has story1.html
    std::vector<std::string> happened;
    const BossLoader load = [&](const fs::path& file) {
        happened.push_back("load " + file.filename().string());
        return loadBossFile(file);
    };
    const StoryPageShower show = [&](const std::string& page) { happened.push_back("page " + page); };
    ScenarioRun run(base, home.path());
    ASSERT_TRUE(run.nextBattle(rng, "", load, show).ok());
    EXPECT_EQ(happened, (std::vector<std::string>{"page story1.html", "load 物語.b01"}));

    // The page shows even when its boss then cannot be loaded.
    fs::remove(home / "Scenario" / "物語.b01");
    happened.clear();
    ScenarioRun broken(base, home.path());
    EXPECT_FALSE(broken.nextBattle(rng, "", loadBossFile, show).ok());
    EXPECT_EQ(happened, (std::vector<std::string>{"page story1.html"}));
}

TEST_F(ScenarioRunTest, ABossThatCannotBeLoadedEndsTheGameWithTheMessageOfItsFailure) {
    const fs::path base = makeScenario("壊れ", 2);
    const fs::path bossPath = home / "Scenario" / "壊れ.b01";
    const auto failure = [&] {
        ScenarioRun run(base, home.path());
        auto step = run.nextBattle(rng, "");
        EXPECT_FALSE(step.ok());
        if (step.ok()) return Error{};
        EXPECT_TRUE(step.error().endsGame);
        return step.error();
    };

    // Tampered system data: the record no longer matches its integrity text.
    MonsterRecord boss = loadMonster(bossPath)->record;
    std::string payload = *buildMonsterPayload(boss, "");
    payload.replace(20, 4, "999 ");  // ATK
    std::string bytes;
    writeScrambled(bytes, payload, keyFromName("壊れ.b01"), 7);
    ASSERT_TRUE(atomicWrite(bossPath, bytes).ok());
    Error e = failure();
    EXPECT_EQ(e.title, "読み込みエラー");
    EXPECT_EQ(e.message, "不正に改造されたデータの可能性があります。\r\nゲームを終了します。");

    // A file that does not read as a monster.
    ASSERT_TRUE(atomicWrite(bossPath, "not a monster").ok());
    e = failure();
    EXPECT_EQ(e.title, "エラー");
    EXPECT_EQ(e.message.rfind("\r\nエラーが発生しました\r\n", 0), 0u);

    fs::remove(bossPath);
    e = failure();
    EXPECT_EQ(e.title, "エラー");
    EXPECT_EQ(e.message, "\r\n ボスデータがありません" + bossPath.string() + "\r\n 勝ち抜き戦を中断します ");
}

TEST_F(ScenarioRunTest, AChampionFightsOnADrawnStageNeverOnTheOneChosenInTheSettings) {
    fs::create_directories(home / "System");
    for (int i = 1; i <= 4; ++i) {
        MonsterRecord m = newMonster(i <= 2 ? "謎" : "王者", 300, 300, 300);
        m.makerVersion() = "9.99";
        ASSERT_TRUE(saveMonster(home / "System" / ("system.00" + std::to_string(i)), m, "").ok());
    }
    const fs::path base = makeScenario("王者来訪", 3, true);
    std::optional<ScenarioBattle> champion;
    for (int seed = 0; seed < 5000 && !champion; ++seed) {
        ScenarioRun run(base, home.path());
        rng.reset(-1);
        rng.reseed(seed);
        expectBattle(run);
        ScenarioBattle second = expectBattle(run);
        if (second.opponent.record.name == "王者") champion = second;
    }
    ASSERT_TRUE(champion);
    EXPECT_EQ(champion->opponent.stage, kRandomStage);

    // The tournament stage chosen in the settings does not come with it, nor its restriction.
    BattleSettings settings;
    settings.battleMode = kModeScenario;
    settings.stageIndex = kTournamentStage;
    MonsterRecord player = newMonster("勇者", 400, 300, 300);
    player.techId[0] = 98;  // 三連撃, a special technique
    player.unlockCodes() = "T";
    NullView view;
    StatisticsTable table;
    StatisticsRecorder recorder(table);
    for (int seed = 1; seed <= 20; ++seed) {
        auto battle = prepareSeriesBattle(settings, player, champion->opponent.record, &champion->opponent, rng, view, recorder);
        seedBattleGenerator(rng, seed);
        battle->startBattle(kStageCountWithoutList);
        EXPECT_NE(battle->state().stageIndex, kTournamentStage);
        EXPECT_NE(battle->state().stageIndex, kRandomStage);
        EXPECT_EQ(battle->fighter(0).record.techId[0], 98);
    }
}

}  // namespace
}  // namespace vex
