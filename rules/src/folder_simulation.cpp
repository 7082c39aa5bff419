// The balance lab's run: the opponents are read first (keying a file uses the process
// generator), then the battles are played on one pool of workers.

#include "vexmora/rules/folder_simulation.h"

#include <algorithm>

#include "vexmora/data/monster_file.h"
#include "vexmora/data/technique_catalogue.h"
#include "vexmora/rules/mode_policy.h"
#include "vexmora/rules/opponent_choice.h"

namespace vex {

FolderOpponents loadFolderOpponents(const fs::path& folder) {
    FolderOpponents out;
    for (const fs::path& file : listMonsterFiles(folder)) {
        const std::string name = file.filename().string();
        auto loaded = loadMonster(file);
        if (!loaded) {
            out.skipped.push_back(name + ": " + loaded.error().message);
            continue;
        }
        if (loaded->integrity == Integrity::SystemTampered) {
            out.skipped.push_back(name + ": 不正に改造されたデータの可能性があります");
            continue;
        }
        if (auto refused = refuseFighter(kEliminationLoading, 1, loaded->record)) {
            out.skipped.push_back(name + ": " + refused->text);
            continue;
        }
        out.opponents.push_back({file, std::move(loaded->record)});
    }
    return out;
}

FolderSimulation simulateAgainst(const MonsterRecord& monster, FolderOpponents opponents,
                                 const SimulationSetup& setup, const SimulationControl& control) {
    std::vector<MonsterRecord> records;
    records.reserve(opponents.opponents.size());
    for (const FolderOpponent& o : opponents.opponents) records.push_back(o.record);
    FolderSimulation run;
    run.series = simulateSeries(monster, records, setup, control);
    run.opponents = std::move(opponents.opponents);
    run.skipped = std::move(opponents.skipped);
    return run;
}

Result<FolderSimulation> simulateAgainstFolder(const MonsterRecord& monster, const fs::path& folder,
                                               const SimulationSetup& setup, const SimulationControl& control) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return Error{"エラー", "フォルダが見つかりません: " + folder.string()};
    FolderOpponents opponents = loadFolderOpponents(folder);
    if (opponents.opponents.empty())
        return Error{"エラー", "対戦できるモンスターがフォルダにいません: " + folder.string()};
    return simulateAgainst(monster, std::move(opponents), setup, control);
}

std::vector<TechniqueTally> slotTallies(const MonsterRecord& monster, const std::vector<SimulationResult>& results) {
    std::vector<TechniqueTally> slots;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const auto s = static_cast<size_t>(slot);
        TechniqueTally tally;
        tally.id = monster.techId[s];
        tally.name = !monster.techName[s].empty() ? monster.techName[s]
                                                  : std::string(techniqueEntry(std::clamp<int>(tally.id, 0, 999)).techTitle);
        // The computer chooses by technique, not by slot: a technique held twice counts once.
        bool earlier = false;
        for (int before = 0; before < slot; ++before) earlier |= monster.techId[static_cast<size_t>(before)] == tally.id;
        if (tally.id != kEmptyTech && !earlier) {
            for (const SimulationResult& r : results) {
                for (const TechniqueTally& t : r.techniques) {
                    if (t.side != 0 || t.id != tally.id) continue;
                    tally.chosen += t.chosen;
                    tally.used += t.used;
                    tally.landed += t.landed;
                }
            }
        }
        slots.push_back(std::move(tally));
    }
    return slots;
}

std::vector<TechniqueTally> slotTallies(const MonsterRecord& monster, const SimulationResult& result) {
    return slotTallies(monster, std::vector<SimulationResult>{result});
}

}  // namespace vex
