// The status techniques: who gets which status for how long, the hit check before the hostile
// ones, the use counters, traps, 挑発 and クローク.

#include <gtest/gtest.h>

#include "battle_test_support.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::test {
namespace {

struct StatusCase {
    int id;
    int level;
    bool hitCheck;
    int target;  // 0 the user, 1 the opponent
    StatusKind status;
    double draw;  // the duration's draw (unused by fixed durations)
    int turns;
};

TEST(StatusTechniques, PutTheirStatusForTheDrawnNumberOfTurns) {
    const StatusCase cases[] = {
        {tech::kGatherPower, 1, false, 0, kStatusGather, 0, 2},
        {tech::kParalyse, 1, true, 1, kStatusParalysis, 0.9999, 2},   // CInt(0.4·r + 2.1)
        {tech::kParalyse, 3, true, 1, kStatusParalysis, 0.9999, 3},   // CInt(0.4·r + 3.1)
        {tech::kParalyse, 2, true, 1, kStatusParalysis, 0.0, 3},      // CInt(2.6)
        {tech::kPoison, 1, true, 1, kStatusPoison, 0.6667, 12},       // 10 + Int(3·r)
        {tech::kConfuse, 1, true, 1, kStatusConfusion, 0.5, 4},       // CInt(0.4·r + 3.8) = CInt(4.0)
        {tech::kAttackSeal, 1, true, 1, kStatusAttackSeal, 0.4999, 3},
        {tech::kAllSeal, 1, true, 1, kStatusAllSeal, 0.5, 4},         // 3 + Int(2·r)
        {tech::kAccuracyUp, 1, false, 0, kStatusAccuracyUp, 0.9999, 7},
        {tech::kStatusGuard, 1, false, 0, kStatusGuard, 0.3333, 10},
        {tech::kNaturalRecovery, 1, false, 0, kStatusRecovery, 0.3334, 8},
        {tech::kSpStop, 1, true, 1, kStatusSpStop, 0.25, 6},          // CInt(5 + 2·r) = CInt(5.5)
        {tech::kFocus, 1, false, 0, kStatusFocus, 0, 2},
        {tech::kMiracle, 1, false, 0, kStatusMiracle, 0, 4},
        {tech::kBind, 1, false, 1, kStatusBind, 0, 4},
        {tech::kIllusion, 1, true, 1, kStatusIllusion, 0.5, 6},       // CInt(6.5)
    };
    for (const StatusCase& c : cases) {
        MonsterRecord a = monster("a", 300, 300, 300, {c.id});
        setLevel(a, 0, c.level);
        auto t = aboutToUse(a);
        if (c.hitCheck) t->random.hitCheckLands();
        t->random.then({c.draw});
        if (c.status == kStatusConfusion) t->random.then({0.0});  // confusion redraws the command
        t->battle->executeAction(0);
        EXPECT_EQ(t->fighter(c.target).turns(c.status), c.turns) << c.id << " level " << c.level;
        EXPECT_EQ(t->fighter(1 - c.target).turns(c.status), 0) << c.id;
        const bool fixed = c.id == tech::kGatherPower || c.id == tech::kFocus || c.id == tech::kMiracle || c.id == tech::kBind;
        EXPECT_EQ(t->random.remaining(), fixed ? 1u : 0u) << c.id;  // fixed durations draw nothing
        EXPECT_EQ(t->random.overrun(), 0) << c.id;
    }
}

TEST(StatusTechniques, HostileOnesDoNothingOnAMissButSpendTheirUse) {
    for (auto [id, counter] : {std::pair{tech::kParalyse, kUsesParalysis}, {tech::kSupportSeal, kUsesSeals},
                               {tech::kSpStop, kUsesSpStop}}) {
        auto t = aboutToUse(monster("a", 300, 300, 300, {id}));
        t->random.hitCheckMisses();
        t->battle->executeAction(0);
        EXPECT_EQ(t->random.remaining(), 0u) << id;  // no duration drawn
        EXPECT_EQ(t->random.overrun(), 0) << id;
        EXPECT_TRUE(t->view.hasCaption("MISS!", 1)) << id;
        EXPECT_EQ(t->fighter(1).statusTurns, (std::array<int16_t, kStatusCount>{})) << id;
        EXPECT_EQ(t->fighter(0).useCounts[counter], id == tech::kSpStop ? 3 : 2) << id;
    }
}

TEST(StatusTechniques, PoisonLastsFiveTurnsLongerWithVenomOnEitherSide) {
    auto t = aboutToUse(monster("a", 300, 300, 300, {tech::kPoison}), monster("d", 300, 300, 300, {tech::kVenom}));
    t->random.hitCheckLands().then({0.0});
    t->battle->executeAction(0);
    EXPECT_EQ(t->fighter(1).turns(kStatusPoison), 15);
    EXPECT_TRUE(t->view.hasCaption("ヴェノム", 1));
}

TEST(StatusTechniques, PanicStrikesBothFightersAndCloakFadesTheUser) {
    auto panic = aboutToUse(monster("a", 300, 300, 300, {tech::kPanic}));
    panic->battle->executeAction(0);
    EXPECT_EQ(panic->fighter(0).turns(kStatusPanic), 8);
    EXPECT_EQ(panic->fighter(1).turns(kStatusPanic), 8);

    for (bool ghost : {false, true}) {
        MonsterRecord a = ghost ? monster("a", 300, 300, 300, {tech::kCloak, tech::kGhost, tech::kUndead})
                                : monster("a", 300, 300, 300, {tech::kCloak});
        auto cloak = aboutToUse(a);
        cloak->random.hitCheckLands();
        cloak->battle->executeAction(0);
        EXPECT_EQ(cloak->fighter(1).turns(kStatusCloak), 3);
        std::vector<int> fades;
        for (const BattleEvent& e : cloak->view.events())
            if (const auto* p = e.as<event::PictureChange>(); p && p->fighter == 0) fades.push_back(p->value);
        EXPECT_EQ(fades, ghost ? (std::vector<int>{2, 4, 6, 8, 10}) : (std::vector<int>{1, 2, 3, 4, 5}));
    }
}

TEST(StatusTechniques, ForesightAndTrapsOnlySpendTheirUses) {
    auto foresight = aboutToUse(monster("a", 300, 300, 300, {tech::kForesight}));
    foresight->battle->executeAction(0);
    EXPECT_EQ(foresight->fighter(0).useCounts[kUsesForesight], 4);
    EXPECT_EQ(foresight->random.drawn(), 0);

    for (auto [id, kind] : {std::pair{tech::kTrapAttack, 1}, {tech::kTrapSupport, 2}, {tech::kTrapSpecial, 3}}) {
        auto t = aboutToUse(monster("a", 300, 300, 300, {id}));
        t->battle->executeAction(0);
        EXPECT_EQ(t->fighter(1).trapKind, kind);
        EXPECT_EQ(t->fighter(0).trapKind, 0);
        EXPECT_EQ(t->fighter(0).useCounts[kUsesTraps], 2);
        EXPECT_EQ(t->view.count<event::Announce>(), 0);  // laid in silence
    }
}

TEST(StatusTechniques, ATrapIsSprungNextTurnByTheTrappedKindOnly) {
    auto t = makeBattle(monster("a", 300, 300, 300, {tech::kTrapSpecial}), monster("b", 300, 300, 300, {0, tech::kSpAttack}));
    t->start();
    t->fighter(1).sp = 50;
    t->turn(0, 0);  // the trap is laid after the opponent's 通常攻撃 (a trap acts second)
    EXPECT_EQ(t->fighter(1).trapKind, kCategorySpecial);
    t->fighter(1).sp = 50;
    t->turn(5, 1);
    EXPECT_TRUE(t->view.hasCaption("罠", 1));
    EXPECT_EQ(t->fighter(1).trapKind, 0);
}

TEST(StatusTechniques, TauntLengthensTheOpponentsSupportAndSpecialSeals) {
    auto t = aboutToUse(monster("a", 300, 300, 300, {tech::kTaunt}));
    t->fighter(1).turns(kStatusSpecialSeal) = 3;
    t->random.hitCheckLands();
    t->battle->executeAction(0);
    EXPECT_EQ(t->fighter(1).turns(kStatusSupportSeal), 2);
    EXPECT_EQ(t->fighter(1).turns(kStatusSpecialSeal), 5);
    EXPECT_TRUE(t->view.hasCaption("挑発", 1));
    EXPECT_EQ(t->fighter(1).emotion, 0);        // 挑発's own emotion value is 0

    auto missed = aboutToUse(monster("a", 300, 300, 300, {tech::kTaunt}));
    missed->random.hitCheckMisses();
    missed->battle->executeAction(0);
    EXPECT_EQ(missed->fighter(1).turns(kStatusSupportSeal), 0);
}

}  // namespace
}  // namespace vex::test
