// Stages away from the open air: 海 (under the sea), 宇宙, 魔方陣, 洞窟, 電脳.

#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "paint_kit.h"
#include "stage_kit.h"
#include "stages.h"

namespace vex::assets {

QImage paintSea() {
    Scene s;
    s.verticalGradient({{0, QColor(70, 190, 220)}, {0.4, QColor(24, 120, 180)}, {1, QColor(8, 44, 100)}});
    // Light rays and the shimmer of the surface.
    s.shade(QRect(0, 0, kStageWidth, kStageHeight), [](int x, int y, QColor c) {
        double k = 0;
        for (double centre : {60.0, 150.0, 236.0, 330.0}) {
            const double d = std::abs((x - centre) + (y - 0) * 0.25 * std::sin(centre));
            k += std::max(0.0, 1 - d / (10 + y * 0.08)) * 0.22 * std::max(0.0, 1 - y / 220.0);
        }
        const double caustic = std::pow(std::abs(std::sin(x * 0.11 + std::sin(y * 0.07) * 2) * std::sin(y * 0.13 + std::sin(x * 0.05) * 2)), 6);
        k += caustic * 0.18 * std::max(0.0, 1 - y / 140.0);
        return mix(c, QColor(210, 250, 255), k);
    });
    const Skyline reef = hills(201, 168, 40, 50, 0.5);
    s.layer(reef, [&](int x, int y, double depth) {
        const double n = fractalNoise(x / 7.0, y / 7.0, 202, 3);
        return mix(scaled(QColor(30, 90, 130), 0.85 + 0.3 * n), QColor(20, 70, 120), std::min(1.0, depth / 40.0) * 0.5);
    });
    const Skyline sand = hills(203, 194, 8, 140, 0.0);
    s.layer(sand, [&](int x, int y, double depth) {
        const double ripple = 0.5 + 0.5 * std::sin(x * 0.16 + 2.5 * fractalNoise(x / 20.0, y / 6.0, 204, 2) + y * 0.4);
        QColor c = mix(QColor(214, 200, 150), QColor(160, 150, 120), std::min(1.0, depth / 50.0));
        return mix(scaled(c, 0.92 + 0.1 * ripple), QColor(60, 120, 150), 0.25);
    });
    QPainter& p = s.painter();
    ArtRandom rnd(205);
    // Seaweed.
    for (int i = 0; i < 9; ++i) {
        const double x = rnd.range(0, 384);
        if (x > 70 && x < 320 && i % 3 != 0) continue;
        const double h = rnd.range(40, 90);
        QPainterPath weed;
        weed.moveTo(x, 204);
        weed.cubicTo(x + 10, 204 - h * 0.3, x - 10, 204 - h * 0.6, x + 4, 204 - h);
        p.setPen(QPen(mix(QColor(40, 140, 90), QColor(90, 190, 110), rnd.unit()), 4.0, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(weed);
    }
    // Corals.
    auto coral = [&p](double x, double foot, double h, QColor c) {
        p.setPen(QPen(c, h * 0.12, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, foot), QPointF(x, foot - h * 0.6));
        p.drawLine(QPointF(x, foot - h * 0.4), QPointF(x - h * 0.3, foot - h * 0.8));
        p.drawLine(QPointF(x, foot - h * 0.5), QPointF(x + h * 0.28, foot - h));
        p.drawLine(QPointF(x - h * 0.15, foot - h * 0.6), QPointF(x - h * 0.08, foot - h * 0.95));
        p.setPen(QPen(scaled(c, 1.3), h * 0.05, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x - h * 0.02, foot - h * 0.1), QPointF(x - h * 0.02, foot - h * 0.55));
    };
    coral(28, 212, 40, QColor(240, 110, 120));
    coral(358, 206, 34, QColor(250, 150, 90));
    coral(330, 214, 22, QColor(220, 100, 170));
    coral(60, 220, 18, QColor(250, 190, 100));
    // Fish far away.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        const QPointF c(rnd.range(120, 300), rnd.range(60, 130));
        p.setBrush(withAlpha(QColor(20, 70, 120), 150));
        QPainterPath fish;
        fish.moveTo(c + QPointF(-5, 0));
        fish.quadTo(c + QPointF(0, -3), c + QPointF(5, 0));
        fish.quadTo(c + QPointF(0, 3), c + QPointF(-5, 0));
        fish.moveTo(c + QPointF(5, 0));
        fish.lineTo(c + QPointF(8, -2.5));
        fish.lineTo(c + QPointF(8, 2.5));
        fish.closeSubpath();
        p.drawPath(fish);
    }
    // Bubbles.
    for (int i = 0; i < 26; ++i) {
        const double r = rnd.range(1, 3.5);
        const QPointF c(rnd.range(0, 384), rnd.range(10, 200));
        p.setPen(QPen(withAlpha(QColor(220, 250, 255), 170), 0.8));
        p.setBrush(withAlpha(QColor(200, 240, 255), 40));
        p.drawEllipse(c, r, r);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(QColor(255, 255, 255), 200));
        p.drawEllipse(c + QPointF(-r * 0.35, -r * 0.35), r * 0.3, r * 0.3);
    }
    return s.image();
}

QImage paintSpace() {
    Scene s;
    s.verticalGradient({{0, QColor(4, 4, 16)}, {0.6, QColor(12, 10, 36)}, {1, QColor(24, 14, 50)}});
    s.shade(QRect(0, 0, kStageWidth, kStageHeight), [](int x, int y, QColor c) {
        const double n = fractalNoise(x / 60.0, y / 40.0, 211, 5);
        const double m = fractalNoise(x / 30.0 + 7, y / 30.0, 212, 4);
        const double band = std::exp(-std::pow((y - 60 - x * 0.25) / 60.0, 2));
        const double k = std::pow(std::max(0.0, n - 0.35) * 1.6, 1.6) * band;
        QColor neb = mix(QColor(140, 50, 170), QColor(40, 150, 200), m);
        return mix(c, neb, std::min(0.8, k));
    });
    s.stars(213, 230, 248, 1.8);
    QPainter& p = s.painter();
    // A ringed planet.
    const QPointF planet(300, 62);
    const double r = 34;
    p.setPen(Qt::NoPen);
    auto ring = [&](bool back) {
        p.save();
        p.translate(planet);
        p.rotate(-16);
        QPainterPath band;
        band.addEllipse(QPointF(0, 0), r * 2.0, r * 0.5);
        QPainterPath inner;
        inner.addEllipse(QPointF(0, 0), r * 1.4, r * 0.3);
        band = band.subtracted(inner);
        QPainterPath half;
        half.addRect(QRectF(-r * 3, back ? -r : 0, r * 6, r));
        p.setBrush(withAlpha(QColor(230, 200, 160), 190));
        p.drawPath(band.intersected(half));
        p.restore();
    };
    ring(true);
    QRadialGradient body(planet - QPointF(r * 0.4, r * 0.4), r * 1.3);
    body.setColorAt(0, QColor(250, 210, 150));
    body.setColorAt(0.6, QColor(200, 130, 90));
    body.setColorAt(1, QColor(70, 30, 40));
    p.setBrush(body);
    p.drawEllipse(planet, r, r);
    p.setBrush(withAlpha(QColor(120, 60, 50), 60));
    p.drawEllipse(QRectF(planet.x() - r, planet.y() - 6, 2 * r, 7));
    p.drawEllipse(QRectF(planet.x() - r * 0.9, planet.y() + 9, 1.8 * r, 5));
    ring(false);
    // A small blue moon.
    QRadialGradient moon(QPointF(72, 48), 14);
    moon.setColorAt(0, QColor(200, 230, 255));
    moon.setColorAt(1, QColor(40, 70, 130));
    p.setBrush(moon);
    p.drawEllipse(QPointF(76, 52), 11, 11);
    s.endPainting();
    // The grey surface of an airless moon.
    const Skyline ground = hills(214, 184, 14, 90, 0.3);
    s.layer(ground, [&](int x, int y, double depth) {
        const double n = fractalNoise(x / 8.0, y / 4.0, 215, 4);
        QColor c = mix(QColor(170, 166, 176), QColor(90, 86, 100), std::min(1.0, depth / 50.0) * 0.6 + 0.3 * n);
        return c;
    });
    QPainter& q = s.painter();
    ArtRandom rnd(216);
    for (int i = 0; i < 10; ++i) {
        const double y = rnd.range(196, 244);
        const double w = rnd.range(10, 30) * (0.6 + (y - 190) / 60.0);
        const double x = rnd.range(0, 384);
        q.setPen(Qt::NoPen);
        q.setBrush(withAlpha(QColor(60, 56, 70), 130));
        q.drawEllipse(QPointF(x, y), w, w * 0.22);
        q.setBrush(withAlpha(QColor(210, 206, 220), 110));
        q.drawEllipse(QPointF(x + w * 0.1, y + w * 0.06), w * 0.8, w * 0.14);
    }
    return s.image();
}

QImage paintMagicCircle() {
    Scene s;
    s.verticalGradient({{0, QColor(20, 10, 40)}, {0.6, QColor(48, 24, 76)}, {1, QColor(30, 14, 48)}});
    // Stone blocks of the far wall.
    s.shade(QRect(0, 0, kStageWidth, 170), [](int x, int y, QColor c) {
        const int row = y / 18;
        const int bx = (x + (row % 2) * 14) % 28, by = y % 18;
        const double n = fractalNoise(x / 5.0, y / 5.0, 221, 3);
        double k = 0.85 + 0.25 * n;
        if (bx < 1 || by < 1) k *= 0.55;
        return scaled(mix(c, QColor(70, 50, 96), 0.35), k);
    });
    // Floor.
    s.shade(QRect(0, 150, kStageWidth, 98), [](int x, int y, QColor) {
        const double n = fractalNoise(x / 8.0, y / 3.0, 222, 3);
        return scaled(mix(QColor(56, 40, 76), QColor(26, 18, 40), (y - 150) / 98.0 * 0.3), 0.85 + 0.3 * n);
    });
    const QPointF centre(192, 206);
    const double rx = 170, ry = 34;
    s.glow(centre, 190, QColor(150, 80, 255), 0.35);
    QPainter& p = s.painter();
    p.setBrush(Qt::NoBrush);
    const QColor rune(200, 150, 255);
    for (double k : {1.0, 0.86, 0.56}) {
        p.setPen(QPen(withAlpha(QColor(120, 70, 220), 140), 5 * k));
        p.drawEllipse(centre, rx * k, ry * k);
        p.setPen(QPen(rune, 1.4));
        p.drawEllipse(centre, rx * k, ry * k);
    }
    QPolygonF star;
    for (int i = 0; i < 7; ++i) {  // a seven-pointed star drawn in one line
        const double a = -M_PI / 2 + i * 2 * M_PI * 3 / 7;
        star << centre + QPointF(std::cos(a) * rx * 0.86, std::sin(a) * ry * 0.86);
    }
    star << star.front();
    p.setPen(QPen(rune, 1.2));
    p.drawPolyline(star);
    for (int i = 0; i < 28; ++i) {  // runes between the two outer rings
        const double a = i * 2 * M_PI / 28;
        const QPointF at = centre + QPointF(std::cos(a) * rx * 0.93, std::sin(a) * ry * 0.93);
        p.setPen(withAlpha(rune, 220));
        p.drawLine(at + QPointF(-2, -1.5), at + QPointF(2, 1.5));
        p.drawLine(at + QPointF(-2, 1.5), at + QPointF(0, -2));
    }
    // Pillars and their flames.
    for (double x : {30.0, 354.0}) {
        QLinearGradient g(x - 14, 0, x + 14, 0);
        g.setColorAt(0, QColor(100, 80, 130));
        g.setColorAt(0.4, QColor(70, 54, 96));
        g.setColorAt(1, QColor(30, 20, 46));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRect(QRectF(x - 14, 60, 28, 150));
        p.setBrush(QColor(110, 90, 140));
        p.drawRect(QRectF(x - 18, 54, 36, 8));
        p.drawRect(QRectF(x - 18, 204, 36, 8));
    }
    s.endPainting();
    for (double x : {30.0, 354.0}) {
        s.glow(QPointF(x, 44), 40, QColor(160, 110, 255), 0.7);
        s.glow(QPointF(x, 46), 9, QColor(240, 220, 255), 1.5);
    }
    ArtRandom rnd(223);
    QPainter& q = s.painter();
    q.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {  // motes rising from the circle
        const QPointF c(centre.x() + rnd.range(-150, 150), rnd.range(60, 200));
        q.setBrush(withAlpha(QColor(220, 190, 255), 80 + rnd.below(150)));
        q.drawEllipse(c, 1.2, 1.2);
    }
    return s.image();
}

QImage paintCave() {
    Scene s;
    s.verticalGradient({{0, QColor(30, 24, 24)}, {1, QColor(60, 48, 40)}});
    // The opening at the back, with daylight.
    s.glow(QPointF(200, 120), 110, QColor(120, 150, 160), 0.5);
    s.shade(QRect(0, 0, kStageWidth, kStageHeight), [](int x, int y, QColor c) {
        const double d = std::hypot((x - 200) / 76.0, (y - 112) / 50.0) + 0.45 * (fractalNoise(x / 12.0, y / 12.0, 231, 3) - 0.5);
        if (d < 0.8) {  // daylight outside: a bright sky over a green valley
            const QColor outside = y > 118 + 6 * std::sin(x * 0.05) ? QColor(150, 196, 130) : mix(QColor(250, 252, 240), QColor(190, 220, 240), (118 - y) / 50.0);
            return mix(outside, QColor(255, 255, 245), std::max(0.0, 0.8 - d) * 0.3);
        }
        if (d < 1.0) return mix(QColor(200, 210, 190), QColor(110, 100, 90), (d - 0.8) / 0.2);
        const double n = fractalNoise(x / 9.0, y / 9.0, 232, 4);
        return scaled(mix(c, QColor(80, 66, 58), std::max(0.0, 1.6 - d) * 0.6), 0.7 + 0.45 * n);
    });
    QPainter& p = s.painter();
    ArtRandom rnd(233);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {  // stalactites
        const double x = i * 25 + rnd.range(-6, 6);
        const double len = rnd.range(14, 46) * (std::abs(x - 192) > 110 ? 1.2 : 0.7);
        const double w = rnd.range(6, 13);
        QLinearGradient g(x - w / 2, 0, x + w / 2, 0);
        g.setColorAt(0, QColor(110, 94, 84));
        g.setColorAt(1, QColor(44, 36, 32));
        p.setBrush(g);
        QPainterPath drop;
        drop.moveTo(x - w / 2, -2);
        drop.quadTo(x - w * 0.15, len * 0.6, x, len);
        drop.quadTo(x + w * 0.15, len * 0.6, x + w / 2, -2);
        drop.closeSubpath();
        p.drawPath(drop);
    }
    s.endPainting();
    const Skyline floor = hills(234, 190, 10, 60, 0.3);
    s.layer(floor, [&](int x, int y, double depth) {
        const double n = fractalNoise(x / 6.0, y / 3.0, 235, 4);
        return scaled(mix(QColor(118, 100, 86), QColor(56, 46, 40), std::min(1.0, depth / 40.0)), 0.8 + 0.35 * n);
    });
    QPainter& q = s.painter();
    auto crystal = [&q](QPointF foot, double h, double lean, QColor c) {
        QPainterPath path;
        path.moveTo(foot + QPointF(-h * 0.18, 0));
        path.lineTo(foot + QPointF(-h * 0.18 + lean, -h * 0.8));
        path.lineTo(foot + QPointF(lean, -h));
        path.lineTo(foot + QPointF(h * 0.18 + lean, -h * 0.8));
        path.lineTo(foot + QPointF(h * 0.18, 0));
        path.closeSubpath();
        QLinearGradient g(foot.x() - h * 0.2, 0, foot.x() + h * 0.2, 0);
        g.setColorAt(0, scaled(c, 1.5));
        g.setColorAt(0.5, c);
        g.setColorAt(1, scaled(c, 0.6));
        q.setPen(QPen(scaled(c, 1.7), 0.7));
        q.setBrush(g);
        q.drawPath(path);
    };
    const QColor blue(70, 160, 220);
    crystal(QPointF(24, 214), 40, -6, blue);
    crystal(QPointF(38, 216), 26, 5, blue);
    crystal(QPointF(12, 220), 18, -4, blue);
    crystal(QPointF(354, 206), 46, 6, QColor(160, 90, 220));
    crystal(QPointF(370, 212), 28, 8, QColor(160, 90, 220));
    s.endPainting();
    s.glow(QPointF(28, 196), 46, QColor(80, 170, 255), 0.45);
    s.glow(QPointF(360, 186), 50, QColor(170, 100, 255), 0.45);
    const double rocks[][3] = {{150, 236, 26}, {280, 226, 18}, {210, 244, 34}};
    for (const auto& r : rocks)
        s.rock(QPointF(r[0], r[1]), r[2], r[2] * 0.45, QColor(120, 104, 92), QColor(60, 50, 44), static_cast<uint32_t>(r[0]));
    return s.image();
}

QImage paintCyberspace() {
    Scene s;
    s.verticalGradient({{0, QColor(2, 4, 18)}, {0.58, QColor(10, 20, 60)}, {0.62, QColor(40, 20, 90)}, {1, QColor(6, 2, 24)}});
    const double horizon = 140;
    s.glow(QPointF(192, horizon), 220, QColor(200, 40, 200), 0.35);
    // Falling columns of digits behind the horizon.
    QPainter& p = s.painter();
    p.setFont(gothic(8));
    ArtRandom rnd(241);
    for (int col = 0; col < 40; ++col) {
        const double x = col * 9.6 + rnd.range(0, 3);
        const int len = 4 + rnd.below(12);
        const double start = rnd.range(-20, 90);
        for (int k = 0; k < len; ++k) {
            const int alpha = 40 + 180 * (k + 1) / len;
            p.setPen(withAlpha(QColor(60, 255, 180), alpha));
            p.drawText(QPointF(x, start + k * 9), rnd.chance(0.5) ? "1" : "0");
        }
    }
    s.endPainting();
    // The neon grid floor in perspective.
    s.shade(QRect(0, static_cast<int>(horizon), kStageWidth, kStageHeight - static_cast<int>(horizon)), [&](int x, int y, QColor) {
        const double depth = (y - horizon + 0.5) / (kStageHeight - horizon);
        const double z = 1.0 / std::max(0.02, depth);           // distance
        const double u = (x - 192) * z / 40.0;                   // across
        const double lineU = std::abs(u - std::round(u));
        const double lineZ = std::abs(z * 1.2 - std::round(z * 1.2));
        const double width = 0.05 * z;
        double k = std::max(0.0, 1 - lineU / std::max(0.02, width * 0.4)) + std::max(0.0, 1 - lineZ / std::max(0.02, width * 0.6));
        k = std::min(1.0, k) * std::min(1.0, depth * 3);
        QColor base = mix(QColor(16, 6, 40), QColor(4, 2, 12), depth);
        return mix(base, mix(QColor(255, 60, 220), QColor(40, 220, 255), depth), k);
    });
    s.fog(horizon, 8, QColor(255, 120, 240), 0.6);
    QPainter& q = s.painter();
    // Floating wireframe cubes.
    auto cube = [&q](QPointF c, double size, QColor colour) {
        const QPointF d(size * 0.4, -size * 0.3);
        QRectF front(c.x() - size / 2, c.y() - size / 2, size, size);
        q.setBrush(Qt::NoBrush);
        q.setPen(QPen(colour, 1.2));
        q.drawRect(front);
        q.drawRect(front.translated(d));
        for (const QPointF& corner : {front.topLeft(), front.topRight(), front.bottomLeft(), front.bottomRight()})
            q.drawLine(corner, corner + d);
    };
    cube(QPointF(46, 70), 24, QColor(60, 230, 255));
    cube(QPointF(330, 90), 18, QColor(255, 90, 230));
    cube(QPointF(262, 40), 10, QColor(120, 255, 170));
    return s.image();
}

}  // namespace vex::assets
