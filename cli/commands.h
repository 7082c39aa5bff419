#pragma once
// The subcommands of vexmora-cli. Each takes its arguments after the subcommand's name and
// returns the process exit status (0 ok, 1 failure, 2 bad input or a file that does not decode).

#include <string>
#include <vector>

namespace vex::cli {

using Args = std::vector<std::string>;

int inspectCommand(const Args& args);
int makeMonsterCommand(const Args& args);
int catalogueCommand(const Args& args);
int battleCommand(const Args& args);
int simCommand(const Args& args);
int eliminationCommand(const Args& args);
int scenarioCommand(const Args& args);
int makeServerCommand(const Args& args);
int reportCommand(const Args& args);

}  // namespace vex::cli
