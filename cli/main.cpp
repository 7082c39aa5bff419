// vexmora-cli: the game without its windows — file inspection and creation, headless battles.

#include <cstdio>
#include <iostream>
#include <string>

#include "commands.h"
#include "vexmora/data/paths.h"

namespace {

constexpr const char* kUsage = R"(usage: vexmora-cli [--home DIR] COMMAND [ARGS]

commands:
  inspect FILE                         print a monster (.tvx, .b01-.b10), scenario (.sce)
                                       or server (.srv) file as one JSON object
  make-monster JSON OUT.tvx [--picture FILE]
                                       save a monster described by a JSON file ("-" for
                                       standard input) as a monster file
  catalogue                            print the technique catalogue as JSON
  battle A.tvx B.tvx [options]         play one battle headless (see docs/cli.md)
  sim A.tvx B.tvx --battles N [--seed S] [--jobs J] [--json]
                                       many computer-against-computer battles: win rates
  elimination PLAYER.tvx [--seed N] [--max-battles K] [--json]
                                       an elimination run through the Data folder
  scenario FILE.sce PLAYER.tvx [--seed N] [--json]
                                       a scenario played to its end
  make-server JSON OUT.srv             save a report-server file (keys host, user, password,
                                       pageName, listName, listLimit)
  report SERVER.srv RESULT.json        report one battle result to a server; prints the
                                       chat lines, exit 0 when the report is complete

  --home DIR      the program folder (default: $VEXMORA_HOME, else this program's folder)
  --help          this text
)";

}  // namespace

int main(int argc, char** argv) {
    std::string home;
    vex::cli::Args rest;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--home" && i + 1 < argc && rest.empty()) {
            home = argv[++i];
        } else if (arg == "--help" || arg == "-h") {
            if (rest.empty()) {
                std::cout << kUsage;
                return 0;
            }
            rest.push_back(arg);
        } else {
            rest.push_back(arg);
        }
    }
    vex::setProgramFolder(vex::chooseProgramFolder(home, argc > 0 ? argv[0] : nullptr));
    if (rest.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string command = rest.front();
    const vex::cli::Args args(rest.begin() + 1, rest.end());
    if (command == "inspect") return vex::cli::inspectCommand(args);
    if (command == "make-monster") return vex::cli::makeMonsterCommand(args);
    if (command == "catalogue") return vex::cli::catalogueCommand(args);
    if (command == "battle") return vex::cli::battleCommand(args);
    if (command == "sim") return vex::cli::simCommand(args);
    if (command == "elimination") return vex::cli::eliminationCommand(args);
    if (command == "scenario") return vex::cli::scenarioCommand(args);
    if (command == "make-server") return vex::cli::makeServerCommand(args);
    if (command == "report") return vex::cli::reportCommand(args);
    std::cerr << "vexmora-cli: unknown command \"" << command << "\"\n" << kUsage;
    return 2;
}
