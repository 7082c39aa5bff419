// Open-air stages: 草原, 山岳, 雪原, 砂漠, 密林, 氷河, 橋 and the rare 天空.

#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

#include "paint_kit.h"
#include "stage_kit.h"
#include "stages.h"

namespace vex::assets {

namespace {

// Light from the upper left: a column whose edge rises to the right faces the light.
double slopeLight(const Skyline& edge, int x) {
    const int a = std::max(0, x - 5), b = std::min(kStageWidth - 1, x + 5);
    const double slope = (edge[b] - edge[a]) / (b - a);
    return std::clamp(-slope * 0.9, -1.0, 1.0);
}

// The slope light near the edge fading into the bumps of a rock face further down.
double faceLight(const Skyline& edge, int x, int y, double depth, double cell, uint32_t seed) {
    // Rock faces are streaked downhill: the noise is stretched vertically.
    const double bump = (fractalNoise((x - 1) / cell, (y - 1) / (cell * 2.2), seed, 3) -
                         fractalNoise((x + 1) / cell, (y + 1) / (cell * 2.2), seed, 3)) * 4.0;
    const double near = std::exp(-depth / 25.0);
    return std::clamp(slopeLight(edge, x) * near + bump * (0.4 + 0.6 * (1 - near)), -1.0, 1.0);
}

void daySky(Scene& s, QColor top, QColor middle, QColor horizon, int horizonY) {
    s.verticalGradient({{0, top}, {0.55, middle}, {1, horizon}}, 0, horizonY);
}

}  // namespace

QImage paintGrassland() {
    Scene s;
    daySky(s, QColor(62, 128, 222), QColor(128, 186, 242), QColor(214, 236, 250), 170);
    s.glow(QPointF(318, 34), 90, QColor(255, 240, 190), 0.55);
    s.glow(QPointF(318, 34), 16, QColor(255, 255, 235), 1.4);
    s.cloud(QPointF(70, 52), 120, 26, QColor(255, 255, 255), QColor(196, 212, 236), 3);
    s.cloud(QPointF(225, 34), 90, 18, QColor(255, 255, 255), QColor(200, 214, 238), 4);
    s.cloud(QPointF(350, 86), 70, 14, QColor(250, 252, 255), QColor(205, 218, 238), 5);

    const Skyline far = hills(11, 142, 46, 80, 0.65);
    s.layer(far, [&](int x, int y, double depth) {
        const QColor base = mix(QColor(110, 140, 192), QColor(158, 182, 220), 0.5 + 0.5 * faceLight(far, x, y, depth, 9, 24));
        return mix(base, QColor(196, 218, 240), std::min(1.0, depth / 50.0) * 0.7);
    });
    const Skyline middle = hills(12, 166, 26, 110, 0.0);
    s.layer(middle, [&](int x, int y, double depth) {
        const double n = fractalNoise(x / 14.0, y / 9.0, 21, 3);
        QColor c = mix(QColor(118, 178, 86), QColor(84, 146, 70), std::min(1.0, depth / 30.0));
        return scaled(mix(c, QColor(160, 200, 150), 0.25), 0.9 + 0.2 * n);
    });
    s.roundTree(QPointF(38, 160), 44, QColor(70, 140, 60), QColor(110, 80, 50), 31);
    s.roundTree(QPointF(62, 164), 30, QColor(82, 152, 66), QColor(110, 80, 50), 32);
    s.roundTree(QPointF(352, 158), 52, QColor(66, 132, 58), QColor(104, 74, 46), 33);
    const Skyline near = hills(13, 188, 12, 160, 0.0);
    s.layer(near, [&](int x, int y, double depth) {
        const double n = fractalNoise(x / 9.0, y / 5.0, 22, 4);
        QColor c = mix(QColor(132, 198, 84), QColor(76, 150, 52), std::min(1.0, depth / 50.0));
        // A trodden, sunnier patch where the two monsters stand.
        const double patch = std::exp(-std::pow((y - 204) / 16.0, 2)) * 0.25;
        c = mix(c, QColor(186, 210, 110), patch * (0.6 + 0.4 * n));
        return scaled(c, 0.88 + 0.24 * n);
    });
    s.grassTufts(41, 160, 186, 250, QColor(60, 130, 40), QColor(150, 210, 90));
    s.flowers(42, 40, 190, 246, {QColor(255, 250, 250), QColor(255, 214, 90), QColor(250, 150, 190)});
    return s.image();
}

QImage paintMountains() {
    Scene s;
    daySky(s, QColor(40, 96, 196), QColor(110, 166, 230), QColor(200, 224, 244), 160);
    s.cloud(QPointF(300, 40), 110, 20, QColor(255, 255, 255), QColor(190, 206, 232), 7);
    s.cloud(QPointF(40, 26), 80, 14, QColor(250, 252, 255), QColor(196, 210, 234), 8);

    const Skyline peaks = hills(21, 158, 118, 64, 0.95);
    s.layer(peaks, [&](int x, int y, double depth) {
        const double light = faceLight(peaks, x, y, depth, 7, 51);
        const double n = fractalNoise(x / 6.0, y / 6.0, 55, 3);
        QColor rockC = mix(QColor(84, 96, 126), QColor(150, 160, 186), 0.5 + 0.5 * light);
        QColor c = scaled(rockC, 0.92 + 0.16 * n);
        // Snow lies deeper on the higher parts of the range.
        const double snowDepth = std::max(0.0, 118 - peaks[x]) * 0.7 + 10 * (fractalNoise(x / 9.0, y / 9.0, 52, 3) - 0.5);
        if (depth < snowDepth) c = mix(QColor(184, 200, 232), QColor(252, 252, 255), 0.55 + 0.45 * light);
        return mix(c, QColor(190, 212, 236), std::clamp((y - 120) / 60.0, 0.0, 0.55));
    });
    s.fog(150, 14, QColor(214, 230, 246), 0.5);
    const Skyline ridge = hills(22, 182, 44, 46, 0.7);
    s.layer(ridge, [&](int x, int y, double depth) {
        const double n = fractalNoise(x / 5.0, y / 6.0, 53, 3);
        QColor c = mix(QColor(82, 108, 92), QColor(56, 82, 66), std::min(1.0, depth / 40.0));
        return scaled(mix(c, QColor(120, 140, 124), 0.3 + 0.3 * faceLight(ridge, x, y, depth, 6, 56)), 0.9 + 0.2 * n);
    });
    for (int i = 0; i < 11; ++i) {
        const int x = 8 + i * 37 + (i % 3) * 5;
        s.pine(QPointF(x, ridge[std::clamp(x, 0, kStageWidth - 1)] + 10), 24 + (i % 4) * 5, QColor(36, 72, 52), QColor(66, 110, 80));
    }
    const Skyline plateau = hills(23, 196, 8, 200, 0.2);
    s.layer(plateau, [&](int x, int y, double depth) {
        const double n = fractalNoise(x / 7.0, y / 4.0, 54, 4);
        QColor c = mix(QColor(158, 140, 112), QColor(112, 96, 76), std::min(1.0, depth / 50.0));
        return scaled(c, 0.85 + 0.3 * n);
    });
    s.rock(QPointF(26, 214), 40, 22, QColor(170, 160, 150), QColor(96, 88, 80), 61);
    s.rock(QPointF(360, 226), 52, 28, QColor(160, 150, 140), QColor(90, 82, 76), 62);
    s.rock(QPointF(190, 238), 22, 8, QColor(160, 150, 140), QColor(98, 90, 80), 63);
    s.grassTufts(64, 40, 198, 248, QColor(90, 110, 60), QColor(140, 150, 90));
    return s.image();
}

QImage paintSnowfield() {
    Scene s;
    daySky(s, QColor(118, 150, 200), QColor(172, 196, 226), QColor(226, 234, 244), 170);
    s.glow(QPointF(80, 50), 80, QColor(255, 250, 230), 0.35);
    const Skyline far = hills(31, 150, 40, 90, 0.5);
    s.layer(far, [&](int x, int, double depth) {
        return mix(mix(QColor(200, 212, 232), QColor(240, 244, 252), 0.5 + 0.5 * slopeLight(far, x)),
                   QColor(222, 230, 244), std::min(1.0, depth / 40.0) * 0.5);
    });
    for (int i = 0; i < 14; ++i) {
        const int x = 14 + i * 27 + (i * 13) % 11;
        s.pine(QPointF(x, far[std::clamp(x, 0, kStageWidth - 1)] + 22), 18 + (i % 3) * 4, QColor(60, 92, 96),
               QColor(90, 124, 126), QColor(240, 246, 255));
    }
    const Skyline middle = hills(32, 176, 18, 100, 0.1);
    s.layer(middle, [&](int x, int y, double depth) {
        const double n = fractalNoise(x / 12.0, y / 6.0, 71, 3);
        return scaled(mix(QColor(236, 242, 252), QColor(196, 210, 234), std::min(1.0, depth / 30.0) * 0.6 - 0.3 * slopeLight(middle, x)),
                      0.97 + 0.05 * n);
    });
    s.pine(QPointF(20, 196), 70, QColor(44, 78, 80), QColor(76, 112, 110), QColor(246, 250, 255));
    s.pine(QPointF(362, 190), 82, QColor(40, 74, 78), QColor(72, 108, 106), QColor(246, 250, 255));
    const Skyline near = hills(33, 194, 6, 160, 0.0);
    s.layer(near, [&](int x, int y, double depth) {
        const double n = fractalNoise(x / 10.0, y / 3.0, 72, 4);
        QColor c = mix(QColor(250, 252, 255), QColor(204, 218, 242), 0.35 + 0.5 * n);
        return mix(c, QColor(180, 198, 232), std::min(1.0, depth / 80.0) * 0.3);
    });
    // Blue hollows in the snow and a few sparkles.
    s.endPainting();
    ArtRandom rnd(73);
    QPainter& p = s.painter();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        const double y = rnd.range(206, 244);
        p.setBrush(withAlpha(QColor(150, 176, 226), 70));
        p.drawEllipse(QPointF(rnd.range(0, 384), y), rnd.range(14, 30), 2 + (y - 200) * 0.06);
    }
    for (int i = 0; i < 90; ++i) {  // falling snow
        const double r = rnd.range(0.6, 1.8);
        p.setBrush(withAlpha(QColor(255, 255, 255), 150 + rnd.below(100)));
        p.drawEllipse(QPointF(rnd.range(0, 384), rnd.range(0, 248)), r, r);
    }
    return s.image();
}

QImage paintDesert() {
    Scene s;
    daySky(s, QColor(70, 130, 214), QColor(150, 190, 232), QColor(250, 224, 176), 168);
    s.glow(QPointF(110, 46), 110, QColor(255, 236, 180), 0.6);
    s.glow(QPointF(110, 46), 18, QColor(255, 255, 240), 1.6);
    Skyline mesa = hills(41, 150, 34, 70, 0.3);
    for (double& y : mesa) y = std::max(y, 128.0);  // flat tops
    s.layer(mesa, [&](int x, int y, double depth) {
        const double n = fractalNoise(x / 8.0, y / 3.0, 81, 3);
        const double bands = 0.5 + 0.5 * std::sin(y * 0.9 + n * 2);
        QColor c = mix(QColor(196, 130, 92), QColor(226, 166, 120), 0.4 * bands + 0.3 * slopeLight(mesa, x));
        return mix(c, QColor(240, 206, 170), 0.35 + std::min(0.3, depth / 100.0));
    });
    const std::array<QColor, 3> sand{QColor(236, 196, 128), QColor(226, 180, 110), QColor(242, 206, 140)};
    const double bases[3] = {172, 188, 204};
    for (int k = 0; k < 3; ++k) {
        const Skyline dune = hills(42 + k, bases[k], 18 - k * 4, 90 + k * 30, 0.35);
        s.layer(dune, [&, k](int x, int y, double depth) {
            const double light = slopeLight(dune, x);
            const double ripple = 0.5 + 0.5 * std::sin(y * 1.6 + x * 0.12 + 3 * fractalNoise(x / 16.0, y / 8.0, 90 + k, 2));
            QColor c = mix(sand[k], scaled(sand[k], 1.12), 0.5 + 0.5 * light);
            c = scaled(c, 0.96 + 0.05 * ripple);
            return mix(c, scaled(sand[k], 0.85), std::min(1.0, depth / 70.0) * 0.5);
        });
    }
    // Cacti.
    QPainter& p = s.painter();
    auto cactus = [&p](double x, double foot, double h) {
        const QColor green(86, 146, 84), dark(52, 104, 60);
        QLinearGradient g(x - h * 0.1, 0, x + h * 0.1, 0);
        g.setColorAt(0, scaled(green, 1.2));
        g.setColorAt(1, dark);
        p.setPen(QPen(QColor(40, 80, 48), 0.8));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(x - h * 0.09, foot - h, h * 0.18, h), h * 0.09, h * 0.09);
        p.drawRoundedRect(QRectF(x - h * 0.36, foot - h * 0.72, h * 0.13, h * 0.36), h * 0.06, h * 0.06);
        p.drawRoundedRect(QRectF(x - h * 0.36, foot - h * 0.42, h * 0.3, h * 0.11), h * 0.05, h * 0.05);
        p.drawRoundedRect(QRectF(x + h * 0.22, foot - h * 0.84, h * 0.13, h * 0.4), h * 0.06, h * 0.06);
        p.drawRoundedRect(QRectF(x + h * 0.05, foot - h * 0.5, h * 0.3, h * 0.11), h * 0.05, h * 0.05);
    };
    cactus(30, 200, 52);
    cactus(356, 186, 34);
    cactus(246, 172, 16);
    s.rock(QPointF(312, 226), 30, 12, QColor(200, 160, 120), QColor(140, 100, 76), 91);
    return s.image();
}

QImage paintJungle() {
    Scene s;
    s.verticalGradient({{0, QColor(150, 204, 150)}, {0.5, QColor(80, 150, 96)}, {1, QColor(28, 70, 44)}});
    s.glow(QPointF(200, 20), 130, QColor(230, 255, 200), 0.45);
    const QColor tints[4] = {QColor(60, 122, 80), QColor(44, 100, 62), QColor(34, 84, 50), QColor(26, 66, 40)};
    for (int k = 0; k < 4; ++k) {
        const Skyline canopy = hills(51 + k, 70 + k * 34, 50, 18 + k * 4, 0.2);
        s.layer(canopy, [&, k](int x, int y, double depth) {
            const double n = fractalNoise(x / (4.0 + k), y / (4.0 + k), 100 + k, 4);
            QColor c = scaled(tints[k], 0.75 + 0.55 * n);
            return mix(c, QColor(120, 170, 120), std::max(0.0, 0.3 - k * 0.1) * (1 - std::min(1.0, depth / 40)));
        });
    }
    // Shafts of light through the leaves.
    s.shade(QRect(0, 0, kStageWidth, kStageHeight), [](int x, int y, QColor c) {
        double k = 0;
        for (double centre : {80.0, 180.0, 300.0}) {
            const double d = std::abs((x - centre) - (y * 0.45));
            k += std::max(0.0, 1 - d / 14) * 0.18 * (1 - y / 300.0);
        }
        return mix(c, QColor(230, 255, 190), k);
    });
    const Skyline floor = hills(55, 190, 8, 120, 0.0);
    s.layer(floor, [&](int x, int y, double depth) {
        const double n = fractalNoise(x / 6.0, y / 3.0, 110, 4);
        QColor c = mix(QColor(92, 128, 56), QColor(70, 52, 34), std::min(1.0, depth / 30.0 + 0.4 * n));
        return scaled(c, 0.8 + 0.35 * n);
    });
    QPainter& p = s.painter();
    ArtRandom rnd(120);
    // Vines from the top.
    for (int i = 0; i < 7; ++i) {
        const double x = 14 + i * 58 + rnd.range(-10, 10);
        const double len = rnd.range(40, 110);
        QPainterPath vine;
        vine.moveTo(x, -2);
        vine.cubicTo(x + rnd.range(-16, 16), len * 0.3, x + rnd.range(-16, 16), len * 0.7, x + rnd.range(-8, 8), len);
        p.setPen(QPen(QColor(52, 92, 40), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(vine);
        p.setPen(Qt::NoPen);
        for (int k = 1; k < 8; ++k) {
            const QPointF at = vine.pointAtPercent(k / 8.0);
            p.setBrush(mix(QColor(70, 140, 60), QColor(120, 190, 80), rnd.unit()));
            p.drawEllipse(at + QPointF((k % 2 ? 3 : -3), 0), 3.2, 1.8);
        }
    }
    // Big leaves in the lower corners.
    auto leaf = [&p](QPointF base, double angle, double length, QColor c) {
        p.save();
        p.translate(base);
        p.rotate(angle);
        QPainterPath path;
        path.moveTo(0, 0);
        path.cubicTo(length * 0.3, -length * 0.28, length * 0.75, -length * 0.22, length, 0);
        path.cubicTo(length * 0.75, length * 0.22, length * 0.3, length * 0.28, 0, 0);
        QLinearGradient g(0, -length * 0.25, 0, length * 0.25);
        g.setColorAt(0, scaled(c, 1.25));
        g.setColorAt(1, scaled(c, 0.7));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(path);
        p.setPen(QPen(scaled(c, 0.55), 1.0));
        p.drawLine(QPointF(0, 0), QPointF(length * 0.95, 0));
        p.restore();
    };
    leaf(QPointF(-6, 250), -40, 80, QColor(46, 120, 52));
    leaf(QPointF(-6, 250), -70, 70, QColor(56, 134, 58));
    leaf(QPointF(-4, 230), -10, 60, QColor(40, 108, 48));
    leaf(QPointF(390, 250), -140, 84, QColor(46, 118, 50));
    leaf(QPointF(390, 246), -112, 66, QColor(58, 136, 60));
    s.grassTufts(121, 70, 192, 248, QColor(40, 90, 36), QColor(110, 170, 70));
    s.flowers(122, 10, 196, 244, {QColor(255, 90, 120), QColor(255, 160, 60)});
    return s.image();
}

QImage paintGlacier() {
    Scene s;
    s.verticalGradient({{0, QColor(18, 30, 70)}, {0.45, QColor(54, 84, 140)}, {1, QColor(150, 190, 220)}}, 0, 150);
    s.stars(130, 60, 90, 1.2);
    // Aurora curtains.
    s.shade(QRect(0, 0, kStageWidth, 120), [](int x, int y, QColor c) {
        const double wave = 38 + 16 * std::sin(x * 0.021) + 9 * std::sin(x * 0.057 + 1.3);
        const double d = (y - wave) / 26.0;
        const double curtain = 0.6 + 0.4 * std::sin(x * 0.31 + std::sin(x * 0.05) * 3);
        const double k = std::max(0.0, std::exp(-d * d) * curtain * (y < wave ? 0.9 : 0.6));
        return mix(c, mix(QColor(80, 255, 170), QColor(140, 120, 255), y / 120.0), k * 0.7);
    });
    const Skyline cliffs = hills(61, 150, 70, 36, 0.9);
    s.layer(cliffs, [&](int x, int y, double depth) {
        const double streak = fractalNoise(x / 2.5, y / 30.0, 131, 3);
        QColor c = mix(QColor(120, 170, 214), QColor(214, 240, 255), 0.5 + 0.45 * slopeLight(cliffs, x));
        c = scaled(c, 0.88 + 0.2 * streak);
        return mix(c, QColor(90, 140, 190), std::min(1.0, depth / 70.0) * 0.6);
    });
    // Dark, calm water with reflections of the aurora light.
    s.shade(QRect(0, 150, kStageWidth, 40), [](int x, int y, QColor) {
        const double ripple = 0.5 + 0.5 * std::sin(x * 0.2 + y * 1.3);
        return mix(QColor(20, 46, 86), QColor(70, 140, 170), 0.25 * ripple + (y - 150) / 120.0);
    });
    QPainter& p = s.painter();
    auto berg = [&p](double x, double y, double w, double h) {
        QPainterPath path;
        path.moveTo(x - w / 2, y);
        path.lineTo(x - w * 0.3, y - h * 0.7);
        path.lineTo(x - w * 0.05, y - h);
        path.lineTo(x + w * 0.25, y - h * 0.8);
        path.lineTo(x + w / 2, y);
        path.closeSubpath();
        QLinearGradient g(x - w / 2, 0, x + w / 2, 0);
        g.setColorAt(0, QColor(236, 250, 255));
        g.setColorAt(0.5, QColor(176, 220, 244));
        g.setColorAt(1, QColor(110, 160, 210));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(path);
        p.setBrush(withAlpha(QColor(180, 230, 255), 70));
        p.drawEllipse(QPointF(x, y + 2), w * 0.5, 2.5);
    };
    berg(60, 170, 50, 22);
    berg(300, 164, 36, 14);
    berg(200, 168, 20, 8);
    const Skyline floe = hills(62, 188, 6, 90, 0.6);
    s.layer(floe, [&](int x, int y, double depth) {
        const double n = fractalNoise(x / 9.0, y / 3.0, 132, 4);
        QColor c = mix(QColor(236, 248, 255), QColor(166, 206, 236), std::min(1.0, depth / 60.0 + 0.3 * n));
        if (depth < 2.5) c = QColor(250, 255, 255);  // bright rim
        return c;
    });
    QPainter& q = s.painter();
    q.setPen(QPen(withAlpha(QColor(110, 160, 210), 150), 1.0));
    ArtRandom rnd(133);
    for (int i = 0; i < 8; ++i) {  // cracks in the ice
        QPointF a(rnd.range(0, 384), rnd.range(204, 246));
        QPainterPath crack;
        crack.moveTo(a);
        for (int k = 0; k < 4; ++k) {
            a += QPointF(rnd.range(6, 16) * (rnd.chance(0.5) ? 1 : -1), rnd.range(-2, 3));
            crack.lineTo(a);
        }
        q.drawPath(crack);
    }
    return s.image();
}

QImage paintBridge() {
    Scene s;
    daySky(s, QColor(86, 140, 214), QColor(160, 196, 236), QColor(226, 232, 236), 150);
    s.cloud(QPointF(120, 36), 140, 22, QColor(255, 255, 255), QColor(206, 210, 232), 141);
    s.cloud(QPointF(320, 64), 80, 14, QColor(255, 252, 250), QColor(210, 210, 230), 142);
    // Far ranges down the valley, then the river at the bottom of the gorge.
    const Skyline far = hills(143, 140, 40, 60, 0.7);
    s.layer(far, [&](int x, int y, double depth) {
        return mix(mix(QColor(120, 150, 190), QColor(170, 190, 220), 0.5 + 0.5 * faceLight(far, x, y, depth, 8, 144)),
                   QColor(206, 220, 236), std::min(1.0, depth / 40.0) * 0.7);
    });
    s.shade(QRect(0, 150, kStageWidth, 98), [](int x, int y, QColor c) {
        const double ripple = 0.5 + 0.5 * std::sin(x * 0.25 + y * 1.1 + 3 * fractalNoise(x / 30.0, y / 5.0, 145, 2));
        return mix(c, mix(QColor(70, 140, 160), QColor(160, 214, 226), 0.3 * ripple), std::clamp((y - 150) / 8.0, 0.0, 1.0));
    });
    // The walls of the gorge on both sides, lit from the left.
    for (int side = 0; side < 2; ++side) {
        Skyline wall(kStageWidth);
        for (int x = 0; x < kStageWidth; ++x) {
            const double across = side == 0 ? x : kStageWidth - 1 - x;
            const double rim = 112 + 8 * fractalNoise(x / 10.0, side * 5.0, 146, 3);
            wall[x] = across < 86 ? rim : rim + (across - 86) * (across - 86) * 0.05;
        }
        s.layer(wall, [&, side](int x, int y, double depth) {
            const double n = fractalNoise(x / 5.0, y / 9.0, 147 + side, 4);
            const double face = side == 0 ? 0.55 : -0.25;
            QColor c = mix(QColor(150, 112, 84), QColor(210, 176, 136), 0.5 + 0.5 * face + 0.3 * (n - 0.5));
            if (depth < 3) c = QColor(110, 150, 80);  // grass on the rim
            return mix(c, QColor(90, 70, 60), std::min(0.5, depth / 200.0));
        });
    }
    s.fog(178, 24, QColor(226, 236, 240), 0.3);
    QPainter& p = s.painter();
    // Deck: a walkway of planks seen slightly from above, its edge and the beams below.
    QLinearGradient walk(0, 190, 0, 199);
    walk.setColorAt(0, QColor(214, 172, 118));
    walk.setColorAt(1, QColor(186, 138, 88));
    p.setPen(Qt::NoPen);
    p.setBrush(walk);
    p.drawRect(QRectF(-2, 190, 388, 9));
    QLinearGradient deck(0, 199, 0, 210);
    deck.setColorAt(0, QColor(150, 104, 64));
    deck.setColorAt(1, QColor(88, 58, 38));
    p.setBrush(deck);
    p.drawRect(QRectF(-2, 199, 388, 11));
    p.setPen(QPen(QColor(120, 84, 52), 0.8));
    for (double x = 3; x < 384; x += 9) p.drawLine(QPointF(x, 190.5), QPointF(x - 1.5, 199));
    p.setPen(QPen(QColor(70, 46, 30), 0.8));
    p.drawLine(QPointF(0, 199), QPointF(384, 199));
    p.setPen(Qt::NoPen);
    for (double x = 36; x < 384; x += 96) {  // trusses under the deck
        QLinearGradient beam(x, 0, x + 6, 0);
        beam.setColorAt(0, QColor(120, 84, 54));
        beam.setColorAt(1, QColor(70, 46, 30));
        p.setBrush(beam);
        QPolygonF brace;
        brace << QPointF(x - 2, 210) << QPointF(x + 6, 210) << QPointF(x + 30, 248) << QPointF(x + 22, 248);
        p.drawPolygon(brace);
        QPolygonF other;
        other << QPointF(x + 56, 210) << QPointF(x + 64, 210) << QPointF(x + 42, 248) << QPointF(x + 34, 248);
        p.drawPolygon(other);
    }
    // Rope rails with posts.
    for (double x = 6; x < 384; x += 48) {
        QLinearGradient post(x, 0, x + 5, 0);
        post.setColorAt(0, QColor(170, 126, 80));
        post.setColorAt(1, QColor(96, 64, 40));
        p.setBrush(post);
        p.drawRoundedRect(QRectF(x, 156, 5, 38), 1.5, 1.5);
    }
    p.setBrush(Qt::NoBrush);
    for (double y : {160.0, 174.0}) {
        QPainterPath rope;
        rope.moveTo(-40, y);
        for (double x = 8.5; x < 440; x += 48) rope.quadTo(x - 24, y + 7, x, y);
        p.setPen(QPen(QColor(206, 180, 130), 1.8));
        p.drawPath(rope);
        p.setPen(QPen(QColor(120, 96, 60), 0.6));
        p.drawPath(rope.translated(0, 0.9));
    }
    return s.image();
}

QImage paintHeavens() {
    Scene s;
    s.verticalGradient({{0, QColor(70, 96, 180)}, {0.35, QColor(196, 150, 200)}, {0.65, QColor(255, 196, 150)}, {1, QColor(255, 236, 190)}}, 0, 190);
    s.glow(QPointF(192, 150), 150, QColor(255, 220, 150), 0.6);
    s.glow(QPointF(192, 150), 30, QColor(255, 255, 230), 1.3);
    s.stars(160, 40, 60, 1.0);
    // Floating islands with little waterfalls.
    QPainter& p = s.painter();
    auto island = [&p](double x, double y, double w) {
        QPainterPath rock;
        rock.moveTo(x - w / 2, y);
        rock.cubicTo(x - w * 0.3, y + w * 0.35, x + w * 0.1, y + w * 0.7, x + w * 0.05, y + w * 0.75);
        rock.cubicTo(x + w * 0.25, y + w * 0.4, x + w * 0.4, y + w * 0.2, x + w / 2, y);
        rock.closeSubpath();
        QLinearGradient g(x, y, x, y + w * 0.7);
        g.setColorAt(0, QColor(170, 130, 140));
        g.setColorAt(1, QColor(110, 86, 120));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(rock);
        p.setBrush(QColor(140, 200, 130));
        p.drawEllipse(QRectF(x - w / 2 - 1, y - w * 0.08, w + 2, w * 0.16));
        p.setBrush(withAlpha(QColor(230, 245, 255), 170));
        p.drawRect(QRectF(x + w * 0.2, y, w * 0.05, w * 0.9));
    };
    island(70, 70, 44);
    island(318, 52, 56);
    island(250, 100, 22);
    s.endPainting();
    // A sea of clouds below.
    for (int k = 0; k < 3; ++k) {
        const Skyline top = hills(161 + k, 150 + k * 16, 14, 22 + k * 6, 0.0);
        s.layer(top, [&, k](int x, int y, double depth) {
            const double n = fractalNoise(x / 10.0, y / 6.0, 170 + k, 3);
            QColor c = mix(QColor(255, 248, 236), QColor(236, 196, 190), std::min(1.0, depth / 18.0) * 0.7 + n * 0.15);
            return scaled(c, 1.0 - k * 0.03);
        });
    }
    // The marble floor the monsters stand on, with a golden rim.
    QPainter& q = s.painter();
    QLinearGradient marble(0, 194, 0, 248);
    marble.setColorAt(0, QColor(250, 244, 236));
    marble.setColorAt(1, QColor(206, 196, 200));
    q.setPen(Qt::NoPen);
    q.setBrush(marble);
    QPainterPath floor;
    floor.moveTo(-10, 248);
    floor.lineTo(40, 194);
    floor.lineTo(344, 194);
    floor.lineTo(394, 248);
    floor.closeSubpath();
    q.drawPath(floor);
    q.setPen(QPen(QColor(226, 180, 90), 2.0));
    q.drawLine(QPointF(40, 194), QPointF(344, 194));
    q.setPen(QPen(withAlpha(QColor(200, 170, 150), 120), 0.8));
    for (int i = 1; i < 8; ++i) {
        const double t = i / 8.0;
        q.drawLine(QPointF(40 + t * 304, 194), QPointF(-10 + t * 404, 248));
    }
    for (double y : {204.0, 218.0, 236.0}) {
        const double inset = 40 - (y - 194) * 50 / 54.0;
        q.drawLine(QPointF(inset, y), QPointF(384 - inset, y));
    }
    // Two columns framing the stage.
    for (double x : {22.0, 346.0}) {
        QLinearGradient col(x, 0, x + 18, 0);
        col.setColorAt(0, QColor(255, 250, 240));
        col.setColorAt(0.6, QColor(226, 214, 210));
        col.setColorAt(1, QColor(180, 166, 176));
        q.setPen(Qt::NoPen);
        q.setBrush(col);
        q.drawRect(QRectF(x, 110, 18, 90));
        q.setBrush(QColor(236, 200, 120));
        q.drawRect(QRectF(x - 3, 106, 24, 6));
        q.drawRect(QRectF(x - 3, 196, 24, 6));
    }
    return s.image();
}

}  // namespace vex::assets
