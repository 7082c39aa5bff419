#include "vexmora/ui/battle_geometry.h"

#include <algorithm>

#include "vexmora/data/numbers.h"

namespace vex::ui {

int roundUpTo4(int value) { return value <= 0 ? 0 : (value + 3) / 4 * 4; }

int monsterDisplaySize(int imageSize) {
    // imageSize / 2 is a whole or a half: the halves round to even, as CInt does.
    const int nearest = static_cast<int>(cint(imageSize * 0.5 + 64));
    return roundUpTo4(std::max(nearest, 4));
}

int monsterDisplayHeight(int displayWidth, int pictureWidth, int pictureHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0) return displayWidth;
    return std::max(1, static_cast<int>(cint(static_cast<double>(displayWidth) * pictureHeight / pictureWidth)));
}

int visibleHeight(int sinkPercent, int displayHeight) {
    const int sink = std::clamp(sinkPercent, 0, 100);
    return static_cast<int>(cint((100 - sink) * static_cast<double>(displayHeight) / 100.0));
}

int visibleTop(int sinkPercent, int displayHeight, int imageOffsetY) {
    return kFootY - visibleHeight(sinkPercent, displayHeight) + imageOffsetY;
}

}  // namespace vex::ui
