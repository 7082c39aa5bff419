#include "vexmora/data/monster_save_rule.h"

#include "vexmora/data/monster_kind.h"

namespace vex {

void clampPointsForSave(MonsterRecord& record) {
    if (isUsersMonster(record)) record.clampPoints();
}

}  // namespace vex
