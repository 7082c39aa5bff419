#pragma once
// Where the battle screen's pictures put things. The status window layout file is written from
// these numbers, and the pictures are painted to match them.

#include <array>

namespace vex::assets::layout {

// Status windows (offsets are from the window's top-left corner).
inline constexpr int kWindowWidth = 180, kWindowHeight = 46;
inline constexpr std::array<int, 2> kWindowX{4, 200};
inline constexpr int kWindowY = 4;
inline constexpr int kNameX = 90, kNameY = 3, kNameSize = 12;      // centred on x
inline constexpr int kHpRight = 86, kHpTop = 20, kHpSize = 14;     // right-aligned
inline constexpr int kSpRight = 150, kSpTop = 20, kSpSize = 14;    // right-aligned
inline constexpr int kConditionX = 155, kConditionY = 19;          // the 21 × 21 marker
inline constexpr int kStatusIconCount = 11;
// The 20 × 20 status icons sit in two rows under the window.
inline constexpr int statusIconX(int i) { return 2 + 21 * (i % 6); }
inline constexpr int statusIconY(int i) { return kWindowHeight + 2 + 21 * (i / 6); }

// The window pictures' transparent colour (magenta) and the readouts' colours.
inline constexpr int kWindowKeyR = 255, kWindowKeyG = 0, kWindowKeyB = 255;

// condition.bmp: a row of 20 × 20 status cells, and below it the 21 × 21 ability markers.
inline constexpr int kStatusCell = 20, kStatusCellCount = 12;
inline constexpr int kMarkerCell = 21, kMarkerRowY = 20;
inline constexpr int kMarkerMaskUpX = 231, kMarkerMaskDownX = 252;
inline constexpr int kMarkerUpX = 273, kMarkerDownX = 294;
inline constexpr int kConditionWidth = 315, kConditionHeight = kMarkerRowY + kMarkerCell;

// image02.bmp: technique effect pictures, 64 × 64, eight to a row, two rows.
inline constexpr int kEffectCell = 64, kEffectColumns = 8, kEffectRows = 2;
// image03.bmp: small technique icons, 20 × 20, one row.
inline constexpr int kIconCell = 20, kIconCount = 11;
// image02Mask.bmp: the command row strip subtracted under each command row.
inline constexpr int kRowStripWidth = 4, kRowStripHeight = 20;
// image04.bmp: three speech bubbles stacked (ordinary, shout, thought), tail at the lower left.
inline constexpr int kBubbleWidth = 240, kBubbleHeight = 56, kBubbleKinds = 3;
// kanjo.bmp: the emotion gauge, lit row on top and unlit row below; the bar's inner part
// has one column per emotion value −50 … +50, centre at x = 54.
inline constexpr int kGaugeWidth = 108, kGaugeRowHeight = 16, kGaugeInnerLeft = 4, kGaugeInnerWidth = 101;

}  // namespace vex::assets::layout
