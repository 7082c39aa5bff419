#pragma once
// Files named on a command line. A path that exists as written is taken as it is, from the
// current folder; any other is a data path below the program folder ("Data/もげげ.tvx" works
// from wherever the program is started), each component matched case-insensitively.

#include <string_view>

#include "vexmora/data/paths.h"

namespace vex {

// A file or folder to read: as written when it exists, else below the program folder. A path
// found in neither place is returned as written, so the reader's message names what was typed.
fs::path inputArgumentPath(std::string_view given);

// A file to write: as written when its folder exists ("b.vxr", "out/b.vxr" beside an "out"
// folder, an absolute path), else below the program folder ("Server/mysite.srv"). An existing
// file matching case-insensitively is the one replaced, so a second copy never appears beside it.
fs::path outputArgumentPath(std::string_view given);

}  // namespace vex
