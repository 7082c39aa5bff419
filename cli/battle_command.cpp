// vexmora-cli battle A.tvx B.tvx: one battle played headless. The computer chooses for both
// sides (spectator mode) unless --commands scripts a side.

#include <charconv>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "command_line.h"
#include "fighter_files.h"
#include "settings_options.h"
#include "battle_result.h"
#include "vexmora/battle/battle.h"
#include "vexmora/rules/replay.h"
#include "vexmora/rules/series_battle.h"
#include "vexmora/battle/battle_log.h"
#include "vexmora/battle/unending_battle.h"
#include "vexmora/data/argument_paths.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/rng.h"

namespace vex::cli {

namespace {

// A side's command of one turn: a slot 0-5, or the computer's choice.
constexpr int kComputer = -1;

struct Options {
    std::vector<std::string> files;
    int64_t seed = 0;
    bool seedGiven = false;
    BattleSettings settings;
    std::string commandText;
    std::vector<std::pair<int, int>> commands{{kComputer, kComputer}};
    std::string log;
    std::string replayFile;
    FighterChecks checks = FighterChecks::Game;
};

std::optional<int64_t> parseInteger(const std::string& text) {
    int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<std::vector<std::pair<int, int>>> parseCommands(const std::string& text) {
    std::vector<std::pair<int, int>> pairs;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        size_t colon = item.find(':');
        if (colon == std::string::npos) return std::nullopt;
        auto side = [](const std::string& text) -> std::optional<int> {
            if (text == "c") return kComputer;
            auto slot = parseInteger(text);
            if (!slot || *slot < 0 || *slot > 5) return std::nullopt;
            return static_cast<int>(*slot);
        };
        auto first = side(item.substr(0, colon));
        auto second = side(item.substr(colon + 1));
        if (!first || !second) return std::nullopt;
        pairs.emplace_back(*first, *second);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (pairs.empty()) return std::nullopt;
    return pairs;
}

int playBattle(const CLI::App* command, Options& options) {
    if (options.files.size() != 2) return usageError(command, "two monster files are needed");
    if (!options.commandText.empty()) {
        auto pairs = parseCommands(options.commandText);
        if (!pairs) return usageError(command, "--commands takes pairs of slots 0-5 or c such as 0:1,2:c");
        options.commands = std::move(*pairs);
    }
    // Both sides are checked as the free battle checks them, whoever chooses their commands.
    auto a = loadFighterArgument(options.files[0], 0, options.checks);
    auto b = loadFighterArgument(options.files[1], 1, options.checks);
    if (!a || !b) return kExitUsage;

    NullView nullView;
    JsonLinesView jsonView(std::cout);
    BattleView& view = options.log == "json" ? static_cast<BattleView&>(jsonView) : static_cast<BattleView&>(nullView);
    Rng& rng = processRng();
    const auto& opening = options.commands.front();
    options.settings.spectatorMode = opening.first == kComputer ? -1 : 0;
    options.settings.battleMode = opening.second == kComputer ? kModeFree : kModeTwoPlayers;
    StatisticsTable statistics;
    StatisticsRecorder recorder(statistics);
    const std::unique_ptr<Battle> prepared =
        prepareSeriesBattle(options.settings, a->record, b->record, nullptr, rng, view, recorder);
    Battle& battle = *prepared;
    seedBattleGenerator(rng, options.seedGiven ? std::optional<int32_t>(static_cast<int32_t>(options.seed)) : std::nullopt);
    const int stageCount = stageCountIn(programFolder());
    ReplayRecorder replay;
    if (!options.replayFile.empty()) {
        const Status recording = replay.begin(battle, {&*a, &*b}, rng.state(), stageCount, std::nullopt);
        if (!recording) return failWith(recording.error(), kExitFailure);
    }
    battle.startBattle(stageCount);

    const int cap = unendingBattleCap(battle.settings());
    for (int turn = 0; !battle.state().ended && turn < cap; ++turn) {
        const auto& pair = options.commands[std::min(static_cast<size_t>(turn), options.commands.size() - 1)];
        // The modes that let the computer play the turn's computer sides: spectator mode for
        // fighter 0, the free battle for fighter 1; two players when both are scripted.
        BattleSettings& settings = battle.settings();
        settings.spectatorMode = pair.first == kComputer ? -1 : 0;
        settings.battleMode = pair.second == kComputer ? kModeFree : kModeTwoPlayers;
        const Command first = pair.first == kComputer ? Command::nothing() : battle.commandForSlot(0, pair.first);
        const Command second = pair.second == kComputer ? Command::nothing() : battle.commandForSlot(1, pair.second);
        battle.runTurn(first, second);
        replay.turnPlayed(battle, first, second);
    }

    printResult(battle);
    if (replay.replay()) {
        const Status saved = saveReplay(outputArgumentPath(options.replayFile), *replay.replay());
        if (!saved) return failWith(saved.error(), kExitFailure);
    }
    return kExitOk;
}

}  // namespace

void addBattleCommand(CLI::App& app) {
    static Options options;
    CLI::App* command = addCommand(app, "battle", "play one battle headless (see docs/cli.md)");
    command->add_option("FILES", options.files, "the two monster files, A.tvx B.tvx");
    command->add_option("--seed", options.seed, "the battle's seed (else the clock)")
        ->check(CLI::Range(static_cast<int64_t>(INT32_MIN), static_cast<int64_t>(INT32_MAX)))
        ->type_name("N")
        ->each([](const std::string&) { options.seedGiven = true; });
    addSettingsOptions(command, options.settings);
    command->add_option("--commands", options.commandText,
                        "each turn's slots S0:S1,S0:S1,... (0-4, 5 to do nothing, c for the computer)")
        ->type_name("LIST");
    command->add_option("--log", options.log, "print the battle log")->check(CLI::IsMember({"json"}))->type_name("json");
    command->add_option("--save-replay", options.replayFile, "keep the battle as a replay file (.vxr)")
        ->type_name("FILE");
    addUncheckedOption(command, options.checks);
    runs(command, [command] { return playBattle(command, options); });
}

}  // namespace vex::cli
