#pragma once
// How vexmora-cli reads its command line. Every command lives in its own file and registers
// itself with one function, `void addXCommand(CLI::App& app)`, listed in main.cpp:
//
//   void addConvertCommand(CLI::App& app) {
//       auto& options = ...;                                   // owned by the command
//       CLI::App* sub = addCommand(app, "convert", "turn an old monster file into a new one");
//       sub->add_option("FILE", options.file, "the old file")->required();
//       runs(sub, [&options] { return convert(options); });   // returns the exit status
//   }
//
// addCommand gives the command --help and --home DIR, so the program folder may be named before
// or after the command. The command's action runs after the whole line was read and the program
// folder was set. A usage error names the option and ends the program with status 2.
//
// A command still written as `int xCommand(const Args&)` is hooked in with addPassThroughCommand:
// it receives every argument after its name, except --home DIR.

#include <CLI/CLI.hpp>
#include <functional>
#include <string>

#include "commands.h"

namespace vex::cli {

// Exit statuses of every command.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

CLI::App* addCommand(CLI::App& app, const std::string& name, const std::string& description);
void runs(CLI::App* command, std::function<int()> action);
void addPassThroughCommand(CLI::App& app, const std::string& name, const std::string& description,
                           int (*command)(const Args&));

// A usage error found by the command itself: printed like the parser's own, status 2.
int usageError(const CLI::App* command, const std::string& message);

// Reads the line, sets the program folder and runs the chosen command; returns the exit status.
int runCommandLine(CLI::App& app, int argc, char** argv);

}  // namespace vex::cli
