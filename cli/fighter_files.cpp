// Monster files named on the command line, read with the game's fighter checks.

#include "fighter_files.h"

#include <iostream>

#include "vexmora/data/argument_paths.h"
#include "vexmora/rules/mode_policy.h"

namespace vex::cli {

void addUncheckedOption(CLI::App* command, FighterChecks& checks) {
    command->add_flag_function(
        "--unchecked", [&checks](int64_t) { checks = FighterChecks::Unchecked; },
        "also play monsters every game mode refuses (system data, more than 1000 points), for testing");
}

void printGameError(const Error& e, const std::string& file) {
    std::string text = e.message;
    for (size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos;) text.replace(at, 2, " ");
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    while (!text.empty() && text.front() == ' ') text.erase(0, 1);
    std::cerr << e.title << ": " << (file.empty() ? "" : file + ": ") << text << "\n";
}

std::optional<LoadedMonster> loadFighterArgument(const std::string& given, int side, FighterChecks checks) {
    Result<LoadedMonster> loaded = loadMonster(inputArgumentPath(given));
    if (!loaded) {
        printGameError(loaded.error(), given);
        return std::nullopt;
    }
    if (loaded->integrity == Integrity::SystemTampered) {
        printGameError(Error{kTamperedTitle, kTamperedMessage}, given);
        return std::nullopt;
    }
    if (checks == FighterChecks::Game) {
        if (const std::optional<DialogRequest> refused = refuseFighter(kOpenLoading, side, loaded->record)) {
            printGameError(Error{refused->title, refused->text}, given);
            std::cerr << "(--unchecked plays it anyway)\n";
            return std::nullopt;
        }
    }
    return std::move(*loaded);
}

}  // namespace vex::cli
