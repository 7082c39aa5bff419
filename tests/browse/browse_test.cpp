// Browse: a real web view showing the sample scenario's story page, its F5 question, a page that
// does not load, and which addresses a scenario may name.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <fstream>

#include "temp_folder.h"
#include "vexmora/ui/browse.h"
#include "vexmora/ui/browse_window.h"

// The web engine library itself frees some objects through a base of another size and keeps
// caches to the end: under the address sanitizer those are its faults, not ours. Read by the
// sanitizer before main(); without the sanitizer nothing calls it.
extern "C" const char* __asan_default_options() { return "new_delete_type_mismatch=0:detect_leaks=0"; }

namespace vex::ui {
namespace {

const fs::path kStoryPage = fs::path(VEXMORA_GAME_DIR) / "Scenario" / "混沌の城" / "story01.html";

// The page's first load, given a generous while on a busy machine.
bool waitForLoad(QSignalSpy& finished) { return finished.count() > 0 || finished.wait(60000); }

TEST(BrowseTest, AStoryPageLoadsIntoTheWebView) {
    ScriptedDialogs dialogs;
    BrowseWindow window(QUrl::fromLocalFile(QString::fromStdString(kStoryPage.string())), dialogs);
    QSignalSpy finished(window.view(), &QWebEngineView::loadFinished);
    window.show();
    ASSERT_TRUE(waitForLoad(finished));
    EXPECT_TRUE(finished.first().first().toBool());
    EXPECT_EQ(window.view()->objectName(), QStringLiteral("WebBrowser1"));
    EXPECT_EQ(window.view()->title(), QStringLiteral("第一章　旅立ちの裏庭"));
    EXPECT_EQ(window.windowTitle(), window.view()->title());
}

TEST(BrowseTest, F5AsksAndOnlyNoReloads) {
    ScriptedDialogs dialogs{{DialogAnswer::Yes, DialogAnswer::No}};
    BrowseWindow window(QUrl::fromLocalFile(QString::fromStdString(kStoryPage.string())), dialogs);
    QSignalSpy finished(window.view(), &QWebEngineView::loadFinished);
    window.show();
    ASSERT_TRUE(waitForLoad(finished));
    QSignalSpy started(window.view(), &QWebEngineView::loadStarted);
    // Wherever inside the window the key lands: here the page's own widget when it has one.
    QWidget* target = window.view()->focusProxy() ? window.view()->focusProxy() : window.view();
    QTest::keyClick(target, Qt::Key_F5);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].text, "更新キー(F5)が押されました。\r\nキャンセルしますか？");
    EXPECT_EQ(dialogs.asked[0].buttons, DialogButtons::YesNo);
    QTest::qWait(200);
    EXPECT_EQ(started.count(), 0);  // "はい" swallows the key

    QTest::keyClick(target, Qt::Key_F5);
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_TRUE(started.count() > 0 || started.wait(30000));  // "いいえ" lets the page reload
}

TEST(BrowseTest, APageThatDoesNotLoadStillClosesAndReturns) {
    test::TempFolder home;
    ScriptedDialogs dialogs;
    BrowseWindow window(QUrl::fromLocalFile(QString::fromStdString((home / "ない.html").string())), dialogs);
    QSignalSpy finished(window.view(), &QWebEngineView::loadFinished);
    QTimer::singleShot(0, &window, [&] {
        if (waitForLoad(finished)) window.reject();
    });
    const int result = window.exec();  // the battle waits here, then goes on
    EXPECT_EQ(result, QDialog::Rejected);
    ASSERT_GT(finished.count(), 0);
    EXPECT_FALSE(finished.first().first().toBool());
}

TEST(BrowseTest, ScenarioPagesAreWebAddressesOrFilesInsideTheProgramFolder) {
    test::TempFolder home;
    fs::create_directories(home / "Scenario" / "Story");
    std::ofstream(home / "Scenario" / "Story" / "p1.html") << "<p>x</p>";
    EXPECT_EQ(storyPageUrl("https://example.invalid/a?b=1", home.path()), QUrl("https://example.invalid/a?b=1"));
    EXPECT_EQ(storyPageUrl("HTTP://example.invalid/", home.path()), QUrl("HTTP://example.invalid/"));
    const auto local = storyPageUrl("scenario\\STORY\\p1.html", home.path());
    ASSERT_TRUE(local);
    EXPECT_EQ(local->toLocalFile().toStdString(), (home / "Scenario" / "Story" / "p1.html").string());
    EXPECT_FALSE(storyPageUrl("..\\..\\etc\\passwd", home.path()));
    EXPECT_FALSE(storyPageUrl("/etc/passwd", home.path()));
    EXPECT_FALSE(storyPageUrl("", home.path()));
}

}  // namespace
}  // namespace vex::ui

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    vex::ui::prepareWebEngineEnvironment();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
