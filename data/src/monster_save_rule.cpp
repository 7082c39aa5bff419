#include "vexmora/data/monster_save_rule.h"

#include "vexmora/data/numbers.h"

namespace vex {

void clampPointsForSave(MonsterRecord& record) {
    if (leadingNumber(record.makerVersion()) == 1) record.clampPoints();
}

}  // namespace vex
