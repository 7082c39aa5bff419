#pragma once
// What the frame composer's files share: the places of the gauges and bubbles, colours and the
// pelkit view of a QImage.

#include <QColor>
#include <QImage>
#include <cstdint>
#include <string>

#include "pelkit.h"
#include "vexmora/battle/battle_state.h"
#include "vexmora/battle/battle_view.h"
#include "vexmora/gui/text.h"

namespace vex::ui::frame {

using gui::kAbsentCentreX;
using gui::kCentreX;
using gui::kEffectCell;
using gui::kFootY;
using gui::kFrameHeight;
using gui::kFrameWidth;
using gui::kGameFontFamily;
using gui::kMarkerCell;
using gui::kStatusCell;
using gui::roundUpTo4;
using gui::visibleHeight;
using gui::visibleTop;
using gui::qtPath;
using gui::qtText;

constexpr int kGaugeWidth = 108;
constexpr int kGaugeHalf = 16;
constexpr int kGaugeY = 229;
constexpr int kBubbleWidth = 240;
constexpr int kBubbleHeight = 56;

// The status icons in the order they fill the icon places, with their cells in condition.bmp.
struct StatusIcon {
    int status;
    int cellX;
};
constexpr StatusIcon kStatusIcons[] = {
    {kStatusParalysis, 0},    {kStatusPoison, 20},       {kStatusConfusion, 40},   {kStatusFallen, 60},
    {kStatusAttackSeal, 80},  {kStatusSupportSeal, 100}, {kStatusSpecialSeal, 120}, {kStatusAllSeal, 140},
    {kStatusSpStop, 160},     {kStatusAccuracyUp, 180},  {kStatusFocus, 180},      {kStatusBind, 200},
    {kStatusGuard, 220},
};

inline QColor colourOf(uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }
inline uint32_t rgbOf(Rgb c) { return (uint32_t{c.r} << 16) | (uint32_t{c.g} << 8) | c.b; }

inline PelkitSurface surfaceOf(QImage& image) {
    return {image.bits(), image.width(), image.height(), static_cast<int32_t>(image.bytesPerLine()),
            PELKIT_FORMAT_BGRX32};
}

}  // namespace vex::ui::frame
