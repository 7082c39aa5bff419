#pragma once
// The receiving side of a connection: fed with the bytes of each arrival, it says what
// happened. No sockets and no clocks: the caller feeds it and acts on what it returns.
//
// Framing. A sender hands every message to the connection in one send, with no length and no
// separator, and an older receiver takes each arrival as one message. TCP may join two sends
// or split one, so this receiver cuts the byte stream itself:
//   - the fixed messages are taken by their length: "%10", "%55", "%77" (3 bytes), a command
//     "% Nddd*" (7), "%88"/"%89" + turn + hash (22), waiting for their missing bytes;
//   - a settings block runs from "%44" to the first "*END", however many arrivals it takes;
//   - after "%77" the opponent's monster file is taken by the size its block announced;
//   - any other text ("%00" chat, "/s", "/r", "#01", stray text) runs up to the next
//     "%" that begins one of the messages above, or, when none follows, it is held until
//     more bytes come or the caller says the line went quiet (flush()).
// Every piece the receiver may hold is bounded, so a peer that never ends a text cannot make
// it grow without limit.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "vexmora/battle/battle_state.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/net/messages.h"
#include "vexmora/net/settings_block.h"

namespace vex::net {

// The longest settings block or text the receiver keeps while it waits for its end.
inline constexpr size_t kMaxHeldBytes = 4096;

enum class Arrived {
    Chat,              // text: a line for the chat list
    RareAllowed,       // the opponent-allows-rare flag was set (the chat line follows)
    RareRefused,       // ... cleared
    OpponentCommand,   // number 1-6 for the current turn; "%10" has been queued in Reply
    Reply,             // bytes: send them to the peer
    Acknowledged,      // "%10": stop resending the own command
    Settings,          // settings: the opponent's block was parsed
    VersionWarning,    // the block's version differs from ours (the connection continues)
    TransferStarted,   // "%77": the opponent's monster file comes next
    TransferProgress,  // number: percent received; text: the progress label
    MonsterReceived,   // monster: the opponent's monster, decoded from memory
    OpponentFinished,  // "%55"
    OpponentLine,      // text: the opponent monster's battle line ("/s")
    OwnLine,           // text: the own monster's battle line, echoed back ("/r")
    PeerHash,          // turnHash: "%88"
    PeerResume,        // turnHash: "%89"
    VersionRefused,    // "#01": the peer refuses to play this version
    Failure,           // text: the peer sent what cannot be accepted; end the connection
};

struct ArrivalEvent {
    Arrived kind = Arrived::Chat;
    std::string text;      // UTF-8 (Chat, lines, progress, failure); wire bytes for Reply
    int number = 0;
    SettingsBlock settings;
    TurnHash turnHash;
    LoadedMonster monster;
};

class Dispatcher {
public:
    // What the receiver reads of its program: whether commands are accepted now (the
    // opponent-selecting indicator shows) and the number of turns played.
    void setAcceptingCommands(bool accepting) { accepting_ = accepting; }
    bool acceptingCommands() const { return accepting_; }
    void setTurn(int turn) { turn_ = turn; }
    // Starts accepting the command of the turn after `turnsPlayed` turns. A command for that
    // turn that came while the previous turn was still being played was kept, and is
    // accepted now.
    std::vector<ArrivalEvent> openForTurn(int turnsPlayed);

    // One arrival of bytes.
    std::vector<ArrivalEvent> feed(std::string_view bytes);
    // The line went quiet: a held text is complete.
    std::vector<ArrivalEvent> flush();
    // Whether a text is held that only flush() (or more bytes) completes.
    bool holdingText() const;

    // A new connection (after a drop): bytes of the old one that never completed are dropped.
    void newConnection();

    bool opponentAllowsRare() const { return opponentAllowsRare_; }
    bool opponentFinished() const { return opponentFinished_; }
    void clearOpponentFinished() { opponentFinished_ = false; }
    bool settingsReceived() const { return settings_.has_value(); }
    const std::optional<SettingsBlock>& settings() const { return settings_; }
    bool inTransfer() const { return transferring_; }
    bool monsterReceived() const { return monsterReceived_; }
    size_t heldBytes() const { return pending_.size() + blockBuffer_.size() + file_.size(); }

private:
    void run(std::vector<ArrivalEvent>& out, bool quiet);
    void dispatchText(std::string_view t, std::vector<ArrivalEvent>& out);
    void takeFileBytes(std::vector<ArrivalEvent>& out);
    void acceptSettings(std::string_view blockText, std::vector<ArrivalEvent>& out);
    void fail(std::vector<ArrivalEvent>& out, std::string message);

    std::string pending_;      // bytes not yet cut into messages
    std::string blockBuffer_;  // pieces of a settings block sent as plain texts
    std::string file_;         // the monster file received so far
    int64_t expectedSize_ = 0;
    bool transferring_ = false;
    bool monsterReceived_ = false;
    bool failed_ = false;
    bool accepting_ = false;
    int turn_ = 0;
    int early_ = 0;            // a command for the next turn, kept until that turn (0: none)
    bool opponentAllowsRare_ = false;
    bool opponentFinished_ = false;
    std::optional<SettingsBlock> settings_;
};

// The command for wire number 1-6: a technique slot of the monster, or for 6 the
// technique-less command (technique 99, slot 0, nothing done). Both programs turn the number
// into the command this way, the sender for its own side too, so both feed the same command.
Command commandFromWire(int number, const MonsterRecord& monster);
// The wire number of a command: its slot + 1, or 6 when it does nothing.
int wireNumber(const Command& command);

}  // namespace vex::net
