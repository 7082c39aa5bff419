#pragma once
// A replay: everything that decides a battle, so that it can be played again and checked turn
// by turn — both monster files as they entered the battle, the settings, the stage count, the
// generator at the battle start and each turn's two commands with the state hash after the
// turn. Its file layout is described in docs/replay-format.md.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "vexmora/battle/battle.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/result.h"

namespace vex {

inline constexpr const char* kReplayExtension = ".vxr";
inline constexpr size_t kMaxReplayBytes = 16 << 20;
inline constexpr size_t kMaxReplayTurns = 100000;

struct ReplayFighter {
    std::string fileName;  // the monster file's name, which keys its bytes
    std::string bytes;     // the monster file
};

struct ReplayTurn {
    // A side's command as given to the turn; nothing when the computer chose it.
    std::array<std::optional<Command>, 2> commands{};
    uint64_t hash = 0;  // Battle::stateHash() after the turn
};

struct Replay {
    std::string programVersion;
    BattleSettings settings;         // as the battle ran (the stage a mode forces included)
    int stageCount = kStageCountWithoutList;
    uint32_t generatorState = 0;     // the generator right after the battle start seeded it
    std::optional<int16_t> opponentHp;  // HP a mystery challenger brings
    std::array<ReplayFighter, 2> fighters;
    std::vector<ReplayTurn> turns;
};

std::string writeReplayText(const Replay& replay);
// Reads a replay; anything damaged or out of range gives an Error with the reason.
Result<Replay> parseReplay(std::string_view text);
Result<Replay> readReplay(const fs::path& path);
Status saveReplay(const fs::path& path, const Replay& replay);

// The two monsters of a replay, decoded and checked.
Result<std::array<LoadedMonster, 2>> replayMonsters(const Replay& replay);

// A replay's battle, started: fighters, settings, the forced HP, the generator and the stage
// count as recorded. `rng` is set to the recorded state.
std::unique_ptr<Battle> startReplayBattle(const Replay& replay, const std::array<LoadedMonster, 2>& monsters, Rng& rng,
                                          BattleView& view, BattleStatistics& statistics);
// The computer chooses for the sides it chose for when the turn was recorded.
void letComputerChoose(BattleSettings& settings, const ReplayTurn& turn);
// Plays one recorded turn.
void playReplayTurn(Battle& battle, const ReplayTurn& turn);

// Records a battle as it is played.
class ReplayRecorder {
public:
    // Right after the battle was seeded, before it starts (the start settles a random stage
    // into the settings). Fails when a fighter cannot be written as a monster file.
    Status begin(const Battle& battle, const std::array<const LoadedMonster*, 2>& monsters, uint32_t generatorState,
                 int stageCount, std::optional<int16_t> opponentHp);
    // After each turn: what was given to it, and who the computer chose for.
    void turnPlayed(const Battle& battle, Command fighter0, Command fighter1);
    bool recording() const { return replay_.has_value(); }
    const std::optional<Replay>& replay() const { return replay_; }
    void clear() { replay_.reset(); }

private:
    std::optional<Replay> replay_;
};

}  // namespace vex
