#pragma once
// The receiving side of a connection: fed with the bytes of each arrival, it says what
// arrived. No sockets and no clocks: the caller feeds it and acts on what it returns.
//
// What one message is:
//   - While an older program's monster file is expected (after its "%77"), the next bytes up
//     to the size its settings block announced are the file; bytes beyond it are what follows.
//     A vexmora program sends its file framed, in pieces ("%92").
//   - From a program that announced itself (announcement.h) a message may come framed: the
//     frame byte, five digits of length, the message. It is complete when all its bytes are
//     there, however the connection cut them.
//   - Anything else is one arrival: everything one data arrival brings is one message, as
//     the written protocol has it (an arrival from a vexmora program ends early where a frame
//     begins). A settings block is the one message gathered over several arrivals: a "%44"
//     without its "*END" is continued by the arrivals that follow without "%". What follows
//     a block's "*END" in the same arrival is a message of its own.
// So a text typed by a player never becomes a message of its own: framed it is a chat line
// whatever it holds, and unframed the whole arrival is the chat line.
//
// Every piece the receiver holds is bounded: one frame, one settings block, one monster file.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "vexmora/battle/battle_state.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/net/messages.h"
#include "vexmora/net/settings_block.h"

namespace vex::net {

// The longest settings block the receiver gathers, and the longest chat line it keeps.
inline constexpr size_t kMaxHeldBytes = 4096;
inline constexpr size_t kMaxChatLineBytes = 600;

namespace arrived {
struct Chat { std::string text; };              // a line for the chat list (UTF-8, cleaned)
struct RareAllowed {};                          // the opponent-allows-rare flag was set
struct RareRefused {};                          // ... cleared
struct Command { int number = 0; };             // 1-6 for this turn, accepted; "%10" is queued
struct Reply { std::string message; };          // send this message back
struct Acknowledged {};                         // "%10"
struct Settings { SettingsBlock block; };       // the opponent's block of this battle
struct TransferStarted {};                      // "%77": the opponent's monster file comes next
struct TransferProgress { int percent = 0; };   // of the opponent's monster file
struct Monster { LoadedMonster monster; };      // the file, complete and decoded
struct MonsterUnreadable { std::string reason; };
struct OpponentFinished {};                     // "%55"
struct Line { int side = 1; std::string text; };  // "/s": side 1 (the opponent's); "/r": side 0
struct PeerHash { TurnHash turnHash; };         // "%88"
struct PeerResume { TurnHash turnHash; };       // "%89"
struct OpeningStopped { std::string reason; };  // "%91"
struct OpeningStopAck {};                       // "%93"
struct LargeFileNote {};                        // "%90"
struct VersionRefused {};                       // "#01"
struct Failure { std::string message; };        // cannot be accepted: end the connection
}  // namespace arrived

using Arrival = std::variant<arrived::Chat, arrived::RareAllowed, arrived::RareRefused, arrived::Command,
                             arrived::Reply, arrived::Acknowledged, arrived::Settings, arrived::TransferStarted,
                             arrived::TransferProgress, arrived::Monster, arrived::MonsterUnreadable,
                             arrived::OpponentFinished, arrived::Line, arrived::PeerHash, arrived::PeerResume,
                             arrived::OpeningStopped, arrived::OpeningStopAck, arrived::LargeFileNote, arrived::VersionRefused,
                             arrived::Failure>;

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
    std::vector<Arrival> openForTurn(int turnsPlayed);

    // One arrival of bytes.
    std::vector<Arrival> feed(std::string_view bytes);

    // Whether the opponent announced itself in its first settings block (announcement.h): its
    // messages may come framed from then on.
    bool peerFrames() const { return peerFrames_; }

    // The next battle on this connection (after one ended, or an opening that stopped): its
    // settings block, files and commands are new; the opponent's permission for rare monsters
    // and its announcement stay.
    void newBattle();
    // A connection made again after a drop: bytes of the old one that never completed go.
    void newConnection();

    bool opponentAllowsRare() const { return opponentAllowsRare_; }
    bool opponentFinished() const { return opponentFinished_; }
    void clearOpponentFinished() { opponentFinished_ = false; }
    bool settingsReceived() const { return settings_.has_value(); }
    const std::optional<SettingsBlock>& settings() const { return settings_; }
    bool inTransfer() const { return transferring_; }
    size_t heldBytes() const { return pending_.size() + blockBuffer_.size() + file_.size(); }

private:
    size_t unframed(std::string_view unit, std::vector<Arrival>& out);
    void dispatch(std::string_view message, std::vector<Arrival>& out);
    void command(std::string_view t, int number, std::vector<Arrival>& out);
    void takeFileBytes(std::string_view bytes, std::vector<Arrival>& out);
    void acceptSettings(std::string_view blockText, std::vector<Arrival>& out);
    void fail(std::vector<Arrival>& out, std::string message);

    std::string pending_;      // a frame not complete yet, or the start of a short message
    std::string blockBuffer_;  // a settings block gathered over several arrivals
    bool blockOpen_ = false;
    std::string file_;         // the monster file received so far
    int64_t expectedSize_ = 0;
    bool transferring_ = false;
    bool failed_ = false;
    bool peerFrames_ = false;
    bool blockSeen_ = false;   // a settings block has come on this connection
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
