#pragma once
#include <string>

#include "vexmora/data/paths.h"

namespace vex::test {

// The whole of a file a test or the program under test wrote; empty when it cannot be read.
std::string fileText(const fs::path& path);

}  // namespace vex::test
