// convert FOLDER [--delete] [--overwrite] [--json]: every old monster file (".tvo") of a folder
// becomes a monster file (".tvx") in that folder, one result per file as the game's converter
// logs it.

#include <iostream>

#include "command_line.h"
#include "vexmora/data/argument_paths.h"
#include "vexmora/data/old_conversion.h"
#include "vexmora/data/record_json.h"
#include "vexmora/gui/picture_decoder.h"

namespace vex::cli {

namespace {

struct ConvertOptions {
    std::string folder;
    bool deleteOld = false;
    bool overwrite = false;
    bool json = false;
};

std::string_view statusKey(ConversionStatus status) {
    switch (status) {
    case ConversionStatus::Converted: return "converted";
    case ConversionStatus::Skipped: return "skipped";
    case ConversionStatus::Failed: return "failed";
    }
    return "failed";
}

int convert(const ConvertOptions& options) {
    auto files = listOldFiles(inputArgumentPath(options.folder));
    if (!files) {
        std::cerr << files.error().title << ": " << files.error().message << "\n";
        return kExitUsage;
    }
    ConversionChoices choices;
    choices.deleteOld = options.deleteOld;
    const bool overwrite = options.overwrite;
    choices.mayReplace = [overwrite](const fs::path&) { return overwrite; };
    choices.pictureRefusal = gui::monsterPictureRefusal;

    bool allConverted = true;
    for (const fs::path& file : *files) {
        const ConversionResult result = convertOldFile(file, choices);
        allConverted = allConverted && result.status == ConversionStatus::Converted;
        const std::string name = file.filename().string();
        if (options.json) {
            nlohmann::json line = {{"file", name},
                                   {"result", result.text},
                                   {"status", statusKey(result.status)},
                                   {"reason", reasonKey(result.reason)},
                                   {"output", nullptr}};
            if (!result.output.empty()) line["output"] = result.output.string();
            if (!result.pictureRefusal.empty()) line["pictureRefused"] = result.pictureRefusal;
            std::cout << jsonLine(line) << "\n";
        } else {
            std::cout << conversionLogLine(name, result) << "\n";
        }
    }
    return allConverted ? kExitOk : kExitFailure;
}

}  // namespace

void addConvertCommand(CLI::App& app) {
    static ConvertOptions options;
    CLI::App* command = addCommand(app, "convert", "convert the old monster files (*.tvo) of a folder into monster files");
    command->add_option("FOLDER", options.folder, "the folder of the old files; the new ones are written there")
        ->required();
    command->add_flag("--delete", options.deleteOld, "delete each old file once it is converted");
    command->add_flag("--overwrite", options.overwrite, "replace a monster file of the same name");
    command->add_flag("--json", options.json, "one JSON object per file instead of the log lines");
    runs(command, [] { return convert(options); });
}

}  // namespace vex::cli
