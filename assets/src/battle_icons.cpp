// Technique effect pictures (image02.bmp), small technique icons (image03.bmp, and image03_en.bmp
// with the elements marked for the English game) and the status
// icon strip (condition.bmp). The first two lie on black, the game's transparent colour for
// them; effects are added to the frame, so their dark rims fade out softly.

#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <functional>

#include "art_random.h"
#include "battle_layout.h"
#include "battle_pictures.h"
#include "paint_kit.h"
#include "picture_codecs.h"

namespace vex::assets {

namespace {

using namespace layout;
using CellPainter = std::function<void(QPainter&, double size)>;

QPainterPath starPath(QPointF c, int points, double outer, double inner, double turn = -M_PI / 2) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = turn + i * M_PI / points;
        const QPointF at = c + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0) path.moveTo(at);
        else path.lineTo(at);
    }
    path.closeSubpath();
    return path;
}

void radial(QPainter& p, QPointF c, double r, std::initializer_list<std::pair<double, QColor>> stops) {
    QRadialGradient g(c, r);
    for (const auto& [at, colour] : stops) g.setColorAt(at, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

// --- image02: effects, 64 × 64 --------------------------------------------------------------

void slash(QPainter& p, double s) {
    // Three claw-like crescents, thick in the middle and sharp at both ends.
    for (int i = 0; i < 3; ++i) {
        const double off = (i - 1) * s * 0.17;
        const QPointF from(s * 0.14 + off, s * 0.86 - off * 0.2), to(s * 0.86 + off * 0.2, s * 0.14 - off);
        const QPointF bend(s * 0.42 + off * 1.1, s * 0.42 - off * 0.1);
        QPainterPath crescent;
        crescent.moveTo(from);
        crescent.quadTo(bend + QPointF(s * 0.09, s * 0.09), to);
        crescent.quadTo(bend - QPointF(s * 0.02, s * 0.02), from);
        crescent.closeSubpath();
        p.setPen(QPen(QColor(100, 190, 255, 120), s * 0.07, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(120, 200, 255));
        p.drawPath(crescent);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 255, 255));
        p.drawPath(crescent);
    }
}

void impact(QPainter& p, double s) {
    const QPointF c(s / 2, s / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 80, 20));
    p.drawPath(starPath(c, 10, s * 0.47, s * 0.22));
    p.setBrush(QColor(255, 180, 40));
    p.drawPath(starPath(c, 10, s * 0.36, s * 0.18, -M_PI / 2 + 0.2));
    radial(p, c, s * 0.2, {{0, QColor(255, 255, 240)}, {1, QColor(255, 230, 120)}});
}

void explosion(QPainter& p, double s) {
    ArtRandom rnd(401);
    const QPointF c(s / 2, s * 0.52);
    for (int i = 0; i < 9; ++i) {
        const double a = i * 2 * M_PI / 9 + rnd.range(0, 0.4);
        const QPointF at = c + QPointF(std::cos(a), std::sin(a)) * s * rnd.range(0.18, 0.26);
        radial(p, at, s * rnd.range(0.13, 0.2), {{0, QColor(255, 200, 80)}, {0.6, QColor(230, 90, 30)}, {1, QColor(120, 20, 10, 0)}});
    }
    radial(p, c, s * 0.32, {{0, QColor(255, 255, 230)}, {0.35, QColor(255, 230, 110)}, {0.75, QColor(255, 130, 40)}, {1, QColor(200, 40, 10, 0)}});
}

void flame(QPainter& p, double s) {
    const double xs[] = {0.3, 0.5, 0.7, 0.4, 0.6};
    const double hs[] = {0.55, 0.8, 0.6, 0.42, 0.45};
    for (int i = 0; i < 5; ++i) {
        const double x = s * xs[i], h = s * hs[i], w = s * 0.16;
        QPainterPath tongue;
        tongue.moveTo(x, s * 0.92 - h);
        tongue.cubicTo(x + w * 0.3, s * 0.92 - h * 0.6, x + w * 1.2, s * 0.92 - h * 0.35, x + w * 0.7, s * 0.92);
        tongue.lineTo(x - w * 0.7, s * 0.92);
        tongue.cubicTo(x - w * 1.2, s * 0.92 - h * 0.35, x - w * 0.3, s * 0.92 - h * 0.6, x, s * 0.92 - h);
        QLinearGradient g(0, s * 0.92 - h, 0, s * 0.92);
        g.setColorAt(0, QColor(255, 90, 20, 60));
        g.setColorAt(0.4, QColor(255, 140, 30));
        g.setColorAt(0.8, QColor(255, 230, 110));
        g.setColorAt(1, QColor(255, 255, 220));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(tongue);
    }
}

void water(QPainter& p, double s) {
    QPainterPath wave;
    wave.moveTo(s * 0.08, s * 0.8);
    wave.cubicTo(s * 0.2, s * 0.2, s * 0.75, s * 0.15, s * 0.9, s * 0.5);
    wave.cubicTo(s * 0.7, s * 0.35, s * 0.45, s * 0.45, s * 0.4, s * 0.85);
    wave.closeSubpath();
    QLinearGradient g(0, s * 0.2, 0, s * 0.85);
    g.setColorAt(0, QColor(220, 250, 255));
    g.setColorAt(0.5, QColor(60, 160, 255));
    g.setColorAt(1, QColor(20, 60, 200));
    p.setPen(QPen(QColor(200, 240, 255), 1.2));
    p.setBrush(g);
    p.drawPath(wave);
    ArtRandom rnd(402);
    for (int i = 0; i < 8; ++i) {
        const QPointF c(s * rnd.range(0.15, 0.9), s * rnd.range(0.1, 0.5));
        radial(p, c, s * rnd.range(0.03, 0.06), {{0, QColor(240, 255, 255)}, {1, QColor(60, 160, 255)}});
    }
}

void lightning(QPainter& p, double s) {
    QPainterPath bolt;
    bolt.moveTo(s * 0.58, s * 0.04);
    bolt.lineTo(s * 0.36, s * 0.44);
    bolt.lineTo(s * 0.54, s * 0.46);
    bolt.lineTo(s * 0.3, s * 0.96);
    bolt.lineTo(s * 0.72, s * 0.38);
    bolt.lineTo(s * 0.52, s * 0.36);
    bolt.lineTo(s * 0.74, s * 0.04);
    bolt.closeSubpath();
    p.setPen(QPen(QColor(255, 240, 80, 90), s * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(bolt);
    p.setPen(QPen(QColor(255, 250, 160), s * 0.03));
    p.setBrush(QColor(255, 255, 220));
    p.drawPath(bolt);
}

void earth(QPainter& p, double s) {
    ArtRandom rnd(403);
    for (int i = 0; i < 5; ++i) {
        const double x = s * (0.14 + i * 0.18), h = s * rnd.range(0.35, 0.8), w = s * rnd.range(0.12, 0.18);
        QPainterPath spike;
        spike.moveTo(x - w, s * 0.96);
        spike.lineTo(x + rnd.range(-3, 3), s * 0.96 - h);
        spike.lineTo(x + w, s * 0.96);
        spike.closeSubpath();
        QLinearGradient g(x - w, 0, x + w, 0);
        g.setColorAt(0, QColor(230, 180, 110));
        g.setColorAt(0.5, QColor(170, 110, 60));
        g.setColorAt(1, QColor(90, 56, 30));
        p.setPen(QPen(QColor(250, 210, 150), 0.8));
        p.setBrush(g);
        p.drawPath(spike);
    }
}

void holy(QPainter& p, double s) {
    const QPointF c(s / 2, s / 2);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        QPainterPath ray;
        ray.moveTo(c);
        ray.lineTo(c + QPointF(std::cos(a - 0.08), std::sin(a - 0.08)) * s * 0.48);
        ray.lineTo(c + QPointF(std::cos(a + 0.08), std::sin(a + 0.08)) * s * 0.48);
        ray.closeSubpath();
        p.setBrush(i % 2 ? QColor(255, 230, 140, 150) : QColor(255, 250, 210, 200));
        p.drawPath(ray);
    }
    radial(p, c, s * 0.26, {{0, QColor(255, 255, 255)}, {0.5, QColor(255, 246, 190)}, {1, QColor(255, 220, 120, 0)}});
}

void darkness(QPainter& p, double s) {
    const QPointF c(s / 2, s / 2);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        QPainterPath swirl;
        for (int k = 0; k <= 40; ++k) {
            const double t = k / 40.0;
            const double a = i * M_PI / 2 + t * 4.0;
            const QPointF at = c + QPointF(std::cos(a), std::sin(a)) * s * (0.1 + 0.36 * t);
            if (k == 0) swirl.moveTo(at);
            else swirl.lineTo(at);
        }
        p.setPen(QPen(QColor(190, 80, 255, 200), s * 0.035, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(swirl);
    }
    radial(p, c, s * 0.24, {{0, QColor(255, 200, 255)}, {0.4, QColor(170, 60, 230)}, {1, QColor(60, 0, 100, 0)}});
}

void healing(QPainter& p, double s) {
    ArtRandom rnd(404);
    for (int i = 0; i < 7; ++i) {
        const QPointF c(s * rnd.range(0.18, 0.82), s * rnd.range(0.18, 0.82));
        const double r = s * rnd.range(0.06, 0.13);
        radial(p, c, r * 1.8, {{0, QColor(160, 255, 170, 160)}, {1, QColor(40, 200, 80, 0)}});
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 255, 220));
        p.drawRect(QRectF(c.x() - r * 0.25, c.y() - r, r * 0.5, r * 2));
        p.drawRect(QRectF(c.x() - r, c.y() - r * 0.25, r * 2, r * 0.5));
    }
}

void barrier(QPainter& p, double s) {
    const QPointF c(s / 2, s / 2);
    QPolygonF hex;
    for (int i = 0; i < 6; ++i) hex << c + QPointF(std::cos(i * M_PI / 3 + M_PI / 6), std::sin(i * M_PI / 3 + M_PI / 6)) * s * 0.44;
    QRadialGradient g(c, s * 0.44);
    g.setColorAt(0, QColor(40, 90, 200, 60));
    g.setColorAt(1, QColor(120, 200, 255, 200));
    p.setPen(QPen(QColor(200, 240, 255), s * 0.035));
    p.setBrush(g);
    p.drawPolygon(hex);
    p.setPen(QPen(QColor(150, 220, 255, 160), s * 0.02));
    for (int i = 0; i < 6; ++i) p.drawLine(c, hex[i]);
}

void poison(QPainter& p, double s) {
    ArtRandom rnd(405);
    for (int i = 0; i < 9; ++i) {
        const QPointF c(s * rnd.range(0.15, 0.85), s * rnd.range(0.2, 0.9));
        const double r = s * rnd.range(0.05, 0.12);
        radial(p, c, r, {{0, QColor(240, 190, 255)}, {0.6, QColor(170, 60, 210)}, {1, QColor(90, 20, 120)}});
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(c + QPointF(-r * 0.35, -r * 0.35), r * 0.25, r * 0.25);
    }
}

void arrows(QPainter& p, double s, bool up) {
    const QColor core = up ? QColor(255, 190, 80) : QColor(120, 170, 255);
    const QColor rim = up ? QColor(255, 90, 40) : QColor(40, 80, 220);
    for (int i = 0; i < 3; ++i) {
        const double x = s * (0.22 + i * 0.28), top = s * (i == 1 ? 0.12 : 0.26), len = s * 0.6;
        QPainterPath arrow;
        if (up) {
            arrow.moveTo(x, top);
            arrow.lineTo(x + s * 0.12, top + s * 0.16);
            arrow.lineTo(x + s * 0.05, top + s * 0.16);
            arrow.lineTo(x + s * 0.05, top + len);
            arrow.lineTo(x - s * 0.05, top + len);
            arrow.lineTo(x - s * 0.05, top + s * 0.16);
            arrow.lineTo(x - s * 0.12, top + s * 0.16);
        } else {
            const double bottom = top + len;
            arrow.moveTo(x, bottom);
            arrow.lineTo(x + s * 0.12, bottom - s * 0.16);
            arrow.lineTo(x + s * 0.05, bottom - s * 0.16);
            arrow.lineTo(x + s * 0.05, top);
            arrow.lineTo(x - s * 0.05, top);
            arrow.lineTo(x - s * 0.05, bottom - s * 0.16);
            arrow.lineTo(x - s * 0.12, bottom - s * 0.16);
        }
        arrow.closeSubpath();
        QLinearGradient g(0, top, 0, top + len);
        g.setColorAt(up ? 0 : 1, core);
        g.setColorAt(up ? 1 : 0, withAlpha(rim, 60));
        p.setPen(QPen(withAlpha(core, 200), 0.8));
        p.setBrush(g);
        p.drawPath(arrow);
    }
}

void gunfire(QPainter& p, double s) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 170, 50));
    p.drawPath(starPath(QPointF(s * 0.2, s * 0.5), 7, s * 0.2, s * 0.08, 0));
    radial(p, QPointF(s * 0.2, s * 0.5), s * 0.09, {{0, QColor(255, 255, 230)}, {1, QColor(255, 220, 100)}});
    for (int i = 0; i < 3; ++i) {
        const double y = s * (0.36 + i * 0.14);
        QLinearGradient g(s * 0.38, 0, s * 0.95, 0);
        g.setColorAt(0, QColor(255, 160, 60, 40));
        g.setColorAt(0.7, QColor(255, 220, 120));
        g.setColorAt(1, QColor(255, 255, 230));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(s * 0.36 + i * 4, y - 2.5, s * 0.58 - i * 4, 5), 2.5, 2.5);
    }
}

void dizzy(QPainter& p, double s) {
    const QPointF c(s / 2, s / 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 220, 120, 150), s * 0.03));
    p.drawEllipse(c, s * 0.38, s * 0.16);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2 + 0.4;
        const QPointF at = c + QPointF(std::cos(a) * s * 0.38, std::sin(a) * s * 0.16);
        p.setBrush(i % 2 ? QColor(255, 240, 120) : QColor(255, 180, 220));
        p.drawPath(starPath(at, 5, s * 0.1, s * 0.045));
    }
}

QImage effectStrip() {
    const std::vector<CellPainter> cells{
        slash, impact, explosion, flame, water, lightning, earth, holy,
        darkness, healing, barrier, poison,
        [](QPainter& p, double s) { arrows(p, s, true); }, [](QPainter& p, double s) { arrows(p, s, false); },
        gunfire, dizzy,
    };
    QImage canvas = transparentCanvas(kEffectCell * kEffectColumns, kEffectCell * kEffectRows);
    QPainter p(&canvas);
    smooth(p);
    for (size_t i = 0; i < cells.size(); ++i) {
        p.save();
        p.translate(kEffectCell * (static_cast<int>(i) % kEffectColumns), kEffectCell * (static_cast<int>(i) / kEffectColumns));
        p.setClipRect(QRectF(0, 0, kEffectCell, kEffectCell));
        cells[i](p, kEffectCell);
        p.restore();
    }
    p.end();
    return keyed(canvas, Qt::black, Qt::black);
}

// --- image03: technique icons, 20 × 20 ------------------------------------------------------

// The marks of the six elements: the kanji of the Japanese game, the initials of the English
// names (Fire, Water, Thunder, Earth, Light, Dark) for the English one.
using ElementMarks = std::array<const char*, 6>;
constexpr ElementMarks kKanjiMarks = {"火", "水", "雷", "土", "光", "闇"};
constexpr ElementMarks kEnglishMarks = {"F", "W", "T", "E", "L", "D"};

QImage iconStrip(const ElementMarks& marks) {
    QImage canvas = transparentCanvas(kIconCell * kIconCount, kIconCell);
    QPainter p(&canvas);
    smooth(p);
    auto cell = [&](int i) {
        p.restore();
        p.save();
        p.translate(i * kIconCell, 0);
    };
    p.save();
    const QColor ink(20, 22, 30);
    // 0 attack: a sword.
    cell(0);
    p.setPen(QPen(ink, 1.0));
    p.setBrush(QColor(230, 236, 250));
    p.drawPolygon(QPolygonF({QPointF(16.5, 2.5), QPointF(17.5, 3.5), QPointF(8, 13), QPointF(6.5, 11.5)}));
    p.setBrush(QColor(230, 180, 60));
    p.drawPolygon(QPolygonF({QPointF(4, 10), QPointF(10, 16), QPointF(9, 17), QPointF(3, 11)}));
    p.setBrush(QColor(140, 80, 40));
    p.drawPolygon(QPolygonF({QPointF(6, 14), QPointF(2.5, 17.5), QPointF(3.5, 18.5), QPointF(7, 15)}));
    // 1 support: a heart with a plus.
    cell(1);
    QPainterPath heart;
    heart.moveTo(10, 17.5);
    heart.cubicTo(1, 11, 3, 2.5, 10, 6.5);
    heart.cubicTo(17, 2.5, 19, 11, 10, 17.5);
    p.setPen(QPen(ink, 1.0));
    p.setBrush(QColor(255, 110, 140));
    p.drawPath(heart);
    p.setPen(QPen(QColor(255, 255, 255), 1.6));
    p.drawLine(QPointF(10, 8.5), QPointF(10, 13.5));
    p.drawLine(QPointF(7.5, 11), QPointF(12.5, 11));
    // 2 special: a star.
    cell(2);
    p.setPen(QPen(ink, 1.0));
    p.setBrush(QColor(250, 220, 80));
    p.drawPath(starPath(QPointF(10, 10.5), 5, 8.5, 3.8));
    // 3 skill: a gear.
    cell(3);
    p.setBrush(QColor(170, 190, 210));
    p.drawPath(starPath(QPointF(10, 10), 8, 8.5, 6.5, 0));
    p.setBrush(QColor(60, 70, 90));
    p.drawEllipse(QPointF(10, 10), 2.8, 2.8);
    // 4 do nothing: "Zz".
    cell(4);
    outlinedText(p, QPointF(2, 15), "Z", gothic(12, true), QColor(200, 210, 240), ink, 1.0);
    outlinedText(p, QPointF(11, 11), "z", gothic(9, true), QColor(200, 210, 240), ink, 1.0);
    // 5-10 the elements.
    const QColor tints[] = {QColor(240, 80, 40), QColor(50, 130, 240), QColor(240, 210, 40),
                            QColor(170, 110, 50), QColor(250, 250, 220), QColor(130, 60, 190)};
    for (int e = 0; e < 6; ++e) {
        cell(5 + e);
        QRadialGradient g(QPointF(7, 6), 12);
        g.setColorAt(0, scaled(tints[e], 1.4));
        g.setColorAt(1, scaled(tints[e], 0.7));
        p.setPen(QPen(ink, 1.0));
        p.setBrush(g);
        p.drawEllipse(QPointF(10, 10), 8.8, 8.8);
        outlinedTextCentred(p, 10, 15, QString::fromUtf8(marks[e]), gothic(12, true), QColor(255, 255, 255), ink, 1.2);
    }
    p.restore();
    p.end();
    return keyed(canvas, Qt::black, QColor(16, 16, 22));
}

// --- condition.bmp ---------------------------------------------------------------------------

struct StatusBadge {
    const char* mark;
    QColor colour;
};

// Cell k (x = 20k) shows the status named in docs/content.md.
const StatusBadge kBadges[kStatusCellCount] = {
    {"麻", QColor(230, 200, 30)},  {"毒", QColor(170, 60, 200)},  {"混", QColor(240, 120, 40)},
    {"転", QColor(180, 110, 60)},  {"攻", QColor(210, 50, 50)},   {"補", QColor(60, 140, 210)},
    {"特", QColor(150, 90, 220)},  {"封", QColor(90, 90, 110)},   {"SP", QColor(200, 120, 0)},
    {"命", QColor(40, 180, 90)},   {"呪", QColor(120, 30, 60)},   {"守", QColor(40, 110, 220)},
};

void badge(QPainter& p, int index) {
    const StatusBadge& b = kBadges[index];
    const QRectF cell(index * kStatusCell, 0, kStatusCell, kStatusCell);
    p.fillRect(cell, QColor(24, 26, 36));
    QLinearGradient g(0, 1, 0, 19);
    g.setColorAt(0, scaled(b.colour, 1.35));
    g.setColorAt(1, scaled(b.colour, 0.7));
    p.setPen(QPen(QColor(250, 250, 255), 1.0));
    p.setBrush(g);
    p.drawRoundedRect(cell.adjusted(1.5, 1.5, -1.5, -1.5), 4, 4);
    const bool seal = index >= 4 && index <= 6;
    const QFont font = gothic(std::string_view(b.mark) == "SP" ? 10 : 13, true);
    outlinedTextCentred(p, cell.center().x(), 15.2, QString::fromUtf8(b.mark), font, QColor(255, 255, 255), QColor(20, 10, 20), 1.3);
    if (seal || index == 8) {  // a bar across sealed and stopped things
        p.setPen(QPen(QColor(255, 60, 60, 230), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(cell.topLeft() + QPointF(4, 16), cell.topLeft() + QPointF(16, 4));
    }
}

// The ability markers: a red arrow up after a rise, a blue arrow down after a fall.
QImage markerArrow(bool up) {
    QImage canvas = transparentCanvas(kMarkerCell, kMarkerCell);
    QPainter p(&canvas);
    smooth(p);
    const double c = kMarkerCell / 2.0;
    QRadialGradient g(QPointF(c - 3, c - 3), 12);
    g.setColorAt(0, up ? QColor(255, 170, 120) : QColor(140, 190, 255));
    g.setColorAt(1, up ? QColor(200, 40, 30) : QColor(30, 70, 200));
    p.setPen(QPen(QColor(20, 20, 30), 1.0));
    p.setBrush(g);
    p.drawEllipse(QPointF(c, c), 9.5, 9.5);
    QPolygonF arrow;
    if (up) arrow << QPointF(c, 3.8) << QPointF(c + 5.5, 10) << QPointF(c + 2.2, 10) << QPointF(c + 2.2, 16) << QPointF(c - 2.2, 16) << QPointF(c - 2.2, 10) << QPointF(c - 5.5, 10);
    else arrow << QPointF(c, 17.2) << QPointF(c + 5.5, 11) << QPointF(c + 2.2, 11) << QPointF(c + 2.2, 5) << QPointF(c - 2.2, 5) << QPointF(c - 2.2, 11) << QPointF(c - 5.5, 11);
    p.setPen(QPen(QColor(40, 20, 20), 0.8));
    p.setBrush(QColor(255, 255, 250));
    p.drawPolygon(arrow);
    p.end();
    return canvas.convertToFormat(QImage::Format_ARGB32);
}

QImage conditionStrip() {
    QImage strip(kConditionWidth, kConditionHeight, QImage::Format_RGB32);
    strip.fill(Qt::black);
    QPainter p(&strip);
    smooth(p);
    for (int i = 0; i < kStatusCellCount; ++i) badge(p, i);
    p.end();
    // Masked sprites: the mask is black where the marker shows and white elsewhere (AND), the
    // picture holds the marker on black (OR).
    const struct { bool up; int maskX, pictureX; } markers[] = {{true, kMarkerMaskUpX, kMarkerUpX}, {false, kMarkerMaskDownX, kMarkerDownX}};
    for (const auto& m : markers) {
        const QImage arrow = markerArrow(m.up);
        for (int y = 0; y < kMarkerCell; ++y)
            for (int x = 0; x < kMarkerCell; ++x) {
                const QRgb px = arrow.pixel(x, y);
                const bool shown = qAlpha(px) >= 128;
                strip.setPixel(m.maskX + x, kMarkerRowY + y, shown ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
                const double a = qAlpha(px) / 255.0;
                strip.setPixel(m.pictureX + x, kMarkerRowY + y,
                               shown ? qRgb(static_cast<int>(qRed(px) * a), static_cast<int>(qGreen(px) * a), static_cast<int>(qBlue(px) * a))
                                     : qRgb(0, 0, 0));
            }
    }
    return strip;
}

}  // namespace

void writeBattleIcons(ContentFolder& out) {
    out.write("Image\\image02.bmp", encodeBmp24(effectStrip()));
    out.write("Image\\image03.bmp", encodeBmp24(iconStrip(kKanjiMarks)));
    out.write("Image\\image03_en.bmp", encodeBmp24(iconStrip(kEnglishMarks)));
    out.write("Image\\condition.bmp", encodeBmp24(conditionStrip()));
}

}  // namespace vex::assets
