#pragma once
// One network battle driver, below any window: what the game's network command source and
// `vexmora-cli net` both hold for one connection. It runs the exchange with the other program
// (exchange.h) and does what both players' programs must do alike:
//   - the own monster: put through the refusals of a loaded monster, the rare and tournament
//     checks, and turned into the bytes that travel (confirm());
//   - the host's settings normalised (network_settings.h), its seed drawn from the clock;
//   - the opponent's monster and the host's settings checked on arrival (exchange.h);
//   - the battle's set-up (ev::BattleReady: settings, seed, both monsters, the opponent's
//     handle and rating, whether the peer is another machine);
//   - wire numbers to commands and back, each turn's hash, the end synchronisation: the result
//     follows ev::Finished.
//
//   program                                  BattleDriver
//   Connected                   ->  confirm(own monster, rare box, own settings)
//   SettingsWanted (host)       ->  settingsChosen(settings)
//   BattleReady                 ->  start the battle, then chooseCommand() when the player has
//   TurnReady                   ->  turnCommands(battle), play them, turnPlayed(battle)
//   CommandWanted               ->  chooseCommand()
//   Finished                    ->  show the result, keep the records

#include <functional>
#include <memory>
#include <utility>

#include "vexmora/battle/battle.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/result.h"
#include "vexmora/net/exchange.h"

namespace vex::net {

// Seconds since local midnight × 100, the host's seed.
int32_t seedFromClock();
// A secret for one battle (field 9).
uint64_t newBattleSecret();

struct TurnCommands {
    Command own;
    Command opponent;
};

class BattleDriver final : public TransportListener {
public:
    // The options' seed and secret sources default to the clock and the system's randomness.
    BattleDriver(Transport& transport, ExchangeOptions options, std::function<void(const Event&)> onEvent);

    // --- the transport ---
    void connected(const std::string& peerAddress) override { exchange_.connected(peerAddress); }
    void bytesArrived(std::string_view bytes) override { exchange_.bytesArrived(bytes); }
    void connectionLost() override { exchange_.connectionLost(); }
    void timerFired(NetTimer timer) override { exchange_.timerFired(timer); }

    // --- the program ---
    // The player confirms `own` for the next battle. The monster as the opponent will hold it
    // (this side plays with exactly that), or the message that refuses it; nothing is sent
    // then. `ownSettings`: the host's settings so far (the settings step follows), a client's
    // own.
    Result<MonsterRecord> confirm(const LoadedMonster& own, const BattleSettings& ownSettings);
    void settingsChosen(const BattleSettings& settings) { exchange_.settingsChosen(settings); }
    void chooseCommand(const Command& command);
    // This turn's commands for `battle` (its fighters' records as they are now).
    TurnCommands turnCommands(const Battle& battle) const;
    void turnPlayed(const Battle& battle);
    bool chat(std::string_view text) { return exchange_.chat(text); }
    void setAllowRare(bool allow) { exchange_.setAllowRare(allow); }
    // The program lets the connection go (before its transport goes).
    void close() { exchange_.close(); }

    const Exchange& exchange() const { return exchange_; }

private:
    Exchange exchange_;
};

}  // namespace vex::net
