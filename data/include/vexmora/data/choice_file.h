#pragma once
// The game's own one-line choice files beside the options (System\display.txt,
// System\language.txt): one word on the first line, written whole. A missing, unreadable or
// oversized file reads as no choice.

#include <filesystem>
#include <string>
#include <string_view>

#include "vexmora/data/result.h"

namespace vex {

// The first line of `text` without surrounding blanks.
std::string_view choiceLine(std::string_view text);

// The first line of the file, or "" when it cannot be read.
std::string readChoiceFile(const std::filesystem::path& programFolder, std::string_view file);

// Writes `word` as the file's one line, making its folder when needed.
Status writeChoiceFile(const std::filesystem::path& programFolder, std::string_view file, std::string_view word);

}  // namespace vex
