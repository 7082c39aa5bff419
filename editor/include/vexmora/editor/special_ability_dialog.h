#pragma once
// "特殊能力の設定": buys special abilities with the points a monster earned in battle. On OK
// the bought abilities are written into the record's unlock codes ("i00" … "i11").

#include "vexmora/data/monster_record.h"

class QWidget;

namespace vex {

// `scenarioEditMode` 10 (the last boss) adds 300 points; debug mode has 9999.
// True when OK was pressed and the record changed accordingly.
bool runSpecialAbilityDialog(QWidget* parent, MonsterRecord& record, int scenarioEditMode, bool debugMode);

}  // namespace vex
