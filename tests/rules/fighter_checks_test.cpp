#include <gtest/gtest.h>

#include "temp_folder.h"
#include "vexmora/rules/fighter_checks.h"
#include "vexmora/rules/mode_policy.h"
#include "vexmora/rules/network_policy.h"

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

TEST(FighterChecks, SystemDataOnlyWhereTheModesRulesLetItIn) {
    const MonsterRecord boss = monster(700, 700, 300, "9.99");
    EXPECT_EQ(refuseFighter(kOpenLoading, 1, boss)->text, "このデータは使用できません");
    EXPECT_EQ(refuseFighter(kOpenLoading, 0, boss)->text, "このデータは使用できません");
    EXPECT_FALSE(refuseFighter(kEliminationLoading, 1, boss));
    EXPECT_TRUE(refuseFighter(kNetworkLoading, 1, boss));
    // The policies answer with their own rules.
    test::TempFolder home;
    EXPECT_TRUE(makeModePolicy(kModeFree, home.path())->refusal(1, boss));
    EXPECT_FALSE(makeModePolicy(kModeElimination, home.path())->refusal(1, boss));
}

TEST(FighterChecks, OrdinaryMonstersOverTheirPointsAreRefused) {
    const auto refused = refuseFighter(kOpenLoading, 0, monster(500, 300, 201));
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->text, "ねこ\r\nは不正なデータです。\r\n別のキャラを読み込みます");
    EXPECT_FALSE(refuseFighter(kOpenLoading, 0, monster(500, 300, 200)));
    EXPECT_FALSE(refuseFighter(kOpenLoading, 0, monster(-500, 300, 200)));
    EXPECT_TRUE(refuseFighter(kOpenLoading, 0, monster(-500, 300, 201)));
    // Only ordinary monsters are held to the 1000 points.
    EXPECT_FALSE(refuseFighter(kEliminationLoading, 1, monster(900, 900, 900, "9.99")));
}

TEST(FighterChecks, RareMonstersAreRefusedAsThePlayersSeriesMonster) {
    const MonsterRecord rare = monster(900, 900, 900, "0");
    EXPECT_EQ(refuseFighter(kEliminationLoading, 0, rare)->text, "勝ち抜き戦では使用できません");
    EXPECT_FALSE(refuseFighter(kOpenLoading, 0, rare));
    EXPECT_FALSE(refuseFighter(kEliminationLoading, 1, rare));
    EXPECT_FALSE(refuseFighter(kEliminationLoading, 0, monster(900, 900, 900, "0", kPermittedRareName)));
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
    EXPECT_TRUE(loadFighterFile(kOpenLoading, 0, home / "ok.tvx").ok());

    auto missing = loadFighterFile(kOpenLoading, 1, home / "none.tvx");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().title, "エラー");
    EXPECT_NE(missing.error().message.find("エラーが発生しました"), std::string::npos);
    EXPECT_FALSE(missing.error().endsGame);

    auto refused = loadFighterFile(kOpenLoading, 1, home / "boss.b01");
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().message, "このデータは使用できません");
    EXPECT_TRUE(loadFighterFile(kEliminationLoading, 1, home / "boss.b01").ok());
    EXPECT_TRUE(reseedsAfterLoad(kEliminationLoading, loadFighterFile(kEliminationLoading, 1, home / "boss.b01")->record));
    EXPECT_FALSE(reseedsAfterLoad(kNetworkLoading, monster(0, 0, 0, "0")));
    EXPECT_FALSE(reseedsAfterLoad(kOpenLoading, monster(0, 0, 0)));
}

}  // namespace
}  // namespace vex
