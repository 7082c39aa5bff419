#include "battle_probe.h"

#include <QApplication>
#include <QEvent>
#include <cstdio>

#include "vexmora/ui/battle_view/battle_screen.h"

namespace vex::app {

void startProbeBattle(const std::string& files, Dialogs& dialogs) {
    const size_t bar = files.find('|');
    if (bar == std::string::npos) return;
    auto* screen = new ui::BattleScreen(kModeFree, QStringLiteral("ＴＸ（フリー対戦）"), dialogs);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    if (!screen->ready()) {
        std::fprintf(stderr, "vexmora: %s\n", screen->error().c_str());
        delete screen;
        return;
    }
    ui::BattleSession& session = screen->session();
    if (!session.loadFighterFile(0, files.substr(0, bar)) || !session.loadFighterFile(1, files.substr(bar + 1))) return;
    session.settings().spectatorMode = kTrue;
    session.settings().turnLimit = 0;
    session.applySettings();
    QObject::connect(&session, &ui::BattleSession::turnFinished, screen, [](int turn) {
        static bool told = false;
        if (told) return;
        told = true;
        std::printf("vexmora-battle-probe turn %d\n", turn);
        std::fflush(stdout);
    });
    screen->show();
    screen->startBattle();
}

namespace {

class ModalReporter : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow() && widget->isModal()) {
            std::printf("vexmora-modal-probe %s\n", widget->windowTitle().toUtf8().constData());
            std::fflush(stdout);
        }
        return false;
    }
};

}  // namespace

void reportModalWindows() {
    auto* reporter = new ModalReporter;
    reporter->setParent(qApp);
    qApp->installEventFilter(reporter);
}

}  // namespace vex::app
