#pragma once
// The network battle's mode policy. The player loads only their own monster; the opponent, the
// settings and the seed come from the opening exchange with the other program (net/ settles
// them and hands them over with setBattle). After a battle against another machine the network
// counters, the history, the rating and, when the option says so, "結果.txt" are kept.

#include <optional>
#include <string>

#include "vexmora/rules/mode_policy.h"
#include "vexmora/report/result_record.h"
#include "vexmora/rules/net_rating.h"

namespace vex {

// What the opening exchange settled: the same battle in both programs.
struct NetworkBattle {
    BattleSettings settings;  // the host's, with battleMode 3 and isHost set
    int32_t seed = 0;
    MonsterRecord opponent;
    std::string opponentPicture;
    std::string ownHandle;
    std::string opponentHandle;  // without control characters
    bool peerDiffers = false;    // the peer's address is not our own
    // The opponent player's network rating as its program told it; an older program tells
    // none, and counts as a newcomer.
    int opponentRating = kStartingNetRating;
};

// A network battle: the player's own monster, no system data; a rare monster's reseed is left
// out, because both programs must draw the same numbers.
inline constexpr LoadRules kNetworkLoading{{false, false}, std::nullopt, false, false, true};

class NetworkPolicy final : public ModePolicy {
public:
    explicit NetworkPolicy(fs::path programFolder) : programFolder_(std::move(programFolder)) {}
    // "結果.txt" is written when the system option says so; its questions go to `dialogs`.
    void setResultOutput(bool on, Dialogs* dialogs) {
        resultOutput_ = on;
        dialogs_ = dialogs;
    }

    int16_t mode() const override { return kModeNetwork; }
    bool canLoad(int side) const override { return side == 0 && !opening_; }
    bool needsOpponentLoaded() const override { return false; }
    const LoadRules& loadRules() const override { return kNetworkLoading; }
    CommandInput commandInput(const BattleSettings&) const override { return CommandInput::Network; }
    Result<std::optional<OpponentChoice>> nextOpponent(const MonsterRecord& player) override;
    std::optional<int32_t> sharedSeed() const override;
    BattleSettings battleSettings(const BattleSettings& chosen) const override;
    std::optional<RecordKeeping> recordKeeping(const BattleSettings& settings) const override;
    void describeEnd(EndOfBattle& end) const override;
    void battleFinished(const EndOfBattle& end) override;
    std::string windowCaption() const override { return "ネット対戦"; }
    std::string readyHint(bool hasFighter0, bool hasFighter1) const override;

    // The opening exchange runs (決定 pressed): the own monster stays as it is.
    void setOpening(bool opening) { opening_ = opening; }
    bool opening() const { return opening_; }
    // The exchange is done: the next スタート plays this battle.
    void setBattle(NetworkBattle battle) { battle_ = std::move(battle); }
    const std::optional<NetworkBattle>& battle() const { return battle_; }

    // The "結果.txt" record of a battle.
    ResultRecordInput resultRecord(const EndOfBattle& end) const;

private:
    fs::path programFolder_;
    bool resultOutput_ = false;
    Dialogs* dialogs_ = nullptr;
    bool opening_ = false;
    std::optional<NetworkBattle> battle_;
};

}  // namespace vex
