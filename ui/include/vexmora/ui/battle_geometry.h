#pragma once
// Where things stand on the battle frame.

namespace vex::ui {

inline constexpr int kFrameWidth = 384;
inline constexpr int kFrameHeight = 248;

inline constexpr int kCentreX[2] = {100, 285};
inline constexpr int kAbsentCentreX = 700;  // side 1 without an opponent stands off the screen
inline constexpr int kFootY = 200;

inline constexpr int kEffectCell = 64;     // the cells of the effect strip "image02.bmp"
inline constexpr int kStatusCell = 20;     // the status icons of "condition.bmp"
inline constexpr int kMarkerCell = 21;     // the ability markers of "condition.bmp"

// The shown width of a monster picture: the nearest whole number to imageSize / 2 + 64,
// raised to the next multiple of 4 (pixel buffers take widths in steps of 4).
int monsterDisplaySize(int imageSize);

// The picture's shown height for a display width, keeping its proportions.
int monsterDisplayHeight(int displayWidth, int pictureWidth, int pictureHeight);

// How much of the picture shows above the ground while it sinks: the nearest whole number to
// (100 - sink) % of its height.
int visibleHeight(int sinkPercent, int displayHeight);
// The top of what shows: it stands on the foot line, moved by its vertical offset.
int visibleTop(int sinkPercent, int displayHeight, int imageOffsetY);

// Raised to the next multiple of 4.
int roundUpTo4(int value);

}  // namespace vex::ui
