#include "vexmora/scenario/difficulty_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>

#include "vexmora/battle/battle_view.h"
#include "vexmora/rules/series_battle.h"
#include "vexmora/scenario/scenario_run.h"

namespace vex {

namespace {

constexpr double kZ95 = 1.959963984540054;

// Boss files are read once per check, not once per battle.
class CachedLoader {
public:
    Result<OpponentChoice> operator()(const fs::path& file) {
        auto found = cache_.find(file);
        if (found == cache_.end()) found = cache_.emplace(file, loadBossFile(file)).first;
        return found->second;
    }

private:
    std::map<fs::path, Result<OpponentChoice>> cache_;
};

BossTally& tallyFor(std::vector<BossTally>& bosses, int entry, const std::string& name) {
    for (BossTally& t : bosses)
        if (t.entry == entry) return t;
    bosses.push_back({entry, name});
    return bosses.back();
}

}  // namespace

double Share::low() const {
    if (total <= 0 || count <= 0) return 0.0;
    const double n = total, p = rate(), z2 = kZ95 * kZ95;
    const double centre = p + z2 / (2 * n);
    const double spread = kZ95 * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n));
    return std::max(0.0, (centre - spread) / (1 + z2 / n));
}

double Share::high() const {
    if (total <= 0 || count >= total) return 1.0;
    const double n = total, p = rate(), z2 = kZ95 * kZ95;
    const double centre = p + z2 / (2 * n);
    const double spread = kZ95 * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n));
    return std::min(1.0, (centre + spread) / (1 + z2 / n));
}

Result<DifficultyReport> checkDifficulty(const DifficultyCheck& check, const MonsterRecord& player) {
    std::mt19937 seeds(check.seed ? *check.seed : std::random_device{}());
    std::uniform_int_distribution<int32_t> seedOf(1, (1 << 20) - 1);
    CachedLoader cache;
    const BossLoader load = [&cache](const fs::path& file) { return cache(file); };

    DifficultyReport report;
    ScenarioRun run(check.scenarioBase, check.programFolder);
    ScriptedDialogs alwaysContinue({DialogAnswer::Yes});
    NullView view;
    ComputerBattle setup;
    setup.settings.battleMode = kModeScenario;
    setup.stageCount = stageCountIn(check.programFolder);
    Rng rng;

    for (int r = 0; r < check.runs; ++r) {
        run.reset();
        std::vector<int> beatenThisRun, reachedThisRun;
        bool cleared = false, ending = false;
        for (int b = 0; b < check.maxBattlesPerRun; ++b) {
            rng.reset(-1);
            rng.reseed(static_cast<double>(seedOf(seeds)));
            auto step = run.nextBattle(rng, player.unlockCodes(), load);
            if (!step) return step.error();
            if (std::holds_alternative<ScenarioCleared>(*step)) {
                cleared = true;
                break;
            }
            const ScenarioBattle& battle = std::get<ScenarioBattle>(*step);
            StatisticsTable statistics;
            setup.seed = seedOf(seeds);
            setup.winCount = run.winCount();
            const EndOfBattle end = playComputerBattle(setup, player, battle.opponent, rng, statistics, view);
            ++report.battles;
            if (battle.opponent.mystery) ++report.mysteries;
            if (battle.entry >= 0) {
                BossTally& t = tallyFor(report.bosses, battle.entry, battle.opponent.record.name);
                ++t.battles;
                if (std::find(reachedThisRun.begin(), reachedThisRun.end(), battle.entry) == reachedThisRun.end()) {
                    reachedThisRun.push_back(battle.entry);
                    ++t.reached;
                }
                if (end.winner == 0) {
                    ++t.wins;
                    if (std::find(beatenThisRun.begin(), beatenThisRun.end(), battle.entry) == beatenThisRun.end()) {
                        beatenThisRun.push_back(battle.entry);
                        ++t.beaten;
                    }
                }
            }
            const ScenarioNext next = run.afterBattle(end.winner, end.side[0].selfFelled, alwaysContinue);
            if (next == ScenarioNext::RunOver) break;
            if (next == ScenarioNext::EndingSecond) cleared = true;
            if (next == ScenarioNext::EndingFirst) ending = true;
            if (next == ScenarioNext::EndingFirst || next == ScenarioNext::EndingSecond) break;
        }
        ++report.runs;
        if (cleared) ++report.cleared;
        if (ending) ++report.endings;
        if (check.progress && !check.progress(report.runs)) break;
    }
    std::sort(report.bosses.begin(), report.bosses.end(),
              [](const BossTally& a, const BossTally& b) { return a.entry < b.entry; });
    return report;
}

std::string describeDifficulty(const DifficultyReport& report) {
    auto percent = [](double v) {
        char text[16];
        std::snprintf(text, sizeof text, "%.1f%%", v * 100.0);
        return std::string(text);
    };
    auto shareText = [&percent](const Share& s) {
        return percent(s.rate()) + "（95%区間 " + percent(s.low()) + "～" + percent(s.high()) + "）";
    };
    std::string out = std::to_string(report.runs) + "回挑戦（戦闘 " + std::to_string(report.battles) + "回）\n";
    for (const BossTally& t : report.bosses) {
        out += "ボス" + std::to_string(t.entry + 1) + " " + t.name + "：撃破 " + shareText(t.pastIt(report.runs)) +
               "　勝利 " + std::to_string(t.wins) + "/" + std::to_string(t.battles) + "戦\n";
    }
    out += "クリア " + shareText(report.clearShare()) + "\n";
    if (report.endings > 0) out += "ボス出現前の終了 " + std::to_string(report.endings) + "回\n";
    if (report.mysteries > 0) out += "謎の敵 " + std::to_string(report.mysteries) + "回\n";
    return out;
}

}  // namespace vex
