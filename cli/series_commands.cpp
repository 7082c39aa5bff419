// vexmora-cli elimination and scenario: a whole run, the computer playing both sides.
#include <iostream>

#include "commands.h"

namespace vex::cli {

int eliminationCommand(const Args&) {
    std::cerr << "vexmora-cli elimination: not built yet\n";
    return 1;
}

int scenarioCommand(const Args&) {
    std::cerr << "vexmora-cli scenario: not built yet\n";
    return 1;
}

}  // namespace vex::cli
