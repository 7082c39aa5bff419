// Two programs play whole battles through their exchanges on a simulated connection that
// cuts, joins and drops the byte stream.

#include <gtest/gtest.h>

#include "fixtures.h"
#include "two_programs.h"
#include "vexmora/net/messages.h"

namespace vex::test {
namespace {

BattleSettings shortBattle(int turns = 12) {
    BattleSettings s;
    s.initialHp = 1000;
    s.turnLimit = static_cast<int16_t>(turns);
    s.stageIndex = kRandomStage;
    return s;
}

TwoPrograms makePair(const BattleSettings& settings, Cutter cutter = {}) {
    return TwoPrograms(fixturePath("monsters/ドラゴン.tvx"), fixturePath("monsters/plain.tvx"), settings,
                       std::move(cutter));
}

// Both finished the same battle: the same hash after every turn, the same number of turns,
// the same winner seen from either side.
void expectAgreement(TwoPrograms& pair) {
    Program& host = pair.host();
    Program& client = pair.client();
    ASSERT_TRUE(host.failures.empty()) << host.failures.front();
    ASSERT_TRUE(client.failures.empty()) << client.failures.front();
    ASSERT_TRUE(host.finished);
    ASSERT_TRUE(client.finished);
    ASSERT_TRUE(host.battle && client.battle);
    EXPECT_EQ(host.hashes, client.hashes);
    EXPECT_EQ(host.battle->state().turnCount, client.battle->state().turnCount);
    ASSERT_TRUE(host.battle->state().ended);
    EXPECT_EQ(host.battle->state().winner, 1 - client.battle->state().winner);
}

TEST(NetExchange, WholeBattlesAgreeTurnByTurn) {
    for (int16_t stage : {kRandomStage, int16_t{3}}) {
        BattleSettings settings = shortBattle(50);
        settings.stageIndex = stage;
        TwoPrograms pair = makePair(settings);
        pair.run();
        expectAgreement(pair);
        EXPECT_EQ(pair.host().hashes.size(), static_cast<size_t>(pair.host().battle->state().turnCount));
        // Both play by the host's settings and seed; the client's own are not adopted by the host.
        for (Program* p : {&pair.host(), &pair.client()}) {
            const BattleSettings& s = p->battle->settings();
            EXPECT_EQ(s.turnLimit, 50);
            EXPECT_EQ(s.initialHp, 1000);
            EXPECT_EQ(s.initialSp, 10);
            EXPECT_EQ(s.isHost, p == &pair.host() ? -1 : 0);
        }
        EXPECT_EQ(pair.client().battle->state().stageIndex, pair.host().battle->state().stageIndex);
    }
}

TEST(NetExchange, ArrivalsOfSingleBytesLoseNothing) {
    TwoPrograms pair = makePair(shortBattle(), [](int, size_t, size_t) { return size_t{1}; });
    pair.run();
    expectAgreement(pair);
}

TEST(NetExchange, ACutAtEveryBytePositionLosesNothing) {
    TwoPrograms probe = makePair(shortBattle(3));
    probe.run();
    expectAgreement(probe);
    const size_t lengths[2] = {probe.client().sent.size(), probe.host().sent.size()};  // towards host, client
    for (int to : {0, 1}) {
        for (size_t cut = 1; cut < lengths[to]; ++cut) {
            // Everything in flight arrives joined, except that one arrival ends at `cut`.
            TwoPrograms pair = makePair(shortBattle(3), [to, cut](int side, size_t offset, size_t available) {
                if (side == to && offset < cut && offset + available > cut) return cut - offset;
                return available;
            });
            pair.run();
            ASSERT_NO_FATAL_FAILURE(expectAgreement(pair)) << "cut towards side " << to << " at byte " << cut;
        }
    }
}

TEST(NetExchange, DifferentStatesStopBothProgramsNamingTheTurn) {
    TwoPrograms pair = makePair(shortBattle(30));
    pair.client().corruptHashAtTurn = 5;
    pair.run();
    for (Program* p : {&pair.host(), &pair.client()}) {
        EXPECT_EQ(p->desyncTurn, 5);
        EXPECT_FALSE(p->finished);
        ASSERT_EQ(p->failures.size(), 1u);
        EXPECT_NE(p->failures[0].find("turn 5"), std::string::npos);
        EXPECT_LE(p->battle->state().turnCount, 6);
    }
}

TEST(NetExchange, ADroppedConnectionResumesAndTheBattleEndsInAgreement) {
    TwoPrograms probe = makePair(shortBattle(20));
    probe.run();
    // Drops at many points of the battle, towards either side: a side may have played one turn
    // more than the other when the connection went, and bytes in flight are lost.
    for (int to : {0, 1}) {
        const std::string& stream = to == 1 ? probe.host().sent : probe.client().sent;
        const size_t first = stream.find("%88001");  // the end of the first turn
        const size_t last = stream.rfind("%88");  // the last turn's hash
        ASSERT_NE(first, std::string::npos);
        for (size_t at = first + 1; at < last; at += 29) {
            TwoPrograms pair = makePair(shortBattle(20));
            pair.dropAfter(to, at);
            pair.run();
            ASSERT_NO_FATAL_FAILURE(expectAgreement(pair)) << "dropped towards side " << to << " at byte " << at;
            EXPECT_TRUE(pair.host().resumed && pair.client().resumed);
        }
    }
}

// One program alone, its peer silent: a driver that only records.
struct Recorder : net::ExchangeDriver {
    std::vector<std::string> sent;
    std::map<net::NetTimer, int> timers;
    bool closed = false;
    void send(const std::string& bytes) override { sent.push_back(bytes); }
    void startTimer(net::NetTimer t, int ms) override { timers[t] = ms; }
    void stopTimer(net::NetTimer t) override { timers.erase(t); }
    void reconnect() override {}
    void closeConnection() override { closed = true; }
};

net::ExchangeOptions aloneOptions(const std::string& makerVersion) {
    net::ExchangeOptions o;
    o.role = net::Role::Host;
    o.handle = "h";
    auto loaded = loadMonster(fixturePath("monsters/plain.tvx"));
    o.monster = loaded->record;
    o.monster.makerVersion() = makerVersion;
    o.monsterFile = "x";
    return o;
}

TEST(NetExchange, OpeningChecksAndLimits) {
    std::vector<net::Event> events;
    auto collect = [&events](const net::Event& e) { events.push_back(e); };
    {   // A rare monster needs the opponent's permission.
        Recorder r;
        net::Exchange x(r, aloneOptions("0"), collect);
        x.connected();
        x.timerFired(net::NetTimer::Step);
        ASSERT_FALSE(events.empty());
        EXPECT_EQ(events.back().kind, net::EventKind::Failed);
        EXPECT_EQ(events.back().text, net::kRareNotAllowed);
        EXPECT_TRUE(r.closed);
    }
    events.clear();
    {   // ... and is never allowed under tournament rules.
        Recorder r;
        auto o = aloneOptions("0");
        o.settings.stageIndex = kTournamentStage;
        net::Exchange x(r, o, collect);
        x.connected();
        x.timerFired(net::NetTimer::Step);
        EXPECT_EQ(events.back().text, net::kTournamentRareRefused);
    }
    events.clear();
    {   // A peer that never sends its settings ends the opening after the limit, with a reason.
        Recorder r;
        net::Exchange x(r, aloneOptions("1"), collect);
        x.connected();
        EXPECT_EQ(r.timers[net::NetTimer::OpeningLimit], 60000);
        x.timerFired(net::NetTimer::Step);
        ASSERT_EQ(events.back().kind, net::EventKind::SettingsWanted);
        x.settingsChosen(BattleSettings{});
        ASSERT_EQ(r.sent.size(), 1u);
        EXPECT_EQ(r.sent[0].substr(0, 3), "%44");
        x.timerFired(net::NetTimer::OpeningLimit);
        EXPECT_EQ(events.back().kind, net::EventKind::Failed);
        EXPECT_NE(events.back().text.find("60 s"), std::string::npos);
    }
}

TEST(NetExchange, ChatAndBattleLines) {
    Recorder r;
    std::vector<net::Event> events;
    net::Exchange x(r, aloneOptions("1"), [&events](const net::Event& e) { events.push_back(e); });
    x.connected();
    x.chat("よろしく");
    ASSERT_EQ(r.sent.back(), net::chatLineMessage("h", "よろしく"));
    EXPECT_EQ(events.back().kind, net::EventKind::Chat);
    EXPECT_EQ(events.back().text, "h ＞よろしく");
    // A battle line goes out as typed and is never shown as chat here.
    x.chat("/sいくぞ");
    EXPECT_EQ(r.sent.back(), net::battleLineMessage("いくぞ"));
    EXPECT_EQ(events.back().kind, net::EventKind::Notice);
    EXPECT_EQ(events.back().text, net::kBattleLineNotice);
    // The echo gives the own monster its line.
    x.bytesArrived("/r" + net::battleLineMessage("いくぞ").substr(2));
    x.timerFired(net::NetTimer::Quiet);
    EXPECT_EQ(events.back().kind, net::EventKind::LineArrived);
    EXPECT_EQ(events.back().side, 0);
    EXPECT_EQ(events.back().text, "いくぞ");
}

}  // namespace
}  // namespace vex::test
