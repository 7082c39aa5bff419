#pragma once
#include <string>
#include <utility>
#include <vector>

#include "composer.h"

namespace vex::assets {

std::vector<TunePlan> tunePlans();
// Every piece of "MIDI" as (file name, Standard MIDI File bytes).
std::vector<std::pair<std::string, std::string>> composeAllTunes();

}  // namespace vex::assets
