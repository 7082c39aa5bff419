#include "vexmora/data/display_scale.h"

#include <algorithm>
#include <cmath>

#include "vexmora/data/paths.h"

namespace vex {

namespace {

constexpr size_t kDisplayFileLimit = 4096;

std::string_view trimmed(std::string_view text) {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && space(text.front())) text.remove_prefix(1);
    while (!text.empty() && space(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

int automaticScale(const ScreenArea& area) {
    for (int scale = kLargestScale; scale > 1; --scale)
        if (kLargestWindowWidth * scale <= area.width && kLargestWindowHeight * scale <= area.height) return scale;
    return 1;
}

int scaleFor(ScaleChoice choice, const ScreenArea& area) {
    const int chosen = static_cast<int>(choice);
    if (chosen >= 1 && chosen <= kLargestScale) return chosen;
    return automaticScale(area);
}

int screenPixelsPerPixel(int scale, double devicePixelRatio) {
    const double ratio = std::isfinite(devicePixelRatio) ? std::clamp(devicePixelRatio, 1.0, 8.0) : 1.0;
    return std::max(scale, static_cast<int>(std::ceil(scale * ratio - 0.01)));
}

ScaleChoice parseScaleChoice(std::string_view text) {
    const std::string_view line = trimmed(text.substr(0, text.find('\n')));
    if (line == "1") return ScaleChoice::One;
    if (line == "2") return ScaleChoice::Two;
    if (line == "3") return ScaleChoice::Three;
    return ScaleChoice::Automatic;
}

std::string scaleChoiceText(ScaleChoice choice) {
    switch (choice) {
    case ScaleChoice::One: return "1";
    case ScaleChoice::Two: return "2";
    case ScaleChoice::Three: return "3";
    case ScaleChoice::Automatic: break;
    }
    return "auto";
}

ScaleChoice loadScaleChoice(const fs::path& programFolder) {
    const Result<std::string> text = readWholeFile(resolveIn(programFolder, kDisplayFile), kDisplayFileLimit);
    return text ? parseScaleChoice(*text) : ScaleChoice::Automatic;
}

Status saveScaleChoice(const fs::path& programFolder, ScaleChoice choice) {
    const fs::path path = resolveIn(programFolder, kDisplayFile);
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    return atomicWrite(path, scaleChoiceText(choice) + "\r\n");
}

ScaleChoice& scaleChoice() {
    static ScaleChoice choice = ScaleChoice::Automatic;
    return choice;
}

}  // namespace vex
