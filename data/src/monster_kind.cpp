#include "vexmora/data/monster_kind.h"

#include "vexmora/data/numbers.h"

namespace vex {

namespace {

double versionNumber(const MonsterRecord& record) { return leadingNumber(record.makerVersion()); }

}  // namespace

bool isRare(const MonsterRecord& record) { return versionNumber(record) == 0; }

bool isFormerSystemMonster(const MonsterRecord& record) { return isRare(record); }

bool isSystemData(const MonsterRecord& record) { return record.makerVersion() == "9.99"; }

bool isTreatedAsSystemData(const MonsterRecord& record) {
    const double v = versionNumber(record);
    return v == 9.99 || v == 5.55;
}

bool isUsersMonster(const MonsterRecord& record) { return versionNumber(record) == 1; }

bool isOrdinaryMonster(const MonsterRecord& record) { return !isSystemData(record) && !isRare(record); }

}  // namespace vex
