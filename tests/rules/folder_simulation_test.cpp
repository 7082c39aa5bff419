#include <gtest/gtest.h>

#include <atomic>
#include <fstream>

#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/rules/folder_simulation.h"

namespace vex {
namespace {

MonsterRecord fighter(const std::string& name, int atk) {
    MonsterRecord m = newMonster(name, atk, 300, 1000 - atk - 300);
    m.techId = {0, 1, 3, 99, 99};
    m.techLevel = {1, 3, 1, 0, 0};
    m.techCost = {0, 40, 0, 0, 0};
    return m;
}

class FolderSimulationTest : public ::testing::Test {
protected:
    test::TempFolder home;
    MonsterRecord player = fighter("勇者", 500);
    std::vector<MonsterRecord> saved;

    void SetUp() override {
        fs::create_directories(home / "Data");
        for (int i = 0; i < 3; ++i) {
            saved.push_back(fighter("敵" + std::to_string(i), 200 + 100 * i));
            ASSERT_TRUE(saveMonster(home / "Data" / (saved.back().name + ".tvx"), saved.back(), "").ok());
        }
    }
    SimulationSetup setup(int64_t battles, int jobs = 2) const {
        SimulationSetup s;
        s.battles = battles;
        s.seed = 42;
        s.jobs = jobs;
        return s;
    }
};

TEST_F(FolderSimulationTest, EveryOpponentGetsTheCountsOfItsOwnMatch) {
    auto run = simulateAgainstFolder(player, home / "Data", setup(150));
    ASSERT_TRUE(run.ok()) << run.error().message;
    ASSERT_EQ(run->opponents.size(), 3u);
    EXPECT_FALSE(run->series.cancelled);
    EXPECT_EQ(run->series.played, 450);
    for (size_t i = 0; i < 3; ++i) {
        const SimulationResult alone = simulate(player, run->opponents[i].record, setup(150, 1));
        const SimulationResult& inSeries = run->series.perOpponent[i];
        EXPECT_EQ(inSeries.battles, 150);
        EXPECT_EQ(inSeries.wins, alone.wins) << i;
        EXPECT_EQ(inSeries.turns, alone.turns) << i;
        EXPECT_EQ(inSeries.knockouts + inSeries.timeUps + inSeries.unfinished, 150);
        ASSERT_EQ(inSeries.techniques.size(), alone.techniques.size());
        for (size_t t = 0; t < alone.techniques.size(); ++t)
            EXPECT_EQ(inSeries.techniques[t].landed, alone.techniques[t].landed);
    }
    // Nothing was written into the folder.
    size_t files = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(home / "Data")) ++files;
    EXPECT_EQ(files, 3u);
}

TEST_F(FolderSimulationTest, FilesThatMayNotFightAreSkippedWithTheirReason) {
    std::ofstream(home / "Data" / "broken.tvx") << "not a monster";
    MonsterRecord cheat = fighter("主", 400);
    cheat.atk = 900;  // more than 1000 points: refused as an opponent
    ASSERT_TRUE(saveMonster(home / "Data" / "主.tvx", cheat, "").ok());
    const FolderOpponents found = loadFolderOpponents(home / "Data");
    EXPECT_EQ(found.opponents.size(), 3u);
    ASSERT_EQ(found.skipped.size(), 2u);
    EXPECT_EQ(found.skipped[0].rfind("broken.tvx: ", 0), 0u);

    auto empty = simulateAgainstFolder(player, home / "nowhere", setup(10));
    ASSERT_FALSE(empty.ok());
    fs::create_directories(home / "Empty");
    EXPECT_FALSE(simulateAgainstFolder(player, home / "Empty", setup(10)).ok());
}

TEST_F(FolderSimulationTest, ProgressClimbsToTheTotalAndCancelStopsEarly) {
    std::vector<int64_t> seen;
    SimulationControl watch;
    watch.progress = [&](int64_t done, int64_t total) {
        EXPECT_EQ(total, 3 * 200);
        seen.push_back(done);
    };
    auto run = simulateAgainstFolder(player, home / "Data", setup(200), watch);
    ASSERT_TRUE(run.ok());
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(seen.back(), 600);

    std::atomic<bool> cancel{false};
    SimulationControl stopper;
    stopper.cancel = &cancel;
    stopper.progress = [&](int64_t done, int64_t) {
        if (done >= 64) cancel = true;
    };
    auto stopped = simulateAgainstFolder(player, home / "Data", setup(1000, 1), stopper);
    ASSERT_TRUE(stopped.ok());
    EXPECT_TRUE(stopped->series.cancelled);
    EXPECT_LT(stopped->series.played, 3000);
}

TEST_F(FolderSimulationTest, SlotTalliesFollowTheSlotsAndCountATechniqueOnce) {
    MonsterRecord twice = player;
    twice.techId = {1, 0, 1, 99, 99};
    twice.techName[0] = "剛拳";
    SimulationResult r;
    r.techniques = {{0, 1, "攻撃", 10, 8, 5}, {0, 0, "通常攻撃", 4, 4, 2}, {1, 1, "攻撃", 99, 99, 99}};
    const auto slots = slotTallies(twice, std::vector<SimulationResult>{r, r});
    ASSERT_EQ(slots.size(), 5u);
    EXPECT_EQ(slots[0].name, "剛拳");
    EXPECT_EQ(slots[0].chosen, 20);  // side 1's count is not ours
    EXPECT_EQ(slots[0].landed, 10);
    EXPECT_EQ(slots[1].used, 8);
    EXPECT_EQ(slots[2].chosen, 0);  // the same technique again
    EXPECT_EQ(slots[3].id, kEmptyTech);
    EXPECT_EQ(slots[3].chosen, 0);
}

// Two monsters that only wait stay level past the turn limit: the lab and a pair run both stop
// them at ten times the limit (unendingBattleCap), so the lab's rows are the pair run's.
TEST_F(FolderSimulationTest, UnendingBattlesStopAtTheSameTurnInTheLabAndInAPairRun) {
    test::TempFolder waiting;
    MonsterRecord waiter = newMonster("待つ者", 300, 300, 400);
    ASSERT_TRUE(saveMonster(waiting / "待つ者.tvx", waiter, "").ok());
    auto run = simulateAgainstFolder(waiter, waiting.path(), setup(5));
    ASSERT_TRUE(run.ok()) << run.error().message;
    const SimulationResult& lab = run->series.perOpponent.front();
    const SimulationResult pair = simulate(waiter, run->opponents.front().record, setup(5));
    EXPECT_EQ(lab.unfinished, 5);
    EXPECT_EQ(lab.turns, 5 * 500);  // the default limit of 50 turns, ten times over
    EXPECT_EQ(pair.unfinished, lab.unfinished);
    EXPECT_EQ(pair.turns, lab.turns);
}

}  // namespace
}  // namespace vex
