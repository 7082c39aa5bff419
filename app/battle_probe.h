#pragma once
// For the tests of the whole program: VEXMORA_PROBE_BATTLE="A.tvx|B.tvx" opens the battle
// screen once the title is up, loads the two monsters, and lets the computer play both sides;
// "vexmora-battle-probe turn N" is printed after the first turn, so a test knows a battle runs.

#include <QWidget>
#include <string>

#include "vexmora/data/dialogs.h"

namespace vex::app {

void startProbeBattle(const std::string& files, Dialogs& dialogs);

// "vexmora-modal-probe TITLE" is printed whenever a modal window shows (a message box, a
// question), so a test knows the game waits for a person.
void reportModalWindows();

}  // namespace vex::app
