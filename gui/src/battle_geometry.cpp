#include "vexmora/gui/battle_geometry.h"

#include <algorithm>

#include "vexmora/data/numbers.h"

namespace vex::gui {

int roundUpTo4(int value) { return value <= 0 ? 0 : (value + 3) / 4 * 4; }

int visibleHeight(int sinkPercent, int displayHeight) {
    const int sink = std::clamp(sinkPercent, 0, 100);
    return static_cast<int>(cint((100 - sink) * static_cast<double>(displayHeight) / 100.0));
}

int visibleTop(int sinkPercent, int displayHeight, int imageOffsetY) {
    return kFootY - visibleHeight(sinkPercent, displayHeight) + imageOffsetY;
}

SpritePlace restingPlace(int width, int height, int side, int imageOffsetY) {
    SpritePlace place;
    place.x = kCentreX[side == 0 ? 0 : 1] - width / 2;
    place.y = visibleTop(0, height, std::clamp(imageOffsetY, -51, 51));
    return place;
}

}  // namespace vex::gui
