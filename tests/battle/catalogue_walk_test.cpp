// Every defined technique of the catalogue, used by a fighter and held by its opponent, in
// battles the computer plays and in battles that use it every turn: each ends, and every value
// stays in its range.

#include <gtest/gtest.h>

#include "battle_test_support.h"
#include "vexmora/battle/technique_ids.h"
#include "vexmora/battle/techniques.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex::test {
namespace {

// Every unlock code of the catalogue, so that the special techniques may be used.
constexpr const char* kAllCodes = "STLPHJAFGgEfi09i10i12";

MonsterRecord holding(int id, int level) {
    MonsterRecord m = monster("w", 350, 300, 300, {id, tech::kNormalAttack, tech::kAttack});
    setLevel(m, 0, level);
    m.unlockCodes() = kAllCodes;
    return m;
}

void expectInRange(const Battle& battle, int id) {
    for (const FighterState& f : battle.state().fighter) {
        ASSERT_GE(f.hp, 0) << id;
        ASSERT_GE(f.sp, 0) << id;
        ASSERT_LE(f.sp, 999) << id;
        ASSERT_GE(f.emotion, -50) << id;
        ASSERT_LE(f.emotion, 50) << id;
    }
}

TEST(CatalogueWalk, EveryTechniqueRunsThroughBattlesToTheirEnd) {
    int defined = 0;
    for (int id = 0; id <= TechniqueCatalogue::kMaxId; ++id) {
        if (!techniqueEntry(id).defined()) continue;
        ++defined;
        for (int round = 0; round < 4; ++round) {
            BattleSettings settings = testSettings();
            settings.stageIndex = kRandomStage;
            settings.turnLimit = 25;
            settings.initialSp = round < 2 ? 100 : 10;
            const bool computer = round % 2 == 0;
            if (computer) {
                settings.battleMode = kModeFree;
                settings.spectatorMode = -1;
            }
            Rng rng;
            NullView view;
            Battle battle(settings, holding(id, 1 + round), holding(id, 5 - round), rng, view);
            seedBattleGenerator(rng, id * 7 + round);
            battle.startBattle(18);
            for (int turn = 0; !battle.state().ended && turn < 200; ++turn) {
                battle.runTurn(battle.commandForSlot(0, 0), battle.commandForSlot(1, turn % 3));
                expectInRange(battle, id);
            }
            EXPECT_TRUE(battle.state().ended) << "technique " << id << " round " << round;
        }
    }
    EXPECT_GT(defined, 140);
}

TEST(CatalogueWalk, EveryTechniqueWithARowHasItsHandler) {
    for (int id = 0; id <= TechniqueCatalogue::kMaxId; ++id) {
        const TechniqueRule* rule = techniqueRule(id);
        if (rule == nullptr) continue;
        EXPECT_NE(rule->perform, nullptr) << id;
        EXPECT_TRUE(techniqueEntry(id).defined()) << id;
    }
    for (int id : {tech::kDefend, tech::kCounter, tech::kEvade, tech::kSpConvert, tech::kHover, tech::kCopy,
                   tech::kCloneAttack, tech::kFullPower})
        EXPECT_EQ(techniqueRule(id), nullptr) << id;  // their effect lies in the other rules
}

}  // namespace
}  // namespace vex::test
