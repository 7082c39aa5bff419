// The battle start: the stage choice, the starting values and the opening announcements.

#include <gtest/gtest.h>

#include "battle_test_support.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::test {
namespace {

TEST(StageChoice, RandomStageSkipsTheTournamentAndMysteryStagesWithoutCountingDraws) {
    BattleSettings settings = testSettings();
    settings.stageIndex = kRandomStage;
    auto t = makeBattle(monster("a", 300, 300, 300), monster("b", 300, 300, 300), settings);
    // Int(18·r): 0.3 gives 5 and 0.4 gives 7, both refused; 0.5 gives 9.
    t->random.then({0.3, 0.4, 0.5});
    t->start();
    EXPECT_EQ(t->battle->state().stageIndex, 9);
    EXPECT_EQ(t->battle->settings().stageIndex, 9);
    EXPECT_EQ(t->battle->state().drawCounter, 0);
    EXPECT_EQ(t->random.drawn(), 3);
}

TEST(StageChoice, WaterAndGroundStagesDrawUntilOneFits) {
    BattleSettings settings = testSettings();
    settings.stageIndex = kRandomWaterStage;
    auto water = makeBattle(monster("a", 1, 1, 1), monster("b", 1, 1, 1), settings);
    water->random.then({0.0, 0.5, 0.46});  // 0 and 9 refused, 8 taken
    water->start();
    EXPECT_EQ(water->battle->state().stageIndex, 8);

    settings.stageIndex = kRandomGroundStage;
    auto ground = makeBattle(monster("a", 1, 1, 1), monster("b", 1, 1, 1), settings);
    ground->random.then({0.12, 0.79, 0.06});  // 2 and 14 refused, 1 taken
    ground->start();
    EXPECT_EQ(ground->battle->state().stageIndex, 1);
}

TEST(StageChoice, AListTooShortForTheRequestTakesStageZeroInsteadOfDrawingForever) {
    BattleSettings settings = testSettings();
    settings.stageIndex = kRandomWaterStage;
    auto t = makeBattle(monster("a", 1, 1, 1), monster("b", 1, 1, 1), settings);
    t->battle->startBattle(2);
    EXPECT_EQ(t->battle->state().stageIndex, 0);
    EXPECT_EQ(t->random.drawn(), 0);

    settings.stageIndex = kRandomStage;
    auto empty = makeBattle(monster("a", 1, 1, 1), monster("b", 1, 1, 1), settings);
    empty->battle->startBattle(0);
    EXPECT_EQ(empty->battle->state().stageIndex, 0);
}

TEST(StartingValues, AbilityBonusesAndStageFactors) {
    MonsterRecord a = monster("a", 300, 300, 300, {tech::kAttackBonus, tech::kGuardBonus, tech::kVeteran});
    a.unlockCodes() = "H";
    MonsterRecord b = monster("b", 300, 300, 300, {tech::kAquatic});
    BattleSettings settings = testSettings();
    settings.stageIndex = 2;  // the sea
    auto t = makeBattle(a, b, settings);
    t->start();
    EXPECT_EQ(t->fighter(0).record.atk, 600);
    EXPECT_EQ(t->fighter(0).record.def, 600);
    EXPECT_EQ(t->fighter(0).record.spd, 400);
    EXPECT_EQ(t->fighter(1).record.atk, 405);  // ×1.35 on the sea

    settings.stageIndex = 0;
    auto land = makeBattle(a, b, settings);
    land->start();
    EXPECT_EQ(land->fighter(1).record.atk, 255);  // ×0.85 elsewhere
    EXPECT_EQ(land->fighter(0).entry.atk, 600);   // entry stats hold the started values
}

TEST(StartingValues, BerserkCountsEverySlotThatIsNotASkill) {
    // バーサーク with four empty slots: なし is not a skill, so c = 4 and m = 1.28.
    auto t = makeBattle(monster("a", 300, 250, 100, {tech::kBerserk}), monster("b", 1, 1, 1));
    t->start();
    EXPECT_EQ(t->fighter(0).record.atk, 384);
    EXPECT_EQ(t->fighter(0).record.def, 320);
    EXPECT_EQ(t->fighter(0).record.spd, 128);
}

TEST(StartingValues, HpSpAndAmmunition) {
    MonsterRecord a = monster("a", 300, 300, 300, {tech::kToughness, tech::kToughness, tech::kSpBonus, tech::kShoot});
    setLevel(a, 3, 3);
    a.unlockCodes() = "i06";
    MonsterRecord b = monster("b", 300, 300, 300, {tech::kShoot});
    b.techLevel[0] = 0;
    b.unlockCodes() = "i07";
    auto t = makeBattle(a, b);
    t->start();
    // 1000 + 200·(2 + 5 for "i06" - 1 for the opponent's "i07")
    EXPECT_EQ(t->fighter(0).hp, 2200);
    EXPECT_EQ(t->fighter(0).maxHp, 2200);
    EXPECT_EQ(t->fighter(0).sp, 40);
    EXPECT_EQ(t->fighter(0).ammo, 6);
    EXPECT_EQ(t->fighter(1).ammo, 20);  // level 0 counts as 1
}

TEST(StartingValues, SystemMonstersKeepTheirFixedHp) {
    MonsterRecord boss = monster("boss", 300, 300, 300);
    boss.makerVersion() = "9.99";
    auto t = makeBattle(monster("a", 1, 1, 1), boss);
    t->fighter(1).hp = 3000;
    t->fighter(0).hp = 3000;  // an ordinary monster does not keep it
    t->start();
    EXPECT_EQ(t->fighter(1).hp, 3000);
    EXPECT_EQ(t->fighter(1).maxHp, 3000);
    EXPECT_EQ(t->fighter(0).hp, 1000);
}

TEST(StartingValues, TheFirstBannerShowsTurnOneWithoutSkillPoints) {
    auto t = makeBattle(monster("a", 300, 300, 300), monster("b", 300, 300, 300));
    t->battle->startBattle(18);
    EXPECT_EQ(t->view.banners(), std::vector<std::string>{"TURN 1"});
    EXPECT_EQ(t->fighter(0).sp, 10);
    EXPECT_EQ(t->random.drawn(), 0);
    EXPECT_EQ(t->battle->state().acceptInput, kTrue);
}

TEST(OpeningAnnouncements, AllOutAndFlight) {
    auto t = makeBattle(monster("a", 300, 300, 300, {tech::kAllOut}), monster("b", 300, 300, 300, {0, tech::kFly}));
    t->battle->startBattle(18);
    EXPECT_TRUE(t->view.hasCaption("能力+30%", 0));
    EXPECT_EQ(t->fighter(0).abilityMark, 1);
    EXPECT_EQ(t->fighter(0).record.atk, 390);
    EXPECT_TRUE(t->view.hasCaption("飛行", 1));
    EXPECT_EQ(t->fighter(1).flying, kTrue);
    EXPECT_EQ(t->fighter(1).record.techId[1], tech::kLand);
    EXPECT_EQ(t->fighter(1).pictureOffsetY, -35);
}

TEST(NetworkStart, ResetsTheDrawCounter) {
    BattleSettings settings = testSettings();
    settings.battleMode = kModeNetwork;
    auto t = makeBattle(monster("a", 1, 1, 1), monster("b", 1, 1, 1), settings);
    t->battle->state().drawCounter = 77;
    t->start();
    EXPECT_EQ(t->battle->state().drawCounter, 0);
}

}  // namespace
}  // namespace vex::test
