// The state hash: equal for equal battles, different as soon as anything that decides the rest
// of the battle differs, blind to presentation, and pinned so that replays and peers of other
// builds keep agreeing with this one.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "battle_test_support.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::test {
namespace {

MonsterRecord fighterA() {
    return monster("ねこ", 420, 280, 300, {tech::kAttack, tech::kPoisonStrike, tech::kStrikeBack, tech::kPursuit}, 1);
}
MonsterRecord fighterB() { return monster("いぬ", 350, 350, 300, {0, tech::kImpact, tech::kDoubleAttack, tech::kGuts}, 2); }

struct SeededBattle {
    NullView view;
    Rng rng;
    Battle battle;
    explicit SeededBattle(int32_t seed, BattleSettings settings = testSettings())
        : battle(settings, fighterA(), fighterB(), rng, view) {
        seedBattleGenerator(rng, seed);
        battle.startBattle(18);
    }
    void turn(int n) { battle.runTurn(battle.commandForSlot(0, n % 3), battle.commandForSlot(1, (n + 1) % 3)); }
};

TEST(StateHash, EqualBattlesHashEquallyEveryTurnAndDifferentSeedsDiffer) {
    SeededBattle a(5), b(5), c(6);
    EXPECT_EQ(a.battle.stateHash(), b.battle.stateHash());
    EXPECT_NE(a.battle.stateHash(), c.battle.stateHash());
    for (int n = 0; n < 20 && !a.battle.state().ended; ++n) {
        const uint64_t before = a.battle.stateHash();
        a.turn(n);
        b.turn(n);
        ASSERT_EQ(a.battle.stateHash(), b.battle.stateHash()) << "turn " << n + 1;
        ASSERT_NE(a.battle.stateHash(), before) << "a turn changes the state";
    }
}

TEST(StateHash, AnythingThatDecidesTheBattleChangesIt) {
    SeededBattle reference(11);
    reference.turn(0);
    const uint64_t h = reference.battle.stateHash();
    auto changed = [&](auto&& change) {
        SeededBattle other(11);
        other.turn(0);
        EXPECT_EQ(other.battle.stateHash(), h);
        change(other.battle);
        return other.battle.stateHash() != h;
    };
    EXPECT_TRUE(changed([](Battle& b) { b.fighter(1).hp -= 1; }));
    EXPECT_TRUE(changed([](Battle& b) { b.fighter(0).sp += 1; }));
    EXPECT_TRUE(changed([](Battle& b) { b.fighter(0).emotion += 1; }));
    EXPECT_TRUE(changed([](Battle& b) { b.fighter(1).turns(kStatusCloak) = 1; }));
    EXPECT_TRUE(changed([](Battle& b) { b.fighter(0).pursuitChance += Fix4::fromUnits(1); }));
    EXPECT_TRUE(changed([](Battle& b) { b.fighter(1).record.techId[4] = tech::kFinalAttack; }));
    EXPECT_TRUE(changed([](Battle& b) { b.fighter(0).record.techElement(2) = "3"; }));
    EXPECT_TRUE(changed([](Battle& b) { b.fighter(0).useCounts[kUsesTraps] = 1; }));
    EXPECT_TRUE(changed([](Battle& b) { b.state().turnCount += 1; }));
    EXPECT_TRUE(changed([](Battle& b) { b.state().stageIndex += 1; }));
    EXPECT_TRUE(changed([](Battle& b) { b.battleRandom(); }));  // the generator and the draw counter
    EXPECT_TRUE(changed([](Battle& b) { std::swap(b.fighter(0).hp, b.fighter(1).hp); }));
    // Presentation and waiting chat are not part of the battle.
    EXPECT_FALSE(changed([](Battle& b) { b.state().busy = kTrue; b.state().acceptInput = kFalse; }));
    EXPECT_FALSE(changed([](Battle& b) { b.fighter(0).battleLine = "いくぞ"; b.fighter(1).chosen = kTrue; }));
}

// The hash is an interface: replay files and other builds compare against it. This value
// changes only when the hash's definition changes, which breaks every stored replay.
TEST(StateHash, IsPinned) {
    SeededBattle battle(1234);
    for (int n = 0; n < 3; ++n) battle.turn(n);
    EXPECT_EQ(stateHashText(battle.battle.stateHash()), "f7309b4d485393bf");
}

TEST(StateHash, EveryTurnRecordOfTheLogCarriesIt) {
    std::ostringstream out;
    JsonLinesView json(out);
    Rng rng;
    Battle battle(testSettings(), fighterA(), fighterB(), rng, json);
    seedBattleGenerator(rng, 3);
    battle.startBattle(18);
    std::vector<std::string> hashes;
    for (int n = 0; n < 5 && !battle.state().ended; ++n) {
        battle.runTurn(battle.commandForSlot(0, n % 3), battle.commandForSlot(1, 1));
        hashes.push_back(stateHashText(battle.stateHash()));
    }
    std::istringstream lines(out.str());
    std::string line;
    size_t turns = 0;
    while (std::getline(lines, line)) {
        auto record = nlohmann::json::parse(line);
        if (record["type"] != "turn") continue;
        ASSERT_LT(turns, hashes.size());
        EXPECT_EQ(record["hash"], hashes[turns++]);
    }
    EXPECT_EQ(turns, hashes.size());
}

}  // namespace
}  // namespace vex::test
