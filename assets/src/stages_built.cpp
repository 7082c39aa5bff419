// Stages people built: 大会 (rare), 道路, 基地, 城, 廊下, 闘技場.

#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "paint_kit.h"
#include "stage_kit.h"
#include "stages.h"

namespace vex::assets {

namespace {

// A crowd seen from afar: rows of tiny heads in many colours.
void crowd(Scene& s, QRectF area, uint32_t seed, double brightness) {
    QPainter& p = s.painter();
    ArtRandom rnd(seed);
    p.setPen(Qt::NoPen);
    const QColor shirts[] = {QColor(230, 80, 80), QColor(80, 130, 230), QColor(240, 210, 80), QColor(90, 200, 120),
                             QColor(240, 240, 240), QColor(200, 110, 220), QColor(250, 150, 70)};
    for (double y = area.top(); y < area.bottom(); y += 4.2) {
        for (double x = area.left() + rnd.range(0, 3); x < area.right(); x += rnd.range(3.2, 4.6)) {
            p.setBrush(scaled(shirts[rnd.below(7)], brightness * rnd.range(0.75, 1.05)));
            p.drawRect(QRectF(x - 1.5, y + 1.2, 3, 2.6));
            p.setBrush(scaled(QColor(230, 190, 160), brightness * rnd.range(0.7, 1.0)));
            p.drawEllipse(QPointF(x, y), 1.2, 1.2);
        }
    }
}

}  // namespace

QImage paintTournament() {
    Scene s;
    s.verticalGradient({{0, QColor(8, 10, 40)}, {0.5, QColor(24, 30, 80)}, {1, QColor(40, 40, 90)}}, 0, 150);
    // Stands curving round the ring.
    s.shade(QRect(0, 46, kStageWidth, 110), [](int x, int y, QColor c) {
        const double tier = (y - 46) / 110.0;
        const double n = fractalNoise(x / 3.0, y / 3.0, 301, 2);
        return mix(c, scaled(QColor(60, 56, 90), 0.7 + 0.5 * n), std::min(1.0, tier * 3));
    });
    crowd(s, QRectF(0, 58, kStageWidth, 86), 302, 0.8);
    QPainter& p = s.painter();
    // The banner.
    QLinearGradient banner(0, 36, 0, 56);
    banner.setColorAt(0, QColor(220, 40, 60));
    banner.setColorAt(1, QColor(140, 10, 40));
    p.setPen(QPen(QColor(255, 210, 90), 1.5));
    p.setBrush(banner);
    p.drawRect(QRectF(96, 34, 192, 22));
    outlinedTextCentred(p, 192, 51, QString::fromUtf8("ＶＥＸＭＯＲＡ 公式大会"), gothic(15, true), QColor(255, 240, 180),
                        QColor(90, 0, 20), 1.5);
    // The ring floor: a blue mat with white lines, seen from the side.
    QLinearGradient mat(0, 160, 0, 248);
    mat.setColorAt(0, QColor(60, 110, 200));
    mat.setColorAt(1, QColor(24, 50, 120));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 50));
    p.drawRect(QRectF(0, 146, 384, 16));
    p.setBrush(mat);
    QPainterPath ring;
    ring.moveTo(-20, 248);
    ring.lineTo(30, 160);
    ring.lineTo(354, 160);
    ring.lineTo(404, 248);
    ring.closeSubpath();
    p.drawPath(ring);
    p.setPen(QPen(QColor(240, 246, 255), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(30, 160), QPointF(354, 160));
    p.drawLine(QPointF(30, 160), QPointF(-20, 248));
    p.drawLine(QPointF(354, 160), QPointF(404, 248));
    p.drawEllipse(QPointF(192, 206), 54, 18);
    p.drawLine(QPointF(192, 160), QPointF(192, 248));
    // Corner posts with ropes.
    for (double x : {30.0, 354.0}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 220, 230));
        p.drawRect(QRectF(x - 3, 112, 6, 50));
    }
    for (double y : {122.0, 136.0, 150.0}) {
        p.setPen(QPen(QColor(230, 60, 70), 2.0));
        p.drawLine(QPointF(30, y), QPointF(354, y));
    }
    s.endPainting();
    // Floodlights.
    for (double x : {40.0, 140.0, 244.0, 344.0}) {
        s.glow(QPointF(x, 18), 60, QColor(255, 250, 220), 0.5);
        s.glow(QPointF(x, 18), 7, QColor(255, 255, 255), 2.0);
    }
    s.glow(QPointF(192, 210), 120, QColor(160, 200, 255), 0.25);
    return s.image();
}

QImage paintRoad() {
    Scene s;
    s.verticalGradient({{0, QColor(44, 40, 100)}, {0.45, QColor(170, 90, 140)}, {0.8, QColor(250, 150, 100)}, {1, QColor(255, 210, 150)}}, 0, 150);
    s.glow(QPointF(100, 140), 120, QColor(255, 200, 120), 0.5);
    // Skyline with lit windows.
    QPainter& p = s.painter();
    ArtRandom rnd(311);
    for (int layer = 0; layer < 2; ++layer) {
        double x = -10;
        while (x < 394) {
            const double w = rnd.range(18, 40);
            const double h = rnd.range(30, 90) * (layer == 0 ? 1.0 : 0.7);
            const QColor wall = layer == 0 ? QColor(70, 54, 90) : QColor(44, 34, 62);
            const double top = 150 - h;
            p.setPen(Qt::NoPen);
            p.setBrush(wall);
            p.drawRect(QRectF(x, top, w, h));
            for (double wy = top + 5; wy < 144; wy += 7)
                for (double wx = x + 3; wx < x + w - 4; wx += 6)
                    if (rnd.chance(0.45)) {
                        p.setBrush(withAlpha(QColor(255, 220, 140), 140 + rnd.below(110)));
                        p.drawRect(QRectF(wx, wy, 3, 3.5));
                    }
            x += w + rnd.range(1, 6);
        }
    }
    s.endPainting();
    // Sidewalk, then the road in perspective.
    s.shade(QRect(0, 150, kStageWidth, 98), [](int x, int y, QColor) {
        if (y < 170) {
            const double n = fractalNoise(x / 4.0, y / 2.0, 312, 2);
            const QColor slab = ((x / 24 + y / 8) % 2) ? QColor(150, 136, 140) : QColor(140, 126, 132);
            return scaled(slab, 0.9 + 0.15 * n);
        }
        if (y < 174) return QColor(190, 180, 180);  // kerb
        const double n = fractalNoise(x / 2.0, y / 2.0, 313, 3);
        const double depth = (y - 174) / 74.0;
        QColor asphalt = scaled(mix(QColor(78, 70, 80), QColor(58, 52, 62), depth), 0.9 + 0.2 * n);
        const double lane = 206 + 0 * depth;
        if (std::abs(y - lane) < 1.6 + depth * 1.5 && (x / 30) % 2 == 0) asphalt = QColor(240, 226, 160);
        return asphalt;
    });
    QPainter& q = s.painter();
    for (double x : {60.0, 230.0, 380.0}) {  // street lamps
        q.setPen(Qt::NoPen);
        q.setBrush(QColor(40, 36, 50));
        q.drawRect(QRectF(x - 1.5, 96, 3, 70));
        q.drawRect(QRectF(x - 1.5, 96, 14, 3));
        q.setBrush(QColor(255, 236, 180));
        q.drawEllipse(QPointF(x + 11, 101), 3, 2);
    }
    s.endPainting();
    for (double x : {71.0, 241.0}) {
        s.glow(QPointF(x, 102), 40, QColor(255, 220, 150), 0.6);
        s.glow(QPointF(x, 172), 30, QColor(255, 210, 140), 0.25);
    }
    QPainter& r = s.painter();  // guard rail in front of the pavement
    r.setPen(QPen(QColor(210, 210, 220), 2.0));
    r.drawLine(QPointF(0, 160), QPointF(384, 160));
    for (double x = 10; x < 384; x += 40) r.drawLine(QPointF(x, 160), QPointF(x, 170));
    return s.image();
}

QImage paintBase() {
    Scene s;
    s.verticalGradient({{0, QColor(40, 46, 56)}, {1, QColor(70, 78, 90)}}, 0, 170);
    // Wall panels with rivets.
    s.shade(QRect(0, 0, kStageWidth, 170), [](int x, int y, QColor c) {
        const int px = x % 64, py = y % 42;
        const double n = fractalNoise(x / 20.0, y / 20.0, 321, 2);
        double k = 0.9 + 0.15 * n;
        if (px < 2 || py < 2) k = 0.55;
        else if (px < 4 || py < 4) k = 1.25;
        const bool rivet = (std::abs(px - 7) < 1.5 || std::abs(px - 57) < 1.5) && (std::abs(py - 8) < 1.5 || std::abs(py - 34) < 1.5);
        if (rivet) k = 1.5;
        return scaled(c, k);
    });
    QPainter& p = s.painter();
    // The great hangar door with hazard stripes.
    QRectF door(112, 40, 160, 130);
    QLinearGradient dg(0, door.top(), 0, door.bottom());
    dg.setColorAt(0, QColor(90, 100, 110));
    dg.setColorAt(1, QColor(60, 66, 74));
    p.setPen(QPen(QColor(30, 32, 36), 2));
    p.setBrush(dg);
    p.drawRect(door);
    p.setPen(QPen(QColor(40, 44, 50), 1));
    for (double y = door.top() + 12; y < door.bottom(); y += 12) p.drawLine(QPointF(door.left(), y), QPointF(door.right(), y));
    p.save();
    p.setClipRect(QRectF(door.left(), door.top() - 12, door.width(), 10));
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(door.left(), door.top() - 12, door.width(), 10), QColor(240, 200, 40));
    p.setBrush(QColor(30, 30, 30));
    for (double x = door.left() - 20; x < door.right() + 20; x += 16) {
        QPolygonF stripe;
        stripe << QPointF(x, door.top() - 2) << QPointF(x + 8, door.top() - 2) << QPointF(x + 18, door.top() - 12) << QPointF(x + 10, door.top() - 12);
        p.drawPolygon(stripe);
    }
    p.restore();
    // Monitors and warning lamps.
    for (double x : {24.0, 300.0}) {
        p.setPen(QPen(QColor(20, 24, 30), 2));
        p.setBrush(QColor(20, 60, 70));
        p.drawRect(QRectF(x, 70, 60, 36));
        p.setPen(QPen(QColor(80, 255, 200), 1));
        QPainterPath wave;
        wave.moveTo(x + 4, 90);
        for (int i = 1; i <= 26; ++i) wave.lineTo(x + 4 + i * 2, 90 + 8 * std::sin(i * 0.8 + x));
        p.drawPath(wave);
    }
    s.endPainting();
    for (double x : {40.0, 192.0, 344.0}) {
        s.glow(QPointF(x, 14), 50, QColor(255, 240, 200), 0.45);
        s.glow(QPointF(x, 14), 6, QColor(255, 255, 255), 2.0);
    }
    s.glow(QPointF(100, 36), 16, QColor(255, 60, 40), 0.9);
    s.glow(QPointF(284, 36), 16, QColor(255, 60, 40), 0.9);
    // Metal floor plates.
    s.shade(QRect(0, 170, kStageWidth, 78), [](int x, int y, QColor) {
        const double depth = (y - 170) / 78.0;
        const double n = fractalNoise(x / 3.0, y / 1.5, 322, 2);
        QColor c = mix(QColor(110, 116, 124), QColor(70, 74, 82), depth * 0.6);
        const double u = (x - 192) / (0.6 + depth * 1.4);
        if (std::fmod(std::abs(u) + 20, 40) < 1.2 || (static_cast<int>(depth * 1000) % 280) < 12) c = scaled(c, 0.7);
        const bool tread = ((x + y) % 6 == 0) && ((x - y) % 6 == 0);
        return scaled(c, (0.92 + 0.12 * n) * (tread ? 1.2 : 1.0));
    });
    QPainter& q = s.painter();  // a yellow guide line along the floor
    q.setPen(QPen(QColor(230, 190, 40), 3));
    q.drawLine(QPointF(0, 232), QPointF(384, 232));
    q.setPen(QPen(QColor(40, 40, 40), 1));
    q.drawLine(QPointF(0, 170), QPointF(384, 170));
    return s.image();
}

QImage paintCastle() {
    Scene s;
    s.verticalGradient({{0, QColor(70, 120, 200)}, {0.6, QColor(150, 190, 236)}, {1, QColor(220, 230, 240)}}, 0, 160);
    s.cloud(QPointF(300, 36), 110, 20, QColor(255, 255, 255), QColor(200, 210, 232), 331);
    s.cloud(QPointF(60, 60), 70, 12, QColor(252, 252, 255), QColor(206, 214, 234), 332);
    QPainter& p = s.painter();
    const QColor stone(182, 172, 160), stoneDark(130, 120, 112);
    auto tower = [&](double x, double w, double top, QColor roof) {
        QLinearGradient g(x - w / 2, 0, x + w / 2, 0);
        g.setColorAt(0, scaled(stone, 1.1));
        g.setColorAt(0.6, stone);
        g.setColorAt(1, stoneDark);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRect(QRectF(x - w / 2, top, w, 170 - top));
        QPainterPath cone;
        cone.moveTo(x - w * 0.62, top + 1);
        cone.lineTo(x, top - w * 1.1);
        cone.lineTo(x + w * 0.62, top + 1);
        cone.closeSubpath();
        QLinearGradient rg(x - w / 2, 0, x + w / 2, 0);
        rg.setColorAt(0, scaled(roof, 1.25));
        rg.setColorAt(1, scaled(roof, 0.7));
        p.setBrush(rg);
        p.drawPath(cone);
        p.setPen(QPen(QColor(90, 70, 60), 1));
        p.drawLine(QPointF(x, top - w * 1.1), QPointF(x, top - w * 1.1 - 12));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 50, 60));
        QPolygonF flag;
        flag << QPointF(x, top - w * 1.1 - 12) << QPointF(x + 10, top - w * 1.1 - 9) << QPointF(x, top - w * 1.1 - 6);
        p.drawPolygon(flag);
        p.setBrush(QColor(50, 40, 50));
        p.drawRoundedRect(QRectF(x - 2.5, top + 14, 5, 9), 2.5, 2.5);
    };
    tower(70, 30, 70, QColor(60, 90, 170));
    tower(314, 34, 60, QColor(60, 90, 170));
    tower(192, 44, 40, QColor(170, 60, 70));
    // The curtain wall with battlements.
    QLinearGradient wall(0, 110, 0, 172);
    wall.setColorAt(0, scaled(stone, 1.05));
    wall.setColorAt(1, stoneDark);
    p.setBrush(wall);
    p.drawRect(QRectF(0, 116, 384, 56));
    for (double x = 0; x < 384; x += 16) p.drawRect(QRectF(x, 106, 9, 11));
    p.setPen(QPen(withAlpha(QColor(100, 90, 84), 140), 0.8));
    for (double y = 124; y < 172; y += 8)
        for (double x = (static_cast<int>(y) / 8 % 2) * 10; x < 384; x += 20) {
            p.drawLine(QPointF(0, y), QPointF(384, y));
            p.drawLine(QPointF(x, y), QPointF(x, y + 8));
        }
    // The gate.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 44, 40));
    QPainterPath gate;
    gate.moveTo(170, 172);
    gate.lineTo(170, 138);
    gate.arcTo(QRectF(170, 124, 44, 28), 180, -180);
    gate.lineTo(214, 172);
    gate.closeSubpath();
    p.drawPath(gate);
    p.setPen(QPen(QColor(40, 30, 28), 1.5));
    for (double x = 176; x < 212; x += 7) p.drawLine(QPointF(x, 132), QPointF(x, 172));
    s.endPainting();
    // Cobbled courtyard: rows of rounded stones growing towards the front.
    s.shade(QRect(0, 172, kStageWidth, 76), [](int x, int y, QColor) {
        const double t = (y - 172) / 76.0;
        const double v = std::sqrt(y - 171.0) * 1.55;
        const int row = static_cast<int>(std::floor(v));
        const double fy = v - row;
        const double u = (x - 192) / (7.0 + 11.0 * t) + (row % 2) * 0.5;
        const int column = static_cast<int>(std::floor(u));
        const double fx = u - column;
        const double d = std::hypot((fx - 0.5) * 2.1, (fy - 0.5) * 2.3);
        const double tone = latticeValue(column, row, 333);
        QColor stone = mix(QColor(188, 176, 160), QColor(140, 128, 118), tone * 0.8);
        if (d > 0.95) return mix(QColor(96, 88, 80), QColor(70, 64, 60), t);
        const double light = 1.1 - 0.35 * d + 0.25 * ((0.5 - fx) + (0.5 - fy)) * 0.6;
        return scaled(stone, light);
    });
    return s.image();
}

QImage paintCorridor() {
    Scene s;
    const QPointF vanish(192, 118);
    // Walls, ceiling and floor of a long hallway, painted by which face each pixel sees.
    s.shade(QRect(0, 0, kStageWidth, kStageHeight), [&](int x, int y, QColor) {
        const double dx = x - vanish.x(), dy = y - vanish.y();
        const double backHalfW = 40, backHalfH = 30;
        if (std::abs(dx) < backHalfW && std::abs(dy) < backHalfH) {  // the far end: a window of light
            const bool pane = std::abs(dx) < 16 && std::abs(dy) < 18 && std::abs(dx) > 1 && std::abs(dy) > 1;
            return pane ? QColor(230, 240, 250) : QColor(200, 180, 150);
        }
        const double sx = std::abs(dx) / backHalfW, sy = std::abs(dy) / backHalfH;
        if (dy > 0 && sy >= sx) {  // floor: wooden boards
            const double z = backHalfH / dy;
            const double u = dx * z / 14.0;
            const double board = std::abs(u - std::round(u));
            QColor c = mix(QColor(180, 120, 70), QColor(140, 88, 50), latticeValue(static_cast<int>(std::floor(u)), 0, 341));
            if (board < 0.04) c = scaled(c, 0.6);
            const double shine = std::exp(-std::pow(dx / (30 + dy * 0.6), 2)) * 0.25;
            return mix(mix(c, QColor(250, 230, 200), shine), QColor(90, 70, 60), z * 0.6);
        }
        if (dy < 0 && sy >= sx) {  // ceiling with lamps
            const double z = backHalfH / -dy;
            const double v = z * 4;
            const bool lamp = std::abs(dx * z) < 10 && std::abs(v - std::round(v)) < 0.12;
            return lamp ? QColor(255, 250, 230) : mix(QColor(236, 230, 220), QColor(150, 140, 130), z * 0.8);
        }
        // Side walls: windows on the left, doors on the right.
        const double z = backHalfW / std::abs(dx);
        const double v = z * 3.0;
        const double frac = v - std::floor(v);
        const double h = dy / std::abs(dx) * backHalfW / backHalfH;  // -1 … 1 on the wall
        QColor wall = mix(QColor(240, 226, 196), QColor(150, 136, 120), z * 0.7);
        if (h > 0.55) wall = mix(QColor(150, 110, 80), QColor(90, 70, 56), z * 0.7);  // wainscot
        if (dx < 0 && frac > 0.25 && frac < 0.75 && h > -0.7 && h < 0.35) wall = mix(QColor(190, 220, 250), QColor(120, 150, 180), z * 0.7);
        if (dx > 0 && frac > 0.35 && frac < 0.65 && h > -0.55) wall = mix(QColor(150, 96, 60), QColor(90, 60, 44), z * 0.7);
        return wall;
    });
    // Light from the windows lying on the floor.
    s.shade(QRect(0, 150, 192, 98), [&](int x, int y, QColor c) {
        const double dx = x - vanish.x(), dy = y - vanish.y();
        const double z = 30 / dy;
        const double v = (z + (-dx * z / 40) * 0.6) * 3;
        const double frac = v - std::floor(v);
        return (frac > 0.3 && frac < 0.7 && dx < -10) ? mix(c, QColor(255, 244, 210), 0.22) : c;
    });
    return s.image();
}

QImage paintColosseum() {
    Scene s;
    s.verticalGradient({{0, QColor(90, 150, 220)}, {0.5, QColor(214, 228, 240)}, {1, QColor(214, 228, 240)}}, 0, 248);
    s.glow(QPointF(330, 20), 80, QColor(255, 244, 210), 0.5);
    // Tiers of arches curving round the arena.
    s.shade(QRect(0, 40, kStageWidth, 130), [](int x, int y, QColor c) {
        const double curve = 10 * std::pow((x - 192) / 192.0, 2);
        const double yy = y - 40 + curve;
        if (yy < 0) return c;
        const int tier = static_cast<int>(yy / 34);
        if (tier > 2) return c;
        const double local = yy - tier * 34;
        const double archW = 22 - tier * 3;
        const double ax = std::fmod(x + tier * 7 + 1000, archW) - archW / 2;
        QColor stone = mix(QColor(220, 190, 150), QColor(170, 140, 110), tier * 0.25 + local / 80.0);
        const double n = fractalNoise(x / 4.0, y / 4.0, 351, 3);
        stone = scaled(stone, 0.9 + 0.2 * n);
        const bool arch = local > 8 && std::abs(ax) < archW * 0.3 && (local > 14 || std::hypot(ax / (archW * 0.3), (local - 14) / 6.0) < 1);
        if (arch) return mix(QColor(80, 56, 44), QColor(120, 90, 70), local / 34.0);
        if (local < 3) return scaled(stone, 1.15);
        return stone;
    });
    crowd(s, QRectF(0, 28, kStageWidth, 12), 352, 1.0);
    // The low wall of the arena and its banners.
    QPainter& p = s.painter();
    QLinearGradient wall(0, 138, 0, 172);
    wall.setColorAt(0, QColor(200, 170, 130));
    wall.setColorAt(1, QColor(140, 110, 84));
    p.setPen(Qt::NoPen);
    p.setBrush(wall);
    p.drawRect(QRectF(0, 138, 384, 34));
    p.setBrush(QColor(226, 200, 160));
    p.drawRect(QRectF(0, 136, 384, 3));
    for (int i = 0; i < 5; ++i) {
        const double x = 20 + i * 80;
        p.setBrush(i % 2 ? QColor(170, 40, 50) : QColor(40, 70, 150));
        QPolygonF banner;
        banner << QPointF(x, 110) << QPointF(x + 18, 110) << QPointF(x + 18, 140) << QPointF(x + 9, 134) << QPointF(x, 140);
        p.drawPolygon(banner);
        p.setBrush(QColor(240, 200, 90));
        p.drawEllipse(QPointF(x + 9, 121), 4, 4);
    }
    s.endPainting();
    // Raked sand with footprints of earlier fights.
    s.shade(QRect(0, 172, kStageWidth, 76), [](int x, int y, QColor) {
        const double depth = (y - 172) / 76.0;
        const double n = fractalNoise(x / 6.0, y / 2.5, 353, 4);
        const double rake = 0.5 + 0.5 * std::sin(y * 2.2 + n * 3);
        return scaled(mix(QColor(232, 200, 150), QColor(200, 164, 116), depth * 0.5 + 0.3 * n), 0.95 + 0.06 * rake);
    });
    s.glow(QPointF(192, 210), 150, QColor(255, 230, 180), 0.18);
    return s.image();
}

}  // namespace vex::assets
