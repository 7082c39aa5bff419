#pragma once
// Readers of the two layout files below "Image", written the way the battle screen reads them:
// sequential "input" values (commas or line ends between values, texts may be quoted), lines
// that are empty or begin with ">>" skipped, code page 932.

#include <QPoint>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "vexmora/data/paths.h"

namespace vex {

// The values of a sequential text file in order, texts unquoted and in UTF-8.
std::optional<std::vector<std::string>> readInputValues(const fs::path& path);

struct WindowLayout {
    int x = 0, y = 0;
    std::string picture;
    long key = 0;
    std::string shading;
    int nameX = 0, nameY = 0;
    long nameColour = 0;
    int nameSize = 0;
    int hpX = 0, hpY = 0;
    long hpColour = 0;
    int hpSize = 0;
    int spX = 0, spY = 0;
    long spColour = 0;
    int spSize = 0;
    int conditionX = 0, conditionY = 0;
    std::array<QPoint, 11> icons{};
};
// "Image\setting.txt": exactly two records of 30 values (the last eleven are x, y pairs).
// Nothing when the file is missing, malformed or holds anything more.
std::optional<std::array<WindowLayout, 2>> readLayoutFile(const fs::path& path);

struct StageEntry {
    std::string picture;
    std::string title;
};
// "Image\Background\stagelist.txt" turned into the battle stages: the first three pairs are the
// rare stages; stages 5 and 7 show the first and second of them.
struct StageList {
    std::vector<StageEntry> rare;
    std::vector<StageEntry> stages;
};
std::optional<StageList> readStageList(const fs::path& path);

}  // namespace vex
