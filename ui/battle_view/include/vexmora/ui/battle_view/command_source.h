#pragma once
// Command sources: where a battle's turns come from. The session opens the input when the
// battle waits for a turn; the source answers the player's clicks and keys or the spectator
// clock and hands the turn's two commands back. One source per kind of input:
//
//   RowClicks       fighter 0's command rows clicked; the computer plays fighter 1
//   KeyGrid         two players at one keyboard, each with a column of keys
//   SpectatorClock  the computer plays both, one turn per tick of the clock
//   ReplayCommands  a replay's commands, one turn per tick, each turn's hash checked
//   NetworkPeer     the player's click goes to the network battle driver; the turn plays once
//                   the opponent's command has come (makeNetworkPeer)

#include <QString>
#include <array>
#include <memory>
#include <vector>

#include "vexmora/battle/battle.h"
#include "vexmora/rules/mode_policy.h"
#include "vexmora/ui/battle_model/display_model.h"

namespace vex::net {
class BattleDriver;
}

namespace vex::ui {

// What a source may do with the session while the input is open.
class TurnInput {
public:
    virtual ~TurnInput() = default;
    virtual Battle& battleInPlay() = 0;
    virtual DisplayModel& display() = 0;
    // Plays the turn with these commands (the computer's sides are chosen by the battle).
    virtual void playTurn(Command fighter0, Command fighter1) = 0;
    virtual void confirmSound() = 0;
    virtual void showHelp(const QString& text) = 0;
    virtual void refresh() = 0;
    // The spectator clock ticks once after its interval.
    virtual void armClock() = 0;
    // A replay no longer agrees with the battle it plays.
    virtual void replayDiverged(int turn) = 0;
};

class CommandSource {
public:
    virtual ~CommandSource() = default;
    // The battle waits for the next turn's commands.
    virtual void open(TurnInput& input) = 0;
    virtual void clickRow(TurnInput&, int /*row*/) {}
    virtual void keyPressed(TurnInput&, int /*characterCode*/) {}
    virtual void clockTick(TurnInput&) {}
    // The network peer's command has come: the turn may play.
    virtual void peerReady(TurnInput&) {}
    // The result waits until the end of the battle has been agreed with the peer.
    virtual bool resultWaits() const { return false; }
    // How many command lists answer the mouse: fighter 0's, both players', or none.
    virtual int listsForMouse() const { return 0; }
    // Whether a side's row help may show (a player who has chosen keeps the choice hidden).
    virtual bool showsHelpFor(int side) const { return side < listsForMouse(); }
    // Both players' lists stand still while they choose.
    virtual bool bothLists() const { return false; }
    // Turns come from the spectator clock (the CLK button may start one).
    virtual bool clocked() const { return false; }
};

// The source of a mode's command input (a network battle's is makeNetworkPeer's; without a
// driver the player's clicks play against the computer).
std::unique_ptr<CommandSource> makeCommandSource(CommandInput input, const ModePolicy& policy);
std::unique_ptr<CommandSource> makeNetworkPeer(std::shared_ptr<net::BattleDriver> driver);

}  // namespace vex::ui
