// Which slots a fighter may choose.

#include <gtest/gtest.h>

#include "battle_test_support.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::test {
namespace {

// A started battle whose fighter 0 holds the given techniques; the flags are recomputed after
// `prepare` has changed the state.
template <class Prepare>
std::array<int16_t, 6> usability(MonsterRecord a, Prepare&& prepare, BattleSettings settings = testSettings()) {
    auto t = makeBattle(a, monster("b", 300, 300, 300), settings);
    t->start();
    prepare(*t);
    t->battle->computeSlotUsability();
    return t->fighter(0).slotUsable;
}

std::array<int16_t, 6> usability(MonsterRecord a) {
    return usability(std::move(a), [](TestBattle&) {});
}

constexpr int16_t Y = kTrue;
constexpr int16_t N = kFalse;

TEST(SlotUsability, PassiveAbilitiesNeverAndDoingNothingAlways) {
    EXPECT_EQ(usability(monster("a", 1, 1, 1, {tech::kGuts, 0, tech::kAttackBonus})), (std::array<int16_t, 6>{N, Y, N, Y, Y, Y}));
}

TEST(SlotUsability, TheCostUsesTheMiracleAndBindFactors) {
    MonsterRecord a = monster("a", 1, 1, 1, {tech::kImpact});  // 20 SP at level 1
    auto withSp = [](int sp, bool miracle, bool bind) {
        return [=](TestBattle& t) {
            t.fighter(0).sp = static_cast<int16_t>(sp);
            t.fighter(0).turns(kStatusMiracle) = miracle ? 2 : 0;
            t.fighter(0).turns(kStatusBind) = bind ? 2 : 0;
        };
    };
    EXPECT_EQ(usability(a, withSp(19, false, false))[0], N);
    EXPECT_EQ(usability(a, withSp(20, false, false))[0], Y);
    EXPECT_EQ(usability(a, withSp(39, false, true))[0], N);
    EXPECT_EQ(usability(a, withSp(10, true, false))[0], Y);
    EXPECT_EQ(usability(a, withSp(29, true, true))[0], N);  // ×1.5
    EXPECT_EQ(usability(a, withSp(30, true, true))[0], Y);
}

TEST(SlotUsability, ParalysisAndSeals) {
    MonsterRecord a = monster("a", 1, 1, 1, {0, tech::kCureStatus, tech::kParalysisReturn, tech::kDefend});
    auto paralysed = [](TestBattle& t) {
        t.fighter(0).sp = 100;
        t.fighter(0).turns(kStatusParalysis) = 2;
    };
    EXPECT_EQ(usability(a, paralysed), (std::array<int16_t, 6>{N, Y, Y, N, N, Y}));
    EXPECT_EQ(usability(a, [](TestBattle& t) { t.fighter(0).sp = 100; })[2], N);  // 麻痺返し needs paralysis

    auto attackSealed = [](TestBattle& t) {
        t.fighter(0).sp = 100;
        t.fighter(0).turns(kStatusAttackSeal) = 2;
    };
    EXPECT_EQ(usability(a, attackSealed), (std::array<int16_t, 6>{N, Y, N, Y, N, Y}));
    auto allSealed = [](TestBattle& t) {
        t.fighter(0).sp = 100;
        t.fighter(0).turns(kStatusAllSeal) = 2;
    };
    EXPECT_EQ(usability(a, allSealed), (std::array<int16_t, 6>{N, N, N, N, N, Y}));
}

TEST(SlotUsability, FinalAttackOnlyOnTheLastTurnEvenWhenParalysed) {
    MonsterRecord a = monster("a", 1, 1, 1, {tech::kFinalAttack});
    a.unlockCodes() = "F";
    BattleSettings settings = testSettings();
    settings.turnLimit = 10;
    auto onTurn = [](int turnCount) {
        return [=](TestBattle& t) {
            t.battle->state().turnCount = static_cast<int16_t>(turnCount);
            t.fighter(0).turns(kStatusParalysis) = 2;
        };
    };
    EXPECT_EQ(usability(a, onTurn(8), settings)[0], N);
    EXPECT_EQ(usability(a, onTurn(9), settings)[0], Y);
}

TEST(SlotUsability, AWoundGatlingIsTheOnlyCommand) {
    MonsterRecord a = monster("a", 1, 1, 1, {0, 0, tech::kGatlingAttack, 0});
    a.unlockCodes() = "g";
    EXPECT_EQ(usability(a, [](TestBattle& t) { t.fighter(0).sp = 100; }), (std::array<int16_t, 6>{N, N, Y, Y, Y, Y}));
}

TEST(SlotUsability, SpecialTechniquesNeedTheirCodeAndNeverOnTheTournamentStage) {
    MonsterRecord a = monster("a", 1, 1, 1, {tech::kTripleStrike, tech::kJumpAttack});
    auto rich = [](TestBattle& t) { t.fighter(0).sp = 100; };
    EXPECT_EQ(usability(a, rich)[0], N);
    a.unlockCodes() = "Ti10";  // 527 is unlocked by its second code
    EXPECT_EQ(usability(a, rich)[0], Y);
    EXPECT_EQ(usability(a, rich)[1], Y);
    BattleSettings tournament = testSettings();
    tournament.stageIndex = kTournamentStage;
    EXPECT_EQ(usability(a, rich, tournament)[0], N);
}

TEST(SlotUsability, AZombieWithoutUndeadBecomesAttack) {
    auto t = makeBattle(monster("a", 1, 1, 1, {tech::kZombie}), monster("b", 1, 1, 1, {tech::kZombie, tech::kUndead}));
    t->start();
    EXPECT_EQ(t->fighter(0).record.techId[0], tech::kAttackBonus);
    EXPECT_EQ(t->fighter(1).record.techId[0], tech::kZombie);
}

TEST(SlotUsability, SelfFellingAtLowHpOrWhenConfused) {
    MonsterRecord a = monster("a", 1, 1, 1, {tech::kSelfFell});
    EXPECT_EQ(usability(a, [](TestBattle& t) { t.fighter(0).hp = 100; })[0], N);
    EXPECT_EQ(usability(a, [](TestBattle& t) { t.fighter(0).hp = 99; })[0], Y);
    auto confused = [](TestBattle& t) {
        t.fighter(0).hp = 500;
        t.fighter(0).turns(kStatusConfusion) = 1;
    };
    EXPECT_EQ(usability(a, confused)[0], Y);
}

TEST(SlotUsability, MovementRules) {
    MonsterRecord a = monster("a", 1, 1, 1, {tech::kJump, tech::kHover, tech::kAirAttack, tech::kBurrow, tech::kForesight});
    auto rich = [](TestBattle& t) { t.fighter(0).sp = 100; };
    EXPECT_EQ(usability(a, rich), (std::array<int16_t, 6>{Y, N, N, Y, Y, Y}));
    auto jumping = [](TestBattle& t) {
        t.fighter(0).sp = 100;
        t.fighter(0).jumping = kTrue;
    };
    EXPECT_EQ(usability(a, jumping), (std::array<int16_t, 6>{Y, Y, Y, N, Y, Y}));
    auto flying = [](TestBattle& t) {
        t.fighter(0).sp = 100;
        t.fighter(0).flying = kTrue;
    };
    EXPECT_EQ(usability(a, flying), (std::array<int16_t, 6>{N, N, Y, N, Y, Y}));
    auto fallen = [](TestBattle& t) {
        t.fighter(0).sp = 100;
        t.fighter(0).turns(kStatusFallen) = 2;
    };
    EXPECT_EQ(usability(a, fallen), (std::array<int16_t, 6>{N, N, N, Y, N, Y}));
}

}  // namespace
}  // namespace vex::test
