// convert FOLDER [--delete] [--overwrite] [--json]: every old monster file (".tvo") of a folder
// becomes a monster file (".tvx") in that folder, one result per file as the game's converter
// logs it.

#include <iostream>
#include <optional>

#include "commands.h"
#include "vexmora/data/old_conversion.h"
#include "vexmora/data/record_json.h"

namespace vex::cli {

namespace {

constexpr const char* kConvertUsage = "usage: vexmora-cli convert FOLDER [--delete] [--overwrite] [--json]\n";

struct ConvertOptions {
    fs::path folder;
    bool deleteOld = false;
    bool overwrite = false;
    bool json = false;
};

std::optional<ConvertOptions> parseConvertArgs(const Args& args) {
    ConvertOptions options;
    bool haveFolder = false;
    for (const std::string& arg : args) {
        if (arg == "--delete") options.deleteOld = true;
        else if (arg == "--overwrite") options.overwrite = true;
        else if (arg == "--json") options.json = true;
        else if (!haveFolder && !arg.starts_with("--")) {
            options.folder = arg;
            haveFolder = true;
        } else return std::nullopt;
    }
    if (!haveFolder) return std::nullopt;
    return options;
}

std::string_view statusKey(ConversionStatus status) {
    switch (status) {
    case ConversionStatus::Converted: return "converted";
    case ConversionStatus::Skipped: return "skipped";
    case ConversionStatus::Failed: return "failed";
    }
    return "failed";
}

}  // namespace

int convertCommand(const Args& args) {
    const auto options = parseConvertArgs(args);
    if (!options) {
        std::cerr << kConvertUsage;
        return 2;
    }
    auto files = listOldFiles(options->folder);
    if (!files) {
        std::cerr << files.error().title << ": " << files.error().message << "\n";
        return 2;
    }
    ConversionChoices choices;
    choices.deleteOld = options->deleteOld;
    const bool overwrite = options->overwrite;
    choices.mayReplace = [overwrite](const fs::path&) { return overwrite; };

    bool allConverted = true;
    for (const fs::path& file : *files) {
        const ConversionResult result = convertOldFile(file, choices);
        allConverted = allConverted && result.status == ConversionStatus::Converted;
        const std::string name = file.filename().string();
        if (options->json) {
            nlohmann::json line = {{"file", name},
                                   {"result", result.text},
                                   {"status", statusKey(result.status)},
                                   {"reason", reasonKey(result.reason)},
                                   {"output", nullptr}};
            if (!result.output.empty()) line["output"] = result.output.string();
            std::cout << jsonLine(line) << "\n";
        } else {
            std::cout << conversionLogLine(name, result) << "\n";
        }
    }
    return allConverted ? 0 : 1;
}

}  // namespace vex::cli
