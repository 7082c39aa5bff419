#pragma once
// The exchange between two programs over one connection, battle after battle: the opening
// exchange (rare permission, settings blocks, "%77", both monster files, the shared seed), the
// turn exchange with its resending, the state hash after every turn, the end synchronisation,
// and the resumption of a dropped connection. The battle driver (battle_driver.h) is what a
// program holds; this is its protocol.
//
// Nothing here blocks or sleeps. Every wait is a timer of the transport and every send goes
// through it; the transport calls back (TransportListener) when a connection is made, bytes
// arrive, a timer fires or the connection drops.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "vexmora/battle/battle_settings.h"
#include "vexmora/net/announcement.h"
#include "vexmora/net/dispatcher.h"
#include "vexmora/net/events.h"
#include "vexmora/net/outbox.h"
#include "vexmora/net/outgoing_monster.h"
#include "vexmora/net/transport.h"

namespace vex::net {

struct ExchangeOptions {
    Role role = Role::Host;
    std::string handle;                 // UTF-8
    int ownRating = kStartingNetRating;
    // Whether a peer's address is this machine's own: a battle against oneself changes no
    // network record. Loopback only, unless set.
    std::function<bool(const std::string& peerAddress)> isThisMachine;
    int openingLimitMs = 60000;         // 0: no limit
    int resumeLimitMs = 120000;
    // The host's seed, taken just before its block is built; a new secret for each battle.
    std::function<int32_t()> seedNow;
    std::function<uint64_t()> newSecret;
};

class Exchange final : public TransportListener {
public:
    Exchange(Transport& transport, ExchangeOptions options, std::function<void(const Event&)> onEvent);

    // --- from the transport ---
    void connected(const std::string& peerAddress) override;
    void bytesArrived(std::string_view bytes) override;
    void connectionLost() override;
    void timerFired(NetTimer timer) override;

    // --- from the program ---
    // The player confirmed this monster (checked by the driver); the opening exchange begins.
    // `ownSettings`: what a client's block carries (the host's rule the battle).
    void confirm(const OutgoingMonster& own, const BattleSettings& ownSettings);
    // Host: the settings step is done (SettingsWanted).
    void settingsChosen(const BattleSettings& settings);
    // The own command of this turn as its wire number (1-5 a slot, 6 nothing).
    void ownCommand(int number);
    void turnResolved(int turnCount, uint64_t stateHash, bool battleEnded);
    // The player typed a chat text (a "/s" text is a battle line). False when chat cannot be
    // sent now (no connection, or the monster files are on their way).
    bool chat(std::string_view text);
    // The rare-monster box: sent to the opponent until a settings block has arrived.
    void setAllowRare(bool allow);
    // The program lets the connection go: nothing more is sent, told or asked of the transport.
    void close();

    // --- state ---
    bool connected() const { return phase_ != Phase::Idle && phase_ != Phase::Over; }
    // Both programs announced themselves: hashes, resuming and framed messages.
    bool peerAnnounced() const { return peer_.has_value(); }
    bool confirmed() const { return confirmed_; }
    // A battle can be confirmed: connected, and no opening or battle running.
    bool canConfirm() const { return phase_ == Phase::Lobby && !confirmed_; }
    Role role() const { return options_.role; }
    bool inOpening() const { return phase_ == Phase::Opening; }
    bool inBattle() const { return phase_ == Phase::Battle || phase_ == Phase::EndSync; }
    bool over() const { return phase_ == Phase::Over; }
    // The last battle's end has been synchronised (until the next one is confirmed).
    bool endSynchronised() const { return endSynchronised_; }
    bool chatOpen() const;
    bool rareBoxOpen() const { return connected() && !anyBlockArrived_; }
    bool allowsRare() const { return ownAllowsRare_; }
    bool opponentAllowsRare() const { return dispatcher_.opponentAllowsRare(); }
    // The stage the battle being opened is played on, as far as known: the host's own, on the
    // client the host's block's once it has arrived (nothing before).
    std::optional<int> knownStage() const;
    // This turn's wire numbers (own, opponent's) once TurnReady has been told.
    std::pair<int, int> turnNumbers() const { return {ownNumber_, opponentNumber_}; }
    const Dispatcher& dispatcher() const { return dispatcher_; }
    const Outbox& outbox() const { return outbox_; }

private:
    enum class Phase { Idle, Lobby, Opening, Battle, EndSync, Resuming, Over };
    enum class Step {
        None, Greet, RareChecks, Settings, SendBlock, AwaitPeerKnown, AwaitBlock, BeforeReady, AfterReady,
        AwaitTransfer, BeforeFile, AwaitFile, BeforeStart,
    };

    void post(Event e) { onEvent_(e); }
    void wait(Step next, int ms, WaitKind kind);
    void startOpening();
    void advance();
    void sendBlock();
    void handle(Arrival& arrival);
    void onSettings(const SettingsBlock& block);
    void onMonster(LoadedMonster monster);
    void bothBlocks();
    void stopOpening(const std::string& reason);
    void resetOpening(bool keepPeerBlock);
    void openingStoppedByPeer(const std::string& reason);
    void setChatOpen(bool open);
    void sendPending();
    void maybeTurnReady();
    void endSyncTick();
    void commandAcknowledged();
    void finish();
    void fail(const std::string& message);
    void compareHash(int wireTurnNumber);
    void peerResumes(const TurnHash& peer);
    void resumeFrom(const TurnHash& peer);
    void updateFraming();
    bool peerIsOlder() const { return dispatcher_.settingsReceived() && !peer_; }
    void send(std::string_view message) { outbox_.send(message); }

    Transport& transport_;
    ExchangeOptions options_;
    std::function<void(const Event&)> onEvent_;
    Dispatcher dispatcher_;
    Outbox outbox_;

    Phase phase_ = Phase::Idle;
    Phase resumePhase_ = Phase::Battle;  // where a resumed connection continues
    Step step_ = Step::None;

    // The connection.
    std::string peerAddress_;
    bool peerDiffers_ = false;
    std::optional<Announcement> peer_;   // the opponent's announcement (nothing: an older program)
    bool greeted_ = false;
    bool anyBlockArrived_ = false;
    bool ownAllowsRare_ = false;
    bool versionWarned_ = false;
    bool refusalShown_ = false;
    bool largeFileNoteSeen_ = false;
    bool awaitingStopAck_ = false;       // we stopped an opening: the opponent's old messages go
    bool chatOpen_ = true;

    // The battle being opened or played.
    bool confirmed_ = false;
    OutgoingMonster own_;
    BattleSettings settings_;            // the host's: chosen here, or adopted from its block
    BattleSettings ownSettings_;         // what this side's block carries
    int32_t seed_ = 0;
    uint64_t secret_ = 0;                // ours for this battle, sent in field 9
    bool blockSent_ = false;
    bool noteSent_ = false;
    std::optional<LoadedMonster> opponent_;

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
    std::map<int, uint64_t> ownHashes_;    // by wire turn number
    std::map<int, uint64_t> peerHashes_;
    int lastVerifiedTurn_ = -1;            // the last turn whose hashes matched
    bool finishedSent_ = false;
    bool endSynchronised_ = false;
};

}  // namespace vex::net
