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
#include "fixtures.h"
#include "vexmora/net/messages.h"
#include "vexmora/net/outgoing_monster.h"
#include "vexmora/net/settings_block.h"

namespace vex::test {
namespace {

struct Log {
    std::vector<std::string> hashes;
    std::vector<int> stages;
    std::vector<std::string> netEvents;
    nlohmann::json result;
};

Log readLog(const std::string& text) {
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
        } else if (type == "result") {
            log.result = j;
        }
    }
    return log;
}

bool has(const std::vector<std::string>& v, const std::string& s) { return std::find(v.begin(), v.end(), s) != v.end(); }

void expectSameBattle(const CliProcess& host, const CliProcess& join) {
    const Log h = readLog(host.out()), j = readLog(join.out());
    ASSERT_EQ(h.result.value("outcome", ""), "finished") << host.err();
    ASSERT_EQ(j.result.value("outcome", ""), "finished") << join.err();
    ASSERT_FALSE(h.hashes.empty());
    EXPECT_EQ(h.hashes, j.hashes);
    EXPECT_EQ(h.stages, j.stages);
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
    }
    ~HostilePeer() {
        if (fd >= 0) close(fd);
        fs::remove(home.path().parent_path() / (home.path().filename().string() + "-host.out"));
        fs::remove(home.path().parent_path() / (home.path().filename().string() + "-host.err"));
    }
    // Ends the connection and waits for the host: its exit status.
    int hangUp() {
        close(fd);
        fd = -1;
        return host->wait();
    }
};

std::string blockFor(const std::string& name, int64_t size) {
    net::SettingsBlock b;
    b.handle = "evil";
    b.version = net::versionText();
    b.fileSize = size;
    b.monsterName = name;
    return net::buildSettingsBlock(b);
}

std::vector<std::string> filesBelow(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(folder)) names.push_back(e.path().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(NetCli, AHostilePeerGetsAClearMessageAndTouchesNoFile) {
    auto dragon = *net::prepareOutgoingMonster(*loadMonster(fixturePath("monsters/ドラゴン.tvx")));
    struct Case {
        const char* what;
        std::function<std::string()> bytes;
        const char* message;  // a part of what the host says on standard error
    };
    const std::vector<Case> cases = {
        {"a path as the monster name", [&] { return "garbage\x01\xff" + blockFor("../../evil", static_cast<int64_t>(dragon.file.size())) + "%77" + dragon.file; },
         "cannot be read"},
        {"a size too large", [] { return blockFor("x", 99999); }, "99999"},
        {"a negative size", [] { return blockFor("x", -5); }, "-5"},
        {"a block that never ends", [] { return "%44" + std::string(1 << 20, 'a'); }, "never ends"},
        {"a transfer cut off", [&] { return blockFor(dragon.record.name, static_cast<int64_t>(dragon.file.size())) + "%77" + dragon.file.substr(0, 300); },
         net::kPeerLeftLine.data()},
        {"more bytes than announced, then a command for another turn",
         [&] { return blockFor(dragon.record.name, static_cast<int64_t>(dragon.file.size())) + "%77" + dragon.file + "junk" + net::commandText(3, 999); },
         net::kPeerLeftLine.data()},
    };
    for (const Case& c : cases) {
        HostilePeer peer;
        ASSERT_GE(peer.fd, 0) << c.what;
        const auto before = filesBelow(peer.home.path().parent_path());
        sendAll(peer.fd, c.bytes());
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_EQ(peer.hangUp(), 1) << c.what;
        EXPECT_NE(peer.host->err().find(c.message), std::string::npos) << c.what << ": " << peer.host->err();
        EXPECT_LT(peer.host->maxRssKb(), 200 * 1024) << c.what;
        EXPECT_EQ(filesBelow(peer.home.path()), std::vector<std::string>{}) << c.what;
        EXPECT_FALSE(fs::exists(peer.home.path().parent_path().parent_path() / "evil.tvx"));
        EXPECT_EQ(peer.host->out().find("\"outcome\":\"finished\""), std::string::npos);
    }
}

// Forwards between a client and the host; cuts both connections once `cutAfter` bytes went
// from the host to the client, then forwards the next connection to its end.
void proxy(int listener, int hostPort, size_t cutAfter) {
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
    // The opening takes about 1100 bytes from the host; a turn about 30.
    std::thread forwarding(proxy, listener, hostPort, 1100 + 25 * 30);
    CliProcess join({"--home", home.path().string(), "net", "join", "127.0.0.1", monster("plain.tvx"), "--port",
                     std::to_string(proxyPort), "--log", "json"},
                    home.path(), "join");
    EXPECT_EQ(join.wait(), 0) << join.err() << join.out().substr(0, 3000);
    EXPECT_EQ(host.wait(), 0) << host.err() << host.out().substr(0, 3000);
    forwarding.join();
    close(listener);
    expectSameBattle(host, join);
    const Log h = readLog(host.out()), j = readLog(join.out());
    EXPECT_TRUE(has(h.netEvents, "resumed")) << host.out().substr(0, 2000);
    EXPECT_TRUE(has(j.netEvents, "resumed"));
}

}  // namespace
}  // namespace vex::test
