// The title picture ("Image\title.png", 640 × 480) and the editor's background
// ("Image\image01.bmp", 640 × 480): the title shows the name over a sunset with monsters of the
// sample set; the editor's background is a quiet workshop pattern that keeps labels readable.

#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

#include "content.h"
#include "creatures.h"
#include "monster_roster.h"
#include "paint_kit.h"
#include "picture_codecs.h"
#include "stage_kit.h"

namespace vex::assets {

namespace {

constexpr int kScreenWidth = 640, kScreenHeight = 480;

const MonsterDesign* findDesign(const std::vector<MonsterDesign>& list, std::string_view name) {
    for (const MonsterDesign& d : list)
        if (d.name == name) return &d;
    return nullptr;
}

QImage titlePicture() {
    QImage image(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
    QPainter p(&image);
    smooth(p);
    QLinearGradient sky(0, 0, 0, kScreenHeight);
    sky.setColorAt(0, QColor(24, 20, 70));
    sky.setColorAt(0.45, QColor(120, 60, 140));
    sky.setColorAt(0.7, QColor(250, 140, 90));
    sky.setColorAt(1, QColor(255, 210, 140));
    p.fillRect(image.rect(), sky);
    // Stars in the upper sky.
    ArtRandom rnd(501);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 140; ++i) {
        const QPointF c(rnd.range(0, kScreenWidth), rnd.range(0, 220));
        p.setBrush(QColor(255, 255, 255, 60 + rnd.below(180)));
        const double r = std::pow(rnd.unit(), 3) * 1.8 + 0.4;
        p.drawEllipse(c, r, r);
    }
    // The setting sun behind the hills, and rays.
    const QPointF sun(320, 360);
    for (int i = 0; i < 18; ++i) {
        const double a = M_PI + i * M_PI / 17;
        QPainterPath ray;
        ray.moveTo(sun);
        ray.lineTo(sun + QPointF(std::cos(a - 0.05), std::sin(a - 0.05)) * 700);
        ray.lineTo(sun + QPointF(std::cos(a + 0.05), std::sin(a + 0.05)) * 700);
        ray.closeSubpath();
        p.setBrush(QColor(255, 230, 170, 26));
        p.drawPath(ray);
    }
    QRadialGradient glow(sun, 150);
    glow.setColorAt(0, QColor(255, 250, 220));
    glow.setColorAt(0.25, QColor(255, 220, 150, 230));
    glow.setColorAt(1, QColor(255, 160, 100, 0));
    p.setBrush(glow);
    p.drawEllipse(sun, 150, 150);
    // Layers of hills.
    const QColor hillColours[3] = {QColor(120, 70, 120), QColor(70, 50, 100), QColor(36, 30, 64)};
    for (int k = 0; k < 3; ++k) {
        QPainterPath hill;
        hill.moveTo(0, kScreenHeight);
        for (int x = 0; x <= kScreenWidth; x += 4) {
            const double y = 360 + k * 34 - 50 * fractalNoise(x / (140.0 - k * 30), k * 3.0, 510 + k, 3);
            hill.lineTo(x, y);
        }
        hill.lineTo(kScreenWidth, kScreenHeight);
        hill.closeSubpath();
        p.setBrush(hillColours[k]);
        p.drawPath(hill);
    }
    // Monsters of the sample set on the hills, facing the middle.
    const std::vector<MonsterDesign> samples = sampleMonsters();
    const std::vector<MonsterDesign> bosses = scenarioBosses();
    struct Placement { const MonsterDesign* design; QRectF box; bool mirror; };
    const Placement cast[] = {
        {findDesign(bosses, "カオス・グレヴァード"), QRectF(400, 208, 230, 230), false},
        {findDesign(samples, "ヒノコドラ"), QRectF(20, 270, 170, 170), true},
        {findDesign(samples, "カミナリドリ"), QRectF(160, 330, 120, 120), true},
        {findDesign(samples, "もげげ"), QRectF(300, 392, 70, 70), false},
        {findDesign(samples, "メタルもげげ"), QRectF(352, 404, 58, 58), false},
    };
    for (const Placement& c : cast) {
        if (!c.design) continue;
        QImage sprite = renderCreature(c.design->look, static_cast<int>(c.box.width()), static_cast<int>(c.box.height()));
        if (c.mirror) sprite = sprite.mirrored(true, false);
        p.drawImage(c.box.topLeft(), sprite);
    }
    // The name.
    QFont logo = gothic(86, true);
    logo.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    QPainterPath text;
    text.addText(QPointF(0, 0), logo, "VEXMORA");
    const QRectF box = text.boundingRect();
    text.translate(kScreenWidth / 2.0 - box.center().x(), 130 - box.center().y());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 10, 50), 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(text.translated(4, 5));
    p.setPen(QPen(QColor(255, 250, 230), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(text);
    QLinearGradient face(0, 80, 0, 180);
    face.setColorAt(0, QColor(255, 240, 120));
    face.setColorAt(0.5, QColor(255, 150, 40));
    face.setColorAt(1, QColor(220, 40, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawPath(text);
    p.setBrush(QColor(255, 255, 255, 80));
    p.save();
    p.setClipRect(QRectF(0, 0, kScreenWidth, 122));
    p.drawPath(text);
    p.restore();
    outlinedTextCentred(p, kScreenWidth / 2.0, 210, QString::fromUtf8("～ モンスター対戦ゲーム ～"), gothic(24, true), QColor(255, 255, 255),
                        QColor(60, 20, 80), 3);
    p.end();
    return image;
}

QImage editorBackground() {
    QImage image(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
    QPainter p(&image);
    smooth(p);
    QLinearGradient wash(0, 0, kScreenWidth, kScreenHeight);
    wash.setColorAt(0, QColor(232, 240, 252));
    wash.setColorAt(1, QColor(214, 226, 244));
    p.fillRect(image.rect(), wash);
    // A faint hexagon grid, like the pages of a monster designer's notebook.
    p.setPen(QPen(QColor(180, 198, 230), 1.0));
    p.setBrush(Qt::NoBrush);
    const double r = 18, w = r * std::sqrt(3.0);
    for (int row = -1; row * r * 1.5 < kScreenHeight + r; ++row)
        for (int col = -1; col * w < kScreenWidth + w; ++col) {
            const QPointF c(col * w + (row % 2 ? w / 2 : 0), row * r * 1.5);
            QPolygonF hex;
            for (int i = 0; i < 6; ++i) hex << c + QPointF(std::cos(M_PI / 6 + i * M_PI / 3) * r, std::sin(M_PI / 6 + i * M_PI / 3) * r);
            p.drawPolygon(hex);
        }
    // Gears in two corners, very light.
    auto gear = [&](QPointF c, double radius, int teeth) {
        QPainterPath path;
        for (int i = 0; i < teeth * 2; ++i) {
            const double a = i * M_PI / teeth;
            const double rr = i % 2 ? radius * 0.82 : radius;
            const QPointF at = c + QPointF(std::cos(a), std::sin(a)) * rr;
            if (i == 0) path.moveTo(at);
            else path.lineTo(at);
        }
        path.closeSubpath();
        path.addEllipse(c, radius * 0.35, radius * 0.35);
        p.setPen(QPen(QColor(170, 188, 222), 2));
        p.setBrush(QColor(200, 214, 240, 120));
        p.drawPath(path);
    };
    gear(QPointF(600, 440), 70, 14);
    gear(QPointF(520, 470), 36, 10);
    gear(QPointF(30, 20), 46, 12);
    // A band along the top for the form's title area.
    QLinearGradient band(0, 0, 0, 6);
    band.setColorAt(0, QColor(110, 140, 210));
    band.setColorAt(1, QColor(160, 186, 236));
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRect(QRectF(0, 0, kScreenWidth, 6));
    p.end();
    return image;
}

}  // namespace

void writeScreens(ContentFolder& out) {
    out.write("Image\\title.png", encodePng(titlePicture()));
    out.write("Image\\image01.bmp", encodeBmp24(editorBackground()));
}

}  // namespace vex::assets
