#pragma once
// The language the windows speak: the player chooses in オプション (automatic / 日本語 / English)
// or leaves it to the desktop's locale. The choice is kept in "System\language.txt" beside the
// options, whose file keeps its format.
//
// "System\language.txt": one line, "auto", "ja" or "en". A missing or unreadable file, or any
// other text, is automatic.
//
// Only what is shown changes with the language: the game's files, logs and every byte on the
// wire are written in Japanese whichever is chosen.

#include <filesystem>
#include <string>
#include <string_view>

#include "vexmora/data/result.h"

namespace vex {

namespace fs = std::filesystem;

enum class LanguageChoice : int { Automatic = 0, Japanese = 1, English = 2 };
inline constexpr std::string_view kLanguageFile = "System\\language.txt";

LanguageChoice parseLanguageChoice(std::string_view text);
std::string languageChoiceText(LanguageChoice choice);  // as written to the file, without the line end
LanguageChoice loadLanguageChoice(const fs::path& programFolder);
Status saveLanguageChoice(const fs::path& programFolder, LanguageChoice choice);

// The choice of this run: read at start-up with the options, changed by オプション.
LanguageChoice& languageChoice();

}  // namespace vex
