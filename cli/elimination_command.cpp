// vexmora-cli elimination PLAYER.tvx: an elimination run through the Data folder, the computer
// playing both sides, the player's monster saved after every battle as the game saves it.

#include <algorithm>
#include <iostream>

#include "command_line.h"
#include "series_run.h"
#include "vexmora/battle/battle_view.h"
#include "vexmora/data/argument_paths.h"
#include "vexmora/data/record_json.h"
#include "vexmora/rules/mode_policy.h"

namespace vex::cli {

namespace {

int runElimination(const CLI::App* command, const SeriesOptions* o) {
    if (o->files.size() != 1) return usageError(command, "one monster file, the player's, is needed");
    const fs::path playerPath = inputArgumentPath(o->files[0]);
    auto player = loadPlayer(playerPath, kEliminationLoading);
    if (!player) return 2;

    EliminationRun run(programFolder(), listMonsterFiles(resolve("Data")));
    Rng rng;
    NullView view;
    StatisticsTable stats;
    stats.load(0, parseHistory(player->monster.record.history()));
    ComputerBattle setup;
    setup.settings.battleMode = kModeElimination;
    setup.stageCount = stageCountIn(programFolder());
    int battles = 0, wins = 0, mysteries = 0;
    for (int i = 0; i < std::min<int64_t>(o->maxBattles, 1000000); ++i) {
        seedChoice(rng, *o, i);
        auto opponent = run.nextOpponent(rng, player->monster.record.unlockCodes());
        if (!opponent) {
            std::cerr << opponent.error().title << ": " << opponent.error().message << "\n";
            return 1;
        }
        setup.seed = battleSeed(*o, i);
        setup.winCount = run.winCount();
        const EndOfBattle end = playComputerBattle(setup, player->monster.record, *opponent, rng, stats, view);
        ++battles;
        if (opponent->mystery) ++mysteries;
        if (end.winner == 0) ++wins;
        printBattle(*o, i, *opponent, end);
        if (!savePlayer(*player, end, stats)) return 1;
        if (end.winner != 0) break;
    }
    if (o->json) {
        std::cout << jsonLine({{"type", "run"}, {"battles", battles}, {"wins", wins}, {"mysteries", mysteries}}) << "\n";
    } else {
        std::cout << battles << " battles, " << wins << " won, " << mysteries << " mystery challengers\n";
    }
    return 0;
}

}  // namespace

void addEliminationCommand(CLI::App& app) {
    static SeriesOptions options;
    CLI::App* command = addCommand(app, "elimination", "an elimination run through the Data folder");
    command->add_option("PLAYER", options.files, "the player's monster file (saved after every battle)");
    addSeriesOptions(command, options);
    command->add_option("--max-battles", options.maxBattles, "stop after K battles")
        ->check(CLI::PositiveNumber)
        ->type_name("K");
    runs(command, [command] { return runElimination(command, &options); });
}

}  // namespace vex::cli
