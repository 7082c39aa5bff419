#include "paint_kit.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>

namespace vex::assets {

QFont gothic(int pixelSize, bool bold) {
    QFont font("IPAGothic");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QColor mix(QColor a, QColor b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor scaled(QColor c, double factor) {
    auto ch = [factor](int v) { return std::clamp(static_cast<int>(v * factor + 0.5), 0, 255); };
    return QColor(ch(c.red()), ch(c.green()), ch(c.blue()), c.alpha());
}

QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

void outlinedText(QPainter& p, QPointF baseline, const QString& text, const QFont& font, QColor fill,
                  QColor outline, double outlineWidth) {
    QPainterPath path;
    path.addText(baseline, font, text);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    if (outlineWidth > 0) {
        p.setPen(QPen(outline, outlineWidth * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

void outlinedTextCentred(QPainter& p, double centreX, double baselineY, const QString& text, const QFont& font,
                         QColor fill, QColor outline, double outlineWidth) {
    const double width = QFontMetricsF(font).horizontalAdvance(text);
    outlinedText(p, QPointF(centreX - width / 2, baselineY), text, font, fill, outline, outlineWidth);
}

void crisp(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}


QImage keyed(const QImage& painted, QColor key, QColor edge) {
    const QImage src = painted.convertToFormat(QImage::Format_ARGB32);
    QImage out(src.size(), QImage::Format_RGB32);
    const QRgb keyRgb = key.rgb();
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        QRgb* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a < 128) {
                row[x] = keyRgb;
                continue;
            }
            const double t = a / 255.0;
            QRgb c = qRgb(static_cast<int>(qRed(in[x]) * t + edge.red() * (1 - t) + 0.5),
                          static_cast<int>(qGreen(in[x]) * t + edge.green() * (1 - t) + 0.5),
                          static_cast<int>(qBlue(in[x]) * t + edge.blue() * (1 - t) + 0.5));
            if ((c & 0xFFFFFF) == (keyRgb & 0xFFFFFF)) c = qRgb(qRed(c) ^ 1, qGreen(c), qBlue(c));
            row[x] = c;
        }
    }
    return out;
}

QImage transparentCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}


QImage withBorder(const QImage& picture, int radius, QColor colour) {
    const QImage src = picture.convertToFormat(QImage::Format_ARGB32);
    QImage out = transparentCanvas(src.width(), src.height());
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x) {
            int cover = 0;
            for (int dy = -radius; dy <= radius; ++dy)
                for (int dx = -radius; dx <= radius; ++dx) {
                    const int xx = x + dx, yy = y + dy;
                    if (dx * dx + dy * dy > radius * radius || !src.rect().contains(xx, yy)) continue;
                    cover = std::max(cover, qAlpha(src.pixel(xx, yy)));
                }
            if (cover > 0) out.setPixel(x, y, qPremultiply(qRgba(colour.red(), colour.green(), colour.blue(), cover)));
        }
    QPainter p(&out);
    p.drawImage(0, 0, src);
    p.end();
    return out;
}

}  // namespace vex::assets
