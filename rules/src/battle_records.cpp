#include "vexmora/rules/battle_records.h"

namespace vex {

namespace {

template <class Count>
void keep(LoadedFighter& fighter, bool save, std::vector<Error>& errors, Count count) {
    Result<LoadedMonster> reloaded = loadMonster(fighter.file);
    if (!reloaded) {
        errors.push_back(reloaded.error());
        return;
    }
    fighter.monster = std::move(*reloaded);
    count(fighter.monster.record);
    if (!save) return;
    const Status saved = saveMonster(fighter.file, fighter.monster.record, fighter.monster.picture);
    if (!saved) errors.push_back(saved.error());
}

}  // namespace

std::vector<Error> saveBattleRecords(std::array<LoadedFighter*, 2> fighters, const EndOfBattle& end,
                                     const StatisticsTable& stats, RecordKeeping keeping) {
    std::vector<Error> errors;
    if (keeping.countPlayer && fighters[0])
        keep(*fighters[0], keeping.save, errors, [&](MonsterRecord& r) { updatePlayerRecord(r, end, stats); });
    if (keeping.countSecondPlayer && fighters[1])
        keep(*fighters[1], keeping.save, errors, [&](MonsterRecord& r) { updateSecondPlayerRecord(r, end); });
    return errors;
}

}  // namespace vex
