// The policies of the battle modes the title menu opens.

#include <algorithm>

#include "vexmora/data/rng.h"
#include "vexmora/rules/fighter_checks.h"
#include "vexmora/rules/mode_policy.h"
#include "vexmora/rules/network_policy.h"

namespace vex {

Result<LoadedMonster> ModePolicy::loadFighter(int side, const fs::path& file) const {
    return loadFighterFile(loadRules(), side, file);
}

std::optional<DialogRequest> ModePolicy::refusal(int side, const MonsterRecord& record) const {
    return refuseFighter(loadRules(), side, record);
}

bool ModePolicy::reseedsAfterLoad(const MonsterRecord& record) const {
    return vex::reseedsAfterLoad(loadRules(), record);
}

CommandInput ModePolicy::commandInput(const BattleSettings& settings) const {
    return settings.spectatorMode == kTrue ? CommandInput::Clock : CommandInput::Rows;
}

Result<std::optional<OpponentChoice>> ModePolicy::nextOpponent(const MonsterRecord&) {
    return std::optional<OpponentChoice>{};
}

std::optional<RecordKeeping> ModePolicy::recordKeeping(const BattleSettings& settings) const {
    RecordKeeping keeping;
    keeping.save = settings.spectatorMode != kTrue;  // a watched battle only counts
    return keeping;
}

std::string ModePolicy::readyHint(bool hasFighter0, bool hasFighter1) const {
    if (!hasFighter0) return "まずは「1Ｐロード」で、戦わせるモンスターを読み込んでください。";
    if (!hasFighter1) return "次に「2Ｐロード」で、対戦相手のモンスターを読み込んでください。";
    return "準備ができました。「スタート」で対戦が始まります。（「設定」でＨＰやターン数を変えられます）";
}

namespace {

// フリー対戦(vsCOM): the player against a loaded monster the computer plays.
class FreeBattlePolicy final : public ModePolicy {
public:
    int16_t mode() const override { return kModeFree; }
    bool canLoad(int) const override { return true; }
};

// フリー対戦(vsMAN): two players at one keyboard; both records count.
class TwoPlayerPolicy final : public ModePolicy {
public:
    int16_t mode() const override { return kModeTwoPlayers; }
    bool canLoad(int) const override { return true; }
    // Either player's win is a win.
    bool showsWin(const EndOfBattle&) const override { return true; }
    CommandInput commandInput(const BattleSettings&) const override { return CommandInput::KeyGrid; }
    std::string readyHint(bool hasFighter0, bool hasFighter1) const override {
        if (!hasFighter0) return "まずは「1Ｐロード」で、1人目のモンスターを読み込んでください。";
        if (!hasFighter1) return "次に「2Ｐロード」で、2人目のモンスターを読み込んでください。";
        return "準備ができました。「スタート」で対戦が始まります。1Ｐは左、2Ｐは右のキーでコマンドを選びます。";
    }
    std::optional<RecordKeeping> recordKeeping(const BattleSettings& settings) const override {
        RecordKeeping keeping = *ModePolicy::recordKeeping(settings);
        keeping.countSecondPlayer = true;
        return keeping;
    }
};

// 勝ち抜き戦: opponents drawn from the data folder until the player loses.
class EliminationPolicy final : public ModePolicy {
public:
    explicit EliminationPolicy(const fs::path& programFolder)
        : run_(programFolder, listMonsterFiles(resolveIn(programFolder, "Data"))) {}

    int16_t mode() const override { return kModeElimination; }
    // The run draws the opponents, and keeps the player's monster once it began.
    bool canLoad(int side) const override { return side == 0 && run_.winCount() == 0; }
    bool needsOpponentLoaded() const override { return false; }
    const LoadRules& loadRules() const override { return kEliminationLoading; }

    Result<std::optional<OpponentChoice>> nextOpponent(const MonsterRecord& player) override {
        processRng().reseedFromClock();
        Result<OpponentChoice> next = run_.nextOpponent(processRng(), player.unlockCodes());
        if (!next) {
            run_.setWinCount(std::max(0, run_.winCount() - 1));
            return next.error();
        }
        return std::optional<OpponentChoice>(std::move(*next));
    }

    void battleFinished(const EndOfBattle& end) override {
        if (end.winner != 0) run_.reset();  // a defeat ends the run
    }
    // From the second win on, the label counts the run's wins: "3ＷＩＮ！！".
    std::string winLabel(const EndOfBattle& end) const override {
        return end.winCount > 1 ? std::to_string(end.winCount) + kWinLabel : kWinLabel;
    }
    std::string windowCaption() const override { return run_.windowCaption(); }
    std::string readyHint(bool hasFighter0, bool) const override {
        if (!hasFighter0) return "まずは「1Ｐロード」で、勝ち抜き戦に挑むモンスターを読み込んでください。";
        if (run_.winCount() > 0) return "「スタート」で次の相手が現れます。";
        return "準備ができました。「スタート」で勝ち抜き戦が始まります。相手は Data フォルダから現れます。";
    }
    int winCount() const override { return run_.winCount(); }

private:
    EliminationRun run_;
};

}  // namespace

std::unique_ptr<ModePolicy> makeModePolicy(int16_t mode, const fs::path& programFolder) {
    switch (mode) {
    case kModeTwoPlayers: return std::make_unique<TwoPlayerPolicy>();
    case kModeElimination: return std::make_unique<EliminationPolicy>(programFolder);
    case kModeNetwork: return std::make_unique<NetworkPolicy>(programFolder);
    default: return std::make_unique<FreeBattlePolicy>();
    }
}

}  // namespace vex
