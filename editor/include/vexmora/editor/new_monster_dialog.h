#pragma once
// "NEWchara": a new monster's name, its 1000 points over ATK, DEF and SPD and its
// personality ("SEIKAKUS"). On "O K" the record is the new monster, ready for the editor.

#include "vexmora/data/monster_record.h"

class QWidget;

namespace vex {

// True when the player pressed "O K"; `record` then holds the new monster.
bool runNewMonsterDialog(QWidget* parent, MonsterRecord& record, bool debugMode);

}  // namespace vex
