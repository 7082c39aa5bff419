// The battle screen: battle-screen-newcomer-hint.png (one fighter loaded), battle-commands.png
// (the command rows with a row's help), battle-two-players.png (the key grid of two players at
// one keyboard), result.png (the end of a watched battle) and replay.png (that battle kept and
// watched again).

#include <QTest>
#include <memory>

#include "shots.h"
#include "vexmora/ui/battle_view/battle_screen.h"
#include "vexmora/ui/battle_model/command_rows.h"

namespace vex::shots {

namespace {

std::unique_ptr<ui::BattleScreen> openScreen(Shots& s, int16_t mode, const QString& caption,
                                             ui::BattleScreenOptions options = {}) {
    options.hooks = ui::SessionHooks::quiet(s.dialogs);
    auto screen = std::make_unique<ui::BattleScreen>(mode, caption, s.dialogs, options);
    if (!screen->ready()) {
        s.fail("the battle screen does not open: " + screen->error());
        return nullptr;
    }
    screen->move(0, 0);
    screen->show();
    return screen;
}

bool loadBoth(Shots& s, ui::BattleScreen& screen, const char* first, const char* second) {
    if (screen.session().loadFighterFile(0, sampleMonster(first)) &&
        screen.session().loadFighterFile(1, sampleMonster(second)))
        return true;
    s.fail(std::string("could not load ") + first + " and " + second);
    return false;
}

}  // namespace

void battleScenes(Shots& s) {
    const QString freeCaption = QStringLiteral("ＴＸ（フリー対戦）");
    if (auto screen = openScreen(s, kModeFree, freeCaption)) {
        screen->session().loadFighterFile(0, sampleMonster("ヤミコウモリ"));
        s.save(screen.get(), "battle-screen-newcomer-hint");
        if (loadBoth(s, *screen, "ヤミコウモリ", "Ｅ４　キラービー")) {
            screen->startBattle();
            ui::BattleSession& session = screen->session();
            if (s.waitFor([&] { return session.acceptInput(); }, "the command rows")) {
                screen->canvas()->hoverAt(QPoint(ui::kListLeft + 20, ui::rowTop(3) + 10));
                s.save(screen.get(), "battle-commands");
            }
        }
    }
    if (auto screen = openScreen(s, kModeTwoPlayers, freeCaption)) {
        if (loadBoth(s, *screen, "ツララギツネ", "カミナリドリ")) {
            screen->startBattle();
            if (s.waitFor([&] { return screen->session().acceptInput(); }, "the key grid"))
                s.save(screen.get(), "battle-two-players");
        }
    }
    ui::BattleScreenOptions keeping;
    const fs::path replayFile = fs::temp_directory_path() / "vexmora-shots-replay.vxr";
    keeping.chooseReplayFile = [replayFile](QWidget*, ui::BattleScreenOptions::ReplayFile) {
        return std::optional(replayFile);
    };
    if (auto screen = openScreen(s, kModeFree, freeCaption, keeping)) {
        if (loadBoth(s, *screen, "カエンジシ", "ヒノコドラ")) {
            ui::BattleSession& session = screen->session();
            session.settings().spectatorMode = kTrue;
            session.applySettings();
            session.setClockInterval(10);
            screen->startBattle();
            if (s.waitFor([&] { return session.model().result.shown; }, "the result", 300)) {
                QTest::qWait(1500);  // the result's own entrance
                s.save(screen.get(), "result");
            }
            if (s.waitFor([&] { return session.canSaveReplay(); }, "the records")) {
                screen->saveReplay();
                screen->openReplay();
                if (s.waitFor([&] { return screen->watchingReplay() && screen->replaySession()->turnsPlayed() >= 2; },
                              "the replay's second turn"))
                    s.save(screen.get(), "replay");
                s.waitFor([&] { return !screen->watchingReplay(); }, "the replay's end", 300);
            }
            fs::remove(replayFile);
        }
    }
    hitBreakdownScene(s);
}

}  // namespace vex::shots
