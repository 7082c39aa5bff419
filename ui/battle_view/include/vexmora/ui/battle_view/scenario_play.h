#pragma once
// Scenario play on the battle screen: the screen's side of the scenario policy — story, clear and
// fail pages in Browse, and the ending roll after the last boss.

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

#include "vexmora/data/dialogs.h"
#include "vexmora/rules/mode_policy.h"
#include "vexmora/scenario/scenario_policy.h"

class QLabel;
class QTimer;

namespace vex::ui {

inline constexpr const char* kEndingMusic = "MIDI\\通常.mid";

// The ending: the screen rests, then the ending music starts with the title and "STAFF", then
// the credits roll, closing with "Thank you for playing!". A click or a key ends it early.
class EndingRoll : public QDialog {
    Q_OBJECT
public:
    // `stepMs` paces the roll (the opening waits are 2000 and 2500 ms at 100). `startMusic` is
    // called when the first wait is over.
    EndingRoll(ScenarioNext form, std::function<void()> startMusic, int stepMs = 100, QWidget* parent = nullptr);
    QString shownText() const;
    // How long the screen rests before the music and the title.
    int restingMs() const { return stepMs_ * 20; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void next();

    std::function<void()> startMusic_;
    QLabel* text_ = nullptr;
    QTimer* timer_ = nullptr;
    int stepMs_;
    size_t line_ = 0;
};

// The credits of the roll, in order.
const std::vector<std::string>& endingCredits();

class ScreenScenarioPresenter final : public ScenarioPresenter {
public:
    // `scenarioFolder`: the folder of the scenario's ".sce", the only one its pages are shown from.
    ScreenScenarioPresenter(Dialogs& dialogs, std::function<void(const std::string&)> startMusic,
                            fs::path scenarioFolder = {});
    void showPage(const std::string& address) override;
    void playEnding(ScenarioNext form) override;

private:
    Dialogs& dialogs_;
    std::function<void(const std::string&)> startMusic_;
    fs::path scenarioFolder_;
};

// A scenario boss as the battle screen takes it: the boss file's checks, and a picture the
// battle can draw ("エラーが発生しました" with "有効なアイコンではありません" ends the game).
Result<OpponentChoice> loadScenarioBoss(const fs::path& file);

// The battle screen's policy for the chosen scenario (`base`: its folder and name without ".sce").
std::function<std::unique_ptr<ModePolicy>()> scenarioPolicyFor(fs::path base, Dialogs& dialogs,
                                                               std::shared_ptr<ScenarioPresenter> presenter);

}  // namespace vex::ui
