// The computer's choice: each rule's pick and the draws it takes (the count is part of the
// rules: a peer draws the same numbers), the boss rules, the fallback, and the tendencies the
// rules promise over many draws.

#include <gtest/gtest.h>

#include "battle_test_support.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::test {
namespace {

// A battle where fighter 1, holding `techniques`, is about to be given its command.
std::unique_ptr<TestBattle> computer(std::initializer_list<int> techniques, MonsterRecord opponent = monster("o", 300, 300, 300),
                                     int sp = 100) {
    auto t = makeBattle(opponent, monster("c", 300, 300, 300, techniques));
    t->start();
    t->fighter(1).sp = static_cast<int16_t>(sp);
    t->battle->computeSlotUsability();
    return t;
}

Command choose(TestBattle& t) {
    t->chooseCommand(1);
    return t.fighter(1).command();
}

TEST(ComputerChoice, AFighterWithNothingButEmptySlotsTakesTheFirstAndDrawsNothing) {
    // なし is of category 1 and costs nothing: the fallback takes it like any attack.
    auto t = computer({tech::kNone, tech::kNone, tech::kToughness});
    EXPECT_EQ(choose(*t), (Command{tech::kNone, 0, kFalse}));
    EXPECT_EQ(t->random.drawn(), 0);
}

TEST(ComputerChoice, APickEndsTheSearchAfterTheDrawsOfItsPass) {
    auto t = computer({tech::kNormalAttack, tech::kHeal});
    t->fighter(1).hp = 250;
    // Pass 1: 通常攻撃 0.7, 0.7 (nothing); 回復 limit CInt(200 + 0) = 200 (no).
    // Pass 2: 通常攻撃 0.2 (takes slot 0 for now), 0.9; 回復 limit 300 > 250: picked.
    t->random.then({0.7, 0.7, 0.0, 0.5, 0.2, 0.9, 1.0, 0.5});
    EXPECT_EQ(choose(*t), (Command{tech::kHeal, 1, kFalse}));
    EXPECT_EQ(t->random.drawn(), 8);
    EXPECT_EQ(t->random.remaining(), 0u);
}

TEST(ComputerChoice, NormalAttackNeverEndsTheSearchButItsChoiceStands) {
    auto t = computer({tech::kNormalAttack, tech::kPrayer});
    // 21 passes of three draws: two for 通常攻撃, one for 祈り (support: drawn, never picked).
    t->random.then({0.6, 0.4}).repeat(0.9, 62);
    EXPECT_EQ(choose(*t), (Command{tech::kNormalAttack, 0, kFalse}));  // the tentative choice
    EXPECT_EQ(t->random.drawn(), 63);
    EXPECT_EQ(t->random.overrun(), 0);

    auto none = computer({tech::kNormalAttack, tech::kPrayer});
    none->random.repeat(0.9, 63);
    EXPECT_EQ(choose(*none), (Command{tech::kNormalAttack, 0, kFalse}));  // the fallback: first usable attack
    EXPECT_EQ(none->random.drawn(), 63);
}

TEST(ComputerChoice, TheFallbackTakesTheFirstUsableSlotOfCategoryOneEmptyOnesIncluded) {
    auto t = computer({tech::kPrayer, tech::kSecretArt, tech::kAttack, tech::kNone}, monster("o", 300, 300, 300), 20);
    // 祈り costs 20: usable; 奥義 (30) is not; 攻撃 (10) is. Each pass: 祈り and 攻撃 draw once.
    t->random.repeat(0.99, 42);
    EXPECT_EQ(choose(*t), (Command{tech::kAttack, 2, kFalse}));
    EXPECT_EQ(t->random.drawn(), 42);

    auto empty = computer({tech::kNone, tech::kPrayer, tech::kAttack}, monster("o", 300, 300, 300), 20);
    empty->random.repeat(0.99, 42);
    EXPECT_EQ(choose(*empty), (Command{tech::kNone, 0, kFalse}));  // なし comes first
}

TEST(ComputerChoice, RulesReadTheirOwnConditions) {
    struct Case {
        int id;
        std::vector<double> draws;
        bool picked;
        const char* why;
    };
    const Case cases[] = {
        {tech::kGatherPower, {0.29, 0.5}, true, "sp 100 > 20, r1 < 0.3"},
        {tech::kGatherPower, {0.3, 0.0}, false, "r1 not below 0.3"},
        {tech::kDefend, {0.34, 0.2}, true, "r1 > 1/3, r2 > 2/105 + 0.1"},
        {tech::kDefend, {0.33, 0.9}, false, "r1 below hp / 3·maxHp"},
        {tech::kAttackDown, {0.99}, true, "the opponent has attack: whatever r"},
        {tech::kSpeedDown, {0.2}, false, "速さ↓ needs r < 0.2"},
        {tech::kCureStatus, {0.0}, false, "nothing to cure"},
        {tech::kSureHit, {0.99, 0.79}, true, "r2 < (5 - 1 attack) / 5"},
        {tech::kSpDrain, {0.3899}, true, "r < 0.001·sp + 0.3 with the opponent's 90 SP"},
        {tech::kSpCharge, {0.39}, true, "full HP, turn 0"},
        {tech::kJump, {0.29}, true, "r < 0.3"},
        {tech::kCrossSign, {0.1}, false, "r < 0.1 only"},
        {tech::kAttack, {0.5}, true, "an attack: r < 0 + 0.3 + 100/20/11"},
        {tech::kPrayer, {0.0}, false, "no rule of its own: drawn, never picked"},
    };
    for (const Case& c : cases) {
        MonsterRecord o = monster("o", 300, 300, 300);
        auto t = computer({c.id}, o);
        t->fighter(0).sp = 90;
        for (double d : c.draws) t->random.then({d});
        t->random.setFallback(0.9999);  // later passes draw high: no further pick
        const Command chosen = choose(*t);
        const bool picked = chosen.tech == c.id && t->random.drawn() == static_cast<int>(c.draws.size());
        EXPECT_EQ(picked, c.picked) << c.id << ": " << c.why;
    }
}

TEST(ComputerChoice, TheSkippedAttackDrawsNothingWhileGathering) {
    auto t = computer({tech::kAttack});
    t->fighter(1).turns(kStatusGather) = 1;
    EXPECT_EQ(choose(*t), (Command{tech::kAttack, 0, kFalse}));  // the fallback does not wait
    EXPECT_EQ(t->random.drawn(), 0);
}

// Where a rule does not pick, the passes run out (21 of them) and the fallback may still take
// the same slot: the draws tell the pick apart.
TEST(ComputerChoice, LimiterAndCrossCounterReadTheOpponentsCommand) {
    for (auto [opponentTech, picked] : {std::pair{int{tech::kDefend}, true}, {int{tech::kNone}, false}}) {
        auto t = computer({tech::kLimiter});
        t->fighter(0).currentTech = static_cast<int16_t>(opponentTech);
        t->random.then({0.1, 0.5}).repeat(0.9, 40);
        EXPECT_EQ(choose(*t).tech == tech::kLimiter, picked) << opponentTech;  // なし counts as an attack
        EXPECT_EQ(t->random.drawn(), picked ? 2 : 42);
    }
    for (auto [opponentTech, picked] : {std::pair{int{tech::kAttack}, true}, {int{tech::kDefend}, false}}) {
        auto t = computer({tech::kCrossCounter});
        t->fighter(0).currentTech = static_cast<int16_t>(opponentTech);
        t->random.then({0.1, 0.5, 0.0}).repeat(0.9, 60);
        EXPECT_EQ(choose(*t).tech, tech::kCrossCounter);
        EXPECT_EQ(t->random.drawn(), picked ? 3 : 63) << opponentTech;
    }
}

TEST(ComputerChoice, TheSeaWormHoldsItsCrossCounterBackWhenShortOfSp) {
    for (auto [ownSp, opponentSp, r3, kept] : {std::tuple{57, 90, 0.29, false}, {58, 90, 0.29, true},
                                               {57, 90, 0.3, true}, {100, 24, 0.99, false}}) {
        MonsterRecord worm = monster("Ｓ８ｐ　シーウォーム", 300, 300, 300, {tech::kCrossCounter});
        auto t = makeBattle(monster("o", 300, 300, 300), worm);
        t->start();
        t->fighter(1).sp = static_cast<int16_t>(ownSp);
        t->fighter(0).sp = static_cast<int16_t>(opponentSp);
        t->battle->computeSlotUsability();
        t->random.then({0.9, 0.05, r3}).repeat(0.9, 60);
        choose(*t);
        EXPECT_EQ(t->random.drawn(), kept ? 3 : 63) << ownSp << " " << opponentSp << " " << r3;
    }
}

TEST(ComputerChoice, TheBackyardBossPrefersItsFirstSlotWhenHurt) {
    MonsterRecord boss = monster("裏庭のぬし", 300, 300, 300, {tech::kPrayer, tech::kFullCure});
    auto hurt = makeBattle(monster("o", 300, 300, 300), boss);
    hurt->start();
    hurt->fighter(1).sp = 100;
    hurt->fighter(1).hp = 900;
    hurt->battle->computeSlotUsability();
    hurt->random.repeat(0.99, 42);  // the passes: neither rule picks
    EXPECT_EQ(choose(*hurt), (Command{tech::kPrayer, 0, kFalse}));
    EXPECT_EQ(hurt->random.drawn(), 42);  // the boss's own choice drew nothing

    for (auto [r, slot] : {std::pair{0.79, 1}, {0.8, 0}}) {
        auto fresh = makeBattle(monster("o", 300, 300, 300), boss);
        fresh->start();
        fresh->fighter(1).sp = 100;
        fresh->battle->computeSlotUsability();
        fresh->random.then({r}).repeat(0.99, 42);
        EXPECT_EQ(choose(*fresh).slot, slot) << r;
        EXPECT_EQ(fresh->random.drawn(), 43);
    }
}

TEST(ComputerChoice, TheFinalBossUsesItsFinalAttackOnTheLastTurn) {
    BattleSettings settings = testSettings();
    settings.battleMode = kModeFree;
    settings.turnLimit = 3;
    settings.initialHp = 2000;
    MonsterRecord boss = monster("カオス・グレヴァード", 300, 300, 300, {0, 0, 0, 0, 0});
    boss.makerVersion() = "9.99";
    boss.unlockCodes() = "F";
    auto t = makeBattle(monster("o", 300, 300, 300), boss, settings);
    t->start();
    for (int turn = 1; turn <= 3; ++turn) {
        t->turn(5, 5);
        const Command input = t->battle->state().input[1];
        EXPECT_EQ(input.tech == tech::kFinalAttack, turn == 3) << turn;
    }
    EXPECT_EQ(t->battle->state().input[1], (Command{tech::kFinalAttack, 4, kFalse}));
    EXPECT_EQ(t->fighter(1).record.techName[4], "ファイナルアタック");
}

TEST(ComputerChoice, ItChoosesAfterTheOpponentsCommandOfTheTurn) {
    BattleSettings settings = testSettings();
    settings.battleMode = kModeFree;
    for (auto [slot0, expected] : {std::pair{0, int{tech::kCrossCounter}}, {1, int{tech::kNormalAttack}}}) {
        auto t = makeBattle(monster("o", 300, 300, 300, {0, tech::kDefend}),
                            monster("c", 300, 300, 300, {0, tech::kCrossCounter}), settings);
        t->start();
        t->fighter(1).sp = 100;
        t->battle->computeSlotUsability();
        // The first draws of the turn are the computer's: 通常攻撃 takes nothing, then ｸﾛｽｶｳﾝﾀｰ
        // notes fighter 0's command (0.1) and picks if it is an attack.
        t->random.then({0.9, 0.9, 0.1, 0.5, 0.5}).repeat(0.9, 300);
        t->turn(slot0, 5);
        EXPECT_EQ(t->battle->state().input[1].tech, expected) << slot0;
    }
}

TEST(ComputerChoice, SpectatorModeChoosesForBothSides) {
    BattleSettings settings = testSettings();
    settings.battleMode = kModeFree;
    settings.spectatorMode = -1;
    auto t = makeBattle(monster("a", 300, 300, 300, {tech::kAttack}), monster("b", 300, 300, 300, {tech::kAttack}), settings);
    t->start();
    t->random.setFallback(0.1);
    t->turn(5, 5);
    EXPECT_EQ(t->battle->state().input[0], (Command{tech::kAttack, 0, kFalse}));
    EXPECT_EQ(t->battle->state().input[1], (Command{tech::kAttack, 0, kFalse}));
}

// 回復's limit is CLng(200 + 100·r1), or -1 when r2 < 0.1.
TEST(ComputerChoiceTendencies, HealIsNeverChosenAt300HpAndMostlyAt200OrLess) {
    Rng rng;
    seedBattleGenerator(rng, 77);
    NullView view;
    BattleSettings settings = testSettings();
    Battle battle(settings, monster("o", 300, 300, 300), monster("c", 300, 300, 300, {tech::kHeal}), rng, view);
    battle.startBattle(18);
    battle.fighter(1).sp = 200;
    for (auto [hp, low, high] : {std::tuple{300, 0.0, 0.0}, {200, 0.86, 0.93}, {120, 0.86, 0.93}}) {
        battle.fighter(1).hp = static_cast<int16_t>(hp);
        battle.computeSlotUsability();
        int64_t passes = 0, picks = 0;
        for (int i = 0; i < 3000; ++i) {
            const int before = battle.state().drawCounter;
            battle.state().drawCounter = 0;
            battle.chooseCommand(1);
            passes += battle.state().drawCounter / 2;  // two draws a pass
            if (battle.fighter(1).currentTech == tech::kHeal) ++picks;
            battle.state().drawCounter = static_cast<int16_t>(before);
        }
        const double rate = static_cast<double>(picks) / static_cast<double>(passes);
        EXPECT_GE(rate, low) << hp;
        EXPECT_LE(rate, high) << hp;
    }
}

TEST(ComputerChoiceTendencies, AnAttackIsTakenMoreOftenTheMoreHurtAndRichTheFighterIs) {
    Rng rng;
    seedBattleGenerator(rng, 78);
    NullView view;
    Battle battle(testSettings(), monster("o", 300, 300, 300), monster("c", 300, 300, 300, {tech::kAttack}), rng, view);
    battle.startBattle(18);
    auto passRate = [&](int hp, int sp) {
        battle.fighter(1).hp = static_cast<int16_t>(hp);
        battle.fighter(1).sp = static_cast<int16_t>(sp);
        battle.computeSlotUsability();
        int64_t passes = 0;
        for (int i = 0; i < 3000; ++i) {
            battle.state().drawCounter = 0;
            battle.chooseCommand(1);
            passes += battle.state().drawCounter;
        }
        return 3000.0 / static_cast<double>(passes);  // picks (every call picks in the end) per pass
    };
    EXPECT_NEAR(passRate(1000, 10), 0.3 + 10 / 20.0 / 11, 0.03);
    EXPECT_NEAR(passRate(500, 10), 0.1 + 0.3 + 10 / 20.0 / 11, 0.03);
}

}  // namespace
}  // namespace vex::test
