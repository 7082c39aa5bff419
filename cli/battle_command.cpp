// vexmora-cli battle A.tvx B.tvx: one battle played headless. The computer chooses for both
// sides (spectator mode) unless --commands scripts a side.

#include <charconv>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "commands.h"
#include "vexmora/battle/battle.h"
#include "vexmora/battle/battle_log.h"
#include "vexmora/battle/stage_list.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/paths.h"
#include "vexmora/data/rng.h"

namespace vex::cli {

namespace {

constexpr const char* kBattleUsage =
    "usage: vexmora-cli battle A.tvx B.tvx [--seed N] [--hp N] [--sp N] [--turns N] [--stage N]\n"
    "                                      [--commands S0:S1,S0:S1,...] [--log json]\n"
    "  a slot S is 0-4, 5 to do nothing, or c for the computer's choice\n";

// A battle with no limit that nobody can win (both fighters only wait) would never end.
constexpr int kTurnCap = 10000;

// A side's command of one turn: a slot 0-5, or the computer's choice.
constexpr int kComputer = -1;

struct Options {
    std::string pathA, pathB;
    std::optional<int32_t> seed;
    BattleSettings settings;
    std::vector<std::pair<int, int>> commands{{kComputer, kComputer}};
    bool jsonLog = false;
};

int usageError(const std::string& message) {
    std::cerr << "vexmora-cli battle: " << message << "\n" << kBattleUsage;
    return 2;
}

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

// Parses the arguments; returns an exit status when they are refused.
std::optional<int> parseOptions(const Args& args, Options& options) {
    std::vector<std::string> files;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            files.push_back(arg);
            continue;
        }
        if (i + 1 >= args.size()) return usageError(arg + " needs a value");
        const std::string& value = args[++i];
        auto number = [&](int64_t low, int64_t high) -> std::optional<int64_t> {
            auto n = parseInteger(value);
            if (!n || *n < low || *n > high) return std::nullopt;
            return n;
        };
        if (arg == "--seed") {
            auto n = number(INT32_MIN, INT32_MAX);
            if (!n) return usageError("--seed takes a whole number");
            options.seed = static_cast<int32_t>(*n);
        } else if (arg == "--hp") {
            auto n = number(1, 32767);
            if (!n) return usageError("--hp takes a number from 1 to 32767");
            options.settings.initialHp = static_cast<int16_t>(*n);
        } else if (arg == "--sp") {
            auto n = number(0, 999);
            if (!n) return usageError("--sp takes a number from 0 to 999");
            options.settings.initialSp = static_cast<int16_t>(*n);
        } else if (arg == "--turns") {
            auto n = number(0, 32767);
            if (!n) return usageError("--turns takes a number from 0 (no limit) to 32767");
            options.settings.turnLimit = static_cast<int16_t>(*n);
        } else if (arg == "--stage") {
            auto n = number(-2, 99);
            if (!n) return usageError("--stage takes a stage number, 99 (random), -1 (ground) or -2 (water)");
            options.settings.stageIndex = static_cast<int16_t>(*n);
        } else if (arg == "--commands") {
            auto pairs = parseCommands(value);
            if (!pairs) return usageError("--commands takes pairs of slots 0-5 or c such as 0:1,2:c");
            options.commands = std::move(*pairs);
        } else if (arg == "--log") {
            if (value != "json") return usageError("--log takes json");
            options.jsonLog = true;
        } else {
            return usageError("unknown option " + arg);
        }
    }
    if (files.size() != 2) return usageError("two monster files are needed");
    options.pathA = files[0];
    options.pathB = files[1];
    return std::nullopt;
}

std::optional<MonsterRecord> loadFighter(const std::string& path) {
    auto loaded = loadMonster(fs::path(path));
    if (!loaded) {
        std::cerr << loaded.error().title << ": " << path << ": " << loaded.error().message << "\n";
        return std::nullopt;
    }
    if (loaded->integrity == Integrity::SystemTampered) {
        std::cerr << kTamperedTitle << ": " << path << ": " << kTamperedMessage << "\n";
        return std::nullopt;
    }
    return loaded->record;
}

}  // namespace

int battleCommand(const Args& args) {
    Options options;
    if (auto refused = parseOptions(args, options)) return *refused;
    auto a = loadFighter(options.pathA);
    auto b = loadFighter(options.pathB);
    if (!a || !b) return 2;

    NullView nullView;
    JsonLinesView jsonView(std::cout);
    BattleView& view = options.jsonLog ? static_cast<BattleView&>(jsonView) : static_cast<BattleView&>(nullView);
    Rng& rng = processRng();
    const auto& opening = options.commands.front();
    options.settings.spectatorMode = opening.first == kComputer ? -1 : 0;
    options.settings.battleMode = opening.second == kComputer ? kModeFree : kModeTwoPlayers;
    Battle battle(options.settings, *a, *b, rng, view);
    seedBattleGenerator(rng, options.seed);
    battle.startBattle(programStageCount());

    for (int turn = 0; !battle.state().ended && turn < kTurnCap; ++turn) {
        const auto& pair = options.commands[std::min(static_cast<size_t>(turn), options.commands.size() - 1)];
        // The modes that let the computer play the turn's computer sides: spectator mode for
        // fighter 0, the free battle for fighter 1; two players when both are scripted.
        BattleSettings& settings = battle.settings();
        settings.spectatorMode = pair.first == kComputer ? -1 : 0;
        settings.battleMode = pair.second == kComputer ? kModeFree : kModeTwoPlayers;
        battle.runTurn(pair.first == kComputer ? Command::nothing() : battle.commandForSlot(0, pair.first),
                       pair.second == kComputer ? Command::nothing() : battle.commandForSlot(1, pair.second));
    }

    const BattleState& s = battle.state();
    std::string winner = s.ended ? std::to_string(s.winner) : "null";
    std::string reason = s.ended ? std::string(endReasonName(s.endReason)) : "unfinished";
    std::cout << "{\"type\":\"result\",\"winner\":" << winner << ",\"turns\":" << s.turnCount << ",\"reason\":\""
              << reason << "\",\"hp\":[" << s.fighter[0].hp << "," << s.fighter[1].hp << "],\"sp\":["
              << s.fighter[0].sp << "," << s.fighter[1].sp << "],\"draws\":" << s.drawCounter << "}\n";
    return 0;
}

}  // namespace vex::cli
