#include "vexmora/ui/battle_view/scenario_play.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "vexmora/data/paths.h"
#include "vexmora/editor/editor_rules.h"
#include "vexmora/ui/browse/browse.h"
#include "vexmora/gui/monster_sprite.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/gui/text.h"

namespace vex::ui {

using gui::qtText;

const std::vector<std::string>& endingCredits() {
    static const std::vector<std::string> credits = {
        "GAME DESIGN", "vexmora team", "", "PROGRAM", "vexmora team", "", "GRAPHICS", "vexmora team", "",
        "MUSIC & SOUND", "vexmora team", "", "SCENARIO", "the scenario's maker", "", "SPECIAL THANKS",
        "every monster maker", "", "Thank you for playing!",
    };
    return credits;
}

EndingRoll::EndingRoll(ScenarioNext form, std::function<void()> startMusic, int stepMs, QWidget* parent)
    : QDialog(parent), startMusic_(std::move(startMusic)), stepMs_(stepMs) {
    setObjectName(QStringLiteral("Ending"));
    setWindowTitle(tr("ＥＮＤＩＮＧ"));
    setModal(true);
    setFixedSize(420, 360);
    setStyleSheet(QStringLiteral("QDialog#Ending { background: black; } QLabel { color: #f0ecd8; }"));
    text_ = new QLabel;
    text_->setAlignment(Qt::AlignCenter);
    text_->setWordWrap(true);
    QFont font = text_->font();
    font.setPointSize(14);
    text_->setFont(font);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    // The short ending (the boss never appeared) says so before the roll.
    if (form == ScenarioNext::EndingFirst)
        text_->setText(tr("……ボスは現れなかった"));
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &EndingRoll::next);
    timer_->start(restingMs());  // the screen rests 2000 ms first, in silence
}

QString EndingRoll::shownText() const { return text_->text(); }

void EndingRoll::next() {
    const auto& credits = endingCredits();
    if (line_ == 0 && text_->text() != QStringLiteral("TARVEX\n\nSTAFF")) {
        if (startMusic_) startMusic_();
        text_->setText(QStringLiteral("TARVEX\n\nSTAFF"));
        timer_->start(stepMs_ * 25);
        return;
    }
    if (line_ >= credits.size()) {
        accept();
        return;
    }
    // Three lines at a time roll upwards.
    QString shown;
    for (size_t i = line_; i < std::min(credits.size(), line_ + 3); ++i) shown += qtText(credits[i]) + QLatin1Char('\n');
    text_->setText(shown.trimmed());
    ++line_;
    timer_->start(line_ >= credits.size() ? stepMs_ * 30 : stepMs_ * 10);
}

void EndingRoll::mousePressEvent(QMouseEvent*) { accept(); }
void EndingRoll::keyPressEvent(QKeyEvent*) { accept(); }

ScreenScenarioPresenter::ScreenScenarioPresenter(Dialogs& dialogs, std::function<void(const std::string&)> startMusic,
                                                 fs::path scenarioFolder)
    : dialogs_(dialogs), startMusic_(std::move(startMusic)), scenarioFolder_(std::move(scenarioFolder)) {}

void ScreenScenarioPresenter::showPage(const std::string& address) {
    openBrowse(QApplication::activeWindow(), address, scenarioFolder_);
}

void ScreenScenarioPresenter::playEnding(ScenarioNext form) {
    const auto music = [this] {
        if (startMusic_) startMusic_(kEndingMusic);
    };
    EndingRoll roll(form, music, 100, QApplication::activeWindow());
    roll.exec();
}

Result<OpponentChoice> loadScenarioBoss(const fs::path& file) {
    auto boss = loadBossFile(file);
    if (!boss) return boss;
    // A boss's picture that the decoder refuses ends the run like any other reading error of the
    // boss; the message names the limit the picture broke.
    const gui::MonsterPicture picture(boss->picture);
    if (picture.refused())
        return Error{kMissingBossTitle, "\r\nエラーが発生しました\r\n" + std::string(kNotAPictureText) + "\r\n" +
                                            picture.refusal() + "\r\n" + file.string(),
                     true};
    return boss;
}

std::function<std::unique_ptr<ModePolicy>()> scenarioPolicyFor(fs::path base, Dialogs& dialogs,
                                                               std::shared_ptr<ScenarioPresenter> presenter) {
    return [base = std::move(base), &dialogs, presenter = std::move(presenter)]() -> std::unique_ptr<ModePolicy> {
        return std::make_unique<ScenarioPolicy>(base, programFolder(), dialogs, presenter, loadScenarioBoss);
    };
}

}  // namespace vex::ui
