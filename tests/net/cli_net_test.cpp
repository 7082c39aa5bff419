// vexmora-cli net host|join as processes on loopback: whole battles, a hostile peer, and a
// proxy that cuts the connection in the middle of a battle.

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <thread>

#include "cli_process.h"
#include "loopback_sockets.h"
#include "fixtures.h"
#include "vexmora/net/announcement.h"
#include "vexmora/net/messages.h"
#include "vexmora/net/outgoing_monster.h"
#include "vexmora/net/settings_block.h"

namespace vex::test {
namespace {

struct Log {
    std::vector<std::string> hashes;
    std::vector<int> stages;
    std::vector<std::string> netEvents;
    std::vector<std::string> hits;  // who struck with what, for how much, as the host numbers them
    nlohmann::json result;
};

// `hostFighter`: the host's monster in this log (each program holds its own as fighter 0).
Log readLog(const std::string& text, int hostFighter) {
    Log log;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        auto j = nlohmann::json::parse(line, nullptr, false);
        if (j.is_discarded()) continue;
        const std::string type = j.value("type", "");
        if (type == "turn") {
            log.hashes.push_back(j.value("hash", ""));
            log.stages.push_back(j.value("stage", -100));
        } else if (type == "net") {
            log.netEvents.push_back(j.value("event", ""));
        } else if (type == "hit") {
            const bool byHost = j.value("attacker", -1) == hostFighter;
            log.hits.push_back(std::to_string(j.value("sequence", 0)) + (byHost ? " host " : " guest ") +
                               j.value("kind", "") + " " + std::to_string(j.value("technique", -1)) + " " +
                               (j.contains("damage") ? j["damage"].dump() : "-"));
        } else if (type == "result") {
            log.result = j;
        }
    }
    return log;
}

bool has(const std::vector<std::string>& v, const std::string& s) { return std::find(v.begin(), v.end(), s) != v.end(); }

void expectSameBattle(const CliProcess& host, const CliProcess& join) {
    const Log h = readLog(host.out(), 0), j = readLog(join.out(), 1);
    ASSERT_EQ(h.result.value("outcome", ""), "finished") << host.err();
    ASSERT_EQ(j.result.value("outcome", ""), "finished") << join.err();
    ASSERT_FALSE(h.hashes.empty());
    EXPECT_EQ(h.hashes, j.hashes);
    EXPECT_EQ(h.stages, j.stages);
    EXPECT_FALSE(h.hits.empty());
    EXPECT_EQ(h.hits, j.hits);  // both logs explain every hit alike
    EXPECT_EQ(h.result["turns"], j.result["turns"]);
    EXPECT_EQ(h.result["turns"].get<size_t>(), h.hashes.size());
    EXPECT_EQ(h.result["winner"].get<int>(), 1 - j.result["winner"].get<int>());  // each is its own fighter 0
    EXPECT_TRUE(has(h.netEvents, "monster received") && has(j.netEvents, "monster received"));
}

std::string monster(const char* name) { return fixturePath(std::string("monsters/") + name).string(); }

TEST(NetCli, TwoProgramsOnLoopbackAgreeTurnByTurn) {
    for (const char* stage : {"3", "99"}) {
        TempFolder home;
        CliProcess host({"--home", home.path().string(), "net", "host", monster("ドラゴン.tvx"), "--port", "0", "--hp",
                         "1000", "--turns", "50", "--stage", stage, "--log", "json"},
                        home.path(), "host");
        const int port = host.listeningPort();
        ASSERT_GT(port, 0) << host.err();
        CliProcess join({"--home", home.path().string(), "net", "join", "127.0.0.1", monster("plain.tvx"), "--port",
                         std::to_string(port), "--handle", "guest", "--log", "json"},
                        home.path(), "join");
        EXPECT_EQ(join.wait(), 0) << join.err();
        EXPECT_EQ(host.wait(), 0) << host.err();
        expectSameBattle(host, join);
    }
}

TEST(NetCli, RefusedArguments) {
    TempFolder home;
    CliProcess handle({"--home", home.path().string(), "net", "host", monster("plain.tvx"), "--handle", "a//b"},
                      home.path(), "handle");
    EXPECT_EQ(handle.wait(), 2);
    EXPECT_NE(handle.err().find("\"//\""), std::string::npos);
    // Settings a joining program could not play (its settings dialog offers 1000, 1500, 2000).
    CliProcess hp({"--home", home.path().string(), "net", "host", monster("plain.tvx"), "--hp", "1234"}, home.path(), "hp");
    EXPECT_EQ(hp.wait(), 2);
    EXPECT_NE(hp.err().find("1234"), std::string::npos);
    if (geteuid() != 0) {  // an administrator may open any port
        CliProcess low({"--home", home.path().string(), "net", "host", monster("plain.tvx"), "--port", "1001"},
                       home.path(), "low");
        EXPECT_EQ(low.wait(), 2);
        EXPECT_NE(low.err().find("--port"), std::string::npos);
    }
}

// A scripted peer joins a host and sends what a program never would.
struct HostilePeer {
    TempFolder home;
    std::unique_ptr<CliProcess> host;
    int fd = -1;

    HostilePeer() {
        host = std::make_unique<CliProcess>(std::vector<std::string>{"--home", home.path().string(), "net", "host",
                                                                      monster("plain.tvx"), "--port", "0", "--log", "json"},
                                            home.path().parent_path(), home.path().filename().string() + "-host");
        const int port = host->listeningPort();
        if (port > 0) fd = connectLoopback(port);
        if (fd >= 0) host->waitForOutput("\"connected\"");
    }
    ~HostilePeer() {
        if (fd >= 0) close(fd);
        fs::remove(home.path().parent_path() / (home.path().filename().string() + "-host.out"));
        fs::remove(home.path().parent_path() / (home.path().filename().string() + "-host.err"));
    }
    // Sends, then waits until the host has sent its own "%77" (it has read the peer's block).
    void sendAndAwait77(const std::string& bytes) {
        sendAll(fd, bytes);
        std::string seen;
        for (int i = 0; i < 100 && seen.find("%77") == std::string::npos; ++i) seen += receiveSome(fd, 100);
    }
    // Ends the connection and waits for the host: its exit status.
    int hangUp() {
        close(fd);
        fd = -1;
        return host->wait();
    }
};

std::string blockFor(const std::string& name, int64_t size, bool announced = false) {
    net::SettingsBlock b;
    b.handle = "evil";
    b.version = net::versionText();
    b.fileSize = size;
    b.monsterName = name;
    if (announced) b.announcement = net::announcementText({1500, 1});
    return net::buildSettingsBlock(b);
}

std::vector<std::string> filesBelow(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(folder)) names.push_back(e.path().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The file of a monster another program made, with a valid checksum.
std::string hostileFile(std::function<void(MonsterRecord&)> change) {
    MonsterRecord m = loadMonster(fixturePath("monsters/plain.tvx"))->record;
    m.name = "てき";
    change(m);
    return *encodeMonster(m, {}, "てき.tvx");
}

// Whatever a hostile peer sends, the host says what it refuses, touches no file, and holds no
// more than a well-behaved peer makes it hold (the same program, the same build: a sanitizer's
// own memory counts on both sides).
TEST(NetCli, AHostilePeerGetsAClearMessageAndTouchesNoFile) {
    long baselineKb = 0;
    {
        HostilePeer polite;
        ASSERT_GE(polite.fd, 0);
        sendAll(polite.fd, net::greetingMessage("polite"));
        polite.hangUp();
        baselineKb = polite.host->maxRssKb();
        RecordProperty("baseline_rss_kb", static_cast<int>(baselineKb));
    }
    auto dragon = *net::prepareOutgoingMonster(*loadMonster(fixturePath("monsters/ドラゴン.tvx")));
    const std::string strong = hostileFile([](MonsterRecord& m) { m.atk = 32767; });
    const std::string system = hostileFile([](MonsterRecord& m) { m.makerVersion() = "9.99"; });
    const std::string rare = hostileFile([](MonsterRecord& m) { m.makerVersion() = "0"; });
    auto framedFile = [](const std::string& file) { return net::framed("%77") + net::framed("%92" + file); };
    struct Case {
        const char* what;
        std::function<void(HostilePeer&)> send;
        const char* message;  // a part of what the host says on standard error
    };
    const std::vector<Case> cases = {
        {"a path as the monster name",
         [&](HostilePeer& p) { p.sendAndAwait77(blockFor("../../evil", static_cast<int64_t>(dragon.file.size()), true));
                               sendAll(p.fd, framedFile(dragon.file)); },
         "読み込めませんでした"},
        {"ATK 32767 with a valid checksum",
         [&](HostilePeer& p) { p.sendAndAwait77(blockFor("てき", static_cast<int64_t>(strong.size())));
                               sendAll(p.fd, "%77" + strong); },
         "1000"},
        {"system data",
         [&](HostilePeer& p) { p.sendAndAwait77(blockFor("てき", static_cast<int64_t>(system.size()), true));
                               sendAll(p.fd, framedFile(system)); },
         "このデータは使用できません"},
        {"a rare monster without leave",
         [&](HostilePeer& p) { p.sendAndAwait77(blockFor("てき", static_cast<int64_t>(rare.size()), true));
                               sendAll(p.fd, framedFile(rare)); },
         "レアキャラ"},
        {"a size too large", [](HostilePeer& p) { sendAll(p.fd, blockFor("x", 99999)); }, "99999"},
        {"a negative size", [](HostilePeer& p) { sendAll(p.fd, blockFor("x", -5)); }, "-5"},
        {"a block that never ends", [](HostilePeer& p) { sendAll(p.fd, "%44" + std::string(1 << 20, 'a')); }, "never ends"},
        {"a frame longer than any message",
         [](HostilePeer& p) { sendAll(p.fd, blockFor("x", 1000, true) + "\x02" "99999" + std::string(1 << 20, 'f')); },
         "frame"},
        {"a transfer cut off",
         [&](HostilePeer& p) { p.sendAndAwait77(blockFor(dragon.record.name, static_cast<int64_t>(dragon.file.size())));
                               sendAll(p.fd, "%77" + dragon.file.substr(0, 300)); },
         net::kPeerLeftLine.data()},
        {"more bytes than announced, then a command for another turn",
         [&](HostilePeer& p) { p.sendAndAwait77(blockFor(dragon.record.name, static_cast<int64_t>(dragon.file.size())));
                               sendAll(p.fd, "%77" + dragon.file + "junk" + net::commandText(3, 999)); },
         net::kPeerLeftLine.data()},
    };
    for (const Case& c : cases) {
        HostilePeer peer;
        ASSERT_GE(peer.fd, 0) << c.what;
        c.send(peer);
        // A refused monster ends vexmora-cli's battle at once; anything else ends with the hang-up.
        peer.host->waitForOutput("\"result\"", 3000);
        EXPECT_EQ(peer.hangUp(), 1) << c.what;
        EXPECT_NE(peer.host->err().find(c.message), std::string::npos) << c.what << ": " << peer.host->err();
        EXPECT_LT(peer.host->maxRssKb(), baselineKb + 16 * 1024) << c.what << " (baseline " << baselineKb << " KiB)";
        EXPECT_EQ(filesBelow(peer.home.path()), std::vector<std::string>{}) << c.what;
        EXPECT_FALSE(fs::exists(peer.home.path().parent_path().parent_path() / "evil.tvx"));
        EXPECT_EQ(peer.host->out().find("\"outcome\":\"finished\""), std::string::npos);
    }
}

// Once the host has its opponent the system refuses whoever else knocks.
TEST(NetCli, AThirdProgramIsRefusedWhileTheHostHasItsPeer) {
    TempFolder home;
    CliProcess host({"--home", home.path().string(), "net", "host", monster("plain.tvx"), "--port", "0", "--log", "json"},
                    home.path(), "host");
    const int port = host.listeningPort();
    ASSERT_GT(port, 0);
    const int peer = connectLoopback(port);
    ASSERT_GE(peer, 0);
    ASSERT_TRUE(host.waitForOutput("\"connected\""));
    EXPECT_EQ(connectLoopback(port), -1);
    close(peer);
    host.wait();
}

// An older program as host: it follows the written protocol only, takes each arrival as one
// message and holds the file size in 16 bits. vexmora-cli joins it and plays to the end.
struct OlderHost {
    int listener = -1;
    int port = 0;
    int fd = -1;
    std::vector<std::string> arrivals;  // what it received, arrival by arrival
    std::string all;

    OlderHost() { listener = listenLoopback(port); }
    ~OlderHost() {
        if (fd >= 0) close(fd);
        close(listener);
    }
    bool accept() {
        pollfd waiting{listener, POLLIN, 0};
        if (poll(&waiting, 1, 10000) <= 0) return false;
        fd = ::accept(listener, nullptr, nullptr);
        return fd >= 0;
    }
    // The next arrival ("" when the other side closed or went quiet).
    std::string next(int timeoutMs = 5000) {
        std::string a = receiveSome(fd, timeoutMs);
        if (!a.empty()) {
            arrivals.push_back(a);
            all += a;
        }
        return a;
    }
    // Arrivals until `part` has come.
    bool until(std::string_view part, size_t from = 0) {
        for (int i = 0; i < 200; ++i) {
            if (all.find(part, from) != std::string::npos) return true;
            if (next().empty()) return all.find(part, from) != std::string::npos;
        }
        return false;
    }
    // As a player would: one message, then the next a moment later.
    void say(const std::string& message) {
        sendAll(fd, message);
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
    }
};

TEST(NetCli, AnOlderHostGetsOneMessageAnArrivalAndPlaysToTheEnd) {
    TempFolder home;
    OlderHost older;
    auto own = *net::prepareOutgoingMonster(*loadMonster(fixturePath("monsters/ドラゴン.tvx")));
    CliProcess join({"--home", home.path().string(), "net", "join", "127.0.0.1", monster("plain.tvx"), "--port",
                     std::to_string(older.port), "--handle", "guest", "--log", "json"},
                    home.path(), "join");
    ASSERT_TRUE(older.accept());
    // The greeting and the settings block come apart, each one arrival.
    ASSERT_EQ(older.next(), net::greetingMessage("guest"));
    const std::string block = older.next();
    ASSERT_EQ(block.substr(0, 3), "%44");
    ASSERT_EQ(block.substr(block.size() - 4), "*END");
    const net::SettingsBlock theirs = net::parseSettingsBlock(block.substr(3));

    net::SettingsBlock mine;
    mine.handle = "older";
    mine.initialHp = 1000;
    mine.stageIndex = 3;
    mine.version = net::versionText();
    mine.turnLimit = 30;
    mine.seed = 1234567;
    mine.fileSize = static_cast<int64_t>(own.file.size());
    mine.monsterName = own.record.name;
    older.say(net::buildSettingsBlock(mine));
    older.say("%77");
    ASSERT_TRUE(older.until("%77"));
    // Its file, taken by the size it announced; then ours.
    const size_t fileAt = older.all.find("%77") + 3;
    while (older.all.size() < fileAt + static_cast<size_t>(theirs.fileSize))
        ASSERT_FALSE(older.next().empty());
    older.say(own.file);

    // Each turn: its command comes, is acknowledged, and ours follows for the same turn.
    size_t read = fileAt + static_cast<size_t>(theirs.fileSize);
    int turns = 0;
    bool finished = false;
    while (!finished && turns < 100) {
        if (older.all.size() <= read && older.next(10000).empty()) break;
        const std::string arrival = older.all.substr(read);
        read = older.all.size();
        if (arrival.substr(0, 3) == "%55") {
            older.say("%55");
            finished = true;
        } else if (arrival.size() == 7 && arrival[0] == '%' && arrival[1] == ' ' && arrival[6] == '*') {
            older.say("%10");
            older.say("% 6" + arrival.substr(3, 3) + "*");
            ++turns;
        }
    }
    EXPECT_TRUE(finished);
    EXPECT_EQ(join.wait(), 0) << join.err();
    EXPECT_NE(join.out().find("\"outcome\":\"finished\""), std::string::npos);
    // Never a frame, a hash or anything else only a vexmora program reads (the file's own
    // bytes aside).
    const std::string messages = older.all.substr(0, fileAt) + older.all.substr(fileAt + static_cast<size_t>(theirs.fileSize));
    EXPECT_EQ(messages.find('\x02'), std::string::npos);
    EXPECT_EQ(messages.find("%88"), std::string::npos);
    EXPECT_EQ(messages.find("%90"), std::string::npos);
    EXPECT_EQ(theirs.announcement.substr(0, 8), "vexmora:");  // field 9, which it ignores
}

TEST(NetCli, AFileOver32767BytesIsNeverOfferedToAnOlderHost) {
    TempFolder home;
    MonsterRecord big = loadMonster(fixturePath("monsters/plain.tvx"))->record;
    big.name = "おおきい";
    big.imageFile = "ICON.bmp";
    const fs::path file = home.path() / "おおきい.tvx";
    ASSERT_TRUE(saveMonster(file, big, std::string(kMaxPictureBytes, 'B')).ok());
    ASSERT_GT(fs::file_size(file), 32767u);
    OlderHost older;
    CliProcess join({"--home", home.path().string(), "net", "join", "127.0.0.1", file.string(), "--port",
                     std::to_string(older.port), "--log", "json"},
                    home.path(), "join");
    ASSERT_TRUE(older.accept());
    ASSERT_FALSE(older.next().empty());  // the greeting
    net::SettingsBlock mine;
    mine.handle = "older";
    mine.version = net::versionText();
    mine.fileSize = 1000;
    mine.monsterName = "x";
    older.say(net::buildSettingsBlock(mine));
    EXPECT_EQ(join.wait(), 1);
    EXPECT_NE(join.err().find("32767"), std::string::npos) << join.err();
    while (!older.next(200).empty()) {}
    EXPECT_EQ(older.all.find("%44"), std::string::npos);
}

// Another program, at another address of this machine, claims the seat of a dropped
// opponent: true when the host turned it away.
bool intruderTurnedAway(int hostPort) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int intruder = connectLoopback(hostPort, "127.0.0.2");
        if (intruder < 0) {  // the host has not noticed the drop yet
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            continue;
        }
        sendAll(intruder, net::framed(net::resumeMessage(0, 0, 0)));
        bool closed = false;
        for (int i = 0; i < 50 && !closed; ++i) {
            pollfd waiting{intruder, POLLIN, 0};
            char byte;
            closed = poll(&waiting, 1, 100) > 0 && recv(intruder, &byte, 1, 0) <= 0;
        }
        close(intruder);
        return closed;
    }
    return false;
}

// Forwards between a client and the host; cuts both connections once `cutAfter` bytes went
// from the host to the client, lets an intruder try to take the seat, then forwards the next
// connection to its end.
void proxy(int listener, int hostPort, size_t cutAfter, bool* intruderRefused) {
    size_t fromHost = 0;
    for (int session = 0; session < 2; ++session) {
        pollfd waiting{listener, POLLIN, 0};
        if (poll(&waiting, 1, 15000) <= 0) return;
        const int client = accept(listener, nullptr, nullptr);
        const int host = connectLoopback(hostPort);
        bool cut = false;
        char buffer[4096];
        while (!cut) {
            pollfd fds[2] = {{client, POLLIN, 0}, {host, POLLIN, 0}};
            if (poll(fds, 2, 15000) <= 0) break;
            bool closed = false;
            for (int i = 0; i < 2 && !closed; ++i) {
                if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
                const ssize_t n = recv(fds[i].fd, buffer, sizeof buffer, 0);
                if (n <= 0) {
                    closed = true;
                    break;
                }
                sendAll(i == 0 ? host : client, std::string(buffer, static_cast<size_t>(n)));
                if (i == 1) {
                    fromHost += static_cast<size_t>(n);
                    if (session == 0 && fromHost >= cutAfter) cut = true;
                }
            }
            if (closed) break;
        }
        close(client);
        close(host);
        if (!cut) return;
        *intruderRefused = intruderTurnedAway(hostPort);
    }
}

TEST(NetCli, ABattleResumesThroughAProxyThatCutsTheConnection) {
    TempFolder home;
    CliProcess host({"--home", home.path().string(), "net", "host", monster("ドラゴン.tvx"), "--port", "0", "--hp", "1000",
                     "--turns", "50", "--log", "json"},
                    home.path(), "host");
    const int hostPort = host.listeningPort();
    ASSERT_GT(hostPort, 0) << host.err();
    int proxyPort = 0;
    const int listener = listenLoopback(proxyPort);
    // The opening takes about 1100 bytes from the host; a turn about 40.
    bool intruderRefused = false;
    std::thread forwarding(proxy, listener, hostPort, 1100 + 25 * 40, &intruderRefused);
    CliProcess join({"--home", home.path().string(), "net", "join", "127.0.0.1", monster("plain.tvx"), "--port",
                     std::to_string(proxyPort), "--log", "json"},
                    home.path(), "join");
    EXPECT_EQ(join.wait(), 0) << join.err() << join.out().substr(0, 3000);
    EXPECT_EQ(host.wait(), 0) << host.err() << host.out().substr(0, 3000);
    forwarding.join();
    close(listener);
    expectSameBattle(host, join);
    const Log h = readLog(host.out(), 0), j = readLog(join.out(), 1);
    EXPECT_TRUE(has(h.netEvents, "resumed")) << host.out().substr(0, 2000);
    EXPECT_TRUE(has(j.netEvents, "resumed"));
    EXPECT_TRUE(intruderRefused);
    EXPECT_NE(host.out().find("127.0.0.2"), std::string::npos);  // told in the chat records
}

}  // namespace
}  // namespace vex::test
