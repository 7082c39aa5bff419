#pragma once
// A mode policy: what one battle mode decides around the engine. Where the next opponent comes
// from, whether and how fighters are loaded, which command input the battles take, which
// records a battle changes, the window caption and what follows a battle. The battle screen's
// session asks its policy and never the mode number, so a new mode (a scenario, a network
// battle) is a new policy — and, when its commands come from somewhere new, a new command
// source on the screen (docs/battle-screen.md).

#include <memory>
#include <optional>
#include <string>

#include "vexmora/battle/battle_settings.h"
#include "vexmora/data/dialogs.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/result.h"
#include "vexmora/rules/battle_records.h"
#include "vexmora/rules/end_of_battle.h"
#include "vexmora/rules/fighter_checks.h"
#include "vexmora/rules/opponent_choice.h"
#include "vexmora/rules/replay.h"

namespace vex {

// Where a battle's commands come from.
enum class CommandInput {
    Rows,     // fighter 0's command rows, clicked; the computer plays fighter 1
    KeyGrid,  // two players at one keyboard
    Clock,    // the spectator clock: the computer plays both
    Replay,   // a replay file's commands, on the spectator clock
    Network,  // fighter 0's rows clicked; fighter 1's command comes from the network peer
};

// What the title's free battles (either kind) let into their fighters: any monster the points
// allow, no system data.
inline constexpr LoadRules kOpenLoading{};
// An elimination run: system monsters may fight (the run draws them as opponents), none is
// offered in the loading dialog, and the player brings no rare monster but the permitted one.
inline constexpr LoadRules kEliminationLoading{{true, true}, FighterRefusal::RareInElimination, false, true, false};

class ModePolicy {
public:
    virtual ~ModePolicy() = default;

    virtual int16_t mode() const = 0;

    // --- Loading --------------------------------------------------------------------------
    virtual bool canLoad(int side) const = 0;
    // What the mode lets into its fighters; loadFighter, refusal and reseedsAfterLoad apply it.
    virtual const LoadRules& loadRules() const { return kOpenLoading; }
    // Whether スタート needs fighter 1 loaded (a mode that draws opponents does not).
    virtual bool needsOpponentLoaded() const { return true; }
    Result<LoadedMonster> loadFighter(int side, const fs::path& file) const;
    std::optional<DialogRequest> refusal(int side, const MonsterRecord& record) const;
    bool reseedsAfterLoad(const MonsterRecord& record) const;

    // --- The battle -----------------------------------------------------------------------
    virtual CommandInput commandInput(const BattleSettings& settings) const;
    // The opponent the mode chooses for the next battle; nothing keeps the loaded fighter 1.
    virtual Result<std::optional<OpponentChoice>> nextOpponent(const MonsterRecord& player);
    // The generator's state at the battle start; nothing seeds it from the clock.
    virtual std::optional<uint32_t> generatorState() const { return std::nullopt; }
    // The seed both programs of a network battle start from; nothing seeds from the clock.
    virtual std::optional<int32_t> sharedSeed() const { return std::nullopt; }
    // The settings a battle runs under, from those chosen in the settings dialog.
    virtual BattleSettings battleSettings(const BattleSettings& chosen) const { return chosen; }
    // The stages the battle chooses from.
    virtual int stageCount(int programStages) const { return programStages; }
    // Whether the battle may be kept as a replay.
    virtual bool recordsReplay() const { return true; }

    // --- The end --------------------------------------------------------------------------
    // The records the battle changes; nothing for none.
    virtual std::optional<RecordKeeping> recordKeeping(const BattleSettings& settings) const;
    // What the mode knows of the end beyond the battle itself (the network peer's address).
    virtual void describeEnd(EndOfBattle&) const {}
    // The battle and its records are done: a run goes on or ends, a network win is rated. What
    // the screen then offers follows from canLoad, needsOpponentLoaded and winCount.
    virtual void battleFinished(const EndOfBattle&) {}
    // Whether the result shows this end as a win (in blue, with the winner's name): the
    // player's win, and any end a spectator watched.
    virtual bool showsWin(const EndOfBattle& end) const { return end.winner == 0 || end.spectator; }
    // The label of a win the result shows.
    virtual std::string winLabel(const EndOfBattle&) const { return kWinLabel; }
    virtual std::string windowCaption() const { return {}; }
    virtual int winCount() const { return 0; }
    // What a newcomer is told to do next on the battle screen before a battle starts.
    virtual std::string readyHint(bool hasFighter0, bool hasFighter1) const;
};

// The policy of a battle mode the title menu opens (free battles, two players, elimination).
std::unique_ptr<ModePolicy> makeModePolicy(int16_t mode, const fs::path& programFolder);

// Watching a replay: its fighters, settings and commands; no file is touched.
class ReplayPolicy final : public ModePolicy {
public:
    ReplayPolicy(Replay replay, std::array<LoadedMonster, 2> monsters)
        : replay_(std::move(replay)), monsters_(std::move(monsters)) {}
    int16_t mode() const override { return replay_.settings.battleMode; }
    bool canLoad(int) const override { return false; }
    bool needsOpponentLoaded() const override { return false; }
    // Fighter 1 as recorded, with the HP a mystery challenger brought.
    Result<std::optional<OpponentChoice>> nextOpponent(const MonsterRecord&) override {
        OpponentChoice recorded;
        recorded.record = monsters_[1].record;
        recorded.picture = monsters_[1].picture;
        recorded.hp = replay_.opponentHp;
        return std::optional<OpponentChoice>(std::move(recorded));
    }
    BattleSettings battleSettings(const BattleSettings& chosen) const override {
        BattleSettings s = replay_.settings;
        s.animationOn = chosen.animationOn;  // how it looks is the watcher's choice
        return s;
    }
    int stageCount(int) const override { return replay_.stageCount; }
    CommandInput commandInput(const BattleSettings&) const override { return CommandInput::Replay; }
    std::optional<uint32_t> generatorState() const override { return replay_.generatorState; }
    bool recordsReplay() const override { return false; }
    std::optional<RecordKeeping> recordKeeping(const BattleSettings&) const override { return std::nullopt; }
    std::string windowCaption() const override { return "ＴＸ（リプレイ）"; }
    // A replay of two players at one keyboard shows either player's win as a win.
    bool showsWin(const EndOfBattle& end) const override {
        return ModePolicy::showsWin(end) || replay_.settings.battleMode == kModeTwoPlayers;
    }
    const Replay& replay() const { return replay_; }
    const LoadedMonster& monster(int side) const { return monsters_[static_cast<size_t>(side)]; }

private:
    Replay replay_;
    std::array<LoadedMonster, 2> monsters_;
};

}  // namespace vex
