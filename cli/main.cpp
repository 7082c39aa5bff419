// vexmora-cli: the game without its windows — file inspection and creation, headless battles.

#include "command_line.h"
#include "commands.h"

int main(int argc, char** argv) {
    using namespace vex::cli;
    CLI::App app{"The game without its windows: files, battles and runs in the terminal."};
    addInspectCommand(app);
    addMakeMonsterCommand(app);
    addCopyCommand(app);
    addRenameCommand(app);
    addCatalogueCommand(app);
    addBattleCommand(app);
    addSimCommand(app);
    addCalcCommand(app);
    addEliminationCommand(app);
    addScenarioCommand(app);
    addMakeScenarioCommand(app);
    addReplayCommand(app);
    addMakeServerCommand(app);
    addReportCommand(app);
    addConvertCommand(app);
#ifdef VEXMORA_HAVE_NET
    addNetCommand(app);
#endif
#ifdef VEXMORA_HAVE_FRAME
    addFrameCommand(app);
#endif
    return runCommandLine(app, argc, argv);
}
