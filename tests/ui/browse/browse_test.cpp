// Browse with the real web engine, offscreen: the sample scenario's story page, its F5 question,
// a page that does not load, and hostile pages that try to read files, reach a listener on
// loopback and navigate away, and get nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <fstream>
#include <sys/inotify.h>
#include <unistd.h>

#include "temp_folder.h"
#include "vexmora/ui/browse/browse_window.h"
#include "vexmora/ui/browse/story_view.h"

// The web engine library itself frees some objects through a base of another size and keeps
// caches to the end: under the address sanitizer those are its faults, not ours. Read by the
// sanitizer before main(); without the sanitizer nothing calls it.
extern "C" const char* __asan_default_options() { return "new_delete_type_mismatch=0:detect_leaks=0"; }

namespace vex::ui {
namespace {

const StoryPageLocation kStoryPage{fs::path(VEXMORA_GAME_DIR) / "Scenario", "混沌の城/story01.html"};

// The page's first load, given a generous while on a busy machine.
bool waitForLoad(QSignalSpy& finished) { return finished.count() > 0 || finished.wait(60000); }

// Waits until `spy` has recorded `url` (or gives up after a generous while).
bool waitForUrl(QSignalSpy& spy, const QUrl& url) {
    const auto seen = [&] {
        for (const auto& arguments : spy)
            if (arguments.first().toUrl() == url) return true;
        return false;
    };
    for (int i = 0; i < 600 && !seen(); ++i) spy.wait(100);
    return seen();
}

void write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

// Counts the connections made to it; answers each with an empty page.
class CountingListener {
public:
    CountingListener() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                ++connections_;
                socket->write("HTTP/1.0 200 OK\r\nContent-Length: 0\r\n\r\n");
                socket->disconnectFromHost();
            }
        });
    }
    std::string address() const { return "http://127.0.0.1:" + std::to_string(server_.serverPort()); }
    int connections() const { return connections_; }

private:
    QTcpServer server_;
    int connections_ = 0;
};

// Tells whether any of the watched files was opened or read since the watch began.
class OpenWatch {
public:
    explicit OpenWatch(const std::vector<fs::path>& files) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        for (const fs::path& file : files) inotify_add_watch(fd_, file.c_str(), IN_OPEN | IN_ACCESS);
    }
    ~OpenWatch() { ::close(fd_); }
    bool anyOpened() const {
        alignas(inotify_event) char buffer[4096];
        return ::read(fd_, buffer, sizeof buffer) > 0;
    }

private:
    int fd_;
};

// A program folder with a report server's password file beside the scenarios, a scenario folder
// with a hostile page, and secrets elsewhere on the machine.
class HostilePages : public ::testing::Test {
protected:
    test::TempFolder home;
    test::TempFolder elsewhere;
    CountingListener listener;
    fs::path scenarios = home / "Scenario";
    fs::path beside = home / "Server" / "mine.srv";
    fs::path secret = elsewhere / "secret.txt";
    fs::path secretPicture = elsewhere / "secret.png";
    fs::path otherFolderPage = elsewhere / "other.html";

    void SetUp() override {
        write(beside, "password");
        write(secret, "secret");
        write(secretPicture, "not a picture");
        write(otherFolderPage, "<title>other</title>");
        write(scenarios / "試練" / "ok.png", "");
        fs::create_symlink(secretPicture, scenarios / "試練" / "linked.png");
        fs::create_symlink(elsewhere.path(), scenarios / "試練" / "linked-folder");
    }
    static std::string fileUrl(const fs::path& path) { return QUrl::fromLocalFile(QString::fromStdString(path.string())).toString().toStdString(); }
};

TEST_F(HostilePages, APageReadsNoFileReachesNoAddressAndStaysWhereItIs) {
    const std::string web = listener.address();
    write(scenarios / "試練" / "story.html",
          "<html><head><meta charset=\"utf-8\"><title>敵</title>\n"
          "<meta http-equiv=\"refresh\" content=\"0; url=" + fileUrl(otherFolderPage) + "\">\n"
          "<link rel=\"stylesheet\" href=\"" + fileUrl(secret) + "\">\n"
          "<link rel=\"stylesheet\" href=\"" + web + "/style.css\">\n"
          "<link rel=\"preconnect\" href=\"" + web + "\"><link rel=\"dns-prefetch\" href=\"" + web + "\">\n"
          "<link rel=\"prefetch\" href=\"" + web + "/prefetch\"><link rel=\"icon\" href=\"" + web + "/icon.png\">\n"
          "<script src=\"" + web + "/script.js\"></script><script src=\"" + fileUrl(secret) + "\"></script>\n"
          "<script>document.title = 'a script ran';</script>\n"
          "<script>var x = new XMLHttpRequest(); x.open('GET', '" + fileUrl(beside) + "', false); x.send();"
          " document.title = x.responseText;</script>\n"
          "</head><body>\n"
          "<img src=\"" + fileUrl(beside) + "\"><img src=\"" + fileUrl(secretPicture) + "\">\n"
          "<img src=\"linked.png\"><img src=\"linked-folder/secret.png\"><img src=\"../../Server/mine.srv\">\n"
          "<img src=\"OK.PNG\">\n"
          "<iframe src=\"" + fileUrl(secret) + "\"></iframe><object data=\"" + fileUrl(secret) + "\"></object>\n"
          "<img src=\"" + web + "/a.png\"><iframe src=\"" + web + "/frame\"></iframe>\n"
          "<div style=\"background: url(" + web + "/bg.png); width: 10px; height: 10px\"></div>\n"
          "<video src=\"" + web + "/v.mp4\" autoplay></video>\n"
          "</body></html>\n");
    const OpenWatch watch({beside, secret, secretPicture, otherFolderPage});

    ScriptedDialogs dialogs;
    BrowseWindow window({scenarios, "試練/story.html"}, dialogs);
    auto* files = window.page()->profile()->findChild<StoryFileScheme*>();
    ASSERT_NE(files, nullptr);
    QSignalSpy served(files, &StoryFileScheme::served);
    QSignalSpy finished(window.view(), &QWebEngineView::loadFinished);
    QSignalSpy engine(window.page(), &StoryPage::engineMessage);
    window.show();
    ASSERT_TRUE(waitForLoad(finished));
    EXPECT_TRUE(finished.first().first().toBool());
    const QUrl page = storyUrl("試練/story.html");
    // The redirect to another folder is tried once the page stands, and refused by the engine
    // itself: a page of the story scheme may not load file: addresses.
    const QString other = QUrl::fromLocalFile(QString::fromStdString(otherFolderPage.string())).toString();
    const auto redirectRefused = [&] {
        for (const auto& arguments : engine)
            if (arguments.first().toString().contains(other)) return true;
        return false;
    };
    for (int i = 0; i < 600 && !redirectRefused(); ++i) engine.wait(100);
    ASSERT_TRUE(redirectRefused());

    EXPECT_EQ(window.view()->url(), page);
    EXPECT_EQ(window.view()->title(), QStringLiteral("敵"));  // the script never ran
    EXPECT_FALSE(watch.anyOpened());
    EXPECT_EQ(listener.connections(), 0);
    // The page itself and its own picture (named in another case) came from the folder.
    std::vector<QUrl> servedUrls;
    for (const auto& arguments : served) servedUrls.push_back(arguments.first().toUrl());
    EXPECT_NE(std::find(servedUrls.begin(), servedUrls.end(), page), servedUrls.end());
    EXPECT_NE(std::find(servedUrls.begin(), servedUrls.end(), storyUrl("試練/OK.PNG")), servedUrls.end());
    EXPECT_EQ(servedUrls.size(), 2u);
    EXPECT_TRUE(window.page()->profile()->isOffTheRecord());
}

// Receives the links the view hands to the desktop's browser (none is started in the test).
class BrowserStandIn : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.push_back(url); }
};

TEST_F(HostilePages, WebLinksOpenInThePlayersBrowserAndTheViewStays) {
    const std::string web = listener.address();
    const std::string link = "style=\"position: fixed; top: 0; height: 100%; width: 50%; display: block\"";
    write(scenarios / "試練" / "links.html",
          "<html><head><meta charset=\"utf-8\"><title>リンク</title>\n"
          "<meta http-equiv=\"refresh\" content=\"0; url=" + web + "/away\"></head><body>\n"
          "<a href=\"" + web + "/here\" " + link + " >here</a>\n"
          "<a href=\"" + web + "/new\" target=\"_blank\" " + link.substr(0, link.size() - 1) + "; left: 50%\">new</a>\n"
          "</body></html>\n");
    BrowserStandIn browser;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");

    ScriptedDialogs dialogs;
    BrowseWindow window({scenarios, "試練/links.html"}, dialogs);
    QSignalSpy finished(window.view(), &QWebEngineView::loadFinished);
    QSignalSpy refused(window.page(), &StoryPage::navigationRefused);
    QSignalSpy toBrowser(window.page(), &StoryPage::openedInBrowser);
    window.show();
    ASSERT_TRUE(waitForLoad(finished));
    ASSERT_TRUE(waitForUrl(refused, QUrl(QString::fromStdString(web + "/away"))));  // not followed by itself

    QWidget* surface = window.view()->focusProxy() ? window.view()->focusProxy() : window.view();
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(surface->width() / 4, surface->height() / 2));
    ASSERT_TRUE(waitForUrl(toBrowser, QUrl(QString::fromStdString(web + "/here"))));
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(surface->width() * 3 / 4, surface->height() / 2));
    ASSERT_TRUE(waitForUrl(toBrowser, QUrl(QString::fromStdString(web + "/new"))));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));

    EXPECT_EQ(browser.opened, (std::vector<QUrl>{QUrl(QString::fromStdString(web + "/here")),
                                                 QUrl(QString::fromStdString(web + "/new"))}));
    EXPECT_EQ(window.view()->url(), storyUrl("試練/links.html"));
    EXPECT_EQ(listener.connections(), 0);
}

TEST(BrowseTest, AStoryPageLoadsIntoTheWebView) {
    ScriptedDialogs dialogs;
    BrowseWindow window(kStoryPage, dialogs);
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
    BrowseWindow window(kStoryPage, dialogs);
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

    QTest::keyClick(target, Qt::Key_F5);
    ASSERT_EQ(dialogs.asked.size(), 2u);
    ASSERT_TRUE(started.count() > 0 || started.wait(30000));  // "いいえ" lets the page reload
    // One reload, the second answer's: "はい" had swallowed the key.
    EXPECT_TRUE(finished.wait(30000));
    EXPECT_EQ(started.count(), 1);
}

TEST(BrowseTest, APageThatDoesNotLoadStillClosesAndReturns) {
    test::TempFolder home;
    ScriptedDialogs dialogs;
    BrowseWindow window({home.path(), "ない.html"}, dialogs);
    QSignalSpy finished(window.view(), &QWebEngineView::loadFinished);
    QTimer::singleShot(0, &window, [&] {
        if (waitForLoad(finished)) window.reject();
    });
    const int result = window.exec();  // the battle waits here, then goes on
    EXPECT_EQ(result, QDialog::Rejected);
    ASSERT_GT(finished.count(), 0);
    EXPECT_FALSE(finished.first().first().toBool());
}

}  // namespace
}  // namespace vex::ui

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    vex::ui::prepareStoryWebEngine();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "browse_test.moc"
