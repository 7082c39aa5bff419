// Monsters from damaged or hostile files reach battles too: whatever their numbers, a battle
// runs to its end and keeps every value within its range.

#include <gtest/gtest.h>

#include <random>

#include "battle_test_support.h"

namespace vex::test {
namespace {

MonsterRecord strangeMonster(std::mt19937& gen) {
    std::uniform_int_distribution<int> any(-32768, 32767);
    std::uniform_int_distribution<int> small(-2000, 3000);
    std::uniform_int_distribution<int> id(-5, 1005);
    std::uniform_int_distribution<int> pick(0, 5);
    MonsterRecord m = newMonster("x", 0, 0, 0);
    m.atk = static_cast<int16_t>(pick(gen) == 0 ? any(gen) : small(gen));
    m.def = static_cast<int16_t>(pick(gen) == 0 ? any(gen) : small(gen));
    m.spd = static_cast<int16_t>(pick(gen) == 0 ? any(gen) : small(gen));
    const char* texts[] = {"0", "9", "-3", "abc", "", "2.5"};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto s = static_cast<size_t>(slot);
        m.techId[s] = static_cast<int16_t>(pick(gen) < 4 ? pick(gen) * 25 + pick(gen) : id(gen));
        m.techLevel[s] = static_cast<int16_t>(pick(gen) == 0 ? any(gen) : pick(gen));
        m.techCost[s] = static_cast<int16_t>(pick(gen) == 0 ? any(gen) : pick(gen) * 5);
        m.techElement(slot) = texts[pick(gen)];
    }
    m.personality() = texts[pick(gen)];
    m.makerVersion() = pick(gen) == 0 ? "9.99" : "1";
    m.unlockCodes() = pick(gen) < 2 ? "i00i01i02i03i05i06i07i08i11STLPHJAFGgEf" : "";
    return m;
}

TEST(Robustness, StrangeMonstersFightToAnEndWithinTheirRanges) {
    std::mt19937 gen(20240611);
    Rng rng;
    for (int battleNumber = 0; battleNumber < 300; ++battleNumber) {
        BattleSettings settings = testSettings();
        settings.stageIndex = kRandomStage;
        settings.turnLimit = 30;
        settings.initialSp = 100;
        if (battleNumber % 2 == 1) {  // every other battle the computer plays both sides
            settings.battleMode = kModeFree;
            settings.spectatorMode = -1;
        }
        NullView view;
        Battle battle(settings, strangeMonster(gen), strangeMonster(gen), rng, view);
        seedBattleGenerator(rng, battleNumber);
        battle.startBattle(battleNumber % 20);
        std::uniform_int_distribution<int> slot(0, 5);
        for (int turn = 0; !battle.state().ended && turn < 200; ++turn) {
            battle.runTurn(battle.commandForSlot(0, slot(gen)), battle.commandForSlot(1, slot(gen)));
            for (const FighterState& f : battle.state().fighter) {
                ASSERT_GE(f.hp, 0);
                ASSERT_GE(f.sp, 0);
                ASSERT_LE(f.sp, 999);
                ASSERT_GE(f.emotion, -50);
                ASSERT_LE(f.emotion, 50);
            }
        }
    }
}

}  // namespace
}  // namespace vex::test
