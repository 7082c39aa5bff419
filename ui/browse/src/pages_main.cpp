// vexmora-pages: shows one story page of a scenario, for the game, in a process of its own. The
// web engine (and all that it loads) stays out of the game, and whatever a page does to the web
// engine stays out of it too. The game starts this program from its own install folder when a
// scenario shows a page, waits for it to end, and ends it with itself.
//
//   vexmora-pages --root=DIR --page=PATH [--transient-for=WINDOW]
//
// DIR: the scenario's folder; PATH: the page below it, "/"-separated; WINDOW: the game's window,
// which the page window stays above. VEXMORA_PAGES_LOG=FILE appends what happens to FILE, a
// line each: "pid N", "loaded ok|failed URL", "refused URL", "blocked URL", "browser URL",
// "engine MESSAGE".

#include <QApplication>
#include <QFile>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QWindow>
#include <cstdio>
#include <unistd.h>

#include "vexmora/gui/qt_dialogs.h"
#include "vexmora/ui/browse/browse_window.h"
#include "vexmora/ui/browse/story_view.h"

// The web engine library itself frees some objects through a base of another size and keeps
// caches to the end: under the address sanitizer those are its faults, not ours. Read by the
// sanitizer before main(); without the sanitizer nothing calls it.
extern "C" const char* __asan_default_options() { return "new_delete_type_mismatch=0:detect_leaks=0"; }

namespace {

const char* const kUsage = "usage: vexmora-pages --root=DIR --page=PATH [--transient-for=WINDOW]\n";

struct Arguments {
    QString root, page;
    WId transientFor = 0;
};

bool readArguments(const QStringList& arguments, Arguments& read) {
    for (const QString& argument : arguments.mid(1)) {
        if (argument.startsWith(QLatin1String("--root=")))
            read.root = argument.mid(7);
        else if (argument.startsWith(QLatin1String("--page=")))
            read.page = argument.mid(7);
        else if (argument.startsWith(QLatin1String("--transient-for=")))
            read.transientFor = static_cast<WId>(argument.mid(16).toULongLong());
    }
    return !read.root.isEmpty() && !read.page.isEmpty();
}

class Log {
public:
    Log() {
        const QString path = qEnvironmentVariable("VEXMORA_PAGES_LOG");
        if (path.isEmpty()) return;
        file_.setFileName(path);
        if (file_.open(QIODevice::Append | QIODevice::Text)) line(QStringLiteral("pid %1").arg(::getpid()));
    }
    void line(const QString& text) {
        if (!file_.isOpen()) return;
        file_.write(text.toUtf8() + '\n');
        file_.flush();
    }

private:
    QFile file_;
};

}  // namespace

int main(int argc, char** argv) {
    vex::ui::prepareStoryWebEngine();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    Arguments arguments;
    if (!readArguments(QCoreApplication::arguments(), arguments)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    // The F5 question is asked by this program, over the page's window.
    vex::QtDialogs dialogs;
    const vex::ui::StoryPageLocation location{arguments.root.toStdString(), arguments.page.toStdString()};
    vex::ui::BrowseWindow window(location, dialogs);
    dialogs = vex::QtDialogs(&window);

    Log log;
    QObject::connect(window.view(), &QWebEngineView::loadFinished, &window, [&](bool ok) {
        log.line(QStringLiteral("loaded %1 %2").arg(ok ? "ok" : "failed", window.view()->url().toString()));
    });
    QObject::connect(window.page(), &vex::ui::StoryPage::navigationRefused, &window,
                     [&](const QUrl& url) { log.line(QStringLiteral("refused ") + url.toString()); });
    QObject::connect(window.page(), &vex::ui::StoryPage::engineMessage, &window,
                     [&](const QString& message) { log.line(QStringLiteral("engine ") + message); });
    QObject::connect(window.page(), &vex::ui::StoryPage::openedInBrowser, &window,
                     [&](const QUrl& url) { log.line(QStringLiteral("browser ") + url.toString()); });
    if (auto* policy = window.page()->profile()->findChild<vex::ui::StoryRequestPolicy*>())
        QObject::connect(policy, &vex::ui::StoryRequestPolicy::blocked, &window,
                         [&](const QUrl& url) { log.line(QStringLiteral("blocked ") + url.toString()); });

    if (arguments.transientFor != 0) {
        window.winId();
        if (QWindow* game = QWindow::fromWinId(arguments.transientFor))
            window.windowHandle()->setTransientParent(game);
    }
    window.exec();
    return 0;
}
