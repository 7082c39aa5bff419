#pragma once
// Where things stand on the battle frame: the battle screen draws by it, and the editor's
// preview stands a monster where a battle would.

namespace vex::gui {

inline constexpr int kFrameWidth = 384;
inline constexpr int kFrameHeight = 248;

inline constexpr int kCentreX[2] = {100, 285};
inline constexpr int kAbsentCentreX = 700;  // side 1 without an opponent stands off the screen
inline constexpr int kFootY = 200;

inline constexpr int kEffectCell = 64;     // the cells of the effect strip "image02.bmp"
inline constexpr int kStatusCell = 20;     // the status icons of "condition.bmp"
inline constexpr int kMarkerCell = 21;     // the ability markers of "condition.bmp"

// A monster's drawn size is monsterDrawnSize (vexmora/data/picture_size.h), which the editor
// shares.

// How much of the picture shows above the ground while it sinks: the nearest whole number to
// (100 - sink) % of its height.
int visibleHeight(int sinkPercent, int displayHeight);
// The top of what shows: it stands on the foot line, moved by its vertical offset.
int visibleTop(int sinkPercent, int displayHeight, int imageOffsetY);

// Raised to the next multiple of 4.
int roundUpTo4(int value);

// Where a monster's sprite of width x height stands when nothing moves it: centred on its
// side, feet on the ground line, moved by its vertical offset (clamped to -51..51 as a battle
// does).
struct SpritePlace {
    int x = 0;
    int y = 0;
};
SpritePlace restingPlace(int width, int height, int side, int imageOffsetY);

}  // namespace vex::gui
