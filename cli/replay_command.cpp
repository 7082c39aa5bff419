// vexmora-cli replay FILE: plays a replay again and checks every turn's state hash.

#include <iostream>

#include "battle_result.h"
#include "command_line.h"
#include "vexmora/data/argument_paths.h"
#include "vexmora/battle/battle_log.h"
#include "vexmora/rules/replay.h"
#include "vexmora/rules/series_battle.h"

namespace vex::cli {

namespace {

// The first turn whose state differs from the replay's.
constexpr int kExitDiverged = 3;

struct Options {
    std::string file;
    std::string log;
};

int playReplay(const Options& options) {
    Result<Replay> replay = readReplay(inputArgumentPath(options.file));
    if (!replay) return failWith(replay.error(), kExitUsage);
    Result<std::array<LoadedMonster, 2>> monsters = replayMonsters(*replay);
    if (!monsters) return failWith(monsters.error(), kExitUsage);

    NullView nullView;
    JsonLinesView jsonView(std::cout);
    BattleView& view = options.log == "json" ? static_cast<BattleView&>(jsonView) : static_cast<BattleView&>(nullView);
    StatisticsTable statistics;
    StatisticsRecorder recorder(statistics);
    const std::unique_ptr<Battle> battle = startReplayBattle(*replay, *monsters, processRng(), view, recorder);
    int turn = 0;
    for (const ReplayTurn& recorded : replay->turns) {
        ++turn;
        if (battle->state().ended) {
            std::cout.flush();
            std::cerr << "vexmora-cli replay: turn " << turn << ": the battle had already ended\n";
            return kExitDiverged;
        }
        playReplayTurn(*battle, recorded);
        const uint64_t hash = battle->stateHash();
        if (hash != recorded.hash) {
            std::cout.flush();
            std::cerr << "vexmora-cli replay: turn " << turn << ": the state hash is " << stateHashText(hash)
                      << ", the replay says " << stateHashText(recorded.hash) << "\n";
            return kExitDiverged;
        }
    }
    printResult(*battle);
    return kExitOk;
}

}  // namespace

void addReplayCommand(CLI::App& app) {
    static Options options;
    CLI::App* command =
        addCommand(app, "replay", "play a replay again, checking every turn's state hash (exit 3 where one differs)");
    command->add_option("FILE", options.file, "the replay file (.vxr)")->required();
    command->add_option("--log", options.log, "print the battle log")->check(CLI::IsMember({"json"}))->type_name("json");
    runs(command, [] { return playReplay(options); });
}

}  // namespace vex::cli
