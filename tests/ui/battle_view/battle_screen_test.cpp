// The battle screen driven as players drive it: clicks on the command rows, the keys of two
// players, the spectator clock, the close box while a turn plays, the settings dialog's
// tournament rules, a whole battle to its result and records, and the elimination run.

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <fstream>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "screen_pictures.h"
#include "temp_folder.h"
#include "vexmora/battle/technique_ids.h"
#include "vexmora/data/display_scale.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/technique_catalogue.h"
#include "vexmora/ui/battle_view/battle_screen.h"
#include "vexmora/ui/battle_model/command_rows.h"
#include "vexmora/ui/battle_view/config_dialog.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/gui/effects.h"
#include "vexmora/gui/text.h"
#include "vexmora/ui/media/sound_table.h"
#include "vexmora/ui/media/system_options.h"

using vex::gui::qtPath;

using namespace vex;
using namespace vex::ui;

class BattleScreenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempFolder> home_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    QList<int> effects_;
    gui::ScopedEffectPlayer effectPlayer_{[this](int effect) { effects_.append(effect); }};
    fs::path replayFile_;

    std::unique_ptr<BattleScreen> makeScreen(int16_t mode) {
        BattleScreenOptions options;
        options.libraryFolders = {fs::path(VEXMORA_GAME_DIR)};
        options.hooks = SessionHooks::quiet(*dialogs_);
        options.chooseReplayFile = [this](QWidget*, BattleScreenOptions::ReplayFile) { return std::optional(replayFile_); };
        auto screen = std::make_unique<BattleScreen>(mode, QStringLiteral("ＴＸ（フリー対戦）"), *dialogs_, options);
        if (!screen->ready()) qFatal("%s", screen->error().c_str());
        screen->session().setClockInterval(5);
        screen->show();
        return screen;
    }

    // Two fighters from files of the data folder.
    void loadBoth(BattleScreen& screen, int16_t slot4 = 99) {
        QVERIFY(screen.session().loadFighterFile(0, test::writeMonsterFile(home_->path(), test::testMonster("ヒダリ", slot4))));
        QVERIFY(screen.session().loadFighterFile(1, test::writeMonsterFile(home_->path(), test::testMonster("ミギ", slot4))));
    }

    static QPoint rowPoint(BattleScreen& screen, int side, int row) {
        const auto widths = screen.composer().rowWidths(screen.session().model(), side);
        const bool twoPlayers = screen.session().battleMode() == kModeTwoPlayers;
        return BattleCanvas::widgetPoint(QPoint(listLeft(side, twoPlayers) + widths[static_cast<size_t>(row)] / 2, rowTop(row) + 10));
    }

    static void clickRow(BattleScreen& screen, int row) {
        QTest::mouseClick(screen.canvas(), Qt::LeftButton, {}, rowPoint(screen, 0, row));
    }

    static bool waitForCommand(BattleSession& session) {
        return QTest::qWaitFor([&] { return session.acceptInput() || !session.battleRunning(); }, 30000);
    }

    // On the indicator: a radio button takes clicks on its mark and caption only.
    static void clickChoice(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    static void setSpeed(int speed) { systemOptions()[kOptionGameSpeed] = static_cast<int16_t>(speed); }

private slots:
    void initTestCase() { installGameFont(); }

    void init() {
        home_ = std::make_unique<test::TempFolder>();
        dialogs_ = std::make_unique<ScriptedDialogs>();
        setProgramFolder(home_->path());
        test::writeStages(home_->path(), 10);
        systemOptions() = {};
        setSpeed(7);  // every scaled wait at no length at all
        effects_.clear();
    }

    void aClickOnAUsableRowPlaysTheTurnAndOtherClicksDoNothing() {
        setSpeed(6);  // a turn takes long enough to click into it
        auto screen = makeScreen(kModeFree);
        BattleSession& session = screen->session();
        loadBoth(*screen);
        QVERIFY(screen->startAction()->isEnabled());
        screen->startAction()->trigger();
        QVERIFY(session.busy());
        QVERIFY(!screen->startAction()->isEnabled());
        QVERIFY(waitForCommand(session));
        QCOMPARE(session.battle()->state().turnCount, int16_t{0});

        clickRow(*screen, 1);  // 攻撃 costs more SP than anyone has
        QVERIFY(!session.busy());
        QVERIFY(session.acceptInput());
        QTest::mouseClick(screen->canvas(), Qt::LeftButton, {}, BattleCanvas::widgetPoint(QPoint(kListLeft, rowTop(0) + 10)));
        QVERIFY(!session.busy());  // the row's left edge is outside it
        QVERIFY(effects_.isEmpty());

        clickRow(*screen, 0);
        QVERIFY(session.busy());
        QVERIFY(!session.acceptInput());
        QCOMPARE(effects_.value(0), gui::kEffectConfirm);
        clickRow(*screen, 0);  // during the turn
        clickRow(*screen, 5);
        QVERIFY(waitForCommand(session));
        QCOMPARE(session.turnsPlayed(), 1);
        QCOMPARE(session.battle()->state().turnCount, int16_t{1});
        QCOMPARE(session.battle()->state().input[0], Command::fromSlot(session.battle()->fighter(0).record, 0));
        QVERIFY(session.model().commands.shown);  // offered again
    }

    void atThreeTimesItsSizeTheFrameIsEnlargedAndARowIsClickedWhereItShows() {
        setSpeed(6);  // a turn takes long enough to click into it
        vex::scaleChoice() = vex::ScaleChoice::Three;
        auto screen = makeScreen(kModeFree);
        vex::scaleChoice() = vex::ScaleChoice::Automatic;
        BattleSession& session = screen->session();
        QCOMPARE(screen->canvas()->size(), QSize(gui::kFrameWidth * 6, gui::kFrameHeight * 6));
        QCOMPARE(screen->canvas()->scale(), 3);
        loadBoth(*screen);
        screen->startAction()->trigger();
        QVERIFY(waitForCommand(session));
        QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
        screen->canvas()->repaint();
        QCOMPARE(screen->composer().pixelScale(), 6);

        // Where row 0 shows at ×3, not where it would be at ×1.
        const auto widths = screen->composer().rowWidths(session.model(), 0);
        const QPoint row0(kListLeft + widths[0] / 2, rowTop(0) + 10);
        QTest::mouseClick(screen->canvas(), Qt::LeftButton, {}, BattleCanvas::widgetPoint(row0, 1));
        QVERIFY(!session.busy());
        QTest::mouseClick(screen->canvas(), Qt::LeftButton, {}, BattleCanvas::widgetPoint(row0, 3));
        QVERIFY(session.busy());
        QVERIFY(waitForCommand(session));
        QCOMPARE(session.turnsPlayed(), 1);
    }

    void theSixthRowMakesFighterZeroDoNothing() {
        auto screen = makeScreen(kModeFree);
        BattleSession& session = screen->session();
        loadBoth(*screen);
        screen->startAction()->trigger();
        QVERIFY(waitForCommand(session));
        clickRow(*screen, kDoNothingRow);
        QVERIFY(waitForCommand(session));
        QCOMPARE(session.turnsPlayed(), 1);
        // Technique 99 from slot 0, doing nothing: as a click on the sixth row sets it.
        const Command given = session.battle()->state().input[0];
        QCOMPARE(given.tech, int16_t{99});
        QCOMPARE(given.slot, int16_t{0});
        QCOMPARE(given.noAction, kTrue);
    }

    void twoPlayersChooseWithTheirKeysAndTheFirstChoiceStays() {
        auto screen = makeScreen(kModeTwoPlayers);
        BattleSession& session = screen->session();
        loadBoth(*screen);
        screen->startAction()->trigger();
        QVERIFY(waitForCommand(session));
        QVERIFY(session.model().commands.twoPlayers);

        clickRow(*screen, 0);  // clicks choose nothing here
        QCOMPARE(session.turnsPlayed(), 0);
        QTest::keyClick(screen.get(), 'A');  // player 0 looks at slot 0
        QVERIFY(screen->helpLabel()->text().contains(QString::fromUtf8(techniqueEntry(0).description.data())));
        QTest::keyClick(screen.get(), 's');  // slot 1 cannot be paid for: ignored
        QVERIFY(!session.model().commands.chosen[0]);
        QTest::keyClick(screen.get(), 'a');
        QVERIFY(session.model().commands.chosen[0]);
        QTest::keyClick(screen.get(), 'c');  // a second choice of player 0 changes nothing
        QTest::keyClick(screen.get(), 'q');  // not a key of the grid
        QCOMPARE(session.turnsPlayed(), 0);
        QVERIFY(!session.busy());

        QTest::keyClick(screen.get(), '\\');  // player 1: do nothing
        QVERIFY(waitForCommand(session));
        QCOMPARE(session.turnsPlayed(), 1);
        const BattleState& state = session.battle()->state();
        QCOMPARE(state.input[0], Command::fromSlot(session.battle()->fighter(0).record, 0));
        QCOMPARE(state.input[1], Command::nothing());
        QVERIFY(!session.model().commands.chosen[0]);  // both choose again
        QCOMPARE(effects_.count(gui::kEffectConfirm), 1);
    }

    void spectatorModePlaysToTheEndWithoutInput() {
        auto screen = makeScreen(kModeFree);
        BattleSession& session = screen->session();
        // バーサーク confuses each fighter every turn, so both attack whatever they choose.
        loadBoth(*screen, tech::kBerserk);
        session.settings().spectatorMode = kTrue;
        session.settings().turnLimit = 30;
        session.applySettings();
        QSignalSpy finished(&session, &BattleSession::battleFinished);
        screen->startAction()->trigger();
        QVERIFY(screen->clockButton()->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
        QVERIFY(session.battleEnded());
        QVERIFY(session.turnsPlayed() >= 1);
        QVERIFY(session.model().result.shown);
        QCOMPARE(session.model().result.label, std::string("ＷＩＮ！！"));  // whoever won
        // The spectator's monster file is not saved.
        auto player = loadMonster(session.fighter(0)->file);
        QVERIFY(player);
        QCOMPARE(player->record.wins + player->record.losses, 0);
        QVERIFY(screen->startAction()->isEnabled());
    }

    void theSpectatorButtonStartsOneTurnAndNothingWhileItPlays() {
        setSpeed(6);
        auto screen = makeScreen(kModeFree);
        BattleSession& session = screen->session();
        session.setClockInterval(60 * 60 * 1000);  // only the button moves the battle on
        loadBoth(*screen);
        session.settings().spectatorMode = kTrue;
        screen->startAction()->trigger();
        QTest::mouseClick(screen->clockButton(), Qt::LeftButton);  // during the start
        QVERIFY(QTest::qWaitFor([&] { return session.clockArmed(); }, 30000));
        QCOMPARE(session.turnsPlayed(), 0);
        QVERIFY(!screen->loadAction(0)->isEnabled());  // no loading into a running battle
        QVERIFY(!screen->settingsAction()->isEnabled());

        QTest::mouseClick(screen->clockButton(), Qt::LeftButton);
        QVERIFY(session.busy());
        QTest::mouseClick(screen->clockButton(), Qt::LeftButton);  // during the turn
        session.clockTick();
        QVERIFY(QTest::qWaitFor([&] { return session.clockArmed() || !session.battleRunning(); }, 30000));
        QCOMPARE(session.turnsPlayed(), 1);
        QCOMPARE(session.battle()->state().turnCount, int16_t{1});
    }

    void closingDuringATurnIsRefused() {
        setSpeed(6);
        auto screen = makeScreen(kModeFree);
        BattleSession& session = screen->session();
        QSignalSpy closed(screen.get(), &BattleScreen::closed);
        loadBoth(*screen);
        screen->startAction()->trigger();
        QVERIFY(session.busy());
        QVERIFY(!screen->close());  // the battle is being set up
        QVERIFY(waitForCommand(session));
        clickRow(*screen, 0);
        QVERIFY(session.busy());
        QVERIFY(!screen->close());
        QVERIFY(screen->isVisible());
        QCOMPARE(closed.count(), 0);
        QVERIFY(waitForCommand(session));
        QVERIFY(screen->close());
        QCOMPARE(closed.count(), 1);
    }

    void tournamentRulesForceHpSpAndTurnsAndLockThem() {
        BattleSettings settings;
        settings.initialHp = 2000;
        settings.initialSp = 100;
        settings.turnLimit = 80;
        const StageList stages = parseStageList(*readWholeFile(home_->path() / "Image" / "Background" / "stagelist.txt", 1 << 16));
        ConfigDialog dialog(settings, stages, home_->path(), *dialogs_, {false});
        dialog.show();
        QVERIFY(dialog.hpButton(2)->isChecked());
        QVERIFY(dialog.stageThumbnail(-1)->isChecked());  // random

        clickChoice(dialog.tournamentBox());
        QVERIFY(dialog.tournamentBox()->isChecked());
        QCOMPARE(dialog.settings().initialHp, int16_t{1000});
        QCOMPARE(dialog.settings().initialSp, int16_t{10});
        QCOMPARE(dialog.settings().turnLimit, int16_t{50});
        QCOMPARE(dialog.settings().stageIndex, kTournamentStage);
        QCOMPARE(dialog.settings().tournamentRules, int16_t{-1});
        QVERIFY(dialog.hpButton(0)->isChecked());
        QVERIFY(dialog.spButton(1)->isChecked());
        QVERIFY(dialog.turnButton(2)->isChecked());
        QVERIFY(dialog.stageThumbnail(kTournamentStage)->isChecked());
        for (QAbstractButton* b : {dialog.hpButton(2), dialog.spButton(2), dialog.turnButton(0)}) QVERIFY(!b->isEnabled());
        QVERIFY(!dialog.stageThumbnail(3)->isEnabled());
        QVERIFY(dialog.spectatorButton(0)->isEnabled());  // the others stay free
        clickChoice(dialog.hpButton(2));
        QCOMPARE(dialog.settings().initialHp, int16_t{1000});

        clickChoice(dialog.tournamentBox());
        QCOMPARE(dialog.settings().tournamentRules, int16_t{0});
        QVERIFY(dialog.hpButton(2)->isEnabled());
        QCOMPARE(dialog.settings().initialHp, int16_t{1000});  // unticking keeps the values
        clickChoice(dialog.hpButton(2));
        QCOMPARE(dialog.settings().initialHp, int16_t{2000});
        clickChoice(dialog.turnButton(0));
        QCOMPARE(dialog.settings().turnLimit, int16_t{0});  // なし: no limit
        dialog.stageThumbnail(3)->click();
        QCOMPARE(dialog.settings().stageIndex, int16_t{3});
    }

    void aBattleAgainstTheComputerEndsWithTheResultAndTheRecords() {
        auto screen = makeScreen(kModeFree);
        BattleSession& session = screen->session();
        loadBoth(*screen, tech::kBerserk);
        session.settings().turnLimit = 30;
        QSignalSpy finished(&session, &BattleSession::battleFinished);
        screen->startAction()->trigger();
        const bool done = QTest::qWaitFor(
            [&] {
                if (session.acceptInput()) clickRow(*screen, 0);
                return finished.count() == 1;
            },
            90000);
        QVERIFY(done);
        const ResultView& result = session.model().result;
        QVERIFY(result.shown);
        const std::string label = result.label;
        QVERIFY(label == "ＷＩＮ！！" || label == "ＬＯＳＥ・・・" || label == "大敗北！！");
        QVERIFY(result.name == "ヒダリ" || result.name == "ミギ");
        // The player's file counts the battle; the computer's does not.
        auto player = loadMonster(session.fighter(0)->file);
        auto opponent = loadMonster(session.fighter(1)->file);
        QVERIFY(player && opponent);
        QCOMPARE(player->record.wins + player->record.losses, 1);
        QCOMPARE(int{player->record.wins}, session.battle()->state().winner == 0 ? 1 : 0);
        QCOMPARE(opponent->record.wins + opponent->record.losses, 0);
        QVERIFY(screen->startAction()->isEnabled());
        QVERIFY(screen->close());
    }

    void eliminationDrawsItsOpponentFromTheDataFolder() {
        test::writeMonsterFile(home_->path(), test::testMonster("アイテ１"));
        test::writeMonsterFile(home_->path(), test::testMonster("アイテ２"));
        const fs::path player = test::writeMonsterFile(home_->path(), test::testMonster("プレイヤー"));
        auto screen = makeScreen(kModeElimination);
        BattleSession& session = screen->session();
        QVERIFY(!screen->loadAction(1)->isEnabled());  // the run draws the opponents
        QVERIFY(!screen->startAction()->isEnabled());
        QVERIFY(session.loadFighterFile(0, player));
        QVERIFY(screen->startAction()->isEnabled());
        screen->startAction()->trigger();
        QVERIFY(session.hasFighter(1));
        const std::string name = session.fighter(1)->monster.record.name;
        QVERIFY(name == "アイテ１" || name == "アイテ２" || name == "プレイヤー");
        QCOMPARE(session.winCount(), 1);
        QCOMPARE(screen->windowTitle(), QStringLiteral("ＴＸ（勝ち抜き戦）"));
        QVERIFY(waitForCommand(session));
        QVERIFY(!screen->loadAction(0)->isEnabled());  // the run keeps the player's monster
    }

    void anEliminationBattleEndsTheRunOrLeadsToTheNextOpponent() {
        MonsterRecord opponent = test::testMonster("アイテ", tech::kBerserk);
        test::writeMonsterFile(home_->path(), opponent);
        const fs::path player = test::writeMonsterFile(home_->path(), test::testMonster("プレイヤー", tech::kBerserk));
        // From the second battle on, a mystery challenger may come from System instead.
        for (int i = 1; i <= 4; ++i)
            test::writeMonsterFileAs(home_->path() / "System" / ("system.00" + std::to_string(i)),
                                     test::testMonster("ナゾ", tech::kBerserk));
        auto screen = makeScreen(kModeElimination);
        BattleSession& session = screen->session();
        QVERIFY(session.loadFighterFile(0, player));
        session.settings().spectatorMode = kTrue;
        session.settings().turnLimit = 30;
        QSignalSpy finished(&session, &BattleSession::battleFinished);
        screen->startAction()->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
        if (session.battle()->state().winner == 0) {
            // The run goes on: the player's monster stays, スタート brings the next opponent.
            QCOMPARE(session.winCount(), 1);
            QVERIFY(!screen->loadAction(0)->isEnabled());
            QVERIFY(screen->startAction()->isEnabled());
            screen->startAction()->trigger();
            QCOMPARE(session.winCount(), 2);
            QVERIFY(screen->windowTitle().startsWith(QStringLiteral("ＴＸ（勝ち抜き戦 ")));
        } else {
            // A defeat ends it.
            QCOMPARE(session.winCount(), 0);
            QCOMPARE(screen->windowTitle(), QStringLiteral("ＴＸ（勝ち抜き戦）"));
            QVERIFY(screen->loadAction(0)->isEnabled());
        }
    }

    void refusedMonstersStayOutOfTheBattle() {
        auto screen = makeScreen(kModeFree);
        BattleSession& session = screen->session();
        MonsterRecord system = test::testMonster("システム");
        system.makerVersion() = "9.99";
        QVERIFY(!session.loadFighterFile(0, test::writeMonsterFile(home_->path(), system)));
        QVERIFY(!session.hasFighter(0));
        QCOMPARE(dialogs_->asked.back().text, std::string("このデータは使用できません"));
        MonsterRecord strong = test::testMonster("ツヨスギ");
        strong.atk = 500;
        strong.def = 300;
        strong.spd = 201;
        QVERIFY(!session.loadFighterFile(1, test::writeMonsterFile(home_->path(), strong)));
        QVERIFY(dialogs_->asked.back().text.find("は不正なデータです。") != std::string::npos);
        QVERIFY(!screen->startAction()->isEnabled());
    }

    void theHelpLineTellsANewcomerWhatComesNext() {
        auto screen = makeScreen(kModeFree);
        BattleSession& session = screen->session();
        QVERIFY(screen->helpLabel()->text().contains(QStringLiteral("1Ｐロード")));
        QVERIFY(!screen->startAction()->isEnabled());
        QVERIFY(session.loadFighterFile(0, test::writeMonsterFile(home_->path(), test::testMonster("ヒダリ", 99))));
        QVERIFY(screen->helpLabel()->text().contains(QStringLiteral("2Ｐロード")));
        QVERIFY(session.loadFighterFile(1, test::writeMonsterFile(home_->path(), test::testMonster("ミギ", 99))));
        QVERIFY(screen->helpLabel()->text().contains(QStringLiteral("スタート")));
        QVERIFY(screen->startAction()->isEnabled());
        screen->startAction()->trigger();
        QVERIFY(!screen->helpLabel()->text().contains(QStringLiteral("スタート")));  // gone once it began

        auto elimination = makeScreen(kModeElimination);
        QVERIFY(elimination->helpLabel()->text().contains(QStringLiteral("勝ち抜き戦")));
    }

    void aWatchedBattleKeptAsAReplayPlaysAgainInTheToolAndOnTheScreen() {
        auto screen = makeScreen(kModeFree);
        BattleSession& session = screen->session();
        loadBoth(*screen, tech::kBerserk);
        session.settings().spectatorMode = kTrue;
        session.settings().turnLimit = 30;
        session.applySettings();
        QSignalSpy finished(&session, &BattleSession::battleFinished);
        QVERIFY(!screen->saveReplayAction()->isEnabled());
        screen->startAction()->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
        const int winner = session.battle()->state().winner;
        const int turns = session.battle()->state().turnCount;
        QVERIFY(screen->saveReplayAction()->isEnabled());
        replayFile_ = home_->path() / "観戦.vxr";
        screen->saveReplayAction()->trigger();
        QVERIFY(fs::exists(replayFile_));

        // The tool plays it with every hash equal, to the same end.
        QProcess cli;
        cli.start(QStringLiteral(VEXMORA_GAME_DIR "/vexmora-cli"),
                  {QStringLiteral("replay"), qtPath(replayFile_), QStringLiteral("--log"), QStringLiteral("json"),
                   QStringLiteral("--home"), qtPath(home_->path())});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        QStringList recorded, replayed;
        QJsonObject result;
        QFile file(qtPath(replayFile_));
        QVERIFY(file.open(QIODevice::ReadOnly));
        for (const QByteArray& line : file.readAll().split('\n'))
            if (line.startsWith("{\"commands\"")) recorded << QJsonDocument::fromJson(line).object()["hash"].toString();
        for (const QByteArray& line : cli.readAllStandardOutput().split('\n')) {
            const QJsonObject record = QJsonDocument::fromJson(line).object();
            if (record["type"] == QStringLiteral("turn")) replayed << record["hash"].toString();
            if (record["type"] == QStringLiteral("result")) result = record;
        }
        QCOMPARE(recorded.size(), turns);
        QCOMPARE(replayed, recorded);
        QCOMPARE(result["winner"].toInt(), winner);
        QCOMPARE(result["turns"].toInt(), turns);

        // The screen plays it like a spectated battle and touches no monster file.
        const fs::path player = session.fighter(0)->file;
        const std::string before = *readWholeFile(player, 1 << 20);
        const size_t asked = dialogs_->asked.size();
        // It plays in a session of its own; the mode's plays nothing and keeps its battle.
        const QString caption = screen->windowTitle();
        QSignalSpy watched(screen.get(), &BattleScreen::replayFinished);
        QSignalSpy modeTurns(&session, &BattleSession::turnFinished);
        screen->openReplayAction()->trigger();
        QVERIFY(screen->watchingReplay());
        QSignalSpy turnsShown(screen->replaySession(), &BattleSession::turnFinished);
        QVERIFY(screen->windowTitle() != caption);
        QVERIFY(!screen->loadAction(0)->isEnabled());
        QVERIFY(!screen->startAction()->isEnabled());
        QVERIFY(!screen->saveReplayAction()->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(watched.count(), 1, 60000);
        QCOMPARE(turnsShown.count(), turns);
        QCOMPARE(modeTurns.count(), 0);
        QCOMPARE(dialogs_->asked.size(), asked);  // it agreed to the end
        QCOMPARE(*readWholeFile(player, 1 << 20), before);
        QCOMPARE(session.fighter(0)->file, player);  // the fighters are back
        QCOMPARE(screen->windowTitle(), caption);
        QVERIFY(screen->startAction()->isEnabled());
        QVERIFY(screen->saveReplayAction()->isEnabled());  // the battle fought before is still there
    }

    void aDamagedReplayIsRefusedWithItsReason() {
        auto screen = makeScreen(kModeFree);
        replayFile_ = home_->path() / "壊れた.vxr";
        std::ofstream(replayFile_) << "VXR 1\n{\"settings\":1}\n";
        screen->openReplayAction()->trigger();
        QVERIFY(!screen->watchingReplay());
        QVERIFY(!dialogs_->asked.empty());
        QVERIFY(dialogs_->asked.back().text.find("リプレイファイルが壊れています") != std::string::npos);
    }

    void theHelpLineDescribesTheRowUnderTheMouse() {
        auto screen = makeScreen(kModeFree);
        BattleSession& session = screen->session();
        loadBoth(*screen);
        screen->startAction()->trigger();
        QVERIFY(waitForCommand(session));
        QTest::mouseMove(screen->canvas(), rowPoint(*screen, 0, 0));
        QTRY_VERIFY(screen->helpLabel()->text().startsWith(QStringLiteral("   ")));
        QVERIFY(screen->helpLabel()->text().contains(QStringLiteral("ＳＰ：0")));
        QTest::mouseMove(screen->canvas(), rowPoint(*screen, 0, kDoNothingRow));
        QTRY_COMPARE(screen->helpLabel()->text(), QStringLiteral("何もしません"));
    }
};

QTEST_MAIN(BattleScreenTest)
#include "battle_screen_test.moc"

