// A hit's record against what the battle did: the terms, as the battle log writes them,
// multiply out to the damage that left the defender's HP bar, for every technique of the
// catalogue that does damage; and the two ways a record is shown.

#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <map>
#include <set>

#include "battle_test_support.h"
#include "vexmora/battle/hit_explanation.h"
#include "vexmora/battle/hit_record_reader.h"
#include "vexmora/battle/technique_ids.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex::test {
namespace {

constexpr const char* kAllCodes = "STLPHJAFGgEfi09i10i12";

// The damage the record's terms give, worked out again from the record alone.
int damageFromTerms(const HitExplanation& hit, std::string& why) {
    int value = hit.baseDamage;
    if (hit.role != HitRole::Clone) {
        const DrawNote* base = hit.draw(DrawPurpose::Base);
        if (base == nullptr) {
            why = "no base draw";
            return -1;
        }
        const int64_t e = cintOf(100_fx, base->value, fix4Fast(hit.attackPower - hit.defencePower)) + hit.gathered + 700;
        if (e != hit.base) why = "base " + std::to_string(hit.base) + " is not " + std::to_string(e);
        const double inner = e > 0 ? std::pow(e / 1000.0, 0.7) * hit.power : 0.0;
        const int recomputed = sat16(cint(inner > 0 ? std::pow(inner, 0.8) : 0.0));
        if (recomputed != hit.baseDamage) why = "base damage " + std::to_string(hit.baseDamage) + " is not " + std::to_string(recomputed);
        value = recomputed;
    }
    for (int i = 0; i < hit.damageTermCount; ++i) {
        const DamageTerm& term = hit.damageTerms[static_cast<size_t>(i)];
        if (term.before != value) {
            why = std::string(damageTermName(term.kind)) + " starts from " + std::to_string(term.before) + ", not " +
                  std::to_string(value);
            return -1;
        }
        if (term.replaces) {
            value = term.after;
            continue;
        }
        value = sat16(cint(value / term.divisor * term.multiplier));
        if (value != term.after) {
            why = std::string(damageTermName(term.kind)) + " gives " + std::to_string(term.after);
            return -1;
        }
    }
    return value;
}

// Reads the battle log as it is written: each hit's line must read back as the record the
// battle made, and its terms must multiply out to what the defender's HP bar lost just before.
class LogChecker final : public EventRecorder {
public:
    void onEvent(const BattleEvent& event) override {
        if (const auto* move = event.as<event::GaugeMove>(); move != nullptr && move->run.gauge == Gauge::Hp)
            lastLoss_[static_cast<size_t>(move->run.fighter)] = static_cast<int>(-move->run.delta);
        if (const auto* hit = event.as<event::Hit>()) check(*hit->record, toJsonLine(event));
    }

    int checked = 0;
    int wrong = 0;
    std::string firstWrong;
    std::set<int> explained;
    std::map<HitKind, int> kinds;

private:
    void fail(const HitExplanation& hit, const std::string& why) {
        ++wrong;
        if (firstWrong.empty()) firstWrong = "technique " + std::to_string(hit.technique) + ": " + why;
    }

    void check(const HitExplanation& made, const std::string& line) {
        const Result<HitExplanation> read = readHitRecord(line);
        if (!read.ok() || !(*read == made)) return fail(made, "the log's line does not read back: " + line);
        const HitExplanation& hit = *read;
        ++kinds[hit.kind];
        if (!hit.damaged) return;
        ++checked;
        std::string why;
        const int damage = damageFromTerms(hit, why);
        if (!why.empty() || damage != hit.damage) return fail(hit, why + " " + line);
        // The HP bar ran with the hit's damage, or a clone's share of it.
        const int shown = lastLoss_[static_cast<size_t>(hit.defender)];
        const int expected = hit.role == HitRole::Clone ? hit.damageTerms[hit.damageTermCount - 1u].after : damage;
        if (shown != expected)
            return fail(hit, "the bar lost " + std::to_string(shown) + ", the terms say " + std::to_string(expected));
        explained.insert(hit.kind == HitKind::Counter ? static_cast<int>(tech::kCounter) : hit.technique);
    }

    std::array<int, 2> lastLoss_{};
};

// The technique that makes `id` usable: a jump before the attacks from the air, リミッター
// before ﾘﾐｯﾄﾌﾞﾚｲｸ; a normal attack otherwise.
int helperOf(int id) {
    if (id == tech::kDiveAttack || id == tech::kAirAttack) return tech::kJump;
    if (id == tech::kLimitBreak) return tech::kLimiter;
    return tech::kNormalAttack;
}

MonsterRecord attackerWith(int id, int level, int element) {
    MonsterRecord m = monster("a", 380, 300, 300, {id, helperOf(id), tech::kPierce, tech::kBreakfall, tech::kClone});
    setLevel(m, 0, level);
    for (int slot = 0; slot < kSlotCount; ++slot) m.techElement(slot) = std::to_string(element);
    m.unlockCodes() = kAllCodes;
    return m;
}

// The defender defends, attacks, turns attacks back (ｶｳﾝﾀｰ) and paralyses (衝撃, for 麻痺返し).
MonsterRecord defenderWith(int element) {
    MonsterRecord m = monster("d", 300, 320, 300, {tech::kDefend, tech::kNormalAttack, tech::kCounter, tech::kImpact});
    for (int slot = 0; slot < kSlotCount; ++slot) m.techElement(slot) = std::to_string(element);
    return m;
}

TEST(HitExplanation, TheLoggedTermsOfEveryHitMultiplyOutToTheHpTheDefenderLost) {
    std::set<int> damaging;
    LogChecker checker;
    for (int id = 0; id <= TechniqueCatalogue::kMaxId; ++id) {
        if (!techniqueEntry(id).defined() || Battle::category(id) != kCategoryAttack) continue;
        // ガトリング only winds up ガトリング攻撃; フルパワー has no rule of its own.
        if (id == tech::kNone || id == tech::kGatling || id == tech::kFullPower) continue;
        damaging.insert(id);
        for (int round = 0; round < 3; ++round) {
            BattleSettings settings = testSettings();
            settings.turnLimit = id == tech::kFinalAttack ? 8 : 40;  // Ｆアタック waits for the last turn
            settings.initialSp = 150;
            Rng rng;
            Battle battle(settings, attackerWith(id, 1 + 2 * round, round + 1), defenderWith(3 - round), rng, checker);
            seedBattleGenerator(rng, id * 11 + round);
            battle.startBattle(18);
            // Now and then a clone (分身, whose clones strike after each hit) or the helper.
            for (int turn = 0; !battle.state().ended && turn < 60; ++turn) {
                const int slot = turn % 5 == 1 ? 4 : turn % 3 == 2 ? 1 : 0;
                const int answer = id == tech::kParalysisReturn ? 3 : turn % 4;
                battle.runTurn(battle.commandForSlot(0, slot), battle.commandForSlot(1, answer));
            }
        }
    }
    EXPECT_EQ(checker.wrong, 0) << checker.firstWrong;
    EXPECT_GT(checker.checked, 1000);
    // Every kind of record but a check alone (no technique here hits without damage) read back.
    for (HitKind kind : {HitKind::Strike, HitKind::Counter, HitKind::Status})
        EXPECT_GT(checker.kinds[kind], 0) << hitKindName(kind);
    std::vector<int> unexplained;
    for (int id : damaging)
        if (checker.explained.count(id) == 0) unexplained.push_back(id);
    EXPECT_TRUE(unexplained.empty()) << ::testing::PrintToString(unexplained);
}

}  // namespace
}  // namespace vex::test

namespace vex::test {
namespace {

// A normal attack of 400 ATK into 300 DEF that lands with a critical, fire into water.
HitExplanation criticalFireIntoWater() {
    MonsterRecord a = monster("a", 400, 0, 0, {0});
    a.techElement(0) = "1";
    MonsterRecord d = monster("d", 0, 300, 0, {0});
    d.techElement(0) = "2";
    auto t = aboutToUse(a, d);
    useSlot(*t, 1, 0);
    t->random.hitCheckLands().then({0.5, 0.95});
    HitListener listener;  // records are kept while someone listens
    t->battle->setHitListener(&listener);
    t->battle->attackHit(0, 200);
    return t->battle->lastHit();
}

TEST(HitExplanation, TheBreakdownLineNamesEachFactorAsThePlayerReadsIt) {
    const HitExplanation hit = criticalFireIntoWater();
    // E = CInt(400^1.03 − 300^0.9 + 100·0.5) + 700 = 1059 → 72; ×1.3 → 94; fire into water ×0.8,
    // which also takes the hit chance from 0.9 to 0.72
    EXPECT_EQ(hitBreakdownLine(hit),
              "通常攻撃: 命中 72% (乱数 0) ATK 400 − DEF 300 (乱数 0.5) 威力 200 → 72 × クリティカル 1.3 × 属性 "
              "0.8 (火→水) = 75");

    HitExplanation missed = hit;
    missed.landed = false;
    missed.damaged = false;
    missed.decidedBy = HitDecision::Foresight;
    EXPECT_EQ(hitBreakdownLine(missed), "通常攻撃: MISS (見切り)");
}

TEST(HitExplanation, TheJsonFormCarriesTheTermsAndEveryDrawWithItsThreshold) {
    const nlohmann::json j = nlohmann::json::parse(hitExplanationJson(criticalFireIntoWater()));
    EXPECT_EQ(j["kind"], "strike");
    EXPECT_EQ(j["hit"]["chance"], 0.72);
    EXPECT_EQ(j["hit"]["landed"], true);
    EXPECT_EQ(j["damage"]["base"], 1059);
    EXPECT_EQ(j["damage"]["baseDamage"], 72);
    ASSERT_EQ(j["damage"]["terms"].size(), 2u);
    EXPECT_EQ(j["damage"]["terms"][0]["term"], "critical");
    EXPECT_EQ(j["damage"]["terms"][0]["after"], 94);
    EXPECT_EQ(j["damage"]["terms"][1]["term"], "element");
    EXPECT_EQ(j["damage"]["damage"], 75);
    const nlohmann::json& critical = j["draws"][4];
    EXPECT_EQ(critical["purpose"], "critical");
    EXPECT_EQ(critical["value"], 0.95);
    EXPECT_EQ(critical["threshold"], 0.9);
    EXPECT_EQ(critical["outcome"], 1);
    // 受け身 is not held: its draw is made and decides nothing.
    EXPECT_EQ(j["draws"][5]["purpose"], "breakfall");
    EXPECT_EQ(j["draws"][5]["decides"], false);
}

// Every record of a battle, kept.
class Records final : public HitListener {
public:
    void hitResolved(const HitExplanation& hit) override { all.push_back(hit); }
    std::vector<HitExplanation> all;
};

TEST(HitExplanation, AStatusAfterAHitNamesTheHitItFollowsAndItsDraw) {
    MonsterRecord a = monster("a", 400, 0, 0, {tech::kImpact});
    auto t = aboutToUse(a, monster("d", 0, 300, 0));
    Records records;
    t->battle->setHitListener(&records);
    // The hit lands; after it, 0.9 > 0.6 puts マヒ on for Int(0.6·0.5 + 1.8) = 2 turns.
    t->random.hitCheckLands().then({0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.9, 0.5});
    t->battle->executeAction(0);
    ASSERT_GE(records.all.size(), 2u);
    const HitExplanation& strike = records.all[0];
    const HitExplanation& status = records.all[1];
    EXPECT_EQ(strike.kind, HitKind::Strike);
    EXPECT_TRUE(strike.landed);
    ASSERT_EQ(status.kind, HitKind::Status);
    EXPECT_EQ(status.follows, strike.sequence);
    EXPECT_EQ(status.status, kStatusParalysis);
    EXPECT_TRUE(status.statusApplied);
    EXPECT_EQ(status.statusTurns, t->fighter(1).turns(kStatusParalysis));
    EXPECT_EQ(hitBreakdownLine(status), "マヒ " + std::to_string(status.statusTurns) + "ターン (乱数 0.9 > 0.6)");
}

TEST(HitExplanation, ACounterIsARecordOfItsOwnAfterTheAttackItTurnedBack) {
    auto t = aboutToUse(monster("a", 400, 300, 300, {tech::kNormalAttack}), monster("d", 400, 300, 300, {tech::kCounter}));
    useSlot(*t, 1, 0);
    Records records;
    t->battle->setHitListener(&records);
    t->random.hitCheckLands().then({0.1});  // 0.1 < 0.65: turned back
    t->battle->executeAction(0);
    ASSERT_GE(records.all.size(), 2u);
    EXPECT_TRUE(records.all[0].turnedBack);
    EXPECT_FALSE(records.all[0].damaged);
    const HitExplanation& counter = records.all[1];
    EXPECT_EQ(counter.kind, HitKind::Counter);
    EXPECT_EQ(counter.attacker, 1);
    EXPECT_EQ(counter.power, 350);
    EXPECT_EQ(counter.hpLoss, 1000 - t->fighter(0).hp);
    EXPECT_EQ(hitBreakdownLine(counter).rfind("ｶｳﾝﾀｰ ", 0), 0u) << hitBreakdownLine(counter);
}

// Listening changes nothing: the same seeded battles end in the same state, with and without.
TEST(HitExplanation, AListenerLeavesTheBattleAsItWas) {
    for (int seed : {3, 17, 40}) {
        std::array<uint64_t, 2> hashes{};
        for (bool listen : {false, true}) {
            BattleSettings settings = testSettings();
            settings.battleMode = kModeFree;
            Rng rng;
            NullView view;
            Records records;
            Battle battle(settings, attackerWith(tech::kFlurry, 3, 1), defenderWith(2), rng, view);
            if (listen) battle.setHitListener(&records);
            seedBattleGenerator(rng, seed);
            battle.startBattle(18);
            for (int turn = 0; !battle.state().ended && turn < 80; ++turn) battle.runTurn(battle.commandForSlot(0, turn % 3), {});
            hashes[listen ? 1 : 0] = battle.stateHash();
            if (listen) {
                EXPECT_GT(records.all.size(), 10u);
            }
        }
        EXPECT_EQ(hashes[0], hashes[1]) << seed;
    }
}

}  // namespace
}  // namespace vex::test
