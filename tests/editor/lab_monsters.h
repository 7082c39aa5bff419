#pragma once
// Monsters for the tests of the editor's balance lab and damage calculator: 1000 points spread
// over ATK, DEF and SPD, five slots at level 3 (99: an empty slot).

#include <array>
#include <string>

#include "vexmora/data/monster_file.h"

namespace vex::test {

inline MonsterRecord labMonster(const std::string& name, int atk, int def, std::array<int16_t, 5> techs) {
    MonsterRecord m = newMonster(name, atk, def, 1000 - atk - def);
    m.techId = techs;
    for (size_t s = 0; s < 5; ++s) m.techLevel[s] = techs[s] == 99 ? 0 : 3;
    return m;
}

}  // namespace vex::test
