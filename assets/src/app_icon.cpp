#include "app_icon.h"

#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "monster_roster.h"
#include "paint_kit.h"
#include "picture_codecs.h"

namespace vex::assets {

namespace {

const MonsterDesign* fireDragon(const std::vector<MonsterDesign>& samples) {
    for (const MonsterDesign& design : samples)
        if (design.name == "ヒノコドラ") return &design;
    return samples.empty() ? nullptr : &samples.front();
}

}  // namespace

QImage appIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    smooth(p);
    // Small icons fill their square; large ones keep the theme's margin.
    const double margin = size < 32 ? 0.0 : size / 16.0;
    const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
    QPainterPath shape;
    shape.addRoundedRect(tile, tile.width() * 0.18, tile.width() * 0.18);
    QLinearGradient sky(tile.topLeft(), tile.bottomLeft());
    sky.setColorAt(0, QColor(24, 20, 70));
    sky.setColorAt(0.5, QColor(120, 60, 140));
    sky.setColorAt(0.8, QColor(250, 140, 90));
    sky.setColorAt(1, QColor(255, 210, 140));
    p.setPen(Qt::NoPen);
    p.fillPath(shape, sky);
    p.setClipPath(shape);
    QRadialGradient sun(QPointF(tile.center().x(), tile.bottom()), tile.width() * 0.55);
    sun.setColorAt(0, QColor(255, 250, 220, 230));
    sun.setColorAt(1, QColor(255, 160, 100, 0));
    p.fillRect(tile, sun);
    const std::vector<MonsterDesign> samples = sampleMonsters();
    if (const MonsterDesign* dragon = fireDragon(samples)) {
        const int side = static_cast<int>(tile.width() * 0.92);
        const QImage sprite = renderCreature(dragon->look, side, side).mirrored(true, false);
        p.drawImage(QPointF(tile.center().x() - side / 2.0, tile.bottom() - side), sprite);
    }
    p.setClipping(false);
    if (size >= 32) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(40, 20, 60, 200), std::max(1.0, size / 64.0)));
        p.drawPath(shape);
    }
    p.end();
    return image;
}

bool writeAppIcons(const std::string& folder, const std::string& name, std::string& problem) {
    for (const int size : kIconSizes) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(QString::fromStdString(folder)).arg(size);
        if (!QDir().mkpath(dir)) {
            problem = "cannot make " + dir.toStdString();
            return false;
        }
        const std::string bytes = encodePng(appIcon(size));
        QFile file(dir + QLatin1Char('/') + QString::fromStdString(name) + QStringLiteral(".png"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
            problem = "cannot write " + file.fileName().toStdString();
            return false;
        }
    }
    return true;
}

}  // namespace vex::assets
