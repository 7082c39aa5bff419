// vexmora-cli sim: the balance simulator (to be written with the computer player).
#include <iostream>

#include "commands.h"

namespace vex::cli {

int simCommand(const Args&) {
    std::cerr << "vexmora-cli sim: not built yet\n";
    return 1;
}

}  // namespace vex::cli
