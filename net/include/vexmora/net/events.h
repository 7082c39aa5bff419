#pragma once
// What a network battle tells the program that plays it (the game's window, vexmora-cli), in
// the order it happens. One kind each; the driver (battle_driver.h) says what to do in reply.

#include <string>
#include <variant>

#include "vexmora/data/monster_record.h"
#include "vexmora/rules/network_policy.h"

namespace vex::net {

namespace ev {
struct Connected {};                            // a peer is there (not after a resumption)
struct Chat { std::string text; };              // a line for the chat list
struct Notice { std::string text; };            // a line about the exchange for the chat list
struct ChatOpen { bool open = true; };          // chat can be sent (not while the files travel)
struct TransferProgress { int percent = 0; };   // the opponent's monster file, received so far
struct VersionWarning {};                       // the opponent's version differs (once a connection)
struct VersionRefused {};                       // "#01" (once a connection)
// Host: call settingsChosen(). The tournament rules cannot be chosen while the opponent,
// whose settings have come, allows rare monsters.
struct SettingsWanted { bool opponentAllowsRare = false; };
struct SettingsReceived { std::string opponentHandle; };
struct TransferStarted {};                      // the opponent's monster file comes next
struct MonsterReceived { std::string name; };   // and has arrived, and may fight
// The opening of this battle stopped (a monster or setting refused here or by the opponent);
// the player may confirm again. An older program cannot be stopped: Failed follows.
struct OpeningStopped { std::string reason; bool here = true; };
struct BattleReady {                            // start the battle, then choose the first command
    NetworkBattle battle;
    MonsterRecord own;                          // fighter 0 as the opponent holds it
};
struct OpponentChose {};                        // its command for this turn has been accepted
struct TurnReady {};                            // play the turn: turnCommands(), then turnPlayed()
struct CommandWanted { int turn = 0; };         // the next turn's own command
struct LineArrived { int side = 0; std::string text; };  // a battle line for the next turn start
struct Resuming {};                             // the connection dropped during the battle
struct Resumed { int turn = 0; };
struct Desync { int turn = 0; };                // the state hashes differ after this turn
struct Finished {};                             // both programs have finished the battle: the result
struct Failed { std::string text; };            // the connection is over
}  // namespace ev

using Event = std::variant<ev::Connected, ev::Chat, ev::Notice, ev::ChatOpen, ev::TransferProgress,
                           ev::VersionWarning, ev::VersionRefused, ev::SettingsWanted, ev::SettingsReceived,
                           ev::TransferStarted, ev::MonsterReceived, ev::OpeningStopped, ev::BattleReady,
                           ev::OpponentChose, ev::TurnReady, ev::CommandWanted, ev::LineArrived, ev::Resuming,
                           ev::Resumed, ev::Desync, ev::Finished, ev::Failed>;

}  // namespace vex::net
