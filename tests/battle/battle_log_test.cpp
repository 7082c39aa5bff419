// The battle log, determinism, and the network mirroring of the per-fighter loops.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "battle_test_support.h"
#include "vexmora/battle/hit_record_reader.h"
#include "vexmora/battle/technique_ids.h"

namespace vex::test {
namespace {

MonsterRecord fighterA() {
    MonsterRecord m = monster("ねこ", 420, 280, 300,
                              {tech::kAttack, tech::kPoisonStrike, tech::kStrikeBack, tech::kPursuit, tech::kLucky}, 1);
    m.unlockCodes() = "L";
    m.techElement(1) = "1";
    return m;
}

MonsterRecord fighterB() {
    return monster("いぬ", 350, 350, 300, {0, tech::kImpact, tech::kDoubleAttack, tech::kGuts, tech::kRevive}, 2);
}

// Plays a battle seeded with `seed` and returns its log.
std::string playLogged(int32_t seed, BattleView* extraView = nullptr) {
    BattleSettings settings = testSettings();
    settings.stageIndex = kRandomStage;
    RecordingView view;
    Rng rng;
    Battle battle(settings, fighterA(), fighterB(), rng, extraView ? *extraView : static_cast<BattleView&>(view));
    seedBattleGenerator(rng, seed);
    battle.startBattle(18);
    for (int turn = 0; !battle.state().ended && turn < 80; ++turn)
        battle.runTurn(battle.commandForSlot(0, turn % 3), battle.commandForSlot(1, (turn + 1) % 3));
    return view.jsonLines();
}

TEST(BattleLog, EveryLineIsJsonAndEveryTurnEndsWithItsRecord) {
    std::istringstream lines(playLogged(42));
    std::string line;
    int turns = 0;
    int lastTurn = 0;
    bool ended = false;
    while (std::getline(lines, line)) {
        nlohmann::json record = nlohmann::json::parse(line);
        ASSERT_TRUE(record.contains("type")) << line;
        if (record["type"] == "turn") {
            ++turns;
            EXPECT_EQ(record["turn"].get<int>(), lastTurn + 1);
            lastTurn = record["turn"].get<int>();
            for (const char* key : {"firstSide", "drawCounter"}) EXPECT_TRUE(record[key].is_number()) << key;
            for (const char* key : {"hp", "sp", "emotion"}) EXPECT_EQ(record[key].size(), 2u) << key;
            EXPECT_EQ(record["commands"].size(), 2u);
            EXPECT_EQ(record["commands"][0].size(), 3u);
            EXPECT_EQ(record["statusTurns"][1].size(), 21u);
        }
        if (record["type"] == "end") {
            ended = true;
            EXPECT_TRUE(record["reason"] == "knockout" || record["reason"] == "timeup");
        }
    }
    EXPECT_GT(turns, 1);
    EXPECT_TRUE(ended);
}

TEST(BattleLog, TheSameSeedAndCommandsGiveTheSameBattle) {
    EXPECT_EQ(playLogged(7), playLogged(7));
    EXPECT_NE(playLogged(7), playLogged(8));
}

TEST(BattleLog, TheJsonViewWritesWhatTheRecordingViewHolds) {
    std::ostringstream out;
    JsonLinesView json(out);
    playLogged(3, &json);
    EXPECT_EQ(out.str(), playLogged(3));
}

TEST(BattleLog, WhatWatchesTheBattleDoesNotChangeIt) {
    auto play = [](BattleView& view) {
        Rng rng;
        Battle battle(testSettings(), fighterA(), fighterB(), rng, view);
        seedBattleGenerator(rng, 99);
        battle.startBattle(18);
        for (int turn = 0; !battle.state().ended && turn < 80; ++turn)
            battle.runTurn(battle.commandForSlot(0, turn % 3), battle.commandForSlot(1, 2 - turn % 3));
        const BattleState& s = battle.state();
        return std::tuple(s.turnCount, s.fighter[0].hp, s.fighter[1].hp, s.fighter[0].sp, s.drawCounter, s.winner);
    };
    NullView nothing;
    RecordingView everything;
    EXPECT_EQ(play(nothing), play(everything));
}

// Records what the log records, without asking for the hits' records: the log as it was before
// they were added.
class LogWithoutHits final : public BattleView {
public:
    void onEvent(const BattleEvent& event) override { log.onEvent(event); }
    bool wantsStateHash() const override { return true; }
    RecordingView log;
};

std::string withoutHitLines(const std::string& log) {
    std::istringstream lines(log);
    std::string line, kept;
    while (std::getline(lines, line))
        if (line.rfind("{\"type\":\"hit\",", 0) != 0) kept += line + "\n";
    return kept;
}

TEST(BattleLog, HitRecordsAreLinesOfTheirOwnThatLeaveEveryOtherLineAsItWas) {
    for (int32_t seed : {3, 42}) {
        const std::string log = playLogged(seed);
        LogWithoutHits older;
        playLogged(seed, &older);
        const std::string kept = withoutHitLines(log);
        EXPECT_LT(kept.size(), log.size()) << "no hit records";
        EXPECT_EQ(kept, older.log.jsonLines()) << seed;
        EXPECT_EQ(older.log.count<event::Hit>(), 0);
    }
}

TEST(BattleLog, AHitLineReadsBackAsTheRecordTheBattleMade) {
    RecordingView view;
    playLogged(42, &view);
    int hits = 0;
    for (const BattleEvent& e : view.events()) {
        const auto* hit = e.as<event::Hit>();
        if (hit == nullptr) continue;
        ++hits;
        const Result<HitExplanation> read = readHitRecord(toJsonLine(e));
        ASSERT_TRUE(read.ok()) << read.error().message;
        EXPECT_TRUE(*read == *hit->record) << toJsonLine(e);
    }
    EXPECT_GT(hits, 5);
}

TEST(BattleLog, WhatIsNotAHitRecordIsRefusedWithAReason) {
    RecordingView view;
    playLogged(7, &view);
    std::string line;
    for (const BattleEvent& e : view.events())
        if (e.is<event::Hit>() && e.as<event::Hit>()->record->damaged) line = toJsonLine(e);
    ASSERT_FALSE(line.empty());
    const auto refusal = [](const std::string& text) {
        const Result<HitExplanation> read = readHitRecord(text);
        return read.ok() ? std::string("read") : read.error().message;
    };
    const auto changed = [&](std::string_view from, std::string_view to) {
        std::string text = line;
        const size_t at = text.find(from);
        if (at == std::string::npos) return "no " + std::string(from);
        return refusal(text.replace(at, from.size(), to));
    };
    EXPECT_EQ(refusal(line), "read");
    EXPECT_NE(refusal(line.substr(0, line.size() / 2)).find("not JSON"), std::string::npos);
    EXPECT_NE(refusal("{\"type\":\"turn\"}").find("not a hit record"), std::string::npos);
    EXPECT_NE(refusal("[1,2]").find("not an object"), std::string::npos);
    EXPECT_NE(changed("\"kind\":\"strike\"", "\"kind\":\"blow\"").find("names nothing"), std::string::npos);
    EXPECT_NE(changed("\"attacker\":", "\"attacker\":7").find("fighters"), std::string::npos);
    EXPECT_NE(changed("\"turn\":", "\"turn\":99999").find("out of range"), std::string::npos);
    EXPECT_NE(changed("\"elementFactor\":", "\"elementFactor\":\"x\",\"y\":").find("not a number"), std::string::npos);
    EXPECT_NE(changed("\"damage\":{", "\"damage\":{\"x\":0,").find("read"), std::string::npos);  // more keys are fine
    EXPECT_NE(changed("\"attack\":", "\"strength\":").find("no \"attack\""), std::string::npos);
    std::string tooLong = line;
    tooLong.insert(1, std::string(kMaxHitRecordBytes, ' '));
    EXPECT_NE(refusal(tooLong).find("longer than"), std::string::npos);
}

TEST(BattleLog, TextsAreEscaped) {
    EXPECT_EQ(jsonString("a\"b\\c\nd\x01"), "\"a\\\"b\\\\c\\nd\\u0001\"");
    EXPECT_EQ(jsonString("ラッキー"), "\"ラッキー\"");
}

// Both networked programs hold their own monster as fighter 0. With the same seed and the
// commands exchanged, the host and the client must compute the same battle.
TEST(NetworkMirroring, HostAndClientComputeTheSameBattle) {
    for (int32_t seed : {1, 2, 3, 1234, -77}) {
        BattleSettings host = testSettings();
        host.battleMode = kModeNetwork;
        host.isHost = kTrue;
        host.stageIndex = kRandomStage;
        BattleSettings client = host;
        client.isHost = kFalse;
        NullView hostView, clientView;
        Rng hostRng, clientRng;
        Battle h(host, fighterA(), fighterB(), hostRng, hostView);
        Battle c(client, fighterB(), fighterA(), clientRng, clientView);
        seedBattleGenerator(hostRng, seed);
        seedBattleGenerator(clientRng, seed);
        h.startBattle(18);
        c.startBattle(18);
        ASSERT_EQ(h.state().stageIndex, c.state().stageIndex);
        for (int turn = 0; !h.state().ended && turn < 80; ++turn) {
            const int slotA = (turn * 7 + seed) % 6 < 0 ? 0 : (turn * 7 + seed) % 6;
            const int slotB = (turn * 5 + 1) % 6;
            h.runTurn(h.commandForSlot(0, slotA), h.commandForSlot(1, slotB));
            c.runTurn(c.commandForSlot(0, slotB), c.commandForSlot(1, slotA));
            const BattleState& hs = h.state();
            const BattleState& cs = c.state();
            ASSERT_EQ(hs.drawCounter, cs.drawCounter) << "seed " << seed << " turn " << turn + 1;
            ASSERT_EQ(hs.fighter[0].hp, cs.fighter[1].hp) << "seed " << seed << " turn " << turn + 1;
            ASSERT_EQ(hs.fighter[1].hp, cs.fighter[0].hp);
            ASSERT_EQ(hs.fighter[0].sp, cs.fighter[1].sp);
            ASSERT_EQ(hs.fighter[1].emotion, cs.fighter[0].emotion);
            ASSERT_EQ(hs.fighter[0].statusTurns, cs.fighter[1].statusTurns);
            ASSERT_EQ(hs.firstSide, 1 - cs.firstSide);
            ASSERT_EQ(hs.ended, cs.ended);
            ASSERT_EQ(h.stateHash(), c.stateHash()) << "seed " << seed << " turn " << turn + 1;
        }
        ASSERT_TRUE(h.state().ended) << seed;
        EXPECT_EQ(h.state().winner, 1 - c.state().winner);
    }
}

}  // namespace
}  // namespace vex::test
