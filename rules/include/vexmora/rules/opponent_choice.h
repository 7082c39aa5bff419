#pragma once
// Who the player fights next in an elimination run: an ordinary opponent drawn from the data
// folder, or — from the second battle on, in about 3 % of the battles — a mystery challenger
// from the system folder.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "vexmora/data/monster_record.h"
#include "vexmora/data/paths.h"
#include "vexmora/data/result.h"
#include "vexmora/data/rng.h"

namespace vex {

inline constexpr const char* kMysteryAnnouncement = "謎の敵が出現しました！！";

// The tune an opponent brings to its battle whatever the stage: the mystery challenger's and a
// scenario's final boss's. Which file plays each is the media's (ui/media/sound_table.h).
enum class OwnTune { None, Challenger, FinalBoss };

// The two former tournament champions, paired with "System\system.003" and "004".
extern const char* const kChampionTitles[2];

struct OpponentChoice {
    MonsterRecord record;
    std::string picture;
    fs::path file;
    bool mystery = false;
    std::string announcement;           // shown before the battle, "" for none
    std::optional<int16_t> stage;       // a stage the choice forces
    std::optional<int16_t> hp;          // HP and maximum HP the choice forces
    OwnTune tune = OwnTune::None;       // battle music the choice forces
};

// Loads a monster file for fighter 1 with the fighter checks; nothing when it is refused.
using OpponentLoader = std::function<std::optional<OpponentChoice>(const fs::path&)>;

// The "*.tvx" files of a folder, sorted by name.
std::vector<fs::path> listMonsterFiles(const fs::path& folder);

// The loader the game uses: loadMonster, then refuseFighter for fighter 1 in elimination mode.
std::optional<OpponentChoice> loadOpponentFile(const fs::path& file);

// A mystery challenger from the program folder's "System" files: draws which one.
Result<OpponentChoice> chooseMysteryChallenger(Rng& rng, const fs::path& programFolder,
                                               std::string_view playerUnlockCodes, const OpponentLoader& load);

class EliminationRun {
public:
    EliminationRun(fs::path programFolder, std::vector<fs::path> opponents);

    // The next opponent. `rng` must already be seeded (from the clock in the game).
    // `playerUnlockCodes` are fighter 0's (a "P" brings the strongest challenger).
    Result<OpponentChoice> nextOpponent(Rng& rng, std::string_view playerUnlockCodes,
                                        const OpponentLoader& load = loadOpponentFile);

    int winCount() const { return winCount_; }
    void setWinCount(int count) { winCount_ = count; }
    // A defeat ends the run.
    void reset() { winCount_ = 0; }

    // "ＴＸ（勝ち抜き戦 N 勝中）" once an opponent has been beaten, else "ＴＸ（勝ち抜き戦）".
    std::string windowCaption() const;

private:
    fs::path programFolder_;
    std::vector<fs::path> opponents_;
    int winCount_ = 0;
};

}  // namespace vex
