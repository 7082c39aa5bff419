// The command line of vexmora-cli: one parser for every command.

#include "command_line.h"

#include <iostream>
#include <map>
#include <optional>

#include "vexmora/data/paths.h"
#include "vexmora/data/program_folder.h"

namespace vex::cli {

namespace {

// The program folder named with --home, wherever on the line it stood.
std::string& homeOption() {
    static std::string home;
    return home;
}

std::map<const CLI::App*, std::function<int()>>& actions() {
    static std::map<const CLI::App*, std::function<int()>> table;
    return table;
}

std::string commandPath(const CLI::App* command) {
    std::string path;
    for (const CLI::App* app = command; app != nullptr; app = app->get_parent())
        path = app->get_parent() == nullptr ? "vexmora-cli" + path : " " + app->get_name() + path;
    return path;
}

void addHomeOption(CLI::App* app) {
    app->add_option("--home", homeOption(),
                    "the program folder (default: $VEXMORA_HOME, else this program's folder; installed: "
                    "$XDG_DATA_HOME/vexmora)")
        ->type_name("DIR");
}

}  // namespace

CLI::App* addCommand(CLI::App& app, const std::string& name, const std::string& description) {
    CLI::App* command = app.add_subcommand(name, description);
    addHomeOption(command);
    return command;
}

void runs(CLI::App* command, std::function<int()> action) { actions()[command] = std::move(action); }

void addPassThroughCommand(CLI::App& app, const std::string& name, const std::string& description,
                           int (*run)(const Args&)) {
    CLI::App* command = addCommand(app, name, description);
    command->allow_extras();
    runs(command, [command, run] { return run(command->remaining()); });
}

int usageError(const CLI::App* command, const std::string& message) {
    std::cerr << commandPath(command) << ": " << message << "\nRun " << commandPath(command)
              << " --help for the options.\n";
    return kExitUsage;
}

int runCommandLine(CLI::App& app, int argc, char** argv) {
    app.name("vexmora-cli");
    app.set_version_flag("--version", "vexmora-cli " VEXMORA_VERSION, "the program's version");
    addHomeOption(&app);
    app.require_subcommand(0, 1);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return kExitOk;
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) return app.exit(error);  // --help of a command
        const CLI::App* failed = &app;
        for (const CLI::App* chosen : app.get_subcommands()) failed = chosen;
        return usageError(failed, error.what());
    }
    const OpenedFolder opened = openProgramFolder(homeOption(), argc > 0 ? argv[0] : nullptr);
    for (const std::string& problem : opened.problems) std::cerr << "vexmora-cli: " << problem << "\n";
    setProgramFolder(opened.folder);
    const auto chosen = app.get_subcommands();
    if (chosen.empty()) {
        std::cerr << app.help();
        return kExitUsage;
    }
    const auto action = actions().find(chosen.front());
    return action == actions().end() ? kExitFailure : action->second();
}

}  // namespace vex::cli
