// Two programs play whole battles through their drivers on a simulated connection that cuts,
// joins and drops the byte stream; and one program alone against a scripted peer.

#include <gtest/gtest.h>

#include "fixtures.h"
#include "two_programs.h"
#include "vexmora/data/text.h"
#include "vexmora/net/announcement.h"
#include "vexmora/net/messages.h"
#include "vexmora/net/settings_block.h"

namespace vex::test {
namespace {

// A battle of the shortest turn limit a network battle offers.
BattleSettings shortBattle(int turns = 30) {
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
void expectAgreement(TwoPrograms& pair, int battles = 1) {
    Program& host = pair.host();
    Program& client = pair.client();
    ASSERT_TRUE(host.failures.empty()) << host.failures.front();
    ASSERT_TRUE(client.failures.empty()) << client.failures.front();
    ASSERT_EQ(host.finished, battles);
    ASSERT_EQ(client.finished, battles);
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
        // Each knows the other player's rating and handle, and that it is another machine.
        EXPECT_EQ(pair.host().settled.opponentRating, 1400);
        EXPECT_EQ(pair.client().settled.opponentRating, 1600);
        EXPECT_EQ(pair.host().settled.opponentHandle, "guest");
        EXPECT_TRUE(pair.host().settled.peerDiffers);
        EXPECT_TRUE(pair.host().driver->exchange().peerAnnounced());
    }
}

TEST(NetExchange, ArrivalsOfSingleBytesLoseNothing) {
    TwoPrograms pair = makePair(shortBattle(), [](int, size_t, size_t) { return size_t{1}; });
    pair.run();
    expectAgreement(pair);
}

TEST(NetExchange, ACutAtEveryBytePositionLosesNothing) {
    TwoPrograms probe = makePair(shortBattle());
    probe.run();
    expectAgreement(probe);
    const size_t lengths[2] = {probe.client().sent.size(), probe.host().sent.size()};  // towards host, client
    for (int to : {0, 1}) {
        // Every byte of the unframed opening (the greeting, the blocks gathered over arrivals,
        // the first frames); the framed file and turns at a stride.
        for (size_t cut = 1; cut < lengths[to]; cut += cut < 220 ? 1 : 37) {
            // Everything in flight arrives joined, except that one arrival ends at `cut`.
            TwoPrograms pair = makePair(shortBattle(), [to, cut](int side, size_t offset, size_t available) {
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
        EXPECT_EQ(p->finished, 0);
        ASSERT_EQ(p->failures.size(), 1u);
        EXPECT_NE(p->failures[0].find("turn 5"), std::string::npos);
        EXPECT_LE(p->battle->state().turnCount, 6);
    }
}

TEST(NetExchange, ADroppedConnectionResumesAndTheBattleEndsInAgreement) {
    TwoPrograms probe = makePair(shortBattle());
    probe.run();
    // Drops at many points of the battle, towards either side: a side may have played one turn
    // more than the other when the connection went, and bytes in flight are lost.
    for (int to : {0, 1}) {
        const std::string& stream = to == 1 ? probe.host().sent : probe.client().sent;
        const size_t first = stream.find("%88001");  // the end of the first turn
        const size_t last = stream.rfind("%88");  // the last turn's hash
        ASSERT_NE(first, std::string::npos);
        for (size_t at = first + 1; at < last; at += 41) {
            TwoPrograms pair = makePair(shortBattle());
            pair.dropAfter(to, at);
            pair.run();
            ASSERT_NO_FATAL_FAILURE(expectAgreement(pair)) << "dropped towards side " << to << " at byte " << at;
            EXPECT_TRUE(pair.host().resumed && pair.client().resumed);
        }
    }
}

// The opponent's leave for rare monsters lasts the connection: a rematch with a rare monster
// needs no new permission (the box cannot send one once a block has come).
TEST(NetExchange, ARematchOnTheSameConnectionKeepsTheRarePermission) {
    TwoPrograms pair = makePair(shortBattle());
    pair.host().driver->setAllowRare(true);
    for (Program* p : {&pair.host(), &pair.client()}) p->battlesToPlay = 2;
    LoadedMonster rare = pair.client().monster;
    rare.record.makerVersion() = "0";
    pair.client().rematchMonster = rare;
    pair.run();
    expectAgreement(pair, 2);
    EXPECT_EQ(pair.host().settled.opponent.makerVersion(), "0");
    EXPECT_FALSE(pair.host().driver->exchange().rareBoxOpen());
}

// ---------------------------------------------------------------------------------------
// One program alone: a transport that records, and the peer's bytes fed by hand.

struct Recorder : net::Transport {
    std::vector<std::string> sent;
    std::map<net::NetTimer, int> timers;
    bool closed = false;
    int dropped = 0;
    void send(const std::string& bytes) override { sent.push_back(bytes); }
    void startTimer(net::NetTimer t, int ms) override { timers[t] = ms; }
    void stopTimer(net::NetTimer t) override { timers.erase(t); }
    void reconnect() override {}
    void dropPeer() override { ++dropped; }
    void closeConnection() override { closed = true; }
    bool sentHas(std::string_view part) const {
        for (const std::string& s : sent)
            if (s.find(part) != std::string::npos) return true;
        return false;
    }
};

MonsterRecord plainRecord() { return loadMonster(fixturePath("monsters/plain.tvx"))->record; }

// A monster file as another program may send it: encoded with a valid checksum.
std::string fileOf(MonsterRecord record, const std::string& picture = {}) {
    return *encodeMonster(record, picture, record.name + ".tvx");
}

std::string peerBlock(const MonsterRecord& monster, size_t fileSize, bool announced, int16_t hp = 1000);

struct Alone {
    Recorder transport;
    std::vector<net::Event> events;
    std::unique_ptr<net::BattleDriver> driver;
    LoadedMonster own;
    BattleSettings settings = shortBattle();

    explicit Alone(net::Role role, MonsterRecord ownRecord = plainRecord(), const std::string& picture = {}) {
        net::ExchangeOptions o;
        o.role = role;
        o.handle = role == net::Role::Host ? "ホスト" : "ゲスト";
        o.seedNow = [] { return 77; };
        o.newSecret = [] { return 0xABCDEFull; };
        own = *decodeMonster(fileOf(ownRecord, picture), ownRecord.name + ".tvx");
        driver = std::make_unique<net::BattleDriver>(transport, std::move(o), [this](const net::Event& e) {
            events.push_back(e);
            if (std::holds_alternative<net::ev::SettingsWanted>(e)) driver->settingsChosen(settings);
        });
    }
    // Fires the exchange's step and pace timers until it waits for the peer.
    void settle() {
        for (int i = 0; i < 50; ++i) {
            bool fired = false;
            for (net::NetTimer t : {net::NetTimer::Step, net::NetTimer::Pace, net::NetTimer::TurnPause}) {
                if (!transport.timers.count(t)) continue;
                transport.timers.erase(t);
                driver->timerFired(t);
                fired = true;
            }
            if (!fired) return;
        }
    }
    void start() {
        driver->connected("10.0.0.9");
        ASSERT_TRUE(driver->confirm(own, settings).ok());
        settle();
    }
    void peer(const std::string& bytes) {
        driver->bytesArrived(bytes);
        settle();
    }
    // The opening with a peer that sends a plain monster, to the battle's start.
    void intoBattle(bool announced);
    template <class T>
    const T* last() const {
        for (auto it = events.rbegin(); it != events.rend(); ++it)
            if (const T* e = std::get_if<T>(&*it)) return e;
        return nullptr;
    }
};

std::string peerBlock(const MonsterRecord& monster, size_t fileSize, bool announced, int16_t hp) {
    net::SettingsBlock b;
    b.handle = "peer";
    b.initialHp = hp;
    b.version = net::versionText();
    b.fileSize = static_cast<int64_t>(fileSize);
    b.monsterName = monster.name;
    if (announced) b.announcement = net::announcementText({1500, 0x5EC2E7});
    return net::buildSettingsBlock(b);
}

void Alone::intoBattle(bool announced) {
    start();
    const MonsterRecord monster = plainRecord();
    const std::string file = fileOf(monster);
    peer(peerBlock(monster, file.size(), announced));
    peer(announced ? net::framed("%77") + net::framed("%92" + file) : "%77" + file);
    ASSERT_NE(last<net::ev::BattleReady>(), nullptr);
}

// What the receiving side refuses of the opponent's monster, with its reason: the same as a
// loaded monster, and rare monsters by this side's leave and the tournament rules. With a
// vexmora peer the opening stops and the connection stays; an older one, which already goes on
// with the battle, is let go with the reason.
TEST(NetExchange, TheOpponentsMonsterPassesTheRefusalsOfALoadedOne) {
    struct Case {
        const char* what;
        std::function<void(MonsterRecord&)> change;
        bool tournament;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"ATK 32767 with a valid checksum", [](MonsterRecord& m) { m.atk = 32767; }, false, "1000"},
        {"system data", [](MonsterRecord& m) { m.makerVersion() = "9.99"; }, false, "このデータは使用できません"},
        {"a rare monster without leave", [](MonsterRecord& m) { m.makerVersion() = "0"; }, false, "レアキャラ"},
        {"a rare monster under the tournament rules", [](MonsterRecord& m) { m.makerVersion() = "0"; }, true,
         "大会ルール"},
    };
    for (const Case& c : cases) {
        for (const bool announced : {true, false}) {
            MonsterRecord hostile = plainRecord();
            hostile.name = "てき";
            c.change(hostile);
            const std::string file = fileOf(hostile);
            Alone host(net::Role::Host);
            if (c.tournament) host.settings.tournamentRules = kTrue;
            host.start();
            host.peer(peerBlock(hostile, file.size(), announced));
            ASSERT_TRUE(host.transport.sentHas("%77")) << c.what;
            const std::string transfer = announced ? net::framed("%77") + net::framed("%92" + file) : "%77" + file;
            host.peer(transfer);
            if (announced) {
                const auto* stopped = host.last<net::ev::OpeningStopped>();
                ASSERT_NE(stopped, nullptr) << c.what;
                EXPECT_TRUE(stopped->here);
                EXPECT_NE(stopped->reason.find(c.reason), std::string::npos) << c.what << ": " << stopped->reason;
                EXPECT_NE(stopped->reason.find("てき"), std::string::npos);
                EXPECT_FALSE(host.transport.closed) << c.what;
                EXPECT_TRUE(host.transport.sentHas("%91")) << c.what;
                EXPECT_FALSE(host.transport.sentHas(file.substr(0, 64))) << "our own file is not sent";
                EXPECT_TRUE(host.driver->exchange().canConfirm());
            } else {
                const auto* failed = host.last<net::ev::Failed>();
                ASSERT_NE(failed, nullptr) << c.what;
                EXPECT_NE(failed->text.find(c.reason), std::string::npos) << c.what;
                EXPECT_TRUE(host.transport.closed);
            }
            EXPECT_EQ(host.last<net::ev::BattleReady>(), nullptr) << c.what;
        }
    }
}

// A client plays the host's settings only when they are ones it can play; the host's
// tournament stage rules its own rare monster.
TEST(NetExchange, AClientChecksTheHostsSettingsBeforeThe77) {
    {
        Alone client(net::Role::Client);
        client.start();
        client.peer(peerBlock(plainRecord(), 1000, true, 32767));
        const auto* stopped = client.last<net::ev::OpeningStopped>();
        ASSERT_NE(stopped, nullptr);
        EXPECT_NE(stopped->reason.find("32767"), std::string::npos);
        EXPECT_FALSE(client.transport.sentHas("%77"));
    }
    {
        MonsterRecord rare = plainRecord();
        rare.makerVersion() = "0";
        Alone client(net::Role::Client, rare);
        client.driver->connected("10.0.0.9");
        client.peer(net::rareAllowedMessage());
        ASSERT_TRUE(client.driver->confirm(client.own, client.settings).ok());  // its own stage is 99
        client.settle();
        net::SettingsBlock b = net::parseSettingsBlock(peerBlock(plainRecord(), 1000, true).substr(3));
        b.stageIndex = kTournamentStage;
        client.peer(net::buildSettingsBlock(b));
        ASSERT_NE(client.last<net::ev::OpeningStopped>(), nullptr);
        EXPECT_EQ(client.last<net::ev::OpeningStopped>()->reason, net::kTournamentRareRefused);
        EXPECT_FALSE(client.transport.sentHas("%77"));
    }
}

// An older program holds the file size in 16 bits: a larger file is never offered to it. A
// vexmora program learns whom it plays from the opponent's block (or its "%90").
TEST(NetExchange, AFileOver32767BytesIsOfferedOnlyToAVexmoraProgram) {
    const std::string picture(31874, 'B');
    MonsterRecord big = plainRecord();
    big.imageFile = "ICON.bmp";
    Alone probe(net::Role::Client, big, picture);
    ASSERT_GT(probe.own.picture.size(), 0u);
    for (const bool announced : {false, true}) {
        Alone client(net::Role::Client, big, picture);
        client.start();
        client.settle();
        EXPECT_FALSE(client.transport.sentHas("%44"));
        EXPECT_TRUE(client.transport.sentHas(std::string(net::kLargeFileNote)));
        client.peer(peerBlock(plainRecord(), 1000, announced));
        if (announced) {
            EXPECT_TRUE(client.transport.sentHas("%44"));
            EXPECT_EQ(client.last<net::ev::OpeningStopped>(), nullptr);
        } else {
            EXPECT_FALSE(client.transport.sentHas("%44"));
            ASSERT_NE(client.last<net::ev::OpeningStopped>(), nullptr);
            EXPECT_NE(client.last<net::ev::OpeningStopped>()->reason.find("32767"), std::string::npos);
            EXPECT_FALSE(client.transport.closed);  // the older program still waits for a block
        }
    }
    // Two large files: each side's note tells the other.
    Alone host(net::Role::Host, big, picture);
    host.start();
    EXPECT_FALSE(host.transport.sentHas("%44"));
    host.peer(std::string(net::kLargeFileNote));
    EXPECT_TRUE(host.transport.sentHas("%44"));
}

// To an older program every message goes on its own send, kPaceMs after the one before, so
// that the greeting and the settings block never arrive as one.
TEST(NetExchange, AnOlderProgramGetsOneMessageASend) {
    Alone client(net::Role::Client);
    client.driver->connected("10.0.0.9");
    ASSERT_TRUE(client.driver->confirm(client.own, client.settings).ok());
    client.transport.timers.erase(net::NetTimer::Step);
    client.driver->timerFired(net::NetTimer::Step);  // the greeting
    ASSERT_EQ(client.transport.sent.size(), 1u);
    EXPECT_EQ(client.transport.sent[0], net::greetingMessage("ゲスト"));
    EXPECT_EQ(client.transport.timers.at(net::NetTimer::Pace), net::kPaceMs);
    client.transport.timers.erase(net::NetTimer::Step);
    client.driver->timerFired(net::NetTimer::Step);  // the block waits for the pace
    EXPECT_EQ(client.transport.sent.size(), 1u);
    client.transport.timers.erase(net::NetTimer::Pace);
    client.driver->timerFired(net::NetTimer::Pace);
    ASSERT_EQ(client.transport.sent.size(), 2u);
    EXPECT_EQ(client.transport.sent[1].substr(0, 3), "%44");
}

TEST(NetExchange, ChatWaitsWhileTheFilesTravelAndAFloodAsksOnce) {
    Alone host(net::Role::Host);
    host.start();
    EXPECT_TRUE(host.driver->chat("よろしく"));
    host.peer(peerBlock(plainRecord(), 1000, true));
    EXPECT_FALSE(host.driver->exchange().chatOpen());  // "%77" is on its way
    EXPECT_FALSE(host.driver->chat("今"));
    const auto* closed = host.last<net::ev::ChatOpen>();
    ASSERT_NE(closed, nullptr);
    EXPECT_FALSE(closed->open);
    for (int i = 0; i < 200; ++i) host.driver->bytesArrived(net::framed("#01update"));
    int refusals = 0;
    for (const net::Event& e : host.events) refusals += std::holds_alternative<net::ev::VersionRefused>(e);
    EXPECT_EQ(refusals, 1);
}

// The end of a battle: "%55" waits until the own last command has been acknowledged (and goes
// as soon as it is), and the result (Finished) waits for the opponent's "%55".
TEST(NetExchange, TheEndWaitsForTheLastAcknowledgementAndTheOpponentsFinish) {
    Alone host(net::Role::Host);
    ASSERT_NO_FATAL_FAILURE(host.intoBattle(false));
    auto count = [&](std::string_view message) {
        return std::count(host.transport.sent.begin(), host.transport.sent.end(), std::string(message));
    };
    const net::ev::BattleReady ready = *host.last<net::ev::BattleReady>();
    NullView view;
    Rng rng;
    Battle battle(ready.battle.settings, ready.own, ready.battle.opponent, rng, view);
    host.driver->chooseCommand(Command::nothingFromClick());
    host.peer(net::commandText(6, 0));
    ASSERT_NE(host.last<net::ev::TurnReady>(), nullptr);
    battle.state().ended = true;  // the last turn, our command not yet acknowledged
    host.driver->turnPlayed(battle);
    EXPECT_EQ(count(net::kFinished), 0);
    host.transport.timers.erase(net::NetTimer::EndSync);
    host.driver->timerFired(net::NetTimer::EndSync);
    EXPECT_EQ(count(net::kFinished), 0);
    host.peer(std::string(net::kAck));  // "%55" goes at once, not at the next repeat
    EXPECT_EQ(count(net::kFinished), 1);
    host.transport.timers.erase(net::NetTimer::EndSync);
    host.driver->timerFired(net::NetTimer::EndSync);
    EXPECT_EQ(count(net::kFinished), 2);  // and again every 1500 ms until the opponent's
    EXPECT_EQ(host.last<net::ev::Finished>(), nullptr);
    EXPECT_FALSE(host.driver->exchange().endSynchronised());
    host.peer(std::string(net::kFinished));
    EXPECT_NE(host.last<net::ev::Finished>(), nullptr);
    EXPECT_TRUE(host.driver->exchange().endSynchronised());
    EXPECT_TRUE(host.driver->exchange().canConfirm());  // the connection stays for a rematch
}

// A dropped connection is taken back only from the opponent's address, with the secret this
// side drew for the battle.
TEST(NetExchange, OnlyTheOpponentTakesItsSeatBack) {
    Alone host(net::Role::Host);
    ASSERT_NO_FATAL_FAILURE(host.intoBattle(true));
    host.driver->connectionLost();
    ASSERT_NE(host.last<net::ev::Resuming>(), nullptr);

    host.driver->connected("10.6.6.6");  // someone else
    EXPECT_EQ(host.transport.dropped, 1);
    host.driver->connected("10.0.0.9");  // the opponent's address, but without the secret
    const size_t before = host.transport.sent.size();
    host.peer(net::framed(net::resumeMessage(0, 0, 0x12345)));
    EXPECT_EQ(host.transport.dropped, 2);
    EXPECT_EQ(host.transport.sent.size(), before);  // nothing of the battle is told to it
    EXPECT_EQ(host.last<net::ev::Resumed>(), nullptr);

    host.driver->connected("10.0.0.9");
    host.peer(net::framed(net::resumeMessage(0, 0, 0xABCDEF)));
    ASSERT_NE(host.last<net::ev::Resumed>(), nullptr);
    EXPECT_EQ(host.transport.sent.back(), net::framed(net::resumeMessage(0, 0, 0x5EC2E7)));
}

}  // namespace
}  // namespace vex::test
