#pragma once
// The arithmetic of the scaled wait: every animation and network pause follows the game
// speed option. Speed 0 keeps the nominal length; each step up shortens it by 15 %.

namespace vex::ui {

// The whole part of (1 - 0.15 * gameSpeed) * milliseconds, computed exactly (in hundredths,
// so 1000 ms at speed 2 is 700 and never 699). The result is negative for speeds above 6;
// a wait of a negative length does not wait at all. Saturates at the int range.
int scaledMilliseconds(int milliseconds, int gameSpeed);

}  // namespace vex::ui
