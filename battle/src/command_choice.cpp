// The computer's command for a fighter (the modes where the computer plays a side, and
// spectator mode for fighter 0). It runs after the other side's command is fixed, so its rules
// may read it, and draws through battleRandom like every rule of a turn.

#include "vexmora/battle/battle.h"

namespace vex {

void Battle::chooseCommand(int side) {
    // The rule table of the computer's choice is still to be built: until then the computer's
    // fighter does nothing, and the log says why.
    fighter(side).setCommand(Command::nothing());
    notImplemented(side, -1, "chooseCommand");
}

}  // namespace vex
