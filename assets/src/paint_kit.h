#pragma once
// Small painting helpers shared by every picture: colours, the Japanese font, outlined text.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>

namespace vex::assets {

// The game's face; IPAGothic is installed with the game's dependencies.
QFont gothic(int pixelSize, bool bold = false);

QColor mix(QColor a, QColor b, double t);
QColor scaled(QColor c, double factor);  // brightness factor, clamped
QColor withAlpha(QColor c, int alpha);

// Text with an outline drawn under it (the outline is `outlineWidth` pixels on each side).
void outlinedText(QPainter& p, QPointF baseline, const QString& text, const QFont& font, QColor fill,
                  QColor outline, double outlineWidth);
// The same, centred on a point horizontally, with its baseline at `baselineY`.
void outlinedTextCentred(QPainter& p, double centreX, double baselineY, const QString& text, const QFont& font,
                         QColor fill, QColor outline, double outlineWidth);

// Colours that never take part in anti-aliasing: painting at whole pixels, no smoothing.
void crisp(QPainter& p);
void smooth(QPainter& p);


// A picture for the game's colour-key transparency, from one painted with an alpha channel:
// pixels less than half covered become exactly `key`; the others are laid over `edge` (a dark
// tone, so anti-aliased rims read as outline instead of a halo of the key colour) and nudged
// off the key colour where they would match it by accident.
QImage keyed(const QImage& painted, QColor key, QColor edge);

// An empty ARGB canvas for painting with transparency.
QImage transparentCanvas(int width, int height);


// The picture with a solid border of `radius` pixels round everything it covers, drawn behind it.
QImage withBorder(const QImage& picture, int radius, QColor colour);

}  // namespace vex::assets
