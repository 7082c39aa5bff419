// Monsters that look straight ahead: slime, ghost, sprout, fish, bat, golem, robot, fairy.

#include <QRadialGradient>
#include <cmath>

#include "creatures.h"
#include "paint_kit.h"

namespace vex::assets {

namespace {

void faceOf(QPainter& p, const Creature& c, QPointF centre, double spread, double eyeSize, double mouthDrop) {
    eye(p, centre + QPointF(-spread, 0), eyeSize, c.palette, c.eyes, QPointF(0, 0.15));
    eye(p, centre + QPointF(spread, 0), eyeSize, c.palette, c.eyes, QPointF(0, 0.15));
    if (c.eyes == EyeStyle::Cute || c.eyes == EyeStyle::Sleepy) {
        blush(p, centre + QPointF(-spread * 1.75, eyeSize * 1.3), eyeSize * 0.9);
        blush(p, centre + QPointF(spread * 1.75, eyeSize * 1.3), eyeSize * 0.9);
    }
    mouth(p, centre + QPointF(0, mouthDrop), spread * 1.1, c.palette, c.mouth);
}

}  // namespace

void paintSlime(QPainter& p, const Creature& c) {
    QPainterPath body;
    body.moveTo(14, 95);
    body.cubicTo(4, 93, 6, 70, 22, 60);
    body.cubicTo(32, 50, 40, 30, 50, 20);
    body.cubicTo(60, 30, 68, 50, 78, 60);
    body.cubicTo(94, 70, 96, 93, 86, 95);
    body.quadTo(68, 99, 50, 97);
    body.quadTo(32, 99, 14, 95);
    shapeFill(p, body, c.palette, 2.4);
    if (c.metallic) {  // the mirror shine of polished metal
        p.save();
        p.setClipPath(body);
        QLinearGradient band(20, 40, 80, 90);
        band.setColorAt(0, QColor(255, 255, 255, 0));
        band.setColorAt(0.45, QColor(255, 255, 255, 210));
        band.setColorAt(0.55, QColor(200, 210, 230, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(band);
        p.drawRect(QRectF(0, 0, 100, 100));
        p.setBrush(withAlpha(scaled(c.palette.shadow, 0.7), 150));
        p.drawEllipse(QPointF(50, 98), 40, 8);
        p.restore();
    }
    shine(p, QPointF(38, 46), 5, 9, 190);
    shine(p, QPointF(45, 36), 2.4, 2.4, 220);
    faceOf(p, c, QPointF(50, 68), 10, 6, 11);
    if (c.crowned) crown(p, QPointF(50, 15), 26, QColor(250, 200, 40), c.palette.outline);
}

void paintGhost(QPainter& p, const Creature& c) {
    QPainterPath sheet;
    sheet.moveTo(18, 86);
    sheet.cubicTo(10, 60, 14, 16, 50, 14);
    sheet.cubicTo(86, 16, 90, 60, 82, 86);
    for (int i = 0; i < 4; ++i) {
        const double x0 = 82 - i * 16;
        sheet.quadTo(x0 - 4, 96, x0 - 8, 88);
        sheet.quadTo(x0 - 12, 80, x0 - 16, 90);
    }
    sheet.closeSubpath();
    // Little hands first, so the sheet covers their roots.
    shapeFill(p, ellipsePath(QPointF(14, 58), 8, 6), c.palette, 2.0);
    shapeFill(p, ellipsePath(QPointF(86, 52), 8, 6), c.palette, 2.0);
    shapeFill(p, sheet, c.palette, 2.4);
    shine(p, QPointF(34, 30), 6, 9, 150);
    eye(p, QPointF(40, 46), 6.5, c.palette, c.eyes, QPointF(-0.2, 0.3));
    eye(p, QPointF(60, 46), 6.5, c.palette, c.eyes, QPointF(-0.2, 0.3));
    mouth(p, QPointF(50, 60), 14, c.palette, MouthStyle::Open);
    blush(p, QPointF(30, 56), 5);
    blush(p, QPointF(70, 56), 5);
    if (c.crowned) crown(p, QPointF(50, 12), 24, QColor(250, 200, 40), c.palette.outline);
}

void paintSprout(QPainter& p, const Creature& c) {
    const QColor leaf = c.palette.accent;
    auto leafShape = [&](QPointF base, double angle, double len) {
        p.save();
        p.translate(base);
        p.rotate(angle);
        QPainterPath path;
        path.moveTo(0, 0);
        path.cubicTo(len * 0.3, -len * 0.35, len * 0.8, -len * 0.3, len, 0);
        path.cubicTo(len * 0.8, len * 0.3, len * 0.3, len * 0.35, 0, 0);
        shapeFill(p, path, mix(leaf, QColor(255, 255, 255), 0.4), leaf, scaled(leaf, 0.6), c.palette.outline, 1.8);
        p.setPen(QPen(scaled(leaf, 0.5), 1.0));
        p.drawLine(QPointF(2, 0), QPointF(len * 0.85, 0));
        p.restore();
    };
    leafShape(QPointF(50, 40), -140, 30);
    leafShape(QPointF(50, 40), -40, 30);
    p.setPen(QPen(scaled(leaf, 0.7), 3));
    p.drawLine(QPointF(50, 42), QPointF(50, 30));
    // Root feet.
    for (double x : {34.0, 50.0, 66.0}) {
        QPainterPath root;
        root.moveTo(x - 5, 88);
        root.quadTo(x - 2, 98, x + (x - 50) * 0.2, 99);
        root.quadTo(x + 3, 96, x + 5, 88);
        shapeFill(p, root, QColor(220, 180, 130), QColor(180, 130, 80), QColor(120, 80, 50), c.palette.outline, 1.6);
    }
    QPainterPath bulb;
    bulb.moveTo(50, 36);
    bulb.cubicTo(72, 40, 84, 60, 78, 78);
    bulb.cubicTo(72, 94, 28, 94, 22, 78);
    bulb.cubicTo(16, 60, 28, 40, 50, 36);
    shapeFill(p, bulb, c.palette, 2.4);
    shine(p, QPointF(36, 52), 5, 8, 150);
    faceOf(p, c, QPointF(50, 66), 11, 6, 10);
    // A flower on its head.
    for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 5;
        shapeFill(p, ellipsePath(QPointF(50 + std::cos(a) * 6, 24 + std::sin(a) * 6), 4.5, 4.5), QColor(255, 240, 250),
                  c.palette.belly, scaled(c.palette.belly, 0.7), c.palette.outline, 1.2);
    }
    shapeFill(p, ellipsePath(QPointF(50, 24), 3.5, 3.5), QColor(255, 250, 180), QColor(250, 200, 40), QColor(200, 140, 20),
              c.palette.outline, 1.0);
}

void paintFish(QPainter& p, const Creature& c) {
    // Tail fan, fins, then the round body.
    QPainterPath tail;
    tail.moveTo(76, 58);
    tail.cubicTo(88, 44, 96, 36, 98, 38);
    tail.cubicTo(92, 52, 92, 64, 98, 80);
    tail.cubicTo(94, 82, 86, 72, 76, 62);
    tail.closeSubpath();
    shapeFill(p, tail, mix(c.palette.accent, QColor(255, 255, 255), 0.4), c.palette.accent, scaled(c.palette.accent, 0.6), c.palette.outline, 2.0);
    QPainterPath dorsal;
    dorsal.moveTo(34, 32);
    dorsal.cubicTo(40, 10, 60, 8, 70, 30);
    dorsal.closeSubpath();
    shapeFill(p, dorsal, mix(c.palette.accent, QColor(255, 255, 255), 0.4), c.palette.accent, scaled(c.palette.accent, 0.6), c.palette.outline, 2.0);
    QPainterPath body = ellipsePath(QPointF(50, 60), 32, 30);
    shapeFill(p, body, c.palette, 2.4);
    p.save();
    p.setClipPath(body);
    shapeFill(p, ellipsePath(QPointF(48, 82), 28, 16), mix(c.palette.belly, QColor(255, 255, 255), 0.4), c.palette.belly,
              scaled(c.palette.belly, 0.8), c.palette.outline, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(scaled(c.palette.base, 0.7), 160));
    for (const QPointF& spot : {QPointF(58, 44), QPointF(68, 54), QPointF(62, 64), QPointF(72, 42)}) p.drawEllipse(spot, 3, 3);
    p.restore();
    QPainterPath fin;
    fin.moveTo(52, 68);
    fin.cubicTo(60, 62, 70, 70, 66, 80);
    fin.cubicTo(60, 78, 56, 74, 52, 68);
    shapeFill(p, fin, mix(c.palette.accent, QColor(255, 255, 255), 0.4), c.palette.accent, scaled(c.palette.accent, 0.6), c.palette.outline, 1.6);
    shine(p, QPointF(34, 40), 6, 5, 170);
    eye(p, QPointF(32, 54), 8, c.palette, c.eyes, QPointF(-0.5, 0));
    eye(p, QPointF(48, 52), 6, c.palette, c.eyes, QPointF(-0.5, 0));
    // Pouting lips.
    shapeFill(p, ellipsePath(QPointF(20, 68), 5, 4), QColor(255, 200, 200), QColor(240, 120, 140), QColor(180, 70, 90), c.palette.outline, 1.5);
    if (c.crowned) crown(p, QPointF(50, 24), 22, QColor(250, 200, 40), c.palette.outline);
}

void paintBat(QPainter& p, const Creature& c) {
    batWing(p, QPointF(36, 52), 36, 34, true, c.palette, c.palette.accent);
    batWing(p, QPointF(64, 52), 36, 34, false, c.palette, c.palette.accent);
    // Ears.
    for (int side : {-1, 1}) {
        QPainterPath ear;
        ear.moveTo(50 + side * 6, 38);
        ear.lineTo(50 + side * 18, 16);
        ear.lineTo(50 + side * 20, 42);
        ear.closeSubpath();
        shapeFill(p, ear, c.palette, 2.0);
        QPainterPath inner;
        inner.moveTo(50 + side * 10, 38);
        inner.lineTo(50 + side * 17, 23);
        inner.lineTo(50 + side * 17, 40);
        inner.closeSubpath();
        shapeFill(p, inner, QColor(255, 190, 210), QColor(230, 130, 160), QColor(180, 90, 120), c.palette.outline, 0);
    }
    shapeFill(p, ellipsePath(QPointF(50, 58), 22, 22), c.palette, 2.4);
    shapeFill(p, ellipsePath(QPointF(50, 68), 13, 11), mix(c.palette.belly, QColor(255, 255, 255), 0.4), c.palette.belly,
              scaled(c.palette.belly, 0.75), c.palette.outline, 0);
    for (int side : {-1, 1})
        shapeFill(p, ellipsePath(QPointF(50 + side * 8, 83), 4.5, 3.5), c.palette, 1.6);
    eye(p, QPointF(42, 52), 6, c.palette, c.eyes, QPointF(0, 0.2));
    eye(p, QPointF(58, 52), 6, c.palette, c.eyes, QPointF(0, 0.2));
    mouth(p, QPointF(50, 63), 12, c.palette, MouthStyle::Fangs);
    if (c.crowned) crown(p, QPointF(50, 34), 20, QColor(250, 200, 40), c.palette.outline);
}

void paintGolem(QPainter& p, const Creature& c) {
    auto block = [&](QRectF r, double radius) {
        QPainterPath path;
        path.addRoundedRect(r, radius, radius);
        shapeFill(p, path, c.palette, 2.4);
        return path;
    };
    block(QRectF(30, 80, 16, 18), 4);  // legs
    block(QRectF(54, 80, 16, 18), 4);
    const QPainterPath torso = block(QRectF(24, 34, 52, 52), 10);
    block(QRectF(6, 38, 20, 40), 8);  // arms
    block(QRectF(74, 38, 20, 40), 8);
    block(QRectF(4, 70, 24, 18), 8);  // fists
    block(QRectF(72, 70, 24, 18), 8);
    const QPainterPath head = block(QRectF(34, 10, 32, 28), 7);
    // Cracks and moss.
    p.setPen(QPen(scaled(c.palette.shadow, 0.7), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath cracks;
    cracks.moveTo(36, 44);
    cracks.lineTo(42, 52);
    cracks.lineTo(40, 60);
    cracks.moveTo(64, 70);
    cracks.lineTo(58, 76);
    cracks.moveTo(12, 50);
    cracks.lineTo(18, 56);
    p.drawPath(cracks);
    p.save();
    p.setClipPath(torso.united(head));
    p.setPen(Qt::NoPen);
    p.setBrush(c.palette.accent);
    p.drawEllipse(QPointF(34, 34), 12, 5);
    p.drawEllipse(QPointF(62, 10), 10, 4);
    p.restore();
    // A glowing core in the chest.
    QRadialGradient core(QPointF(50, 60), 9);
    core.setColorAt(0, QColor(255, 255, 230));
    core.setColorAt(0.4, c.palette.eye);
    core.setColorAt(1, scaled(c.palette.eye, 0.4));
    p.setPen(QPen(c.palette.outline, 1.6));
    p.setBrush(core);
    QPolygonF gem;
    gem << QPointF(50, 52) << QPointF(57, 60) << QPointF(50, 68) << QPointF(43, 60);
    p.drawPolygon(gem);
    eye(p, QPointF(43, 24), 4, c.palette, EyeStyle::Glowing);
    eye(p, QPointF(57, 24), 4, c.palette, EyeStyle::Glowing);
    if (c.crowned) crown(p, QPointF(50, 8), 22, QColor(250, 200, 40), c.palette.outline);
}

void paintRobot(QPainter& p, const Creature& c) {
    const Palette& pal = c.palette;
    // Treads.
    QPainterPath tread;
    tread.addRoundedRect(QRectF(20, 82, 60, 16), 8, 8);
    shapeFill(p, tread, QColor(120, 120, 130), QColor(70, 70, 80), QColor(40, 40, 48), pal.outline, 2.0);
    for (double x = 28; x < 76; x += 8) shapeFill(p, ellipsePath(QPointF(x, 90), 3, 3), QColor(200, 200, 210), QColor(140, 140, 150), QColor(90, 90, 100), pal.outline, 1.0);
    // Arms with claws.
    for (int side : {-1, 1}) {
        p.setPen(QPen(pal.outline, 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(50 + side * 24, 52), QPointF(50 + side * 38, 70));
        p.setPen(QPen(QColor(170, 176, 190), 4.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(50 + side * 24, 52), QPointF(50 + side * 38, 70));
        QPainterPath claw;
        claw.moveTo(50 + side * 34, 72);
        claw.lineTo(50 + side * 44, 68);
        claw.lineTo(50 + side * 44, 80);
        claw.lineTo(50 + side * 38, 76);
        claw.closeSubpath();
        shapeFill(p, claw, pal.accent, scaled(pal.accent, 0.8), scaled(pal.accent, 0.55), pal.outline, 1.6);
    }
    QPainterPath body;
    body.addRoundedRect(QRectF(26, 44, 48, 40), 8, 8);
    shapeFill(p, body, pal, 2.4);
    QPainterPath panel;
    panel.addRoundedRect(QRectF(36, 54, 28, 20), 4, 4);
    shapeFill(p, panel, QColor(70, 80, 100), QColor(40, 46, 60), QColor(20, 24, 34), pal.outline, 1.4);
    const QColor lamps[] = {QColor(255, 80, 80), QColor(255, 220, 60), QColor(80, 255, 140)};
    for (int i = 0; i < 3; ++i) shapeFill(p, ellipsePath(QPointF(42 + i * 8, 60), 2.4, 2.4), QColor(255, 255, 255), lamps[i], scaled(lamps[i], 0.6), pal.outline, 0.6);
    p.setPen(QPen(QColor(120, 220, 255), 1.2));
    p.drawLine(QPointF(40, 68), QPointF(60, 68));
    // Head with a visor.
    QPainterPath neck;
    neck.addRect(QRectF(44, 38, 12, 8));
    shapeFill(p, neck, QColor(150, 150, 160), QColor(100, 100, 110), QColor(70, 70, 80), pal.outline, 1.6);
    QPainterPath head;
    head.addRoundedRect(QRectF(30, 12, 40, 28), 8, 8);
    shapeFill(p, head, pal, 2.4);
    QPainterPath visor;
    visor.addRoundedRect(QRectF(35, 19, 30, 11), 5, 5);
    QLinearGradient vg(0, 19, 0, 30);
    vg.setColorAt(0, QColor(200, 250, 255));
    vg.setColorAt(0.5, pal.eye);
    vg.setColorAt(1, scaled(pal.eye, 0.5));
    p.setPen(QPen(pal.outline, 1.6));
    p.setBrush(vg);
    p.drawPath(visor);
    shapeFill(p, ellipsePath(QPointF(43, 24.5), 3, 3), QColor(255, 255, 255), QColor(255, 255, 255), QColor(200, 240, 255), pal.outline, 0);
    shapeFill(p, ellipsePath(QPointF(57, 24.5), 3, 3), QColor(255, 255, 255), QColor(255, 255, 255), QColor(200, 240, 255), pal.outline, 0);
    p.setPen(QPen(pal.outline, 1.6));
    p.drawLine(QPointF(50, 12), QPointF(50, 4));
    shapeFill(p, ellipsePath(QPointF(50, 4), 3, 3), QColor(255, 200, 200), QColor(255, 60, 60), QColor(160, 20, 20), pal.outline, 1.2);
    shine(p, QPointF(36, 16), 4, 2, 150);
}

void paintFairy(QPainter& p, const Creature& c) {
    const Palette& pal = c.palette;
    // Four wings, opaque but pale.
    for (int side : {-1, 1}) {
        QPainterPath upper;
        upper.moveTo(50, 50);
        upper.cubicTo(50 + side * 20, 14, 50 + side * 46, 18, 50 + side * 40, 40);
        upper.cubicTo(50 + side * 36, 50, 50 + side * 20, 54, 50, 52);
        shapeFill(p, upper, QColor(255, 255, 255), QColor(230, 244, 255), QColor(190, 214, 246), pal.outline, 1.6);
        QPainterPath lower;
        lower.moveTo(50, 54);
        lower.cubicTo(50 + side * 30, 56, 50 + side * 38, 74, 50 + side * 26, 78);
        lower.cubicTo(50 + side * 16, 78, 50 + side * 8, 64, 50, 56);
        shapeFill(p, lower, QColor(255, 255, 255), QColor(236, 232, 255), QColor(200, 196, 246), pal.outline, 1.6);
    }
    // Dress.
    QPainterPath dress;
    dress.moveTo(44, 50);
    dress.lineTo(56, 50);
    dress.cubicTo(62, 66, 70, 78, 68, 84);
    dress.quadTo(50, 90, 32, 84);
    dress.cubicTo(30, 78, 38, 66, 44, 50);
    shapeFill(p, dress, pal, 2.0);
    for (double x : {44.0, 56.0}) shapeFill(p, ellipsePath(QPointF(x, 92), 3, 5), QColor(255, 236, 220), QColor(246, 206, 180), QColor(210, 160, 140), pal.outline, 1.4);
    // Head and hair.
    shapeFill(p, ellipsePath(QPointF(50, 36), 15, 15), QColor(255, 240, 226), QColor(250, 220, 196), QColor(220, 180, 160), pal.outline, 2.0);
    QPainterPath hair;
    hair.moveTo(34, 40);
    hair.cubicTo(30, 18, 70, 14, 66, 40);
    hair.cubicTo(62, 28, 50, 26, 44, 30);
    hair.cubicTo(40, 30, 36, 34, 34, 40);
    shapeFill(p, hair, mix(pal.accent, QColor(255, 255, 255), 0.4), pal.accent, scaled(pal.accent, 0.6), pal.outline, 1.8);
    eye(p, QPointF(44, 39), 3.6, pal, c.eyes, QPointF(-0.2, 0.2));
    eye(p, QPointF(56, 39), 3.6, pal, c.eyes, QPointF(-0.2, 0.2));
    mouth(p, QPointF(50, 46), 5, pal, MouthStyle::Smile);
    blush(p, QPointF(40, 44), 3);
    blush(p, QPointF(60, 44), 3);
    // A wand with a star.
    p.setPen(QPen(pal.outline, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(66, 62), QPointF(80, 36));
    p.setPen(QPen(QColor(240, 220, 160), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(66, 62), QPointF(80, 36));
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? 3.2 : 7.5;
        const double a = -M_PI / 2 + i * M_PI / 5;
        const QPointF at(81 + std::cos(a) * r, 33 + std::sin(a) * r);
        if (i == 0) star.moveTo(at);
        else star.lineTo(at);
    }
    star.closeSubpath();
    shapeFill(p, star, QColor(255, 255, 220), QColor(255, 220, 60), QColor(220, 160, 20), pal.outline, 1.4);
    if (c.crowned) crown(p, QPointF(50, 20), 16, QColor(250, 200, 40), pal.outline);
}

}  // namespace vex::assets
