#pragma once
// The exchange between two programs, from the connection to the end of a battle: the opening
// exchange (rare checks, settings blocks, "%77", both monster files, the shared seed), the
// turn exchange with its resending, the state hash after every turn, the end
// synchronisation, and the resumption of a dropped connection.
//
// Nothing here blocks or sleeps. Every wait is a request to the driver (startTimer) and every
// send goes through it; the driver calls back when bytes arrive, a timer fires or the
// connection changes. The game drives it from its event loop, vexmora-cli from its own.
//
//   driver                                  Exchange
//   connection made            -> connected()
//   bytes arrived              -> bytesArrived(bytes)
//   connection lost            -> connectionLost()
//   a requested timer fired    -> timerFired(timer)
//   Event::SettingsWanted      -> settingsChosen(settings)        (host only)
//   Event::BattleReady /
//   Event::CommandWanted       -> ownCommand(command)
//   Event::TurnReady           -> runs the turn, then turnResolved(turnCount, hash, ended)
//   Event::Finished / Failed   <- the exchange is over

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "vexmora/battle/battle_settings.h"
#include "vexmora/data/monster_record.h"
#include "vexmora/net/dispatcher.h"

namespace vex::net {

enum class Role { Host, Client };

enum class NetTimer {
    Step,          // the next step of the opening exchange
    Resend,        // resend the pending command (2000 ms)
    TurnPause,     // the pause between the opponent's command and the turn
    EndSync,       // repeat "%55" (1500 ms)
    Quiet,         // the line went quiet: a held text is complete
    OpeningLimit,  // the opening exchange took too long
    ResumeLimit,   // the dropped connection did not come back
};

// Waits that only let the player see what happens may be shortened by the driver (the game
// speed option, or nothing at all in vexmora-cli); pacing waits keep an older peer, which
// takes every arrival as one message, from receiving two messages joined.
enum class WaitKind { Presentation, Pacing };

class ExchangeDriver {
public:
    virtual ~ExchangeDriver() = default;
    virtual void send(const std::string& bytes) = 0;
    // Starts (or restarts) a one-shot timer.
    virtual void startTimer(NetTimer timer, int ms) = 0;
    virtual void stopTimer(NetTimer timer) = 0;
    // How long a wait of the exchange lasts here.
    virtual int waitMs(int ms, WaitKind /*kind*/) { return ms; }
    // Host: listen again; client: connect again (a dropped connection being resumed).
    virtual void reconnect() = 0;
    virtual void closeConnection() = 0;
};

struct ExchangeOptions {
    Role role = Role::Host;
    std::string handle;                 // UTF-8
    MonsterRecord monster;              // the own monster, as decoded from `monsterFile`
    std::string monsterFile;            // the bytes sent to the opponent
    BattleSettings settings;            // the client's own settings (replaced by the host's)
    bool allowRare = false;             // the rare-monster check box
    bool announce = true;               // announce hash checks and resumption in field 9
    int openingLimitMs = 60000;         // 0: no limit
    int resumeLimitMs = 120000;
    // The host's seed: seconds since midnight × 100, taken just before its block is built.
    std::function<int32_t()> seedNow;
};

// What the battle needs once both programs hold the same battle.
struct BattleSetup {
    BattleSettings settings;   // adopted from the host on the client; isHost set
    int32_t seed = 0;
    MonsterRecord own;         // fighter 0
    MonsterRecord opponent;    // fighter 1
    std::string opponentHandle;
    bool tournament = false;   // stage 5: the tournament restriction applies to both
};

enum class EventKind {
    Chat,             // text
    Notice,           // text: a line about the exchange (progress, warnings)
    VersionWarning,   // text
    VersionRefused,   // text
    SettingsWanted,   // host: show the settings step, then call settingsChosen()
    SettingsReceived, // the opponent's block arrived
    MonsterReceived,  // the opponent's monster arrived
    BattleReady,      // setup: start the battle, then give the first command
    TurnReady,        // own, opponent: run the turn, then call turnResolved()
    CommandWanted,    // the next turn's own command
    LineArrived,      // side (0 own, 1 opponent), text: a battle line for the next turn start
    Resuming,         // the connection dropped; reconnecting
    Resumed,          // text
    Desync,           // turn: the state hashes differ after this turn
    Finished,         // both programs finished the battle
    Failed,           // text: the exchange ended (refusal, hostile peer, disconnection)
};

struct Event {
    EventKind kind = EventKind::Chat;
    std::string text;
    int turn = 0;
    int side = 0;
    BattleSetup setup;
    int own = 0, opponent = 0;  // TurnReady: the wire numbers; commandFromWire() turns
                                // each into a command with its fighter's in-battle record
};

class Exchange {
public:
    Exchange(ExchangeDriver& driver, ExchangeOptions options, std::function<void(const Event&)> onEvent);

    // --- from the driver ---
    void connected();
    void bytesArrived(std::string_view bytes);
    void connectionLost();
    void timerFired(NetTimer timer);
    void settingsChosen(const BattleSettings& settings);
    // The own command of this turn as its wire number (wireNumber(); 1-5 a slot, 6 nothing).
    void ownCommand(int number);
    void turnResolved(int turnCount, uint64_t stateHash, bool battleEnded);
    // The player typed a chat text (a "/s" text is a battle line).
    void chat(std::string_view text);

    // --- state ---
    bool peerAnnounced() const { return peerAnnounced_; }
    bool hashChecks() const { return options_.announce && peerAnnounced_; }
    bool over() const { return phase_ == Phase::Over; }
    bool inBattle() const { return phase_ == Phase::Battle || phase_ == Phase::EndSync; }
    const Dispatcher& dispatcher() const { return dispatcher_; }

private:
    enum class Phase { Idle, Greeting, Opening, Battle, EndSync, Resuming, Over };
    enum class Step {
        None, Greet, RareChecks, AfterRareNotice, Settings, SendBlock, AwaitBlock, BeforeReady,
        AfterReady, AwaitTransfer, BeforeFile, AwaitFile, BeforeStart,
    };

    void post(Event e) { onEvent_(e); }
    void emitText(EventKind kind, std::string text);
    void wait(Step next, int ms, WaitKind kind);
    void advance();
    void handle(ArrivalEvent& arrival);
    void sendPending();
    void maybeTurnReady();
    void endSyncTick();
    void finish();
    void fail(const std::string& message);
    void compareHash(int wireTurnNumber);
    void resumeFrom(const TurnHash& peer);

    ExchangeDriver& driver_;
    ExchangeOptions options_;
    std::function<void(const Event&)> onEvent_;
    Dispatcher dispatcher_;

    Phase phase_ = Phase::Idle;
    Phase resumePhase_ = Phase::Battle;  // where a resumed connection continues
    Step step_ = Step::None;
    bool peerAnnounced_ = false;
    BattleSetup setup_;
    bool opponentMonster_ = false;

    // The turn exchange.
    int turn_ = 0;                         // turns played
    int ownNumber_ = 0;                    // chosen for this turn, 0 while not chosen
    int opponentNumber_ = 0;
    bool turnQueued_ = false;              // both commands known, the turn is on its way
    std::string pending_;                  // the own command text, resent until acknowledged
    int pendingTurn_ = -1;
    bool resending_ = false;
    int extraAcks_ = 0;                    // acknowledgements of a command resent after a drop
    std::string lastCommand_;              // the text of the previous turn's own command
    std::map<int, uint64_t> ownHashes_;    // by turn played, wire turn numbers
    std::map<int, uint64_t> peerHashes_;
    int lastVerifiedTurn_ = -1;            // the last turn whose hashes matched
    bool finishedSent_ = false;
    bool resumeSent_ = false;
};

}  // namespace vex::net
