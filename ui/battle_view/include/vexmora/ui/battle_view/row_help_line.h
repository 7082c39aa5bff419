#pragma once
// The battle screen's help line for a command row, in the language of the windows.

#include <QString>

#include "vexmora/ui/battle_model/command_rows.h"

namespace vex::ui {

QString rowHelpLine(int row, const RowInfo& info);

}  // namespace vex::ui
