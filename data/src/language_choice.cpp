#include "vexmora/data/language_choice.h"

#include "vexmora/data/paths.h"

namespace vex {

namespace {

constexpr size_t kLanguageFileLimit = 4096;

std::string_view trimmed(std::string_view text) {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && space(text.front())) text.remove_prefix(1);
    while (!text.empty() && space(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

LanguageChoice parseLanguageChoice(std::string_view text) {
    const std::string_view line = trimmed(text.substr(0, text.find('\n')));
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
    const Result<std::string> text = readWholeFile(resolveIn(programFolder, kLanguageFile), kLanguageFileLimit);
    return text ? parseLanguageChoice(*text) : LanguageChoice::Automatic;
}

Status saveLanguageChoice(const fs::path& programFolder, LanguageChoice choice) {
    const fs::path path = resolveIn(programFolder, kLanguageFile);
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    return atomicWrite(path, languageChoiceText(choice) + "\r\n");
}

LanguageChoice& languageChoice() {
    static LanguageChoice choice = LanguageChoice::Automatic;
    return choice;
}

}  // namespace vex
