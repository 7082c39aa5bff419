#include "vexmora/data/language_choice.h"

#include "vexmora/data/choice_file.h"
#include "vexmora/data/paths.h"

namespace vex {

LanguageChoice parseLanguageChoice(std::string_view text) {
    const std::string_view line = choiceLine(text);
    if (line == "ja") return LanguageChoice::Japanese;
    if (line == "en") return LanguageChoice::English;
    return LanguageChoice::Automatic;
}

std::string languageChoiceText(LanguageChoice choice) {
    switch (choice) {
    case LanguageChoice::Japanese: return "ja";
    case LanguageChoice::English: return "en";
    case LanguageChoice::Automatic: break;
    }
    return "auto";
}

LanguageChoice loadLanguageChoice(const fs::path& programFolder) {
    return parseLanguageChoice(readChoiceFile(programFolder, kLanguageFile));
}

Status saveLanguageChoice(const fs::path& programFolder, LanguageChoice choice) {
    return writeChoiceFile(programFolder, kLanguageFile, languageChoiceText(choice));
}

LanguageChoice& languageChoice() {
    static LanguageChoice choice = LanguageChoice::Automatic;
    return choice;
}

}  // namespace vex
