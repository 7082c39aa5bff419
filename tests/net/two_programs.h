#pragma once
// Two programs joined by a simulated connection, in one process and on a virtual clock: each
// has its own battle driver, Battle and generator. The connection delivers the bytes in flight
// in pieces cut by a chosen rule, can drop, and comes back when both sides ask for it.

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "vexmora/battle/battle.h"
#include "vexmora/net/battle_driver.h"

namespace vex::test {

class TwoPrograms;

struct Program : net::Transport {
    TwoPrograms* link = nullptr;
    int index = 0;  // 0 host, 1 client
    std::map<net::NetTimer, int64_t> timers;
    std::unique_ptr<net::BattleDriver> driver;
    LoadedMonster monster;
    std::optional<LoadedMonster> rematchMonster;  // confirmed for the second battle
    std::unique_ptr<Battle> battle;
    Rng rng;
    NullView view;
    BattleSettings settings;
    std::vector<net::Event> events;
    std::vector<uint64_t> hashes;  // after each turn
    std::vector<std::string> failures;
    std::vector<std::string> chat;
    NetworkBattle settled;
    int desyncTurn = -1;
    int finished = 0;              // battles finished
    int battlesToPlay = 1;         // confirms again after a finished battle until this many
    bool resumed = false;
    bool wantsConnection = false;
    int corruptHashAtTurn = -1;  // changes its own battle after that turn (a program gone astray)
    std::string sent;            // every byte this program sent

    void send(const std::string& bytes) override;
    void startTimer(net::NetTimer timer, int ms) override;
    void stopTimer(net::NetTimer timer) override { timers.erase(timer); }
    void reconnect() override { wantsConnection = true; }
    void dropPeer() override {}
    void closeConnection() override;
    void onEvent(const net::Event& e);
    void chooseCommand();
    void confirm();
    bool over() const { return driver->exchange().over() || (finished >= battlesToPlay && !driver->exchange().inBattle()); }
};

// How many of `available` bytes in flight, starting at `offset` of the direction's stream,
// reach side `to` in the next arrival (at least 1).
using Cutter = std::function<size_t(int to, size_t offset, size_t available)>;

class TwoPrograms {
public:
    TwoPrograms(const fs::path& hostMonster, const fs::path& clientMonster,
                const BattleSettings& hostSettings, Cutter cutter = {});

    // Runs until both programs are over or nothing can happen any more (virtual ms limit).
    void run(int64_t limitMs = 3'600'000);
    // Drops the connection once this many bytes have gone towards side `to`.
    void dropAfter(int to, size_t bytes) { dropTo_ = to, dropAt_ = bytes; }

    Program& host() { return programs_[0]; }
    Program& client() { return programs_[1]; }
    int64_t now() const { return now_; }

private:
    friend struct Program;
    void deliver(int to);
    void drop();

    std::array<Program, 2> programs_;
    std::array<std::string, 2> inFlight_;
    std::array<size_t, 2> delivered_{};
    Cutter cutter_;
    bool up_ = true;
    int64_t now_ = 0;
    int dropTo_ = -1;
    size_t dropAt_ = 0;
};

}  // namespace vex::test
