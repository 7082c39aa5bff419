#include <gtest/gtest.h>

#include "vexmora/rules/fighter_checks.h"

namespace vex {
namespace {

MonsterRecord monster(int atk, int def, int spd, const char* version = "1", const char* name = "ねこ") {
    MonsterRecord m = newMonster(name, 0, 0, 0);
    m.atk = static_cast<int16_t>(atk);
    m.def = static_cast<int16_t>(def);
    m.spd = static_cast<int16_t>(spd);
    m.makerVersion() = version;
    return m;
}

TEST(FighterChecks, SystemDataOnlyAsAnOpponentOfTheSeriesModes) {
    const MonsterRecord boss = monster(700, 700, 300, "9.99");
    EXPECT_EQ(refuseFighter(kModeFree, 1, boss)->text, "このデータは使用できません");
    EXPECT_EQ(refuseFighter(kModeTwoPlayers, 0, boss)->text, "このデータは使用できません");
    EXPECT_FALSE(refuseFighter(kModeElimination, 1, boss));
    EXPECT_FALSE(refuseFighter(kModeScenario, 1, boss));
    EXPECT_TRUE(refuseFighter(kModeScenario, 0, boss));
}

TEST(FighterChecks, OrdinaryMonstersOverTheirPointsAreRefused) {
    const auto refused = refuseFighter(kModeFree, 0, monster(500, 300, 201));
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->text, "ねこ\r\nは不正なデータです。\r\n別のキャラを読み込みます");
    EXPECT_FALSE(refuseFighter(kModeFree, 0, monster(500, 300, 200)));
    EXPECT_FALSE(refuseFighter(kModeFree, 0, monster(-500, 300, 200)));
    EXPECT_TRUE(refuseFighter(kModeFree, 0, monster(-500, 300, 201)));
    // Only ordinary monsters are held to the 1000 points.
    EXPECT_FALSE(refuseFighter(kModeElimination, 1, monster(900, 900, 900, "9.99")));
}

TEST(FighterChecks, RareMonstersAreRefusedAsThePlayersSeriesMonster) {
    const MonsterRecord rare = monster(900, 900, 900, "0");
    EXPECT_EQ(refuseFighter(kModeElimination, 0, rare)->text, "勝ち抜き戦では使用できません");
    EXPECT_EQ(refuseFighter(kModeScenario, 0, rare)->text, "このモードでは使用できません");
    EXPECT_FALSE(refuseFighter(kModeFree, 0, rare));
    EXPECT_FALSE(refuseFighter(kModeElimination, 1, rare));
    EXPECT_FALSE(refuseFighter(kModeElimination, 0, monster(900, 900, 900, "0", kPermittedRareName)));
}

}  // namespace
}  // namespace vex

#include "temp_folder.h"
#include "vexmora/data/monster_file.h"

namespace vex {
namespace {

TEST(LoadFighterFile, ReadErrorsRefusalsAndTheEndOfTheGame) {
    test::TempFolder home;
    const auto save = [&](const char* file, MonsterRecord m) { EXPECT_TRUE(saveMonster(home / file, m, "").ok()); };
    save("ok.tvx", monster(300, 300, 300));
    save("boss.b01", monster(700, 700, 300, "9.99", "ぬし"));
    EXPECT_TRUE(loadFighterFile(kModeFree, 0, home / "ok.tvx").ok());

    auto missing = loadFighterFile(kModeFree, 1, home / "none.tvx");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().title, "エラー");
    EXPECT_NE(missing.error().message.find("エラーが発生しました"), std::string::npos);
    EXPECT_FALSE(missing.error().endsGame);
    EXPECT_TRUE(loadFighterFile(kModeScenario, 1, home / "none.b01").error().endsGame);

    auto refused = loadFighterFile(kModeFree, 1, home / "boss.b01");
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().message, "このデータは使用できません");
    EXPECT_TRUE(loadFighterFile(kModeScenario, 1, home / "boss.b01").ok());
    EXPECT_TRUE(reseedsAfterLoad(kModeScenario, loadFighterFile(kModeScenario, 1, home / "boss.b01")->record));
    EXPECT_FALSE(reseedsAfterLoad(kModeNetwork, monster(0, 0, 0, "0")));
    EXPECT_FALSE(reseedsAfterLoad(kModeFree, monster(0, 0, 0)));
}

}  // namespace
}  // namespace vex
