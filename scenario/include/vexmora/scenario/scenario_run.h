#pragma once
// Playing a scenario: its bosses one after another, each checked against the scenario file,
// with its stage, its story page and — when the scenario allows it — a rare mystery
// challenger now and then.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "vexmora/data/dialogs.h"
#include "vexmora/data/result.h"
#include "vexmora/data/rng.h"
#include "vexmora/data/scenario_file.h"
#include "vexmora/rules/opponent_choice.h"

namespace vex {

inline constexpr const char* kScenarioErrorTitle = "シナリオエラー";
inline constexpr const char* kBadBossMessage = "不正なボスキャラが設定されています";

inline constexpr const char* kMissingBossTitle = "エラー";

// Loads a boss file as fighter 1 of a scenario battle. A boss that cannot fight gives the message
// of its own failure, and every such failure ends the game: a missing file "ボスデータがありません",
// tampered system data "不正に改造されたデータの可能性があります。" (読み込みエラー), any other
// reading error "エラーが発生しました" with its reason.
using BossLoader = std::function<Result<OpponentChoice>(const fs::path&)>;
Result<OpponentChoice> loadBossFile(const fs::path& file);
// The message of a boss file that is not there.
std::string missingBossText(const fs::path& file);

// Shows a story page and returns when it was closed.
using StoryPageShower = std::function<void(const std::string& address)>;

struct ScenarioBattle {
    OpponentChoice opponent;       // the boss (or a mystery challenger) with its stage and music
    int entry = -1;                // the scenario entry fought, -1 for a mystery challenger
    std::string storyPage;         // shown before the battle, "" for none
};

// Every set entry has been beaten: the run is over.
struct ScenarioCleared {};

using ScenarioStep = std::variant<ScenarioBattle, ScenarioCleared>;

// What follows a scenario battle.
enum class ScenarioNext {
    NextBattle,    // on to the next entry
    Retry,         // a continue: the same entry again
    RunOver,       // GAME OVER, or the player gave up
    EndingFirst,   // the ninth battle won with too many continues: the boss never comes
    EndingSecond,  // the boss of the tenth battle beaten
};

class ScenarioRun {
public:
    // `base` is the scenario's folder and name without ".sce".
    explicit ScenarioRun(fs::path base, fs::path programFolder);

    // The next battle of the run. The generator must already be seeded. A boss's story page is
    // shown through `showPage` before its file is loaded. Every battle has its stage: the boss's,
    // the mystery challenger's, or a random one (kRandomStage) — never the one chosen in the
    // settings. Errors that end the game (a boss that does not load or does not match its entry)
    // carry endsGame.
    Result<ScenarioStep> nextBattle(Rng& rng, std::string_view playerUnlockCodes, const BossLoader& load = loadBossFile,
                                    const StoryPageShower& showPage = {});

    int winCount() const { return winCount_; }
    int continuesUsed() const { return continues_; }
    // A continue after a defeat: the same entry is fought again.
    void retryAfterDefeat(bool countsAsContinue);
    // The continue handling after a battle; asks the player through `dialogs`.
    ScenarioNext afterBattle(int winner, bool playerFellByOwnAction, Dialogs& dialogs);
    void reset();

    const fs::path& base() const { return base_; }
    fs::path bossFile(int entry) const;
    // The scenario's continue limits, as last read (6 = unlimited / none).
    int continueLimit() const { return continueLimit_; }
    int bossContinueLimit() const { return bossContinueLimit_; }

private:
    fs::path base_;
    fs::path programFolder_;
    std::array<int, kScenarioBossCount> enemyOrder_{};
    int winCount_ = 0;
    int continues_ = 0;
    bool specialIntrusion_ = false;
    int continueLimit_ = 0;
    int bossContinueLimit_ = 0;
    bool lastWasMystery_ = false;
};

}  // namespace vex
