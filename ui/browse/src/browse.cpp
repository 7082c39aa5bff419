#include "vexmora/ui/browse/browse.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QEventLoop>
#include <QProcess>
#include <QUrl>
#include <QWidget>
#include <csignal>
#include <cstdio>
#include <sys/prctl.h>

#include "vexmora/gui/text.h"
#include "vexmora/ui/browse/story_files.h"

namespace vex::ui {

namespace {

// While the page is shown the game's windows take no input, as under a modal window.
class InputBlock : public QObject {
public:
    InputBlock() { qApp->installEventFilter(this); }
    ~InputBlock() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::Wheel:
            case QEvent::Shortcut:
            case QEvent::ContextMenu:
                return true;
            case QEvent::Close:
                event->ignore();
                return true;
            default:
                return false;
        }
    }
};

}  // namespace

bool showStoryPage(QWidget* parent, const fs::path& program, const StoryPageLocation& page) {
    QProcess pages;
    pages.setProgram(QString::fromStdString(program.string()));
    QStringList arguments = {QStringLiteral("--root=") + QString::fromStdString(page.root.string()),
                             QStringLiteral("--page=") + QString::fromStdString(page.relativePath)};
    if (parent && QGuiApplication::platformName() == QLatin1String("xcb"))
        arguments << QStringLiteral("--transient-for=%1").arg(parent->window()->winId());
    pages.setArguments(arguments);
    pages.setProcessChannelMode(QProcess::ForwardedChannels);
    // The page ends with the game, however the game ends.
    pages.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    QEventLoop loop;
    QObject::connect(&pages, &QProcess::finished, &loop, &QEventLoop::quit);
    pages.start();
    if (!pages.waitForStarted()) {
        std::fprintf(stderr, "vexmora: %s did not start: %s\n", program.c_str(), pages.errorString().toLocal8Bit().constData());
        return false;
    }
    InputBlock block;
    if (pages.state() != QProcess::NotRunning) loop.exec();
    if (pages.exitStatus() != QProcess::NormalExit)
        std::fprintf(stderr, "vexmora: the page program ended abnormally; the game goes on\n");
    return true;
}

std::optional<fs::path> pagesProgram() {
    for (const fs::path& folder : installFolders()) {
        const fs::path program = folder / kPagesProgramName;
        std::error_code ec;
        if (fs::is_regular_file(program, ec)) return program;
    }
    return std::nullopt;
}

bool openBrowse(QWidget* parent, std::string_view address, const fs::path& scenarioFolder) {
    if (isWebAddress(address)) {
        const QUrl url(gui::qtText(address));
        return url.isValid() && QDesktopServices::openUrl(url);
    }
    const std::optional<StoryPageLocation> page = storyPageLocation(address, programFolder(), scenarioFolder);
    if (!page) {
        std::fprintf(stderr, "vexmora: the page %.*s is not in the scenario's folder; it is not shown\n",
                     static_cast<int>(address.size()), address.data());
        return false;
    }
    const std::optional<fs::path> program = pagesProgram();
    if (!program) {
        std::fprintf(stderr, "vexmora: the page program %s is missing beside the game\n", kPagesProgramName);
        return false;
    }
    return showStoryPage(parent, *program, *page);
}

}  // namespace vex::ui
