// The command sources of the battle screen.

#include <QCoreApplication>

#include "vexmora/ui/battle_view/command_source.h"

#include "vexmora/net/battle_driver.h"
#include "vexmora/ui/battle_model/command_rows.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/ui/battle_view/row_help_line.h"

namespace vex::ui {

namespace {

class RowClicks final : public CommandSource {
public:
    void open(TurnInput&) override {}
    void clickRow(TurnInput& input, int row) override {
        if (row < 0 || row > kDoNothingRow) return;
        Battle& battle = input.battleInPlay();
        if (row != kDoNothingRow && !battle.slotUsable(0, row)) return;
        const Command command = row == kDoNothingRow ? Command::nothingFromClick()
                                                     : Command::fromSlot(battle.fighter(0).record, row);
        input.confirmSound();
        input.playTurn(command, Command::nothing());
    }
    int listsForMouse() const override { return 1; }
};

class KeyGrid final : public CommandSource {
public:
    void open(TurnInput&) override {}
    void keyPressed(TurnInput& input, int code) override {
        const std::optional<GridKey> key = gridKey(code);
        if (!key) return;
        const int f = key->player;
        const auto fi = static_cast<size_t>(f);
        if (chosen_[fi]) return;  // a player who has chosen keeps the choice
        Battle& battle = input.battleInPlay();
        if (key->preview) {
            const SlotFacts& row = input.display().side[fi].facts.rows[static_cast<size_t>(key->row)];
            input.showHelp(rowHelpLine(key->row, row.info));
            return;
        }
        if (key->row == kDoNothingRow) {
            commands_[fi] = Command::nothing();
        } else {
            if (!battle.slotUsable(f, key->row)) return;
            commands_[fi] = Command::fromSlot(battle.fighter(f).record, key->row);
        }
        chosen_[fi] = true;
        input.display().commands.chosen[fi] = true;
        input.refresh();
        if (chosen_[0] && chosen_[1]) {
            chosen_ = {};
            input.confirmSound();
            // The two players' lists stand aside while the turn plays.
            input.display().commands.shown = false;
            input.playTurn(commands_[0], commands_[1]);
        }
    }
    int listsForMouse() const override { return 2; }
    bool showsHelpFor(int side) const override { return side >= 0 && side < 2 && !chosen_[static_cast<size_t>(side)]; }
    bool bothLists() const override { return true; }

private:
    std::array<bool, 2> chosen_{};
    std::array<Command, 2> commands_{};
};

class SpectatorClock final : public CommandSource {
public:
    void open(TurnInput& input) override { input.armClock(); }
    void clockTick(TurnInput& input) override { input.playTurn(Command::nothing(), Command::nothing()); }
    bool clocked() const override { return true; }
};

class ReplayCommands final : public CommandSource {
public:
    explicit ReplayCommands(std::vector<ReplayTurn> turns) : turns_(std::move(turns)) {}
    void open(TurnInput& input) override {
        if (next_ < turns_.size()) input.armClock();
    }
    void clockTick(TurnInput& input) override {
        if (next_ >= turns_.size()) return;
        const ReplayTurn& turn = turns_[next_++];
        const int number = static_cast<int>(next_);
        Battle& battle = input.battleInPlay();
        letComputerChoose(battle.settings(), turn);
        input.playTurn(turn.commands[0].value_or(Command::nothing()), turn.commands[1].value_or(Command::nothing()));
        if (battle.stateHash() != turn.hash) {
            next_ = turns_.size();
            input.replayDiverged(number);
        }
    }
    bool clocked() const override { return true; }

private:
    std::vector<ReplayTurn> turns_;
    size_t next_ = 0;
};

// A network battle: the player's click goes to the driver, and the turn plays once the peer's
// command is there. Both programs turn each wire number into the command the same way, the
// sender's own included, so both feed the engine the same commands.
class NetworkPeer final : public CommandSource {
public:
    explicit NetworkPeer(std::shared_ptr<net::BattleDriver> driver) : driver_(std::move(driver)) {}
    void open(TurnInput&) override { chosen_ = false; }
    void clickRow(TurnInput& input, int row) override {
        if (chosen_ || row < 0 || row > kDoNothingRow) return;
        Battle& battle = input.battleInPlay();
        if (row != kDoNothingRow && !battle.slotUsable(0, row)) return;
        const Command command = row == kDoNothingRow ? Command::nothingFromClick()
                                                     : Command::fromSlot(battle.fighter(0).record, row);
        chosen_ = true;
        input.confirmSound();
        input.showHelp(QCoreApplication::translate("vex::ui::BattleScreen", "相手のコマンドを待っています…"));
        input.refresh();
        driver_->chooseCommand(command);
    }
    void peerReady(TurnInput& input) override {
        if (!chosen_) return;
        Battle& battle = input.battleInPlay();
        const net::TurnCommands commands = driver_->turnCommands(battle);
        input.playTurn(commands.own, commands.opponent);
        driver_->turnPlayed(battle);
    }
    bool holdsResult(int winner) override {
        if (released_ || !driver_ || driver_->exchange().endSynchronised()) return false;
        heldWinner_ = winner;
        return true;
    }
    void releaseResult(TurnInput& input) override {
        released_ = true;
        if (!heldWinner_) return;
        const int winner = *heldWinner_;
        heldWinner_.reset();
        input.showResult(winner);
    }
    int listsForMouse() const override { return chosen_ ? 0 : 1; }

private:
    std::shared_ptr<net::BattleDriver> driver_;
    bool chosen_ = false;
    std::optional<int> heldWinner_;  // the result waits for the end to be agreed
    bool released_ = false;
};

}  // namespace

std::unique_ptr<CommandSource> makeNetworkPeer(std::shared_ptr<net::BattleDriver> driver) {
    return std::make_unique<NetworkPeer>(std::move(driver));
}

std::unique_ptr<CommandSource> makeReplayCommands(std::vector<ReplayTurn> turns) {
    return std::make_unique<ReplayCommands>(std::move(turns));
}

std::unique_ptr<CommandSource> makeCommandSource(CommandInput input) {
    switch (input) {
    case CommandInput::Rows: return std::make_unique<RowClicks>();
    case CommandInput::KeyGrid: return std::make_unique<KeyGrid>();
    case CommandInput::Clock: return std::make_unique<SpectatorClock>();
    case CommandInput::Network: return std::make_unique<RowClicks>();
    // A replay without its turns (they come with makeReplayCommands) is only watched.
    case CommandInput::Replay: return std::make_unique<SpectatorClock>();
    }
    return std::make_unique<RowClicks>();
}

}  // namespace vex::ui
