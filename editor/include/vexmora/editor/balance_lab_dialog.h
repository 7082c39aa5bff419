#pragma once
// "バランス確認": simulates the monster as it stands in the editor against every monster of a
// folder and shows the win rates. Writes nothing to any file.

#include <filesystem>

#include "vexmora/data/monster_record.h"

class QWidget;

namespace vex {

// Modal. `folder` is the opponents' folder to start with (normally the program's Data).
void openBalanceLab(QWidget* parent, const MonsterRecord& monster, const std::filesystem::path& folder);

}  // namespace vex
