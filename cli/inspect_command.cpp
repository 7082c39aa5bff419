// vexmora-cli inspect FILE: a monster, scenario or server file as one JSON object.

#include <iostream>

#include "command_line.h"
#include "vexmora/data/argument_paths.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/record_json.h"

namespace vex::cli {

namespace {

using nlohmann::json;

int failWith(const Error& e) {
    std::cerr << e.title << ": " << e.message << "\n";
    return kExitUsage;
}

int inspect(const fs::path& path) {
    if (hasExtension(path, ".sce")) {
        ScenarioFileInfo info;
        auto r = readScenario(path, &info);
        if (!r) return failWith(r.error());
        std::cout << jsonLine(scenarioToJson(*r, &info)) << "\n";
        return kExitOk;
    }
    if (hasExtension(path, ".srv")) {
        ServerFileInfo info;
        auto r = readServer(path, &info);
        if (!r) return failWith(r.error());
        json j = serverToJson(*r, &info);
        j["settingsName"] = path.stem().string();
        std::cout << jsonLine(j) << "\n";
        return kExitOk;
    }
    auto r = loadMonster(path, ChecksumCheck::Skip);
    if (!r) return failWith(r.error());
    std::cout << jsonLine(monsterToJson(*r, checksumMatches(r->record))) << "\n";
    return kExitOk;
}

}  // namespace

void addInspectCommand(CLI::App& app) {
    static std::string file;
    CLI::App* command = addCommand(app, "inspect",
                                   "print a monster (.tvx, .b01-.b10), scenario (.sce) or server (.srv) file as "
                                   "one JSON object");
    command->add_option("FILE", file, "the file to print")->required();
    runs(command, [] { return inspect(inputArgumentPath(file)); });
}

}  // namespace vex::cli
