// A network battle between two battle screens of this program over loopback, as two players on
// one machine play it: net-dialog.png (the role panel), net-dialog-host.png (the host waits),
// net-dialog-client.png (the guest types the address), net-battle.png (the guest's screen,
// its opponent has chosen) and net-result.png (the host's result, a win).

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <memory>

#include "shots.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/ui/battle_view/battle_screen.h"
#include "vexmora/ui/battle_model/command_rows.h"
#include "vexmora/ui/battle_view/net_battle.h"
#include "vexmora/ui/battle_view/config_dialog.h"
#include "vexmora/ui/net/net_dialog.h"
#include "vexmora/ui/battle_view/net_panel.h"

namespace vex::shots {

namespace {

std::unique_ptr<ui::BattleScreen> netScreen(Shots& s, const fs::path& monster) {
    ui::BattleScreenOptions options;
    options.hooks = ui::SessionHooks::quiet(s.dialogs);
    options.chooseMonster = [monster](QWidget*, int) -> std::optional<LoadedFighter> {
        auto loaded = loadMonster(monster);
        if (!loaded) return std::nullopt;
        return LoadedFighter{monster, std::move(*loaded)};
    };
    auto screen = std::make_unique<ui::BattleScreen>(kModeNetwork, QStringLiteral("ネット対戦"), s.dialogs, options);
    if (!screen->ready()) {
        s.fail("the battle screen does not open: " + screen->error());
        return nullptr;
    }
    screen->show();
    return screen;
}

// The player's choice: the first usable technique, else doing nothing.
void playOneCommand(ui::BattleScreen& screen) {
    const Battle* battle = screen.session().battle();
    int row = ui::kDoNothingRow;
    for (int slot = 0; slot < 5; ++slot)
        if (battle->slotUsable(0, slot)) {
            row = slot;
            break;
        }
    const auto widths = screen.composer().rowWidths(screen.session().model(), 0);
    const QPoint at(ui::kListLeft + widths[static_cast<size_t>(row)] / 2, ui::rowTop(row) + 10);
    QTest::mouseClick(screen.canvas(), Qt::LeftButton, {}, ui::BattleCanvas::widgetPoint(at));
}

bool connect(Shots& s, ui::BattleScreen& host, ui::BattleScreen& guest) {
    ui::NetDialog* hostDialog = host.netBattle()->dialog();
    hostDialog->handleEdit()->setText(QStringLiteral("たろう"));
    s.save(hostDialog, "net-dialog");
    // The port the guide suggests; any free one when another program holds it.
    hostDialog->portBox()->setValue(5001);
    hostDialog->roleButton(0)->click();
    if (host.netBattle()->listeningPort() == 0) {
        hostDialog->showPanel(ui::NetDialog::Panel::Role);
        hostDialog->portBox()->setValue(0);
        hostDialog->roleButton(0)->click();
    }
    const quint16 port = host.netBattle()->listeningPort();
    if (port == 0) {
        s.fail("the host does not listen");
        return false;
    }
    s.save(hostDialog, "net-dialog-host");
    ui::NetDialog* guestDialog = guest.netBattle()->dialog();
    guestDialog->handleEdit()->setText(QStringLiteral("はなこ"));
    guestDialog->portBox()->setValue(port);
    guestDialog->roleButton(1)->click();
    guestDialog->connectBox()->setText(QStringLiteral("127.0.0.1"));
    s.save(guestDialog, "net-dialog-client");
    guestDialog->connectButton()->click();
    return s.waitFor([&] { return host.netBattle()->connected() && guest.netBattle()->connected(); }, "the connection") &&
           s.waitFor([&] { return !hostDialog->isVisible() && !guestDialog->isVisible(); }, "the dialogs to close");
}

}  // namespace

void networkScenes(Shots& s) {
    // The host's settings dialog is closed as it opens: the settings as they are.
    QTimer configWatch;
    configWatch.setInterval(10);
    QObject::connect(&configWatch, &QTimer::timeout, [] {
        auto* dialog = qobject_cast<ui::ConfigDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) dialog->closeButton()->click();
    });
    configWatch.start();
    auto host = netScreen(s, sampleMonster("ツララギツネ"));
    auto guest = netScreen(s, sampleMonster("ヒノコドラ"));
    if (!host || !guest || !connect(s, *host, *guest)) return;
    guest->netBattle()->panel()->chatInput()->setText(QStringLiteral("よろしくお願いします"));
    QTest::keyClick(guest->netBattle()->panel()->chatInput(), Qt::Key_Return);
    host->netBattle()->panel()->chatInput()->setText(QStringLiteral("こちらこそ！"));
    QTest::keyClick(host->netBattle()->panel()->chatInput(), Qt::Key_Return);
    for (ui::BattleScreen* screen : {host.get(), guest.get()}) screen->loadAction(0)->trigger();
    guest->confirmAction()->trigger();
    host->confirmAction()->trigger();
    if (!s.waitFor([&] { return host->session().battleRunning() && guest->session().battleRunning(); }, "the battle"))
        return;
    bool resultTaken = false;
    for (int turn = 0; !host->session().battleEnded(); ++turn) {
        if (!s.waitFor([&] {
                return (host->session().acceptInput() && guest->session().acceptInput()) || host->session().battleEnded();
            }, "both players' turn"))
            return;
        if (host->session().battleEnded()) break;
        playOneCommand(*host);
        if (!s.waitFor([&] { return guest->netBattle()->panel()->opponentChosen()->isVisible(); }, "the host's choice")) return;
        if (turn == 2) s.save(guest.get(), "net-battle");
        playOneCommand(*guest);
        if (!s.waitFor([&] { return host->session().turnsPlayed() > turn && guest->session().turnsPlayed() > turn; },
                       "the turn"))
            return;
    }
    if (s.waitFor([&] { return host->session().model().result.shown; }, "the host's result")) {
        QTest::qWait(3000);
        s.save(host.get(), "net-result");
        resultTaken = true;
    }
    if (!resultTaken) return;
    s.waitFor([&] { return !host->session().busy() && !guest->session().busy(); }, "the end of the battle");
}

}  // namespace vex::shots
