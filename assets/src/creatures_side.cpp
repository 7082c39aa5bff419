// Monsters seen from the side, facing left: bee, dragon, sea serpent, fox, lion, toad, bird,
// beetle.

#include <QRadialGradient>
#include <cmath>

#include "creatures.h"
#include "paint_kit.h"

namespace vex::assets {

namespace {

QColor lighter(QColor c, double t = 0.4) { return mix(c, QColor(255, 255, 255), t); }

void limb(QPainter& p, QPointF from, QPointF to, double width, const Palette& pal) {
    p.setPen(QPen(pal.outline, width + 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    p.setPen(QPen(pal.shadow, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
}

}  // namespace

void paintBee(QPainter& p, const Creature& c) {
    const Palette& pal = c.palette;
    // Wings behind, pale and veined.
    for (int k = 0; k < 2; ++k) {
        p.save();
        p.translate(52 + k * 8, 44);
        p.rotate(-70 + k * 28);
        QPainterPath wing = ellipsePath(QPointF(18, 0), 20, 9);
        shapeFill(p, wing, QColor(255, 255, 255), QColor(214, 236, 255), QColor(170, 200, 236), pal.outline, 1.6);
        p.setPen(QPen(QColor(150, 176, 220), 0.8));
        p.drawLine(QPointF(2, 0), QPointF(34, 0));
        p.drawLine(QPointF(14, 0), QPointF(26, -6));
        p.restore();
    }
    // Legs.
    for (int i = 0; i < 3; ++i) limb(p, QPointF(40 + i * 7, 64), QPointF(34 + i * 9, 84), 2.2, pal);
    // Abdomen with stripes and the sting.
    QPainterPath sting;
    sting.moveTo(86, 70);
    sting.lineTo(99, 84);
    sting.lineTo(82, 78);
    sting.closeSubpath();
    shapeFill(p, sting, QColor(240, 240, 240), QColor(180, 180, 190), QColor(100, 100, 110), pal.outline, 1.6);
    p.save();
    p.translate(68, 64);
    p.rotate(24);
    const QPainterPath abdomen = ellipsePath(QPointF(0, 0), 24, 17);
    shapeFill(p, abdomen, pal, 2.4);
    p.setClipPath(abdomen);
    p.setPen(Qt::NoPen);
    p.setBrush(pal.accent);
    for (double x : {-10.0, 2.0, 14.0}) p.drawRect(QRectF(x, -20, 6, 40));
    p.restore();
    // Thorax, fuzzy.
    shapeFill(p, ellipsePath(QPointF(44, 56), 13, 12), lighter(pal.accent, 0.3), pal.accent, scaled(pal.accent, 0.6), pal.outline, 2.2);
    // Head.
    shapeFill(p, ellipsePath(QPointF(26, 50), 16, 15), pal, 2.4);
    p.setPen(QPen(pal.outline, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath antennae;
    antennae.moveTo(22, 37);
    antennae.quadTo(14, 22, 8, 20);
    antennae.moveTo(30, 36);
    antennae.quadTo(30, 20, 24, 14);
    p.drawPath(antennae);
    shapeFill(p, ellipsePath(QPointF(8, 20), 3, 3), pal, 1.4);
    shapeFill(p, ellipsePath(QPointF(24, 14), 3, 3), pal, 1.4);
    eye(p, QPointF(20, 48), 6, pal, c.eyes, QPointF(-0.6, 0));
    eye(p, QPointF(33, 47), 4.6, pal, c.eyes, QPointF(-0.6, 0));
    mouth(p, QPointF(20, 58), 8, pal, c.mouth);
    if (c.crowned) crown(p, QPointF(27, 34), 16, QColor(250, 200, 40), pal.outline);
}

void paintDragon(QPainter& p, const Creature& c) {
    const Palette& pal = c.palette;
    if (c.grandWings) {
        batWing(p, QPointF(52, 40), 48, 36, false, pal, pal.accent);
        batWing(p, QPointF(40, 40), 34, 30, true, pal, scaled(pal.accent, 0.8));
    } else {
        batWing(p, QPointF(60, 46), 28, 22, false, pal, pal.accent);
    }
    // Tail curling up behind.
    QPainterPath tail;
    tail.moveTo(62, 92);
    tail.cubicTo(84, 96, 96, 84, 92, 64);
    tail.cubicTo(90, 76, 80, 84, 66, 80);
    tail.closeSubpath();
    shapeFill(p, tail, pal, 2.2);
    QPainterPath tip;
    tip.moveTo(88, 66);
    tip.lineTo(92, 50);
    tip.lineTo(97, 66);
    tip.closeSubpath();
    shapeFill(p, tip, lighter(pal.accent), pal.accent, scaled(pal.accent, 0.6), pal.outline, 1.6);
    // Body and belly.
    QPainterPath body = ellipsePath(QPointF(56, 70), 24, 26);
    shapeFill(p, body, pal, 2.4);
    p.save();
    p.setClipPath(body);
    shapeFill(p, ellipsePath(QPointF(46, 74), 14, 22), lighter(pal.belly), pal.belly, scaled(pal.belly, 0.75), pal.outline, 1.4);
    p.setPen(QPen(scaled(pal.belly, 0.6), 1.0));
    for (double y = 60; y < 96; y += 7) p.drawLine(QPointF(34, y), QPointF(58, y + 1));
    p.restore();
    if (c.armoured) {
        for (int i = 0; i < 4; ++i) {
            QPainterPath spike;
            const double x = 64 + i * 6, y = 46 + i * 8;
            spike.moveTo(x - 4, y + 2);
            spike.lineTo(x + 6, y - 6);
            spike.lineTo(x + 3, y + 6);
            spike.closeSubpath();
            shapeFill(p, spike, lighter(pal.accent), pal.accent, scaled(pal.accent, 0.6), pal.outline, 1.4);
        }
    }
    // Feet and arm.
    shapeFill(p, ellipsePath(QPointF(44, 95), 10, 5), pal, 2.0);
    shapeFill(p, ellipsePath(QPointF(68, 95), 10, 5), pal, 2.0);
    limb(p, QPointF(46, 62), QPointF(36, 72), 5, pal);
    // Head: a round skull with a snout to the left.
    shapeFill(p, ellipsePath(QPointF(22, 42), 14, 11), pal, 2.4);
    shapeFill(p, ellipsePath(QPointF(38, 36), 18, 17), pal, 2.4);
    shapeFill(p, ellipsePath(QPointF(22, 47), 12, 5), lighter(pal.belly), pal.belly, scaled(pal.belly, 0.75), pal.outline, 1.4);
    p.setPen(Qt::NoPen);
    p.setBrush(pal.outline);
    p.drawEllipse(QPointF(12, 38), 1.6, 1.2);
    const double hornScale = c.horned ? 1.5 : 1.0;
    horn(p, QPointF(44, 22), QPointF(54 + 4 * hornScale, 18 - 12 * hornScale), 6 * hornScale, pal.accent == pal.base ? QColor(240, 230, 200) : QColor(250, 240, 210), pal.outline);
    horn(p, QPointF(36, 21), QPointF(38 + 2 * hornScale, 14 - 10 * hornScale), 5 * hornScale, QColor(240, 230, 200), pal.outline);
    eye(p, QPointF(34, 33), 6, pal, c.eyes, QPointF(-0.5, 0.1));
    mouth(p, QPointF(20, 50), 10, pal, c.mouth);
    if (c.crowned) crown(p, QPointF(40, 16), 18, QColor(250, 200, 40), pal.outline);
}

void paintSeaSerpent(QPainter& p, const Creature& c) {
    const Palette& pal = c.palette;
    // A coiled body rising from a wave to the head at the upper left.
    QPainterPath spine;
    spine.moveTo(92, 92);
    spine.cubicTo(96, 60, 56, 58, 56, 80);
    spine.cubicTo(56, 96, 24, 92, 26, 70);
    spine.cubicTo(28, 52, 50, 46, 46, 30);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pal.outline, 21, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(spine);
    p.setPen(QPen(pal.base, 17, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(spine);
    p.setPen(QPen(pal.light, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(spine.translated(-3, -3));
    p.setPen(QPen(pal.belly, 5, Qt::DashLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(spine.translated(3, 4));
    // Fins along the back.
    for (double t : {0.15, 0.35, 0.55, 0.75}) {
        const QPointF at = spine.pointAtPercent(t);
        const double a = spine.angleAtPercent(t) * M_PI / 180;
        const QPointF n(-std::sin(a), -std::cos(a));
        QPainterPath fin;
        fin.moveTo(at + n * 7 + QPointF(std::cos(a), -std::sin(a)) * -5);
        fin.lineTo(at + n * 18);
        fin.lineTo(at + n * 7 + QPointF(std::cos(a), -std::sin(a)) * 6);
        fin.closeSubpath();
        shapeFill(p, fin, lighter(pal.accent), pal.accent, scaled(pal.accent, 0.6), pal.outline, 1.5);
    }
    // Waves at its foot.
    QPainterPath wave;
    wave.moveTo(0, 100);
    for (int i = 0; i < 5; ++i) wave.quadTo(10 + i * 22, 88, 22 + i * 22, 96);
    wave.lineTo(100, 100);
    wave.closeSubpath();
    shapeFill(p, wave, QColor(220, 246, 255), QColor(120, 200, 240), QColor(50, 120, 200), pal.outline, 1.8);
    // Head.
    QPainterPath head;
    head.moveTo(56, 28);
    head.cubicTo(56, 12, 34, 8, 26, 18);
    head.lineTo(6, 26);
    head.cubicTo(2, 30, 6, 38, 12, 38);
    head.lineTo(40, 40);
    head.cubicTo(50, 40, 56, 36, 56, 28);
    shapeFill(p, head, pal, 2.4);
    // Whiskers and mane fin.
    p.setPen(QPen(pal.outline, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath whiskers;
    whiskers.moveTo(12, 34);
    whiskers.cubicTo(4, 44, 10, 52, 2, 58);
    whiskers.moveTo(20, 36);
    whiskers.cubicTo(16, 48, 22, 52, 16, 60);
    p.drawPath(whiskers);
    QPainterPath mane;
    mane.moveTo(40, 12);
    mane.lineTo(56, 4);
    mane.lineTo(52, 16);
    mane.lineTo(64, 14);
    mane.lineTo(56, 26);
    mane.closeSubpath();
    shapeFill(p, mane, lighter(pal.accent), pal.accent, scaled(pal.accent, 0.6), pal.outline, 1.5);
    eye(p, QPointF(34, 24), 5, pal, c.eyes, QPointF(-0.6, 0));
    p.setPen(QPen(pal.outline, 1.6));
    p.drawLine(QPointF(10, 33), QPointF(30, 34));
    if (c.crowned) crown(p, QPointF(40, 9), 18, QColor(250, 200, 40), pal.outline);
}

void paintFox(QPainter& p, const Creature& c) {
    const Palette& pal = c.palette;
    // The big bushy tail sweeping up behind, its tip pale.
    QPainterPath tail;
    tail.moveTo(60, 94);
    tail.cubicTo(100, 98, 106, 46, 82, 18);
    tail.cubicTo(78, 34, 86, 50, 80, 64);
    tail.cubicTo(76, 74, 68, 78, 58, 80);
    tail.closeSubpath();
    shapeFill(p, tail, pal, 2.2);
    p.save();
    p.setClipPath(tail);
    shapeFill(p, ellipsePath(QPointF(86, 26), 14, 16), lighter(pal.belly), pal.belly, scaled(pal.belly, 0.85), pal.outline, 1.6);
    p.restore();
    p.setPen(QPen(pal.outline, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
    // Sitting body: the haunch behind, the chest in front.
    QPainterPath body;
    body.moveTo(32, 50);
    body.cubicTo(54, 44, 78, 62, 76, 86);
    body.quadTo(76, 96, 66, 96);
    body.lineTo(30, 96);
    body.cubicTo(26, 80, 24, 62, 32, 50);
    shapeFill(p, body, pal, 2.4);
    shapeFill(p, ellipsePath(QPointF(62, 84), 14, 12), pal, 2.0);
    shapeFill(p, ellipsePath(QPointF(68, 95), 9, 3.5), pal, 1.8);
    QPainterPath bib;
    bib.moveTo(30, 54);
    bib.cubicTo(42, 54, 48, 62, 46, 72);
    bib.lineTo(42, 70);
    bib.lineTo(40, 76);
    bib.lineTo(36, 72);
    bib.lineTo(32, 78);
    bib.cubicTo(26, 70, 26, 60, 30, 54);
    shapeFill(p, bib, lighter(pal.belly), pal.belly, scaled(pal.belly, 0.85), pal.outline, 1.4);
    // Slim front legs with paws.
    for (double x : {34.0, 45.0}) {
        QPainterPath leg;
        leg.addRoundedRect(QRectF(x - 3.5, 70, 7, 26), 3.5, 3.5);
        shapeFill(p, leg, pal, 1.8);
        shapeFill(p, ellipsePath(QPointF(x - 1, 96), 5, 2.8), lighter(pal.belly), pal.belly, scaled(pal.belly, 0.8), pal.outline, 1.4);
    }
    // Ears, then a round head with a pointed snout to the left and fluffy cheeks.
    for (int k = 0; k < 2; ++k) {
        const double x = 30 + k * 15;
        QPainterPath ear;
        ear.moveTo(x - 7, 30);
        ear.lineTo(x + 1 - k * 3, 6 + k * 3);
        ear.lineTo(x + 8, 27);
        ear.closeSubpath();
        shapeFill(p, ear, pal, 2.0);
        QPainterPath inner;
        inner.moveTo(x - 3, 27);
        inner.lineTo(x + 1 - k * 3, 13 + k * 3);
        inner.lineTo(x + 5, 26);
        inner.closeSubpath();
        shapeFill(p, inner, QColor(255, 220, 230), QColor(240, 170, 190), QColor(200, 120, 150), pal.outline, 0);
    }
    QPainterPath head;
    head.moveTo(52, 36);
    head.cubicTo(54, 16, 26, 16, 22, 30);
    head.quadTo(14, 34, 6, 42);
    head.quadTo(12, 48, 24, 49);
    head.lineTo(30, 53);
    head.lineTo(34, 49);
    head.lineTo(40, 54);
    head.lineTo(43, 48);
    head.lineTo(50, 50);
    head.cubicTo(52, 46, 52, 42, 52, 36);
    shapeFill(p, head, pal, 2.4);
    QPainterPath muzzle;
    muzzle.moveTo(7, 42);
    muzzle.quadTo(16, 44, 30, 42);
    muzzle.quadTo(28, 49, 18, 48);
    muzzle.quadTo(12, 47, 7, 42);
    shapeFill(p, muzzle, lighter(pal.belly), pal.belly, scaled(pal.belly, 0.85), pal.outline, 1.2);
    shapeFill(p, ellipsePath(QPointF(7, 41.5), 2.8, 2.3), QColor(90, 80, 90), QColor(40, 34, 44), QColor(10, 8, 14), pal.outline, 0);
    eye(p, QPointF(27, 33), 5, pal, c.eyes, QPointF(-0.5, 0.1));
    eye(p, QPointF(39, 32), 4.2, pal, c.eyes, QPointF(-0.5, 0.1));
    if (c.mouth == MouthStyle::Fangs || c.mouth == MouthStyle::Grin) mouth(p, QPointF(18, 46), 8, pal, c.mouth);
    blush(p, QPointF(36, 43), 3.5);
    // Frost sparkles on an ice fox's tail.
    if (pal.accent.blue() > 200 && pal.accent.red() < 200) {
        for (const QPointF& at : {QPointF(90, 50), QPointF(84, 72), QPointF(94, 80)}) {
            p.setPen(QPen(QColor(255, 255, 255), 1.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(at - QPointF(4, 0), at + QPointF(4, 0));
            p.drawLine(at - QPointF(0, 4), at + QPointF(0, 4));
            p.drawLine(at - QPointF(2.8, 2.8), at + QPointF(2.8, 2.8));
            p.drawLine(at - QPointF(2.8, -2.8), at + QPointF(2.8, -2.8));
        }
    }
    if (c.crowned) crown(p, QPointF(36, 14), 16, QColor(250, 200, 40), pal.outline);
}

void paintLion(QPainter& p, const Creature& c) {
    const Palette& pal = c.palette;
    // Tail with a flame at its end.
    QPainterPath tail;
    tail.moveTo(76, 84);
    tail.cubicTo(92, 82, 94, 66, 88, 54);
    p.setPen(QPen(pal.outline, 6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
    p.setPen(QPen(pal.base, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(tail);
    QPainterPath flame;
    flame.moveTo(88, 56);
    flame.cubicTo(80, 48, 86, 40, 90, 30);
    flame.cubicTo(92, 40, 100, 44, 94, 56);
    flame.closeSubpath();
    shapeFill(p, flame, QColor(255, 250, 200), QColor(255, 170, 40), QColor(230, 70, 20), pal.outline, 1.6);
    // Four legs and the body.
    for (double x : {40.0, 52.0, 66.0, 76.0}) {
        QPainterPath leg;
        leg.addRoundedRect(QRectF(x - 5, 70, 10, 28), 5, 5);
        shapeFill(p, leg, pal, 2.0);
    }
    shapeFill(p, ellipsePath(QPointF(60, 66), 26, 16), pal, 2.4);
    // Mane: a ring of spiky locks round the head.
    QPainterPath mane;
    const QPointF centre(34, 44);
    for (int i = 0; i < 28; ++i) {
        const double a = i * M_PI / 14;
        const double r = i % 2 ? 17 : 25;
        const QPointF at = centre + QPointF(std::cos(a) * r, std::sin(a) * r * 0.95);
        if (i == 0) mane.moveTo(at);
        else mane.lineTo(at);
    }
    mane.closeSubpath();
    shapeFill(p, mane, lighter(pal.accent, 0.5), pal.accent, scaled(pal.accent, 0.55), pal.outline, 2.0);
    shapeFill(p, ellipsePath(centre, 15, 15), pal, 2.2);
    shapeFill(p, ellipsePath(centre + QPointF(-7, 7), 9, 6), lighter(pal.belly), pal.belly, scaled(pal.belly, 0.8), pal.outline, 1.4);
    shapeFill(p, ellipsePath(centre + QPointF(-12, 4), 3, 2.4), QColor(90, 60, 60), QColor(50, 30, 30), QColor(20, 10, 10), pal.outline, 0);
    eye(p, centre + QPointF(-6, -4), 4.6, pal, c.eyes, QPointF(-0.5, 0));
    eye(p, centre + QPointF(5, -5), 3.6, pal, c.eyes, QPointF(-0.5, 0));
    mouth(p, centre + QPointF(-8, 11), 9, pal, c.mouth);
    if (c.crowned) crown(p, QPointF(34, 20), 18, QColor(250, 200, 40), pal.outline);
}

void paintToad(QPainter& p, const Creature& c) {
    const Palette& pal = c.palette;
    // Back leg, body, belly.
    shapeFill(p, ellipsePath(QPointF(78, 84), 16, 12), pal, 2.2);
    QPainterPath body;
    body.moveTo(10, 74);
    body.cubicTo(6, 44, 40, 34, 62, 40);
    body.cubicTo(90, 46, 96, 70, 86, 90);
    body.cubicTo(70, 98, 26, 98, 14, 90);
    body.cubicTo(10, 86, 10, 80, 10, 74);
    shapeFill(p, body, pal, 2.4);
    p.save();
    p.setClipPath(body);
    shapeFill(p, ellipsePath(QPointF(40, 92), 34, 14), lighter(pal.belly), pal.belly, scaled(pal.belly, 0.8), pal.outline, 1.4);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(pal.accent, 200));
    for (const QPointF& spot : {QPointF(56, 50), QPointF(70, 58), QPointF(64, 70), QPointF(80, 66), QPointF(46, 46)})
        p.drawEllipse(spot, 4, 3);
    p.restore();
    // Front legs.
    for (double x : {22.0, 40.0}) shapeFill(p, ellipsePath(QPointF(x, 95), 8, 4.5), pal, 2.0);
    // Eye bumps on top of the head.
    shapeFill(p, ellipsePath(QPointF(24, 42), 10, 10), pal, 2.2);
    shapeFill(p, ellipsePath(QPointF(44, 38), 10, 10), pal, 2.2);
    eye(p, QPointF(24, 41), 6, pal, c.eyes, QPointF(-0.5, 0.2));
    eye(p, QPointF(44, 37), 6, pal, c.eyes, QPointF(-0.5, 0.2));
    // The wide mouth.
    p.setPen(QPen(pal.outline, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath lip;
    lip.moveTo(8, 66);
    lip.cubicTo(20, 74, 40, 74, 56, 66);
    p.drawPath(lip);
    if (c.crowned) {
        // The old master of the garden wears a leaf for a hat.
        QPainterPath leaf;
        leaf.moveTo(14, 34);
        leaf.cubicTo(20, 14, 50, 10, 58, 28);
        leaf.cubicTo(44, 24, 28, 26, 14, 34);
        shapeFill(p, leaf, QColor(170, 230, 120), QColor(90, 170, 70), QColor(50, 110, 40), pal.outline, 1.8);
        p.setPen(QPen(QColor(60, 110, 40), 1.4));
        p.drawLine(QPointF(18, 31), QPointF(56, 27));
        p.drawLine(QPointF(36, 18), QPointF(38, 6));
    }
    blush(p, QPointF(16, 60), 5);
}

void paintBird(QPainter& p, const Creature& c) {
    const Palette& pal = c.palette;
    // Tail feathers.
    for (int i = 0; i < 3; ++i) {
        QPainterPath feather;
        feather.moveTo(72, 66);
        feather.cubicTo(86, 60 + i * 6, 96, 56 + i * 10, 98, 60 + i * 10);
        feather.cubicTo(90, 70 + i * 6, 82, 74, 72, 74);
        feather.closeSubpath();
        shapeFill(p, feather, lighter(pal.accent), pal.accent, scaled(pal.accent, 0.6), pal.outline, 1.6);
    }
    // Legs.
    for (double x : {46.0, 58.0}) {
        p.setPen(QPen(QColor(230, 150, 40), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, 84), QPointF(x - 2, 96));
        p.drawLine(QPointF(x - 2, 96), QPointF(x - 8, 98));
        p.drawLine(QPointF(x - 2, 96), QPointF(x + 3, 98));
    }
    QPainterPath body = ellipsePath(QPointF(52, 60), 28, 27);
    shapeFill(p, body, pal, 2.4);
    p.save();
    p.setClipPath(body);
    shapeFill(p, ellipsePath(QPointF(40, 74), 18, 16), lighter(pal.belly), pal.belly, scaled(pal.belly, 0.8), pal.outline, 0);
    p.restore();
    // Wing.
    QPainterPath wing;
    wing.moveTo(50, 56);
    wing.cubicTo(66, 46, 82, 56, 80, 74);
    wing.cubicTo(72, 72, 60, 70, 50, 56);
    shapeFill(p, wing, lighter(pal.accent), pal.accent, scaled(pal.accent, 0.6), pal.outline, 1.8);
    // Crest: a zigzag like a lightning bolt.
    QPainterPath crest;
    crest.moveTo(40, 36);
    crest.lineTo(44, 18);
    crest.lineTo(48, 26);
    crest.lineTo(56, 8);
    crest.lineTo(58, 24);
    crest.lineTo(64, 18);
    crest.lineTo(60, 38);
    crest.closeSubpath();
    shapeFill(p, crest, lighter(pal.accent), pal.accent, scaled(pal.accent, 0.6), pal.outline, 1.8);
    QPainterPath beak;
    beak.moveTo(28, 48);
    beak.lineTo(10, 56);
    beak.lineTo(28, 60);
    beak.closeSubpath();
    shapeFill(p, beak, QColor(255, 230, 140), QColor(250, 170, 40), QColor(200, 110, 20), pal.outline, 1.8);
    p.setPen(QPen(pal.outline, 1.2));
    p.drawLine(QPointF(12, 56), QPointF(28, 54));
    eye(p, QPointF(34, 44), 6, pal, c.eyes, QPointF(-0.5, 0));
    blush(p, QPointF(34, 58), 4);
    if (c.crowned) crown(p, QPointF(52, 28), 16, QColor(250, 200, 40), pal.outline);
}

void paintBeetle(QPainter& p, const Creature& c) {
    const Palette& pal = c.palette;
    // Legs.
    for (int i = 0; i < 3; ++i) {
        limb(p, QPointF(40 + i * 16, 78), QPointF(34 + i * 18, 90), 2.6, pal);
        limb(p, QPointF(34 + i * 18, 90), QPointF(30 + i * 18, 98), 2.2, pal);
    }
    // Shell with a seam and a metallic shine.
    QPainterPath shell;
    shell.moveTo(30, 78);
    shell.cubicTo(28, 44, 56, 34, 78, 42);
    shell.cubicTo(96, 48, 98, 72, 90, 82);
    shell.closeSubpath();
    shapeFill(p, shell, pal, 2.4);
    p.setPen(QPen(pal.outline, 1.6));
    p.drawLine(QPointF(52, 40), QPointF(64, 82));
    shine(p, QPointF(56, 50), 12, 4, 170);
    shine(p, QPointF(78, 54), 5, 3, 140);
    // Head with the great horn.
    QPainterPath hornPath;
    hornPath.moveTo(22, 62);
    hornPath.cubicTo(10, 54, 6, 36, 12, 18);
    hornPath.cubicTo(14, 30, 20, 40, 30, 52);
    hornPath.closeSubpath();
    shapeFill(p, hornPath, lighter(pal.accent), pal.accent, scaled(pal.accent, 0.55), pal.outline, 2.0);
    QPainterPath fork;
    fork.moveTo(12, 26);
    fork.lineTo(4, 20);
    fork.lineTo(12, 20);
    fork.closeSubpath();
    shapeFill(p, fork, lighter(pal.accent), pal.accent, scaled(pal.accent, 0.55), pal.outline, 1.4);
    shapeFill(p, ellipsePath(QPointF(28, 70), 14, 12), pal, 2.4);
    eye(p, QPointF(24, 68), 4.2, pal, c.eyes, QPointF(-0.6, 0));
    if (c.crowned) crown(p, QPointF(32, 56), 14, QColor(250, 200, 40), pal.outline);
}

}  // namespace vex::assets
