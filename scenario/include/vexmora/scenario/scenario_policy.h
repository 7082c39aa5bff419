#pragma once
// The battle screen's policy for scenario play: the bosses of a scenario one after another
// (scenario_run.h), a story page before a boss when the scenario names one, the continue
// questions after a defeat, and the ending with the clear page — or the fail page when the run is
// lost. What a person sees beyond message boxes (web pages, the ending roll) is asked of a
// presenter the screen provides.

#include <memory>
#include <string>

#include "vexmora/rules/mode_policy.h"
#include "vexmora/scenario/scenario_run.h"

namespace vex {

inline constexpr const char* kScenarioCaption = "ＴＸ（シナリオ）";

// Scenario play: the bosses are system data, the player's monster is not; every file carries
// its integrity text, an unreadable boss ends the game, and the player brings no rare monster
// but the permitted one.
inline constexpr LoadRules kScenarioLoading{{false, true}, FighterRefusal::RareInScenario, true, true, true};

class ScenarioPresenter {
public:
    virtual ~ScenarioPresenter() = default;
    // Shows a page (a story page, the clear or the fail page) and returns when it was closed.
    virtual void showPage(const std::string& address) = 0;
    // The ending roll after the last boss; returns when it is over.
    virtual void playEnding(ScenarioNext form) = 0;
};

class ScenarioPolicy final : public ModePolicy {
public:
    // `base` is the scenario's folder and name without ".sce".
    ScenarioPolicy(fs::path base, fs::path programFolder, Dialogs& dialogs, std::shared_ptr<ScenarioPresenter> presenter,
                   BossLoader load = loadBossFile);

    int16_t mode() const override { return kModeScenario; }
    // The player's monster is chosen before the run; the scenario brings the opponents.
    bool canLoad(int side) const override { return side == 0 && run_.winCount() == 0; }
    bool needsOpponentLoaded() const override { return false; }
    const LoadRules& loadRules() const override { return kScenarioLoading; }
    Result<std::optional<OpponentChoice>> nextOpponent(const MonsterRecord& player) override;
    void battleFinished(const EndOfBattle& end) override;
    std::string windowCaption() const override { return kScenarioCaption; }
    int winCount() const override { return run_.winCount(); }
    std::string readyHint(bool hasFighter0, bool hasFighter1) const override;

    const ScenarioRun& run() const { return run_; }
    // The entry of the battle being fought, -1 for a mystery challenger.
    int currentEntry() const { return entry_; }

private:
    // After a won battle: whether any set entry is left to fight.
    bool entriesLeft() const;
    void finishRun(ScenarioNext how);

    ScenarioRun run_;
    Dialogs& dialogs_;
    std::shared_ptr<ScenarioPresenter> presenter_;
    BossLoader load_;
    int entry_ = -1;
    bool cleared_ = false;  // every set entry was beaten before the tenth battle
};

}  // namespace vex
