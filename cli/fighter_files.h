#pragma once
// Monster files named on the command line, read as the game reads a fighter: found through the
// shared argument rule (a path as written, else below the program folder) and refused as every
// mode of the game refuses them, unless a tester asks for the file as it is.

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

#include "vexmora/data/monster_file.h"
#include "vexmora/data/result.h"

namespace vex::cli {

enum class FighterChecks { Game, Unchecked };

// --unchecked: play monsters the game refuses (system data, more than 1000 points).
void addUncheckedOption(CLI::App* command, FighterChecks& checks);

// The monster of `given` as fighter `side` of a free battle; a file that does not read,
// tampered system data and (with the game's checks) a refused monster print their message and
// give nothing.
std::optional<LoadedMonster> loadFighterArgument(const std::string& given, int side, FighterChecks checks);

// The game's message on one line: "title: text", its line breaks turned into spaces.
void printGameError(const Error& e, const std::string& file = {});

}  // namespace vex::cli
