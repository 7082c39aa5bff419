#pragma once
// The monster the command-line tests fight with: ATK as given, DEF 300, the rest in SPD, and
// two attacks (体当たり and a level-3 one), so every battle ends.

#include <string>

#include "vexmora/data/monster_record.h"

namespace vex::test {

inline MonsterRecord cliFighter(const std::string& name, int atk, const char* version = "1") {
    MonsterRecord m = newMonster(name, atk, 300, 1000 - atk - 300);
    m.techId = {0, 1, 99, 99, 99};
    m.techLevel = {1, 3, 0, 0, 0};
    m.techCost = {0, 40, 0, 0, 0};
    m.makerVersion() = version;
    return m;
}

}  // namespace vex::test
