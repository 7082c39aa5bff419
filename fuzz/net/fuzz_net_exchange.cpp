// A host's whole exchange fed by a peer that sends anything, with its timers firing and the
// connection dropping and coming back at any point: it never crashes, never holds more than
// its bounds, and what it queues for a peer that does not read stays bounded.
//
// Input: a list of operations. 0-3: an arrival of the next N bytes (N the following byte);
// 4: the next timer the exchange asked for fires; 5: the connection drops; 6: a connection is
// made from the opponent's address; 7: the own command of this turn.
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string_view>

#include "vexmora/net/battle_driver.h"

namespace {

struct Recorder : vex::net::Transport {
    std::map<vex::net::NetTimer, int> timers;
    void send(const std::string&) override {}
    void startTimer(vex::net::NetTimer t, int ms) override { timers[t] = ms; }
    void stopTimer(vex::net::NetTimer t) override { timers.erase(t); }
    void reconnect() override {}
    void dropPeer() override {}
    void closeConnection() override {}
};

const vex::LoadedMonster& ownMonster() {
    static const vex::LoadedMonster monster = [] {
        vex::MonsterRecord r;
        r.name = "fuzz";
        r.atk = r.def = r.spd = 300;
        r.makerVersion() = "1";
        auto bytes = vex::encodeMonster(r, {}, "fuzz.tvx");
        return *vex::decodeMonster(*bytes, "fuzz.tvx");
    }();
    return monster;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Recorder transport;
    vex::net::ExchangeOptions options;
    options.seedNow = [] { return 1; };
    options.newSecret = [] { return uint64_t{7}; };
    vex::net::BattleDriver* self = nullptr;
    vex::net::BattleDriver driver(transport, options, [&self](const vex::net::Event& e) {
        if (std::holds_alternative<vex::net::ev::SettingsWanted>(e)) self->settingsChosen(vex::BattleSettings{});
    });
    self = &driver;
    driver.connected("10.0.0.2");
    (void)driver.confirm(ownMonster(), vex::BattleSettings{});
    size_t i = 0;
    while (i < size) {
        const uint8_t op = data[i++] % 8;
        if (op <= 3) {
            if (i >= size) break;
            const size_t wanted = data[i++];
            const size_t n = std::min<size_t>(wanted, size - i);
            driver.bytesArrived(std::string_view(reinterpret_cast<const char*>(data + i), n));
            i += n;
        } else if (op == 4 && !transport.timers.empty()) {
            const vex::net::NetTimer t = transport.timers.begin()->first;
            transport.timers.erase(t);
            driver.timerFired(t);
        } else if (op == 5) {
            driver.connectionLost();
        } else if (op == 6) {
            driver.connected("10.0.0.2");
        } else if (op == 7) {
            driver.chooseCommand(vex::Command::nothingFromClick());
        }
        const auto& exchange = driver.exchange();
        if (exchange.dispatcher().heldBytes() > 64 * 1024 || exchange.outbox().queuedBytes() > 1024 * 1024) std::abort();
    }
    return 0;
}
