#pragma once
// A program folder for the battle screen's measurements: the build's own default content
// when it is there (or $VEXMORA_BENCH_CONTENT), else a stand-in of the same sizes.

#include <string>
#include <vector>

#include "vexmora/data/monster_file.h"
#include "vexmora/data/paths.h"

namespace vex::bench {

struct BenchContent {
    fs::path folder;
    bool generated = false;  // the stand-in
    std::vector<fs::path> monsters;  // two monster files of its "Data"
};

// `scratch` receives the stand-in (and nothing else) when there is no content to use.
BenchContent benchContent(const fs::path& scratch);

}  // namespace vex::bench
