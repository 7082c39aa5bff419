#include "creature_kit.h"

#include <QRadialGradient>
#include <cmath>

#include "art_random.h"
#include "paint_kit.h"

namespace vex::assets {

Palette paletteFrom(QColor base, QColor accent, QColor belly, QColor eyeColour, QColor outline) {
    return Palette{base, mix(base, QColor(255, 255, 255), 0.45), scaled(base, 0.62), outline, accent, belly, eyeColour};
}

QPainterPath ellipsePath(QPointF c, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

void shapeFill(QPainter& p, const QPainterPath& shape, QColor light, QColor base, QColor shadow, QColor ink, double outline) {
    const QRectF box = shape.boundingRect();
    QRadialGradient g(box.topLeft() + QPointF(box.width() * 0.32, box.height() * 0.25), std::max(box.width(), box.height()) * 0.95);
    g.setColorAt(0, light);
    g.setColorAt(0.45, base);
    g.setColorAt(1, shadow);
    p.setPen(outline > 0 ? QPen(ink, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
    p.setBrush(g);
    p.drawPath(shape);
}

void shapeFill(QPainter& p, const QPainterPath& shape, const Palette& pal, double outline) {
    shapeFill(p, shape, pal.light, pal.base, pal.shadow, pal.outline, outline);
}

void eye(QPainter& p, QPointF c, double r, const Palette& pal, EyeStyle style, QPointF look) {
    p.save();
    if (style == EyeStyle::Sleepy) {
        p.setPen(QPen(pal.outline, r * 0.35, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath lid;
        lid.moveTo(c + QPointF(-r, 0));
        lid.quadTo(c + QPointF(0, r * 0.8), c + QPointF(r, 0));
        p.drawPath(lid);
        p.restore();
        return;
    }
    if (style == EyeStyle::Glowing) {
        QRadialGradient g(c, r * 1.6);
        g.setColorAt(0, QColor(255, 255, 230));
        g.setColorAt(0.35, pal.eye);
        g.setColorAt(1, withAlpha(pal.eye, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, r * 1.6, r * 1.3);
        p.setBrush(QColor(255, 255, 240));
        p.drawEllipse(c, r * 0.55, r * 0.4);
        p.restore();
        return;
    }
    const double ry = style == EyeStyle::Cute ? r * 1.2 : r;
    p.setPen(QPen(pal.outline, std::max(1.0, r * 0.22)));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(c, r, ry);
    const QPointF pupil = c + QPointF(look.x() * r * 0.35, look.y() * ry * 0.3);
    const double pr = style == EyeStyle::Fierce ? r * 0.42 : r * 0.62;
    QRadialGradient iris(pupil, pr);
    iris.setColorAt(0, scaled(pal.eye, 0.45));
    iris.setColorAt(0.6, pal.eye);
    iris.setColorAt(1, scaled(pal.eye, 0.7));
    p.setPen(Qt::NoPen);
    p.setBrush(iris);
    if (style == EyeStyle::Fierce) p.drawEllipse(pupil, pr * 0.55, pr * 1.25);
    else p.drawEllipse(pupil, pr, pr * (ry / r));
    p.setBrush(QColor(20, 16, 26));
    if (style == EyeStyle::Fierce) p.drawEllipse(pupil, pr * 0.22, pr * 1.0);
    else p.drawEllipse(pupil, pr * 0.48, pr * 0.52 * (ry / r));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(pupil + QPointF(-pr * 0.35, -pr * 0.45), pr * 0.3, pr * 0.3);
    p.drawEllipse(pupil + QPointF(pr * 0.35, pr * 0.35), pr * 0.13, pr * 0.13);
    if (style == EyeStyle::Angry || style == EyeStyle::Fierce) {
        // A heavy brow slanting down towards the middle of the face.
        QPainterPath brow;
        brow.moveTo(c + QPointF(-r * 1.25, -ry * 0.95));
        brow.lineTo(c + QPointF(r * 1.2, -ry * 0.35));
        brow.lineTo(c + QPointF(r * 1.25, -ry * 1.05));
        brow.lineTo(c + QPointF(-r * 1.15, -ry * 1.4));
        brow.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(pal.outline);
        p.drawPath(brow);
    }
    p.restore();
}

void mouth(QPainter& p, QPointF c, double w, const Palette& pal, MouthStyle style) {
    p.save();
    p.setPen(QPen(pal.outline, std::max(1.2, w * 0.12), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (style == MouthStyle::Small || style == MouthStyle::Smile) {
        QPainterPath line;
        line.moveTo(c + QPointF(-w / 2, 0));
        line.quadTo(c + QPointF(0, w * (style == MouthStyle::Smile ? 0.55 : 0.25)), c + QPointF(w / 2, 0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
    } else {
        QPainterPath open;
        open.moveTo(c + QPointF(-w / 2, 0));
        open.quadTo(c + QPointF(0, -w * 0.1), c + QPointF(w / 2, 0));
        open.quadTo(c + QPointF(0, w * (style == MouthStyle::Grin ? 0.45 : 0.8)), c + QPointF(-w / 2, 0));
        open.closeSubpath();
        p.setBrush(QColor(120, 30, 50));
        p.drawPath(open);
        p.setPen(Qt::NoPen);
        if (style == MouthStyle::Open) {
            p.setBrush(QColor(240, 110, 130));
            p.drawEllipse(c + QPointF(0, w * 0.42), w * 0.24, w * 0.14);
        }
        if (style == MouthStyle::Fangs || style == MouthStyle::Grin) {
            p.setBrush(QColor(255, 255, 250));
            const int teeth = style == MouthStyle::Grin ? 5 : 2;
            for (int i = 0; i < teeth; ++i) {
                const double x = teeth == 2 ? (i == 0 ? -w * 0.28 : w * 0.28) : -w * 0.36 + i * w * 0.18;
                QPolygonF tooth;
                tooth << c + QPointF(x - w * 0.08, w * 0.02) << c + QPointF(x + w * 0.08, w * 0.02) << c + QPointF(x, w * (teeth == 2 ? 0.3 : 0.17));
                p.drawPolygon(tooth);
            }
        }
    }
    p.restore();
}

void blush(QPainter& p, QPointF c, double r) {
    QRadialGradient g(c, r);
    g.setColorAt(0, QColor(255, 120, 140, 220));
    g.setColorAt(1, QColor(255, 120, 140, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r * 0.65);
}

void shine(QPainter& p, QPointF c, double rx, double ry, int alpha) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, alpha));
    p.drawEllipse(c, rx, ry);
}

void horn(QPainter& p, QPointF base, QPointF tip, double width, QColor colour, QColor ink) {
    const QPointF d = tip - base;
    const double len = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / len * width / 2, d.x() / len * width / 2);
    QPainterPath path;
    path.moveTo(base + n);
    path.quadTo(base + d * 0.6 + n * 0.9 + QPointF(0, -width * 0.2), tip);
    path.quadTo(base + d * 0.5 - n * 0.6, base - n);
    path.closeSubpath();
    shapeFill(p, path, mix(colour, QColor(255, 255, 255), 0.5), colour, scaled(colour, 0.6), ink, 1.5);
}

void crown(QPainter& p, QPointF c, double w, QColor gold, QColor ink) {
    QPainterPath path;
    const double h = w * 0.55;
    path.moveTo(c + QPointF(-w / 2, h / 2));
    path.lineTo(c + QPointF(-w / 2, -h / 2));
    path.lineTo(c + QPointF(-w / 4, 0));
    path.lineTo(c + QPointF(0, -h * 0.7));
    path.lineTo(c + QPointF(w / 4, 0));
    path.lineTo(c + QPointF(w / 2, -h / 2));
    path.lineTo(c + QPointF(w / 2, h / 2));
    path.closeSubpath();
    shapeFill(p, path, QColor(255, 250, 200), gold, scaled(gold, 0.6), ink, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 40, 70));
    p.drawEllipse(c + QPointF(0, h * 0.12), w * 0.09, w * 0.09);
    p.setBrush(QColor(60, 140, 240));
    p.drawEllipse(c + QPointF(-w * 0.3, h * 0.16), w * 0.06, w * 0.06);
    p.drawEllipse(c + QPointF(w * 0.3, h * 0.16), w * 0.06, w * 0.06);
}

void batWing(QPainter& p, QPointF shoulder, double span, double height, bool left, const Palette& pal, QColor membrane) {
    const double sx = left ? -1 : 1;
    auto at = [&](double x, double y) { return shoulder + QPointF(sx * x, y); };
    QPainterPath wing;
    wing.moveTo(shoulder);
    wing.quadTo(at(span * 0.5, -height * 0.9), at(span, -height * 0.7));
    wing.quadTo(at(span * 0.9, -height * 0.2), at(span * 0.95, height * 0.15));
    wing.quadTo(at(span * 0.75, 0), at(span * 0.66, height * 0.3));
    wing.quadTo(at(span * 0.5, height * 0.05), at(span * 0.36, height * 0.35));
    wing.quadTo(at(span * 0.2, height * 0.1), shoulder + QPointF(0, height * 0.3));
    wing.closeSubpath();
    shapeFill(p, wing, mix(membrane, QColor(255, 255, 255), 0.35), membrane, scaled(membrane, 0.6), pal.outline, 1.8);
    p.setPen(QPen(scaled(pal.base, 0.7), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(shoulder, at(span, -height * 0.7));
    p.drawLine(at(span * 0.5, -height * 0.62), at(span * 0.66, height * 0.3));
    p.drawLine(at(span * 0.28, -height * 0.4), at(span * 0.36, height * 0.35));
}

void aura(QPainter& p, QPointF c, double rx, double ry, QColor outer, QColor inner, unsigned seed) {
    ArtRandom rnd(seed);
    QPainterPath flames;
    const int n = 18;
    for (int i = 0; i <= n * 2; ++i) {
        const double a = M_PI / 2 + i * M_PI / n;
        const double r = i % 2 ? 0.82 : 1.0 + rnd.range(0, 0.18);
        const QPointF pt = c + QPointF(std::cos(a) * rx * r, std::sin(a) * ry * r - (std::sin(a) < 0 ? ry * 0.12 * (i % 2 ? 0 : 1) : 0));
        if (i == 0) flames.moveTo(pt);
        else flames.lineTo(pt);
    }
    flames.closeSubpath();
    QRadialGradient g(c, std::max(rx, ry));
    g.setColorAt(0, inner);
    g.setColorAt(0.75, mix(inner, outer, 0.6));
    g.setColorAt(1, outer);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(flames);
}

}  // namespace vex::assets
