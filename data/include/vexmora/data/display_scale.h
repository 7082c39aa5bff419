#pragma once
// How large the title, the battle screen and the editor are shown: every pixel of their art
// as 1, 2 or 3 pixels of the screen. The player chooses in オプション or leaves it automatic;
// the choice is kept in "System\display.txt" beside the options, whose file keeps its format.
//
// "System\display.txt": one line, "auto", "1", "2" or "3". A missing or unreadable file, or
// any other text, is automatic.

#include <filesystem>
#include <string>
#include <string_view>

#include "vexmora/data/result.h"

namespace vex {

namespace fs = std::filesystem;

enum class ScaleChoice : int { Automatic = 0, One = 1, Two = 2, Three = 3 };
inline constexpr int kLargestScale = 3;
inline constexpr std::string_view kDisplayFile = "System\\display.txt";

// The screen a window opens on: its free area (without panels) in the desktop's own pixels,
// which are devicePixelRatio screen pixels each.
struct ScreenArea {
    int width = 0;
    int height = 0;
    double devicePixelRatio = 1.0;
};

// The size of the largest window at ×1 (the battle screen with its frame and title bar), which
// must fit the screen's free area at the scale chosen automatically.
inline constexpr int kLargestWindowWidth = 800;
inline constexpr int kLargestWindowHeight = 640;

// The largest scale, 1 to 3, at which the largest window fits the free area. The desktop's own
// scaling is already in the area's size: on a screen the desktop doubles, the game's ×1 is
// already twice as many screen pixels.
int automaticScale(const ScreenArea& area);
// The scale a choice gives on a screen.
int scaleFor(ScaleChoice choice, const ScreenArea& area);
// How many screen pixels one pixel of art covers at a scale: whole pixels, at least the scale.
int screenPixelsPerPixel(int scale, double devicePixelRatio);

ScaleChoice parseScaleChoice(std::string_view text);
std::string scaleChoiceText(ScaleChoice choice);  // as written to the file, without the line end
ScaleChoice loadScaleChoice(const fs::path& programFolder);
Status saveScaleChoice(const fs::path& programFolder, ScaleChoice choice);

// The choice of this run: read at start-up with the options, changed by オプション.
ScaleChoice& scaleChoice();

}  // namespace vex
