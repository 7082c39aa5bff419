#pragma once
// The commands of vexmora-cli. Each lives in its own file and registers itself with the command
// line (see command_line.h); main.cpp lists them. A command returns the process exit status:
// 0 ok, 1 failure, 2 bad input or a file that does not decode.

#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace vex::cli {

void addInspectCommand(CLI::App& app);
void addMakeMonsterCommand(CLI::App& app);
void addCatalogueCommand(CLI::App& app);
void addBattleCommand(CLI::App& app);
void addSimCommand(CLI::App& app);
void addCalcCommand(CLI::App& app);
void addEliminationCommand(CLI::App& app);
void addScenarioCommand(CLI::App& app);
void addMakeScenarioCommand(CLI::App& app);
void addReplayCommand(CLI::App& app);
void addMakeServerCommand(CLI::App& app);
void addReportCommand(CLI::App& app);
void addConvertCommand(CLI::App& app);
void addCopyCommand(CLI::App& app);
void addRenameCommand(CLI::App& app);
void addNetCommand(CLI::App& app);
void addFrameCommand(CLI::App& app);

// Commands that read their own arguments: everything after the command's name but --home DIR.
// Hooked in with addPassThroughCommand in main.cpp.
using Args = std::vector<std::string>;

}  // namespace vex::cli
