// vexmora-cli elimination and scenario: whole runs, the computer playing both sides, the
// player's monster saved after every battle as the game saves it.

#include <charconv>
#include <iostream>
#include <optional>

#include "commands.h"
#include "vexmora/battle/battle_view.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/record_json.h"
#include "vexmora/rules/fighter_checks.h"
#include "vexmora/rules/series_battle.h"
#include "vexmora/scenario/scenario_run.h"

namespace vex::cli {

namespace {

using nlohmann::json;

struct SeriesOptions {
    std::vector<std::string> files;
    std::optional<int32_t> seed;
    int maxBattles = 1000;
    bool json = false;
};

std::optional<int64_t> integer(const std::string& text) {
    int64_t v = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

std::optional<SeriesOptions> parse(const Args& args, const char* usage) {
    SeriesOptions o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json") {
            o.json = true;
        } else if ((a == "--seed" || a == "--max-battles") && i + 1 < args.size()) {
            auto v = integer(args[++i]);
            if (!v || (a == "--seed" && (*v < INT32_MIN || *v > INT32_MAX)) || (a == "--max-battles" && *v < 1)) {
                std::cerr << usage;
                return std::nullopt;
            }
            if (a == "--seed") o.seed = static_cast<int32_t>(*v);
            else o.maxBattles = static_cast<int>(std::min<int64_t>(*v, 1000000));
        } else if (a.rfind("--", 0) == 0) {
            std::cerr << usage;
            return std::nullopt;
        } else {
            o.files.push_back(a);
        }
    }
    return o;
}

// Seeds the generator before an opponent is chosen: from the clock, or — for a repeatable
// run — from the seed and the battle's number.
void seedChoice(Rng& rng, const SeriesOptions& o, int battle) {
    if (!o.seed) {
        rng.reseedFromClock();
        return;
    }
    rng.reset(-1);
    rng.reseed(static_cast<double>(*o.seed) * 1000.0 + battle);
}

std::optional<int32_t> battleSeed(const SeriesOptions& o, int battle) {
    if (!o.seed) return std::nullopt;
    return static_cast<int32_t>(static_cast<int64_t>(*o.seed) * 7919 + battle);
}

// The player's monster as loaded for a run: refused monsters stop the run with their message.
std::optional<LoadedMonster> loadPlayer(const fs::path& path, int16_t mode) {
    auto loaded = loadMonster(path);
    if (!loaded) {
        std::cerr << loaded.error().title << ": " << loaded.error().message << "\n";
        return std::nullopt;
    }
    if (loaded->integrity == Integrity::SystemTampered) {
        std::cerr << kTamperedTitle << ": " << kTamperedMessage << "\n";
        return std::nullopt;
    }
    if (auto refused = refuseFighter(mode, 0, loaded->record)) {
        std::cerr << refused->title << ": " << refused->text << "\n";
        return std::nullopt;
    }
    return std::move(loaded.value());
}

// After a battle: reload the player's file, count the result, save it again.
bool savePlayer(const fs::path& path, const EndOfBattle& end, const StatisticsTable& stats) {
    auto reloaded = loadMonster(path);
    if (!reloaded) {
        std::cerr << reloaded.error().title << ": " << reloaded.error().message << "\n";
        return false;
    }
    updatePlayerRecord(reloaded->record, end, stats);
    const Status saved = saveMonster(path, reloaded->record, reloaded->picture);
    if (!saved) {
        std::cerr << saved.error().title << ": " << saved.error().message << "\n";
        return false;
    }
    return true;
}

void printBattle(const SeriesOptions& o, int index, const OpponentChoice& opponent, const EndOfBattle& end) {
    if (o.json) {
        std::cout << jsonLine({{"type", "battle"}, {"index", index}, {"opponent", opponent.record.name},
                               {"mystery", opponent.mystery}, {"winner", end.winner}, {"turns", end.turnCount}})
                  << "\n";
        return;
    }
    if (!opponent.announcement.empty()) std::cout << "  " << opponent.announcement << "\n";
    std::cout << "battle " << index + 1 << ": " << opponent.record.name << (opponent.mystery ? " (mystery)" : "")
              << " — " << (end.winner == 0 ? "won" : "lost") << " in " << end.turnCount << " turns\n";
}

constexpr const char* kEliminationUsage =
    "usage: vexmora-cli elimination PLAYER.tvx [--seed N] [--max-battles K] [--json]\n";
constexpr const char* kScenarioUsage = "usage: vexmora-cli scenario FILE.sce PLAYER.tvx [--seed N] [--json]\n";

}  // namespace

int eliminationCommand(const Args& args) {
    auto o = parse(args, kEliminationUsage);
    if (!o || o->files.size() != 1) {
        if (o) std::cerr << kEliminationUsage;
        return 2;
    }
    const fs::path playerPath = o->files[0];
    auto player = loadPlayer(playerPath, kModeElimination);
    if (!player) return 2;

    EliminationRun run(programFolder(), listMonsterFiles(resolve("Data")));
    Rng rng;
    NullView view;
    StatisticsTable stats;
    stats.load(0, parseHistory(player->record.history()));
    ComputerBattle setup;
    setup.settings.battleMode = kModeElimination;
    setup.stageCount = stageCountIn(programFolder());
    int battles = 0, wins = 0, mysteries = 0;
    for (int i = 0; i < o->maxBattles; ++i) {
        seedChoice(rng, *o, i);
        auto opponent = run.nextOpponent(rng, player->record.unlockCodes());
        if (!opponent) {
            std::cerr << opponent.error().title << ": " << opponent.error().message << "\n";
            return 1;
        }
        setup.seed = battleSeed(*o, i);
        setup.winCount = run.winCount();
        const EndOfBattle end = playComputerBattle(setup, player->record, *opponent, rng, stats, view);
        ++battles;
        if (opponent->mystery) ++mysteries;
        if (end.winner == 0) ++wins;
        printBattle(*o, i, *opponent, end);
        if (!savePlayer(playerPath, end, stats)) return 1;
        if (end.winner != 0) break;
    }
    if (o->json) {
        std::cout << jsonLine({{"type", "run"}, {"battles", battles}, {"wins", wins}, {"mysteries", mysteries}}) << "\n";
    } else {
        std::cout << battles << " battles, " << wins << " won, " << mysteries << " mystery challengers\n";
    }
    return 0;
}

int scenarioCommand(const Args& args) {
    auto o = parse(args, kScenarioUsage);
    if (!o || o->files.size() != 2) {
        if (o) std::cerr << kScenarioUsage;
        return 2;
    }
    fs::path base = o->files[0];
    base.replace_extension();
    const fs::path playerPath = o->files[1];
    auto player = loadPlayer(playerPath, kModeScenario);
    if (!player) return 2;

    ScenarioRun run(base, programFolder());
    ScriptedDialogs yes({DialogAnswer::Yes});
    Rng rng;
    NullView view;
    StatisticsTable stats;
    stats.load(0, parseHistory(player->record.history()));
    ComputerBattle setup;
    setup.settings.battleMode = kModeScenario;
    setup.stageCount = stageCountIn(programFolder());
    int battles = 0, wins = 0, mysteries = 0;
    std::string outcome = "over";
    for (int i = 0; i < o->maxBattles; ++i) {
        seedChoice(rng, *o, i);
        auto step = run.nextBattle(rng, player->record.unlockCodes());
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
        const EndOfBattle end = playComputerBattle(setup, player->record, b.opponent, rng, stats, view);
        ++battles;
        if (b.opponent.mystery) ++mysteries;
        if (end.winner == 0) ++wins;
        printBattle(*o, i, b.opponent, end);
        if (!savePlayer(playerPath, end, stats)) return 1;
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

}  // namespace vex::cli
