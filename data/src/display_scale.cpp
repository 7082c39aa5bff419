#include "vexmora/data/display_scale.h"

#include <algorithm>
#include <cmath>

#include "vexmora/data/choice_file.h"
#include "vexmora/data/paths.h"

namespace vex {


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
    const std::string_view line = choiceLine(text);
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
    return parseScaleChoice(readChoiceFile(programFolder, kDisplayFile));
}

Status saveScaleChoice(const fs::path& programFolder, ScaleChoice choice) {
    return writeChoiceFile(programFolder, kDisplayFile, scaleChoiceText(choice));
}

ScaleChoice& scaleChoice() {
    static ScaleChoice choice = ScaleChoice::Automatic;
    return choice;
}

}  // namespace vex
