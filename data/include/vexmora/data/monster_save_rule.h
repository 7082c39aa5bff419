#pragma once
// What saving does to a monster's points, whoever saves it: the editor's 保存 and the command
// line's make-monster both call this one rule.

#include "vexmora/data/monster_record.h"

namespace vex {

// An ordinary monster (makerVersion with the value 1) is saved with at most 1000 points: more,
// and ATK, DEF and SPD all become 0. System data and rare monsters keep theirs, as a monster
// saved in the editor's debug mode does (the editor does not call this then).
void clampPointsForSave(MonsterRecord& record);

}  // namespace vex
