#pragma once
// Parts the monster painters share. Every monster is painted in a 100 × 100 space (feet at
// the bottom, facing left unless it looks straight ahead) and scaled to its picture's size.

#include <QPainter>
#include <QPainterPath>

namespace vex::assets {

struct Palette {
    QColor base;     // the body
    QColor light;    // lit side
    QColor shadow;   // shaded side
    QColor outline;  // ink lines
    QColor accent;   // markings, fins, crests
    QColor belly;    // underside
    QColor eye;      // iris
};

Palette paletteFrom(QColor base, QColor accent, QColor belly, QColor eye, QColor outline = QColor(34, 28, 40));

// A shape filled with a lit-from-the-upper-left gradient and inked.
void shapeFill(QPainter& p, const QPainterPath& shape, const Palette& pal, double outline = 2.0);
void shapeFill(QPainter& p, const QPainterPath& shape, QColor light, QColor base, QColor shadow, QColor ink, double outline = 2.0);
QPainterPath ellipsePath(QPointF c, double rx, double ry);

enum class EyeStyle { Cute, Angry, Sleepy, Glowing, Fierce };
// One eye; `look` shifts the pupil (-1 … 1 in both axes).
void eye(QPainter& p, QPointF c, double r, const Palette& pal, EyeStyle style, QPointF look = QPointF(-0.3, 0.1));

enum class MouthStyle { Smile, Open, Fangs, Grin, Small };
void mouth(QPainter& p, QPointF c, double width, const Palette& pal, MouthStyle style);
void blush(QPainter& p, QPointF c, double r);
void shine(QPainter& p, QPointF c, double rx, double ry, int alpha = 150);

void horn(QPainter& p, QPointF base, QPointF tip, double width, QColor colour, QColor ink);
void crown(QPainter& p, QPointF centre, double width, QColor gold, QColor ink);
// A membrane wing from the shoulder to the tips (bat or dragon).
void batWing(QPainter& p, QPointF shoulder, double span, double height, bool left, const Palette& pal, QColor membrane);
// Spiky flames behind a monster: drawn first, opaque.
void aura(QPainter& p, QPointF centre, double rx, double ry, QColor outer, QColor inner, unsigned seed);

}  // namespace vex::assets
