#pragma once
// The windows at ×1, ×2 or ×3 (display_scale.h chooses): which screen a window belongs to,
// its scale there, placing it in the middle of that screen, and enlarging a form built at ×1.
// Texts are laid out again at the larger size, so they stay sharp; pictures are enlarged by
// whole pixels, never smoothed.

#include <QImage>
#include <QPixmap>

#include "vexmora/data/display_scale.h"

class QScreen;
class QWidget;

namespace vex::gui {

// The screen a window opens on: its parent's, else that of the window in use (the one the
// player clicked to open it), else the one under the mouse, else the primary screen.
QScreen* screenFor(const QWidget* window);
ScreenArea areaOf(const QScreen* screen);
// The scale of this run's choice (scaleChoice()) on the screen the window opens on.
int windowScale(const QWidget* window);

// Moves a top-level window to the middle of its screen's free area.
void centreOnScreen(QWidget* window);

// Enlarges a form that was built at ×1: its font, the margins and spacing of its layouts, and
// the fixed, least and greatest sizes of its widgets. Call once, after building it.
void scaleForm(QWidget* form, int scale);

// A style sheet whose lengths are written "calc(4px)" or "calc(10pt)", with each such length
// multiplied by the scale.
QString scaledStyle(const char* style, int scale);

// A picture shown `scale` times its size on a device of the given pixel ratio, every pixel a
// block of whole screen pixels.
QPixmap wholePixelPixmap(const QImage& picture, int scale, double devicePixelRatio);

}  // namespace vex::gui
