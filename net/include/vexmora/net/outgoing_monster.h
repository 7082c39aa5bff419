#pragma once
// The own monster as it travels to the opponent. The receiver keys the file from the monster's
// name, whatever the file was called here, so the file is encoded under that name; and this
// side plays with the record read back from those very bytes, so both programs hold the same
// monster.

#include <string>

#include "vexmora/data/monster_file.h"
#include "vexmora/data/result.h"

namespace vex::net {

struct OutgoingMonster {
    MonsterRecord record;  // fighter 0 of this side, fighter 1 of the other
    std::string file;      // the bytes sent
};

// Refuses a monster whose name cannot travel in a settings block.
Result<OutgoingMonster> prepareOutgoingMonster(const LoadedMonster& monster);

}  // namespace vex::net
