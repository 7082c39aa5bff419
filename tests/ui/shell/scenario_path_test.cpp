// A scenario from start to end as a player meets it: title → エディット → シナリオ作成, three
// bosses made in the monster editor, 保存; then シナリオモード → the chooser → the battle screen
// in scenario mode, battle after battle (with continues) until the ending. And a boss file
// exchanged for another monster of the same name stops the run.

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "modal_watcher.h"
#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/editor/edit_form.h"
#include "vexmora/editor/cp932_line_edit.h"
#include "vexmora/gui/scenario_load_dialog.h"
#include "vexmora/editor/scenario_make_form.h"
#include "vexmora/scenario/scenario_draft.h"
#include "vexmora/gui/monster_sprite.h"
#include "vexmora/ui/battle_view/battle_screen.h"
#include "vexmora/ui/battle_view/scenario_play.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/ui/media/system_options.h"
#include "vexmora/ui/shell/title_window.h"

using namespace vex;
using namespace vex::ui;

namespace {

// Says yes to every question (continue: yes) and keeps what was asked.
class YesDialogs final : public Dialogs {
public:
    DialogAnswer ask(const DialogRequest& request) override {
        asked.push_back(request);
        switch (request.buttons) {
        case DialogButtons::YesNo: return DialogAnswer::Yes;
        case DialogButtons::OkCancel: return DialogAnswer::Ok;
        case DialogButtons::Ok: return DialogAnswer::Ok;
        }
        return DialogAnswer::Ok;
    }
    bool askedText(const std::string& text) const {
        for (const DialogRequest& r : asked)
            if (r.text == text) return true;
        return false;
    }
    std::vector<DialogRequest> asked;
};

struct RecordingPresenter final : ScenarioPresenter {
    std::vector<std::string> pages;
    std::vector<ScenarioNext> endings;
    void showPage(const std::string& address) override { pages.push_back(address); }
    void playEnding(ScenarioNext form) override { endings.push_back(form); }
};

QAbstractButton* buttonNamed(QWidget* root, const QString& text) {
    for (QAbstractButton* b : root->findChildren<QAbstractButton*>())
        if (b->text() == text && b->isVisible()) return b;
    return nullptr;
}

void clickSoon(QAbstractButton* button) {
    QVERIFY(button);
    QTimer::singleShot(0, button, [button] { button->click(); });
}

}  // namespace

class ScenarioPathTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempFolder> home_;
    YesDialogs dialogs_;
    std::shared_ptr<RecordingPresenter> presenter_;
    BattleScreen* battle_ = nullptr;
    bool endGame_ = false;

    void makeHome() {
        home_ = std::make_unique<test::TempFolder>();
        setProgramFolder(home_->path());
        for (const char* folder : {"Data", "Image"})
            fs::copy(fs::path(VEXMORA_GAME_DIR) / folder, *home_ / folder, fs::copy_options::recursive);
        fs::create_directories(*home_ / "Scenario");
        systemOptions() = {};
        systemOptions()[kOptionGameSpeed] = 6;
        presenter_ = std::make_shared<RecordingPresenter>();
        dialogs_.asked.clear();
        endGame_ = false;
    }

    BattleScreenOptions screenOptions(const fs::path& scenarioBase) {
        BattleScreenOptions options;
        options.libraryFolders = {fs::path(VEXMORA_GAME_DIR)};
        options.hooks = SessionHooks::quiet(dialogs_);
        options.hooks.endGame = [this] { endGame_ = true; };
        options.chooseMonster = [this](QWidget*, int) -> std::optional<LoadedFighter> {
            const fs::path file = *home_ / "Data" / "カエンジシ.tvx";
            auto monster = loadMonster(file);
            if (!monster) return std::nullopt;
            return LoadedFighter{file, *monster};
        };
        options.policy = scenarioPolicyFor(scenarioBase, dialogs_, presenter_);
        return options;
    }

    // The battle screen of a scenario, shown with the player's monster loaded.
    std::unique_ptr<BattleScreen> openScenario(const fs::path& scenarioBase) {
        battle_ = new BattleScreen(kModeScenario, QStringLiteral("ＴＸ（シナリオ）"), dialogs_, screenOptions(scenarioBase));
        battle_->show();
        if (battle_->ready()) battle_->loadFighter(0);
        return std::unique_ptr<BattleScreen>(battle_);
    }

    // Battles, the computer playing the player's side, until `done` or a run that cannot go on.
    void playUntil(const std::function<bool()>& done) {
        BattleSession& session = battle_->session();
        session.settings().spectatorMode = kTrue;
        session.settings().turnLimit = 15;
        session.applySettings();
        session.setClockInterval(2);
        QSignalSpy finished(&session, &BattleSession::battleFinished);
        for (int battle = 0; battle < 40 && !done() && !endGame_; ++battle) {
            QVERIFY(session.canStart());
            const int before = finished.count();
            battle_->startAction()->trigger();
            if (endGame_) break;
            QTRY_VERIFY_WITH_TIMEOUT(finished.count() > before, 90000);
        }
    }

    void fillScenario(ScenarioMakeForm* form) {
        form->nameBox()->setText(QStringLiteral("三つの試練"));
        form->commentBox()->setText(QStringLiteral("三体のボスに挑む"));
        form->continueList()->setCurrentIndex(6);  // ∞
        form->clearUrlBox()->setText(QStringLiteral("clear.html"));
        form->bossUrlBox(1)->setText(QStringLiteral("story1.html"));
        form->stageList(3)->setCurrentIndex(form->stageList(3)->findData(-1));
        picks_ = {"もげげ.tvx", "アワプク.tvx", "オバケノン.tvx"};
        // Each boss button opens the monster editor; the watcher saves it and it closes.
        for (int boss = 1; boss <= 3; ++boss) form->bossButton(boss)->click();
        form->button(QStringLiteral("保存"))->click();
        scenarioSaved_ = !form->hasUnsavedEdits();
        form->button(QStringLiteral("終了"))->click();
    }

    std::vector<std::string> picks_;
    bool filling_ = false;
    bool scenarioSaved_ = false;

private slots:
    void initTestCase() { installGameFont(); }

    void aScenarioIsMadeChosenAndPlayedToItsEnding() {
        makeHome();
        EditorHooks hooks = standardEditorHooks(dialogs_);
        hooks.chooseMonsterFile = [this](QWidget*, int) {
            if (picks_.empty()) return std::string();
            const std::string next = (*home_ / "Data" / picks_.front()).string();
            picks_.erase(picks_.begin());
            return next;
        };
        TitleScreens screens;
        screens.editMenu = gameEditMenuEntries(dialogs_, hooks);
        fs::path chosen;
        screens.chooseScenario = [&](QWidget* parent) {
            const std::optional<fs::path> base = chooseScenario(parent, dialogs_);
            chosen = base.value_or(fs::path());
            return base.has_value();
        };
        screens.openBattleScreen = [&](int mode, const QString& caption) {
            QCOMPARE(mode, int(kModeScenario));
            battle_ = new BattleScreen(static_cast<int16_t>(mode), caption, dialogs_, screenOptions(chosen));
            QVERIFY(battle_->ready());
            battle_->show();
        };
        TitleWindow title(screens);
        title.show();

        int editMenuVisits = 0;
        test::ModalWatcher watcher([&](QWidget* modal) {
            const QString name = modal->objectName();
            if (name == QStringLiteral("EDITmenu")) {
                clickSoon(buttonNamed(modal, ++editMenuVisits == 1 ? QStringLiteral("シナリオ作成") : QStringLiteral("終了")));
            } else if (auto* form = qobject_cast<ScenarioMakeForm*>(modal)) {
                // Active again after each boss: filled once.
                if (!filling_) QTimer::singleShot(0, form, [this, form] { fillScenario(form); });
                filling_ = true;
            } else if (auto* editor = qobject_cast<EditForm*>(modal)) {
                QTimer::singleShot(0, editor, [editor] { editor->button(QStringLiteral("保存"))->click(); });
            } else if (auto* chooser = qobject_cast<ScenarioLoadDialog*>(modal)) {
                const auto rows = chooser->list()->findItems(QStringLiteral("三つの試練.sce"), Qt::MatchExactly);
                QCOMPARE(rows.size(), 1);
                chooser->select(chooser->list()->row(rows.first()));
                QCOMPARE(chooser->commentLabel()->text(), QStringLiteral("三体のボスに挑む"));
                clickSoon(chooser->loadButton());
            }
        });

        QTest::mouseClick(&title, Qt::LeftButton, {}, QPoint(320, 100));
        QTRY_VERIFY(!title.busy());
        QTest::mouseClick(title.menuButton(kMenuEdit), Qt::LeftButton);
        // The menu's second visit is the way out, once the scenario editor has closed.
        QTRY_VERIFY_WITH_TIMEOUT(scenarioSaved_ && editMenuVisits == 2, 60000);
        QVERIFY(fs::exists(*home_ / "Scenario" / "三つの試練.sce"));
        QVERIFY(fs::exists(*home_ / "Scenario" / "三つの試練.b03"));
        QTRY_VERIFY_WITH_TIMEOUT(title.menuButton(kMenuScenario)->isEnabled(), 30000);

        QTest::mouseClick(title.menuButton(kMenuScenario), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(battle_ != nullptr, 30000);
        // Declared before the screen's owner: the screen may still tell of pictures while it closes.
        std::vector<std::string> opponents;
        std::unique_ptr<BattleScreen> owner(battle_);
        QCOMPARE(battle_->windowTitle(), QStringLiteral("ＴＸ（シナリオ）"));
        QCOMPARE(chosen, *home_ / "Scenario" / "三つの試練");
        battle_->loadFighter(0);
        QVERIFY(battle_->session().hasFighter(0));
        QVERIFY(!battle_->session().canLoad(1));  // the scenario brings the opponents

        connect(&battle_->session(), &BattleSession::pictureChanged, &battle_->session(), [&](int side) {
            if (side == 1 && battle_->session().fighter(1))
                opponents.push_back(battle_->session().fighter(1)->monster.record.name);
        });
        playUntil([&] { return !presenter_->endings.empty(); });
        QCOMPARE(presenter_->endings.size(), size_t(1));
        QCOMPARE(int(presenter_->endings[0]), int(ScenarioNext::EndingSecond));
        QVERIFY(!opponents.empty());
        QCOMPARE(opponents.front(), std::string("もげげ"));
        QCOMPARE(opponents.back(), std::string("オバケノン"));
        QCOMPARE(presenter_->pages.front(), std::string("story1.html"));
        QCOMPARE(presenter_->pages.back(), std::string("clear.html"));
        QVERIFY(!endGame_);
        battle_->close();
    }

    void theEndingRollRestsThenStartsItsMusicAndShowsTheStaffAndThanks() {
        QCOMPARE(EndingRoll(ScenarioNext::EndingSecond, {}).restingMs(), 2000);
        EndingRoll* rolling = nullptr;
        int musicStarts = 0;
        QString shownAtMusic = QStringLiteral("not yet");
        EndingRoll roll(ScenarioNext::EndingSecond, [&] {
            ++musicStarts;
            shownAtMusic = rolling->shownText();
        }, 1);
        rolling = &roll;
        QCOMPARE(musicStarts, 0);  // silence while the screen rests
        QStringList shown;
        QTimer sample;
        connect(&sample, &QTimer::timeout, this, [&] {
            if (shown.isEmpty() || shown.back() != roll.shownText()) shown.append(roll.shownText());
        });
        sample.start(1);
        QTimer::singleShot(20000, &roll, &QDialog::reject);  // a roll that never ends fails below
        QCOMPARE(roll.exec(), int(QDialog::Accepted));
        QVERIFY(shown.contains(QStringLiteral("TARVEX\n\nSTAFF")));
        QVERIFY(shown.back().endsWith(QStringLiteral("Thank you for playing!")));
        QCOMPARE(musicStarts, 1);
        QCOMPARE(shownAtMusic, QString());  // the music comes first, then the title
    }

    void aBossWhosePictureDoesNotReadEndsTheRunAfterItsStoryPage() {
        makeHome();
        ScenarioDraft d;
        d.name = "色褪せ";
        d.continueLimit = 6;
        auto boss = loadMonster(*home_ / "Data" / "もげげ.tvx");
        QVERIFY(boss.ok());
        QVERIFY(!boss->record.imageFile.empty());
        boss->record.makerVersion() = "9.99";
        boss->record.makerName() = displayMakerName(*boss);
        const fs::path bossPath = *home_ / "Scenario" / bossFileName(d.name, 1);
        QVERIFY(saveMonster(bossPath, boss->record, "these bytes are no picture").ok());
        d.bosses[0] = {true, boss->record.name, boss->record.checksum(), 0, "story1.html"};
        QVERIFY(saveScenarioDraft(*home_ / "Scenario", d).ok());

        const std::unique_ptr<BattleScreen> owner = openScenario(*home_ / "Scenario" / "色褪せ");
        QVERIFY(battle_->session().hasFighter(0));
        battle_->startAction()->trigger();
        QTRY_VERIFY(endGame_);
        QCOMPARE(presenter_->pages, std::vector<std::string>{"story1.html"});
        QCOMPARE(dialogs_.asked.back().title, std::string("エラー"));
        QCOMPARE(dialogs_.asked.back().text,
                 "\r\nエラーが発生しました\r\n有効なアイコンではありません\r\n" +
                     gui::MonsterPicture("these bytes are no picture").refusal() + "\r\n" + bossPath.string());
    }

    void anExchangedBossStopsTheRun() {
        makeHome();
        ScenarioDraft d;
        d.name = "すり替え";
        d.continueLimit = 6;
        for (int i = 0; i < 2; ++i) {
            auto boss = loadMonster(*home_ / "Data" / (i == 0 ? "もげげ.tvx" : "アワプク.tvx"));
            QVERIFY(boss.ok());
            boss->record.makerVersion() = "9.99";
            boss->record.makerName() = displayMakerName(*boss);
            const Status saved = saveMonster(*home_ / "Scenario" / bossFileName(d.name, i + 1), boss->record, boss->picture);
            QVERIFY2(saved.ok(), saved.ok() ? "" : saved.error().message.c_str());
            d.bosses[static_cast<size_t>(i)] = {true, boss->record.name, boss->record.checksum(), 0, ""};
        }
        QVERIFY(saveScenarioDraft(*home_ / "Scenario", d).ok());
        // Boss 2 exchanged: another monster under the same name.
        auto impostor = loadMonster(*home_ / "Data" / "メカガード.tvx");
        QVERIFY(impostor.ok());
        impostor->record.name = "アワプク";
        impostor->record.makerVersion() = "9.99";
        impostor->record.makerName() = displayMakerName(*impostor);
        QVERIFY(saveMonster(*home_ / "Scenario" / "すり替え.b02", impostor->record, impostor->picture).ok());

        const std::unique_ptr<BattleScreen> owner = openScenario(*home_ / "Scenario" / "すり替え");
        QVERIFY(battle_->session().hasFighter(0));
        playUntil([] { return false; });
        QVERIFY(endGame_);
        QVERIFY(dialogs_.askedText("不正なボスキャラが設定されています"));
        QCOMPARE(dialogs_.asked.back().title, std::string("シナリオエラー"));
        QCOMPARE(battle_->session().winCount(), 2);
    }
};

QTEST_MAIN(ScenarioPathTest)
#include "scenario_path_test.moc"
