#include "vexmora/data/choice_file.h"

#include "vexmora/data/paths.h"

namespace vex {

namespace {

// A choice file holds one word; anything longer is not ours.
constexpr size_t kChoiceFileLimit = 4096;

}  // namespace

std::string_view choiceLine(std::string_view text) {
    text = text.substr(0, text.find('\n'));
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && space(text.front())) text.remove_prefix(1);
    while (!text.empty() && space(text.back())) text.remove_suffix(1);
    return text;
}

std::string readChoiceFile(const std::filesystem::path& programFolder, std::string_view file) {
    const Result<std::string> text = readWholeFile(resolveIn(programFolder, file), kChoiceFileLimit);
    return text ? std::string(choiceLine(*text)) : std::string();
}

Status writeChoiceFile(const std::filesystem::path& programFolder, std::string_view file, std::string_view word) {
    const std::filesystem::path path = resolveIn(programFolder, file);
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    return atomicWrite(path, std::string(word) + "\r\n");
}

}  // namespace vex
