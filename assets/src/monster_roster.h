#pragma once
// The monsters the content holds, as designs (tests and the contact sheet read them too).

#include <vector>

#include "monster_maker.h"

namespace vex::assets {

std::vector<MonsterDesign> sampleMonsters();  // Data\<name>.tvx
std::vector<MonsterDesign> systemMonsters();  // System\system.001 … 004, in that order
std::vector<MonsterDesign> scenarioBosses();  // the sample scenario's bosses 1-10

}  // namespace vex::assets
