// How long a spectator battle takes on the battle screen at game speed 0, against the sum of
// the waits its timeline asked for: the pauses and gauge steps the battle's log names, the
// screen's own motion steps and the one-second clock between turns. The ratio is the
// overhead of the animation player (timers, painting, composing) on top of the waits.
//
//   bench_spectator_battle [TURNS]      (50 turns unless given; the battle may end sooner)
//
// It plays in real time: a 50-turn battle takes a few minutes.

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>

#include "bench_content.h"
#include "vexmora/ui/battle_view/battle_screen.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/ui/media/system_options.h"

using namespace vex;
using namespace vex::ui;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installGameFont();
    const int turns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

    const fs::path scratch = fs::temp_directory_path() / "vexmora-bench-spectator";
    const bench::BenchContent content = bench::benchContent(scratch);
    setProgramFolder(content.folder);
    systemOptions() = {};  // game speed 0: every wait at its nominal length

    ScriptedDialogs dialogs;
    BattleScreenOptions options;
    options.libraryFolders = {fs::path(VEXMORA_GAME_DIR)};
    options.hooks = SessionHooks::quiet(dialogs);
    BattleScreen screen(kModeFree, QStringLiteral("ＴＸ（フリー対戦）"), dialogs, options);
    if (!screen.ready()) {
        std::fprintf(stderr, "%s\n", screen.error().c_str());
        return 1;
    }
    screen.show();
    BattleSession& session = screen.session();
    // The battle must not end by the turn limit before the measurement does.
    session.settings().spectatorMode = kTrue;
    session.settings().turnLimit = 0;
    session.settings().initialHp = 2000;
    for (int side = 0; side < 2; ++side)
        if (!session.loadFighterFile(side, content.monsters[static_cast<size_t>(side)])) return 1;

    QElapsedTimer wall;
    int64_t waited = 0, own = 0;
    int measured = 0;
    auto finish = [&] {
        waited = session.scheduledWaitMs();
        own = session.ownWaitMs();
        measured = session.turnsPlayed();
        // exit, not quit: quit asks the windows to close, and the screen refuses while busy.
        app.exit(0);
    };
    QObject::connect(&session, &BattleSession::turnFinished, &app, [&](int turn) {
        if (turn >= turns || session.battleEnded()) finish();
    });
    wall.start();
    session.start();
    if (!session.battleRunning()) {
        std::fprintf(stderr, "the battle did not start\n");
        return 1;
    }
    app.exec();
    const double elapsed = static_cast<double>(wall.nsecsElapsed()) / 1e6;
    std::printf("content %s%s\n", content.folder.c_str(), content.generated ? " (stand-in)" : "");
    std::printf("turns played          %d%s\n", measured, session.battleEnded() ? " (the battle ended)" : "");
    std::printf("waits asked for       %lld ms (of them the screen's own motions %lld ms)\n",
                static_cast<long long>(waited), static_cast<long long>(own));
    std::printf("wall time             %.0f ms\n", elapsed);
    std::printf("ratio                 %.4f\n", waited > 0 ? elapsed / static_cast<double>(waited) : 0.0);
    return 0;
}
