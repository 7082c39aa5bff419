#include "vexmora/scenario/scenario_policy.h"

#include "vexmora/data/text.h"

namespace vex {

ScenarioPolicy::ScenarioPolicy(fs::path base, fs::path programFolder, Dialogs& dialogs,
                               std::shared_ptr<ScenarioPresenter> presenter, BossLoader load)
    : run_(std::move(base), std::move(programFolder)),
      dialogs_(dialogs),
      presenter_(std::move(presenter)),
      load_(std::move(load)) {}

Result<std::optional<OpponentChoice>> ScenarioPolicy::nextOpponent(const MonsterRecord& player) {
    processRng().reseedFromClock();
    const StoryPageShower showPage = [this](const std::string& address) {
        if (presenter_) presenter_->showPage(address);
    };
    Result<ScenarioStep> step = run_.nextBattle(processRng(), player.unlockCodes(), load_, showPage);
    if (!step) return step.error();
    if (std::holds_alternative<ScenarioCleared>(*step)) {
        // Nothing is left to fight (only reached when the scenario changed under the run).
        run_.reset();
        return Error{"シナリオ", "このシナリオにはもう戦う相手がいません"};
    }
    ScenarioBattle& battle = std::get<ScenarioBattle>(*step);
    entry_ = battle.entry;
    return std::optional<OpponentChoice>(std::move(battle.opponent));
}

bool ScenarioPolicy::entriesLeft() const {
    fs::path file = run_.base();
    file += ".sce";
    auto record = readScenario(file);
    if (!record) return true;  // the next battle start tells what is wrong
    for (int e = run_.winCount(); e < kScenarioBossCount; ++e)
        if (trimRight(record->bossName[e]) != kNoEntry) return true;
    return false;
}

void ScenarioPolicy::finishRun(ScenarioNext how) {
    fs::path file = run_.base();
    file += ".sce";
    auto record = readScenario(file);
    run_.reset();
    entry_ = -1;
    if (!presenter_) return;
    if (how == ScenarioNext::EndingFirst || how == ScenarioNext::EndingSecond) presenter_->playEnding(how);
    if (!record) return;
    const std::string page(trimRight(how == ScenarioNext::RunOver ? record->failUrl : record->clearUrl));
    if (!page.empty()) presenter_->showPage(page);
}

void ScenarioPolicy::battleFinished(const EndOfBattle& end) {
    ScenarioNext next = run_.afterBattle(end.winner, end.side[0].selfFelled, dialogs_);
    // A scenario with fewer than ten bosses ends with its last set boss.
    if (next == ScenarioNext::NextBattle && entry_ >= 0 && !entriesLeft()) next = ScenarioNext::EndingSecond;
    if (next != ScenarioNext::NextBattle && next != ScenarioNext::Retry) finishRun(next);
}

std::string ScenarioPolicy::readyHint(bool hasFighter0, bool) const {
    if (!hasFighter0) return "まずは「1Ｐロード」で、シナリオに挑むモンスターを読み込んでください。";
    if (run_.winCount() > 0) return "「スタート」で次の敵が現れます。";
    return "準備ができました。「スタート」でシナリオが始まります。";
}

}  // namespace vex
