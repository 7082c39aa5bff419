#pragma once
// The game's scrambled files, written so that the same record always gives the same bytes.
// The game's own writers draw the key row (and the salt) from the process generator after a
// clock reseed; here a generator of our own is reset and reseeded with a number taken from the
// file's name before each draw. Readers cannot tell the difference: any key row and salt read.

#include <string>
#include <string_view>

#include "vexmora/data/monster_record.h"
#include "vexmora/data/result.h"
#include "vexmora/data/scenario_file.h"

namespace vex::assets {

// A monster file (".tvx", ".b01", "system.001" …) for `fileName`; `record` gets its checksum.
Result<std::string> sealMonster(MonsterRecord& record, std::string_view picture, std::string_view fileName);
// A scenario file: the salted container, then the ordinary one, both holding the record.
std::string sealScenario(const ScenarioRecord& record, std::string_view fileName);

}  // namespace vex::assets
