// The breakdown of the last hits on the battle screen, opened as a player opens it: with the I
// key and with a click on the help line, over a battle played with clicks and one watched as a
// replay. What it shows is compared with the records the engine kept of the same hits.

#include <QAction>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include "screen_pictures.h"
#include "temp_folder.h"
#include "vexmora/battle/technique_ids.h"
#include "vexmora/gui/display_wording.h"
#include "vexmora/gui/language.h"
#include "vexmora/ui/battle_view/battle_screen.h"
#include "vexmora/ui/battle_model/command_rows.h"
#include "vexmora/ui/battle_view/hit_breakdown.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/gui/text.h"
#include "vexmora/ui/media/system_options.h"

using vex::gui::qtText;

using namespace vex;
using namespace vex::ui;

class HitBreakdownTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempFolder> home_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    fs::path replayFile_;

    std::unique_ptr<BattleScreen> makeScreen() {
        BattleScreenOptions options;
        options.libraryFolders = {fs::path(VEXMORA_GAME_DIR)};
        options.hooks = SessionHooks::quiet(*dialogs_);
        options.chooseReplayFile = [this](QWidget*, BattleScreenOptions::ReplayFile) { return std::optional(replayFile_); };
        auto screen = std::make_unique<BattleScreen>(kModeFree, QStringLiteral("ＴＸ（フリー対戦）"), *dialogs_, options);
        if (!screen->ready()) qFatal("%s", screen->error().c_str());
        screen->session().setClockInterval(5);
        screen->show();
        return screen;
    }

    void loadBoth(BattleScreen& screen) {
        QVERIFY(screen.session().loadFighterFile(0, test::writeMonsterFile(home_->path(), test::testMonster("ヒダリ"))));
        QVERIFY(screen.session().loadFighterFile(1, test::writeMonsterFile(home_->path(), test::testMonster("ミギ"))));
    }

    static bool waitForCommand(BattleSession& session) {
        return QTest::qWaitFor([&] { return session.acceptInput() || !session.battleRunning(); }, 30000);
    }

    // 通常攻撃 (row 0) until fighter 0 has landed a hit that did damage.
    static bool playUntilFighterZeroHits(BattleScreen& screen) {
        BattleSession& session = screen.session();
        for (int turn = 0; turn < 30 && !session.battleEnded(); ++turn) {
            const auto widths = screen.composer().rowWidths(session.model(), 0);
            QTest::mouseClick(screen.canvas(), Qt::LeftButton, {},
                              BattleCanvas::widgetPoint(QPoint(kListLeft + widths[0] / 2, rowTop(0) + 10)));
            if (!waitForCommand(session)) return false;
            const HitExplanation& last = session.battle()->lastHit();
            if (last.attacker == 0 && last.damaged) return true;
        }
        return false;
    }

    // The line the breakdown writes for the engine's last record.
    static QString lastHitLine(const BattleSession& session) {
        return qtText(hitBreakdownLine(session.battle()->lastHit()));
    }

    static void clickHelpLine(BattleScreen& screen) {
        QTest::mouseClick(screen.helpLabel(), Qt::LeftButton, {}, screen.helpLabel()->rect().center());
    }

private slots:
    void initTestCase() { installGameFont(); }

    void init() {
        home_ = std::make_unique<test::TempFolder>();
        dialogs_ = std::make_unique<ScriptedDialogs>();
        setProgramFolder(home_->path());
        test::writeStages(home_->path(), 10);
        systemOptions() = {};
        systemOptions()[kOptionGameSpeed] = 7;  // every scaled wait at no length at all
        replayFile_ = home_->path() / "battle.vxr";
    }

    void theKeyAndAClickOnTheHelpLineShowTheLastHitAsTheEngineRecordedIt() {
        auto screen = makeScreen();
        BattleSession& session = screen->session();
        HitBreakdown* breakdown = screen->hitBreakdown();
        QVERIFY(breakdown);
        loadBoth(*screen);

        // Before any hit the panel says there is none.
        QTest::keyClick(screen.get(), 'i');
        QVERIFY(breakdown->isOpen());
        QVERIFY(breakdown->panel()->sideText(0).isEmpty());
        QTest::keyClick(screen.get(), 'i');
        QVERIFY(!breakdown->isOpen());

        screen->startAction()->trigger();
        QVERIFY(waitForCommand(session));
        QVERIFY(playUntilFighterZeroHits(*screen));
        const HitExplanation last = session.battle()->lastHit();
        QVERIFY(last.damage > 0);

        QTest::keyClick(screen.get(), 'I');
        QVERIFY(breakdown->isOpen());
        const QString shown = breakdown->panel()->sideText(0);
        QVERIFY2(shown.contains(lastHitLine(session)), qPrintable(shown));
        QVERIFY(shown.contains(QStringLiteral("ヒダリ")));
        QVERIFY(shown.contains(QStringLiteral("ATK %1 − DEF %2").arg(last.attack).arg(last.defence)));
        QVERIFY(shown.contains(QStringLiteral("= %1").arg(last.damage)));
        // Opening it is not a command: no turn was played, the command list still waits.
        QVERIFY(session.acceptInput());
        QTest::keyClick(screen.get(), Qt::Key_Escape);
        QVERIFY(!breakdown->isOpen());

        clickHelpLine(*screen);
        QVERIFY(breakdown->isOpen());
        QCOMPARE(breakdown->panel()->sideText(0), shown);
        // The other side's last hit is its own record, not fighter 0's.
        QVERIFY(!breakdown->panel()->sideText(1).contains(lastHitLine(session)));
        QTest::mouseClick(breakdown->panel(), Qt::LeftButton);
        QVERIFY(!breakdown->isOpen());

        // The turns go on while it is open, and it follows them once each is played out.
        QTest::keyClick(screen.get(), 'i');
        QVERIFY(playUntilFighterZeroHits(*screen));
        QVERIFY(breakdown->isOpen());
        QVERIFY(breakdown->panel()->sideText(0).contains(lastHitLine(session)));
    }

    void aReplayShowsTheSameBreakdownAsTheBattleItRecorded() {
        auto screen = makeScreen();
        BattleSession& session = screen->session();
        loadBoth(*screen);
        session.settings().spectatorMode = kTrue;
        session.settings().turnLimit = 4;
        session.applySettings();
        QSignalSpy finished(&session, &BattleSession::battleFinished);
        screen->startAction()->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
        screen->hitBreakdown()->toggle();
        const QString fought = screen->hitBreakdown()->panel()->sideText(0) + screen->hitBreakdown()->panel()->sideText(1);
        QVERIFY(!fought.isEmpty());
        screen->hitBreakdown()->close();
        QVERIFY(session.canSaveReplay());
        screen->saveReplayAction()->trigger();

        QSignalSpy replayed(screen.get(), &BattleScreen::replayFinished);
        screen->openReplayAction()->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(replayed.count(), 1, 60000);
        screen->hitBreakdown()->toggle();
        QCOMPARE(screen->hitBreakdown()->panel()->sideText(0) + screen->hitBreakdown()->panel()->sideText(1), fought);
    }

    // In English the breakdown speaks English and tells the engine's numbers, the same ones in
    // the same order as the Japanese line (which the command-line tool and the logs keep).
    void inEnglishTheBreakdownTellsTheSameNumbersInEnglish() {
        QVERIFY(gui::applyLanguage(LanguageChoice::English, fs::path(VEXMORA_GAME_DIR) / "translations").isEmpty());
        auto screen = makeScreen();
        BattleSession& session = screen->session();
        loadBoth(*screen);
        screen->startAction()->trigger();
        QVERIFY(waitForCommand(session));
        const bool hit = playUntilFighterZeroHits(*screen);
        const HitExplanation last = session.battle()->lastHit();
        screen->hitBreakdown()->toggle();
        const QString shown = screen->hitBreakdown()->panel()->sideText(0);
        const QString english = qtText(hitBreakdownLine(last, gui::displayWording()));
        gui::applyLanguage(LanguageChoice::Japanese, fs::path(VEXMORA_GAME_DIR) / "translations");
        QVERIFY(hit);
        const QString japanese = qtText(hitBreakdownLine(last));
        QVERIFY2(shown.contains(english), qPrintable(shown));
        QVERIFY2(shown.contains(QStringLiteral("1P ヒダリ attacks (turn ")), qPrintable(shown));  // the name as typed
        const auto numbers = [](const QString& line) {
            QStringList out;
            for (const auto& m : QRegularExpression(QStringLiteral("[0-9]+(\\.[0-9]+)?")).globalMatch(line)) out << m.captured();
            return out;
        };
        QCOMPARE(numbers(english), numbers(japanese));
        // No word of the line is left in Japanese (kana or kanji).
        QVERIFY2(!english.contains(QRegularExpression(QStringLiteral("[\\x{3040}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ff66}-\\x{ff9f}]"))),
                 qPrintable(english));
        QVERIFY(english != japanese);
    }
};

QTEST_MAIN(HitBreakdownTest)
#include "hit_breakdown_test.moc"

