// vexmora-cli scenario FILE.sce PLAYER.tvx: a scenario played to its end, the computer playing
// both sides, the player's monster saved after every battle as the game saves it.
// With --runs N: the difficulty check instead — N runs, nothing written.

#include <iostream>

#include "command_line.h"
#include "series_run.h"
#include "vexmora/battle/battle_view.h"
#include "vexmora/data/argument_paths.h"
#include "vexmora/data/record_json.h"
#include "vexmora/scenario/difficulty_check.h"
#include "vexmora/scenario/scenario_policy.h"
#include "vexmora/scenario/scenario_run.h"

namespace vex::cli {

namespace {

nlohmann::json shareJson(const Share& s) {
    return {{"count", s.count}, {"total", s.total}, {"rate", s.rate()}, {"low", s.low()}, {"high", s.high()}};
}

int checkDifficultyOf(const fs::path& base, const MonsterRecord& player, const SeriesOptions& o, int runs) {
    DifficultyCheck check;
    check.scenarioBase = base;
    check.programFolder = programFolder();
    check.runs = runs;
    if (o.seedGiven) check.seed = static_cast<uint32_t>(o.seed);
    auto report = checkDifficulty(check, player);
    if (!report) {
        std::cerr << report.error().title << ": " << report.error().message << "\n";
        return kExitFailure;
    }
    if (!o.json) {
        std::cout << describeDifficulty(*report);
        return kExitOk;
    }
    nlohmann::json bosses = nlohmann::json::array();
    for (const BossTally& t : report->bosses)
        bosses.push_back({{"boss", t.entry + 1}, {"name", t.name}, {"reached", t.reached}, {"beaten", shareJson(t.pastIt(report->runs))},
                          {"battles", t.battles}, {"wins", t.wins}});
    std::cout << jsonLine({{"type", "difficulty"}, {"runs", report->runs}, {"battles", report->battles},
                           {"mysteries", report->mysteries}, {"endings", report->endings},
                           {"cleared", shareJson(report->clearShare())}, {"bosses", bosses}})
              << "\n";
    return kExitOk;
}

int runScenario(const CLI::App* command, const SeriesOptions* o, int runs) {
    if (o->files.size() != 2) return usageError(command, "a scenario file and the player's monster file are needed");
    fs::path base = inputArgumentPath(o->files[0]);
    base.replace_extension();
    const fs::path playerPath = inputArgumentPath(o->files[1]);
    auto player = loadPlayer(playerPath, kScenarioLoading);
    if (!player) return 2;
    if (runs > 0) return checkDifficultyOf(base, player->monster.record, *o, runs);

    ScenarioRun run(base, programFolder());
    ScriptedDialogs yes({DialogAnswer::Yes});
    Rng rng;
    NullView view;
    StatisticsTable stats;
    stats.load(0, parseHistory(player->monster.record.history()));
    ComputerBattle setup;
    setup.settings.battleMode = kModeScenario;
    setup.stageCount = stageCountIn(programFolder());
    int battles = 0, wins = 0, mysteries = 0;
    std::string outcome = "over";
    for (int i = 0; i < o->maxBattles; ++i) {
        seedChoice(rng, *o, i);
        auto step = run.nextBattle(rng, player->monster.record.unlockCodes());
        if (!step) {
            std::cerr << step.error().title << ": " << step.error().message << "\n";
            return 1;
        }
        if (std::holds_alternative<ScenarioCleared>(*step)) {
            outcome = "cleared";
            break;
        }
        const ScenarioBattle& b = std::get<ScenarioBattle>(*step);
        setup.seed = battleSeed(*o, i);
        setup.winCount = run.winCount();
        const EndOfBattle end = playComputerBattle(setup, player->monster.record, b.opponent, rng, stats, view);
        ++battles;
        if (b.opponent.mystery) ++mysteries;
        if (end.winner == 0) ++wins;
        printBattle(*o, i, b.opponent, end);
        if (!savePlayer(*player, end, stats)) return 1;
        const ScenarioNext next = run.afterBattle(end.winner, end.side[0].selfFelled, yes);
        if (next == ScenarioNext::RunOver) break;
        if (next == ScenarioNext::EndingFirst || next == ScenarioNext::EndingSecond) {
            outcome = next == ScenarioNext::EndingSecond ? "cleared" : "ending";
            break;
        }
    }
    if (o->json) {
        std::cout << jsonLine({{"type", "run"}, {"battles", battles}, {"wins", wins}, {"mysteries", mysteries},
                               {"outcome", outcome}})
                  << "\n";
    } else {
        std::cout << battles << " battles, " << wins << " won: " << outcome << "\n";
    }
    return 0;
}

}  // namespace

void addScenarioCommand(CLI::App& app) {
    static SeriesOptions options;
    static int checkRuns = 0;
    CLI::App* command = addCommand(app, "scenario", "a scenario played to its end");
    command->add_option("FILES", options.files, "the scenario file FILE.sce and the player's monster file");
    addSeriesOptions(command, options);
    command->add_option("--runs", checkRuns, "the difficulty check: N runs, how often each boss falls; nothing is saved")
        ->check(CLI::Range(1, 100000))
        ->type_name("N");
    runs(command, [command] { return runScenario(command, &options, checkRuns); });
}

}  // namespace vex::cli
