// The title window driven as a player would: the version, the slide-in menu, what each entry
// does, and the waits and sounds around it.

#include <QDesktopServices>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "modal_watcher.h"
#include "temp_folder.h"
#include "vexmora/ui/shell/edit_menu.h"
#include "vexmora/ui/shell/options_dialog.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/gui/effects.h"
#include "vexmora/gui/text.h"
#include "vexmora/ui/media/system_options.h"
#include "vexmora/ui/shell/title_window.h"

using vex::gui::qtPath;
using vex::gui::kGameFontFamily;

using namespace vex::ui;

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class TitleWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<vex::test::TempFolder> home_;
    QList<int> effects_;
    vex::gui::ScopedEffectPlayer listening_{[this](int effect) { effects_.append(effect); }};

    // A title whose effects are recorded, at a game speed that keeps the waits short.
    std::unique_ptr<TitleWindow> makeTitle(TitleScreens screens = {}) {
        auto title = std::make_unique<TitleWindow>(std::move(screens));
        title->show();
        return title;
    }

    static void clickTitle(TitleWindow& title) { QTest::mouseClick(&title, Qt::LeftButton, {}, QPoint(320, 100)); }

    static void openMenu(TitleWindow& title) {
        clickTitle(title);
        QTRY_VERIFY(!title.busy());
    }

private slots:
    void initTestCase() { installGameFont(); }

    void init() {
        home_ = std::make_unique<vex::test::TempFolder>();
        vex::setProgramFolder(home_->path());
        systemOptions() = {};
        systemOptions()[kOptionGameSpeed] = 6;  // every wait at a tenth of its length
        effects_.clear();
    }

    void showsTheVersionInTheGameFont() {
        auto title = makeTitle();
        QCOMPARE(title->versionLabel()->text(), QStringLiteral("Ver %1.%2%3").arg(VERSION_MAJOR).arg(VERSION_MINOR).arg(VERSION_PATCH));
        QVERIFY(title->versionLabel()->isVisible());
        QVERIFY(title->rect().contains(title->versionLabel()->geometry()));
        QCOMPARE(QFontInfo(QFont(kGameFontFamily)).family(), QStringLiteral("IPAGothic"));
    }

    void aClickSlidesTheMenuInAndClicksDuringTheSlideDoNothing() {
        systemOptions()[kOptionGameSpeed] = 0;
        auto title = makeTitle();
        for (int entry = 0; entry < kMenuEntryCount; ++entry) QVERIFY(!title->menuButton(entry)->isVisible());

        clickTitle(*title);
        QVERIFY(title->menuShown());
        QVERIFY(title->busy());
        QPushButton* options = title->menuButton(kMenuOptions);
        QVERIFY(options->isVisible());
        QVERIFY(options->pos() != title->menuButtonHome(kMenuOptions));

        // While the buttons move, neither the menu nor the title reacts.
        QTest::mouseClick(options, Qt::LeftButton);
        QTest::mouseClick(title->menuButton(kMenuExit), Qt::LeftButton);
        clickTitle(*title);
        QVERIFY(effects_.isEmpty());

        QTRY_VERIFY(!title->busy());
        for (int entry = 0; entry < kMenuEntryCount; ++entry)
            QCOMPARE(title->menuButton(entry)->pos(), title->menuButtonHome(entry));
        QVERIFY(effects_.isEmpty());

        // An entry chosen now acts after its wait. A click taken during the slide would have
        // acted first: the exit closing the title, the options opening their dialog twice.
        QSignalSpy exits(title.get(), &TitleWindow::exitRequested);
        QString opened;
        vex::test::ModalWatcher watcher([&](QWidget* modal) {
            opened = modal->objectName();
            modal->close();
        });
        QTest::mouseClick(options, Qt::LeftButton);
        QTRY_COMPARE(opened, QStringLiteral("SYSCONFIG"));
        QCOMPARE(watcher.seen(), 1);
        QCOMPARE(effects_, QList<int>{0});
        QCOMPARE(exits.count(), 0);
        QVERIFY(title->isVisible());
    }

    void theMenuShowsItsCaptionsAndToolTipsAndOnlyWhatExists() {
        auto title = makeTitle();
        const QStringList captions = {"フリー対戦(vsCOM)", "エディット", "ゲーム終了", "シナリオモード",
                                      "フリー対戦(vsMAN)", "ネット対戦", "オプション", "勝ち抜き戦"};
        const QStringList tips = {"", "モンスターを創ります", "ウィンドウを閉じ、ゲームを終了します",
                                  "作成されたシナリオに挑みます", "人間との対戦を行います",
                                  "インターネットで他のユーザーと対戦します", "システムの各種設定を変更します",
                                  "DATAフォルダ内のモンスターとランダムで対戦します"};
        for (int entry = 0; entry < kMenuEntryCount; ++entry) {
            QCOMPARE(title->menuButton(entry)->text(), captions[entry]);
            QCOMPARE(title->menuButton(entry)->toolTip(), tips[entry]);
        }
        // Until the battle screens exist, only the editor menu, the options and the exit work.
        for (int entry = 0; entry < kMenuEntryCount; ++entry)
            QCOMPARE(title->menuButton(entry)->isEnabled(),
                     entry == kMenuEdit || entry == kMenuOptions || entry == kMenuExit);

        TitleScreens screens;
        screens.openBattleScreen = [](int, const QString&) {};
        auto withBattles = makeTitle(std::move(screens));
        for (int entry : {kMenuFreeBattle, kMenuTwoPlayers, kMenuElimination})
            QVERIFY(withBattles->menuButton(entry)->isEnabled());
        QVERIFY(!withBattles->menuButton(kMenuScenario)->isEnabled());  // needs the chooser too
        QVERIFY(!withBattles->menuButton(kMenuNetwork)->isEnabled());
    }

    void anEntryPlaysTheConfirmSoundAndActsAfterTheScaledWait() {
        auto title = makeTitle();
        openMenu(*title);
        QString opened;
        vex::test::ModalWatcher watcher([&](QWidget* modal) {
            opened = modal->objectName();
            modal->close();
        });
        QTest::mouseClick(title->menuButton(kMenuOptions), Qt::LeftButton);
        QCOMPARE(effects_, QList<int>{0});
        QVERIFY(title->menuButton(kMenuEdit)->isEnabled());  // the options leave the menu enabled
        QTest::mouseClick(title->menuButton(kMenuEdit), Qt::LeftButton);  // waiting: ignored
        QCOMPARE(effects_, QList<int>{0});
        QVERIFY(opened.isEmpty());
        QTRY_COMPARE(opened, QStringLiteral("SYSCONFIG"));
        QCOMPARE(watcher.seen(), 1);
        QTRY_VERIFY(!title->busy());
    }

    void theEditorMenuDisablesTheTitleMenuUntilItCloses() {
        auto title = makeTitle();
        openMenu(*title);
        QList<bool> enabledWhileOpen;
        QStringList disabledEditors;
        vex::test::ModalWatcher watcher([&](QWidget* modal) {
            QCOMPARE(modal->objectName(), QStringLiteral("EDITmenu"));
            for (int entry = 0; entry < kMenuEntryCount; ++entry)
                enabledWhileOpen.append(title->menuButton(entry)->isEnabled());
            for (QPushButton* button : modal->findChildren<QPushButton*>()) {
                if (!button->isEnabled()) disabledEditors.append(button->text());
                if (button->text() == QStringLiteral("終了")) QTimer::singleShot(0, button, &QPushButton::click);
            }
        });
        QTest::mouseClick(title->menuButton(kMenuEdit), Qt::LeftButton);
        for (int entry = 0; entry < kMenuEntryCount; ++entry) QVERIFY(!title->menuButton(entry)->isEnabled());
        QTRY_COMPARE(watcher.seen(), 1);
        QTRY_VERIFY(title->menuButton(kMenuEdit)->isEnabled());
        QCOMPARE(enabledWhileOpen, QList<bool>(kMenuEntryCount, false));
        QCOMPARE(disabledEditors, (QStringList{"新規キャラ作成", "データ読み込み", "シナリオ作成"}));
        QCOMPARE(title->battleMode(), int{vex::kModeEditor});
        QVERIFY(title->menuButton(kMenuOptions)->isEnabled());
    }

    void battleEntriesOpenTheirScreenAndTheTitleComesBack() {
        QList<QPair<int, QString>> battles;
        bool chooseScenario = false;
        int choosers = 0;
        TitleScreens screens;
        screens.openBattleScreen = [&](int mode, const QString& caption) { battles.append({mode, caption}); };
        screens.chooseScenario = [&](QWidget*) {
            ++choosers;
            return chooseScenario;
        };
        auto title = makeTitle(std::move(screens));
        openMenu(*title);

        // Cancelling the scenario chooser leaves the title as it was, menu usable.
        QTest::mouseClick(title->menuButton(kMenuScenario), Qt::LeftButton);
        QVERIFY(title->menuButton(kMenuFreeBattle)->isEnabled());
        QTRY_COMPARE(choosers, 1);
        QVERIFY(battles.isEmpty());
        QVERIFY(title->isVisible());
        QCOMPARE(title->battleMode(), int{vex::kModeScenario});
        QTRY_VERIFY(!title->busy());

        QTest::mouseClick(title->menuButton(kMenuElimination), Qt::LeftButton);
        QVERIFY(!title->menuButton(kMenuOptions)->isEnabled());
        QTRY_COMPARE(battles.size(), 1);
        QCOMPARE(battles[0], qMakePair(4, QStringLiteral("ＴＸ（勝ち抜き戦）")));
        QVERIFY(!title->isVisible());
        title->returnToTitle();
        QVERIFY(title->isVisible());
        QVERIFY(title->menuButton(kMenuOptions)->isEnabled());

        chooseScenario = true;
        QTest::mouseClick(title->menuButton(kMenuScenario), Qt::LeftButton);
        QTRY_COMPARE(battles.size(), 2);
        QCOMPARE(battles[1], qMakePair(1, QStringLiteral("ＴＸ（シナリオ）")));
        title->returnToTitle();
        QTest::mouseClick(title->menuButton(kMenuFreeBattle), Qt::LeftButton);
        QTRY_COMPARE(battles.size(), 3);
        QCOMPARE(battles[2], qMakePair(0, QStringLiteral("ＴＸ（フリー対戦）")));
        QCOMPARE(effects_, QList<int>(4, 0));
    }

    void theExitEntryClosesTheWindowAfterItsSound() {
        auto title = makeTitle();
        QSignalSpy exits(title.get(), &TitleWindow::exitRequested);
        openMenu(*title);
        QTest::mouseClick(title->menuButton(kMenuExit), Qt::LeftButton);
        QCOMPARE(effects_, QList<int>{0});
        QVERIFY(title->isVisible());
        QTRY_COMPARE(exits.count(), 1);
        QVERIFY(!title->isVisible());
    }

    void showsTheTitlePictureWhenTheProgramFolderHasOne() {
        auto drawn = makeTitle();
        const QColor drawnCorner = drawn->grab().toImage().pixelColor(4, 4);
        QImage picture(640, 480, QImage::Format_RGB32);
        picture.fill(QColor(200, 30, 40));
        vex::fs::create_directories(home_->path() / "IMAGE");
        QVERIFY(picture.save(qtPath(home_->path() / "IMAGE" / "Title.png")));
        auto pictured = makeTitle();
        QCOMPARE(pictured->grab().toImage().pixelColor(4, 4), QColor(200, 30, 40));
        QVERIFY(drawnCorner != QColor(200, 30, 40));
    }

    void helpOpensTheManualOfTheProgramFolder() {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
        auto title = makeTitle();
        QAction* help = nullptr;
        for (QAction* action : title->actions())
            if (action->text() == QStringLiteral("ヘルプを開く")) help = action;
        QVERIFY(help);
        help->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(catcher.opened.size(), 1);
        QCOMPARE(catcher.opened[0].toLocalFile(), qtPath(home_->path() / "説明書.html"));
    }
};

QTEST_MAIN(TitleWindowTest)
#include "title_window_test.moc"

