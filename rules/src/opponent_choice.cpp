#include "vexmora/rules/opponent_choice.h"

#include <algorithm>

#include "vexmora/battle/battle_settings.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/numbers.h"
#include "vexmora/rules/mode_policy.h"

namespace vex {

const char* const kChampionTitles[2] = {"第一回大会優勝者", "第二回大会優勝者"};

std::vector<fs::path> listMonsterFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (hasExtension(entry.path(), ".tvx") && entry.is_regular_file(ec)) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::optional<OpponentChoice> loadOpponentFile(const fs::path& file) {
    auto loaded = loadMonster(file);
    if (!loaded || loaded->integrity == Integrity::SystemTampered) return std::nullopt;
    if (refuseFighter(kEliminationLoading, 1, loaded->record)) return std::nullopt;
    OpponentChoice choice;
    choice.record = std::move(loaded->record);
    choice.picture = std::move(loaded->picture);
    choice.file = file;
    return choice;
}

EliminationRun::EliminationRun(fs::path programFolder, std::vector<fs::path> opponents)
    : programFolder_(std::move(programFolder)), opponents_(std::move(opponents)) {}

Result<OpponentChoice> chooseMysteryChallenger(Rng& rng, const fs::path& programFolder,
                                               std::string_view playerUnlockCodes, const OpponentLoader& load) {
    const double r2 = rng.draw();
    std::string file;
    OpponentChoice extras;
    if (r2 >= 0.5) {
        const int champion = static_cast<double>(rng.draw()) < 0.5 ? 0 : 1;
        file = champion == 0 ? "System\\system.003" : "System\\system.004";
        extras.announcement = std::string(kChampionTitles[champion]) + "\r\nのモンスターが挑んできた！";
    } else if (playerUnlockCodes.find('P') != std::string_view::npos) {
        file = "System\\system.002";
        extras.announcement = kMysteryAnnouncement;
        extras.stage = kMysteryStage;
        extras.hp = 3000;
    } else {
        file = "System\\system.001";
        extras.announcement = kMysteryAnnouncement;
        extras.stage = kMysteryStage;
        extras.tune = OwnTune::Challenger;
    }
    const fs::path path = resolveIn(programFolder, file);
    std::optional<OpponentChoice> loaded = load(path);
    if (!loaded) return Error{"エラー", "\r\nエラーが発生しました\r\n" + path.string() + " を読み込めません", false};
    loaded->mystery = true;
    loaded->announcement = extras.announcement;
    loaded->stage = extras.stage;
    loaded->hp = extras.hp;
    loaded->tune = extras.tune;
    return *loaded;
}

Result<OpponentChoice> EliminationRun::nextOpponent(Rng& rng, std::string_view playerUnlockCodes,
                                                    const OpponentLoader& load) {
    const double r = rng.draw();
    if (r >= 0.97 && winCount_ > 0) {
        ++winCount_;
        return chooseMysteryChallenger(rng, programFolder_, playerUnlockCodes, load);
    }
    ++winCount_;
    if (opponents_.empty()) return Error{"エラー", "対戦相手のデータがありません（Data フォルダ）"};
    // Draw files until one loads. A folder where none loads would draw forever: after a
    // generous number of draws, the files are tried in order once.
    const size_t n = opponents_.size();
    for (size_t attempt = 0; attempt < 8 * n + 16; ++attempt) {
        const size_t index = std::min(static_cast<size_t>(intFloor(rng.draw() * static_cast<double>(n))), n - 1);
        if (auto choice = load(opponents_[index])) return *choice;
    }
    for (const fs::path& file : opponents_)
        if (auto choice = load(file)) return *choice;
    return Error{"エラー", "対戦できるモンスターがいません（Data フォルダ）"};
}

std::string EliminationRun::windowCaption() const {
    if (winCount_ < 2) return "ＴＸ（勝ち抜き戦）";
    return "ＴＸ（勝ち抜き戦 " + std::to_string(winCount_ - 1) + " 勝中）";
}

}  // namespace vex
