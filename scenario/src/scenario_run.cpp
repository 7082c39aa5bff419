#include "vexmora/scenario/scenario_run.h"

#include "vexmora/data/monster_file.h"
#include "vexmora/data/numbers.h"
#include "vexmora/data/text.h"
#include "vexmora/scenario/scenario_policy.h"

namespace vex {

std::string missingBossText(const fs::path& file) {
    return "\r\n ボスデータがありません" + file.string() + "\r\n 勝ち抜き戦を中断します ";
}

Result<OpponentChoice> loadBossFile(const fs::path& file) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return Error{kMissingBossTitle, missingBossText(file), true};
    auto loaded = loadFighterFile(kScenarioLoading, 1, file);
    if (!loaded) {
        Error failed = loaded.error();
        failed.endsGame = true;  // a scenario cannot go on without its boss
        return failed;
    }
    OpponentChoice boss;
    boss.record = std::move(loaded->record);
    boss.picture = std::move(loaded->picture);
    boss.file = file;
    return boss;
}

ScenarioRun::ScenarioRun(fs::path base, fs::path programFolder)
    : base_(std::move(base)), programFolder_(std::move(programFolder)) {
    reset();
}

void ScenarioRun::reset() {
    winCount_ = 0;
    continues_ = 0;
    for (int e = 0; e < kScenarioBossCount; ++e) enemyOrder_[e] = e;
}

fs::path ScenarioRun::bossFile(int entry) const {
    return base_.parent_path() / bossFileName(base_.filename().string(), entry + 1);
}

void ScenarioRun::retryAfterDefeat(bool countsAsContinue) {
    // A mystery challenger did not advance the run; a boss entry did.
    if (!lastWasMystery_ && winCount_ > 0) --winCount_;
    if (countsAsContinue) ++continues_;
}

ScenarioNext ScenarioRun::afterBattle(int winner, bool playerFellByOwnAction, Dialogs& dialogs) {
    constexpr int kUnlimited = 6;
    if (winner == 0) {
        if (winCount_ == 9 && bossContinueLimit_ != kUnlimited && continues_ > bossContinueLimit_)
            return ScenarioNext::EndingFirst;
        if (winCount_ >= kScenarioBossCount) return ScenarioNext::EndingSecond;
        return ScenarioNext::NextBattle;
    }
    if ((continueLimit_ != kUnlimited && continues_ >= continueLimit_) || winCount_ >= kScenarioBossCount) {
        dialogs.ask({"GAME OVER", "　　　あなたは負けてしまいました。　　　\r\n\r\n　　　　　Ｇ Ａ Ｍ Ｅ　 Ｏ Ｖ Ｅ Ｒ",
                     DialogIcon::Information, DialogButtons::Ok});
        reset();
        return ScenarioNext::RunOver;
    }
    const DialogAnswer answer = dialogs.ask({"コンティニュー：" + std::to_string(continues_),
                                             "　　　あなたは負けてしまいました。\r\n\r\n　　　　　　再戦しますか？",
                                             DialogIcon::Question, DialogButtons::YesNo});
    if (answer == DialogAnswer::Yes) {
        retryAfterDefeat(!playerFellByOwnAction);
        return ScenarioNext::Retry;
    }
    reset();
    return ScenarioNext::RunOver;
}

Result<ScenarioStep> ScenarioRun::nextBattle(Rng& rng, std::string_view playerUnlockCodes, const BossLoader& load,
                                             const StoryPageShower& showPage) {
    if (winCount_ == 0)
        for (int e = 0; e < kScenarioBossCount; ++e) enemyOrder_[e] = e;
    lastWasMystery_ = false;
    if (winCount_ > 0 && specialIntrusion_ && rng.draw() >= 0.97) {
        const OpponentLoader loadChallenger = [&load](const fs::path& file) -> std::optional<OpponentChoice> {
            auto loaded = load(file);
            if (!loaded) return std::nullopt;
            return std::move(*loaded);
        };
        auto mystery = chooseMysteryChallenger(rng, programFolder_, playerUnlockCodes, loadChallenger);
        if (!mystery) return mystery.error();
        lastWasMystery_ = true;
        // A champion brings no stage of its own: it is drawn at random.
        if (!mystery->stage) mystery->stage = kRandomStage;
        ScenarioBattle battle;
        battle.opponent = std::move(*mystery);
        return ScenarioStep{std::move(battle)};
    }

    fs::path scenarioPath = base_;
    scenarioPath += ".sce";
    auto record = readScenario(scenarioPath);
    if (!record) return record.error();
    specialIntrusion_ = leadingNumber(record->specialIntrusion) != 0;
    continueLimit_ = static_cast<int>(leadingNumber(record->continueLimit));
    bossContinueLimit_ = static_cast<int>(leadingNumber(record->bossContinueLimit));

    // Entries marked "NO ENTRY" are skipped; when none is left the scenario is cleared.
    while (winCount_ < kScenarioBossCount) {
        ++winCount_;
        const int e = enemyOrder_[winCount_ - 1];
        const std::string name(trimRight(record->bossName[e]));
        if (name == kNoEntry) continue;

        ScenarioBattle battle;
        battle.entry = e;
        battle.storyPage = std::string(trimRight(record->bossUrl[e]));
        // The story comes first; the boss is loaded once its page was closed.
        if (!battle.storyPage.empty() && showPage) showPage(battle.storyPage);

        auto boss = load(bossFile(e));
        if (!boss) return boss.error();
        if (boss->record.name != name || boss->record.checksum() != trimRight(record->bossChecksum[e]))
            return Error{kScenarioErrorTitle, kBadBossMessage, true};
        boss->stage = sat16(leadingNumber(record->bossStage[e]));
        if (winCount_ == kScenarioBossCount) boss->tune = OwnTune::FinalBoss;
        battle.opponent = std::move(*boss);
        return ScenarioStep{std::move(battle)};
    }
    return ScenarioStep{ScenarioCleared{}};
}

}  // namespace vex
