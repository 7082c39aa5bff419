#pragma once
// The reference files in the game's formats, copied into tests/fixtures.

#include <nlohmann/json.hpp>
#include <string>

#include "vexmora/data/paths.h"

namespace vex::test {

fs::path fixturePath(std::string_view relative);
std::string fixtureBytes(std::string_view relative);
nlohmann::json fixtureJson(std::string_view relative);

}  // namespace vex::test
