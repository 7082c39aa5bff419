// The speech bubbles (image04.bmp) and their shadow (image04Mask.bmp), the command row strip
// (image02Mask.bmp) and the emotion gauge (kanjo.bmp).

#include <QPainterPath>
#include <cmath>

#include "battle_layout.h"
#include "battle_pictures.h"
#include "paint_kit.h"
#include "picture_codecs.h"

namespace vex::assets {

namespace {

using namespace layout;

QPainterPath ordinaryBubble(double top) {
    QPainterPath body;
    body.addRoundedRect(QRectF(3, top + 3, kBubbleWidth - 6, 38), 15, 15);
    QPainterPath tail;
    tail.moveTo(26, top + 36);
    tail.quadTo(22, top + 48, 10, top + 53);
    tail.quadTo(30, top + 49, 44, top + 38);
    tail.closeSubpath();
    return body.united(tail);
}

QPainterPath shoutBubble(double top) {
    QPainterPath path;
    const QPointF c(kBubbleWidth / 2.0, top + 22);
    const int spikes = 22;
    for (int i = 0; i < spikes * 2; ++i) {
        const double a = i * M_PI / spikes;
        const double r = i % 2 ? 0.84 : 1.0;
        const QPointF at = c + QPointF(std::cos(a) * (kBubbleWidth / 2.0 - 3) * r, std::sin(a) * 20.5 * (i % 2 ? 0.78 : 1.0));
        if (i == 0) path.moveTo(at);
        else path.lineTo(at);
    }
    path.closeSubpath();
    QPainterPath tail;
    tail.moveTo(30, top + 34);
    tail.lineTo(8, top + 54);
    tail.lineTo(50, top + 38);
    tail.closeSubpath();
    return path.united(tail);
}

QPainterPath thoughtBubble(double top) {
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    cloud.addRoundedRect(QRectF(10, top + 6, kBubbleWidth - 20, 32), 14, 14);
    for (int i = 0; i < 9; ++i) {
        const double x = 22 + i * 24.5;
        cloud.addEllipse(QPointF(x, top + 10 + (i % 2) * 1.5), 13, 8);
        cloud.addEllipse(QPointF(x + 8, top + 35 - (i % 2) * 1.5), 13, 7);
    }
    cloud.addEllipse(QPointF(9, top + 22), 7, 12);
    cloud.addEllipse(QPointF(kBubbleWidth - 9, top + 22), 7, 12);
    cloud = cloud.simplified();
    cloud.addEllipse(QPointF(17, top + 47), 4, 3.2);
    cloud.addEllipse(QPointF(9, top + 53), 2.6, 2.2);
    return cloud;
}

QPainterPath bubbleShape(int kind) {
    const double top = kind * kBubbleHeight;
    if (kind == 1) return shoutBubble(top);
    if (kind == 2) return thoughtBubble(top);
    return ordinaryBubble(top);
}

QImage bubbles() {
    QImage canvas = transparentCanvas(kBubbleWidth, kBubbleHeight * kBubbleKinds);
    QPainter p(&canvas);
    smooth(p);
    for (int kind = 0; kind < kBubbleKinds; ++kind) {
        const double top = kind * kBubbleHeight;
        QLinearGradient fill(0, top, 0, top + 44);
        fill.setColorAt(0, QColor(255, 255, 255));
        fill.setColorAt(1, kind == 1 ? QColor(255, 240, 200) : QColor(236, 240, 250));
        p.setPen(QPen(QColor(40, 42, 60), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(fill);
        p.drawPath(bubbleShape(kind));
    }
    p.end();
    return keyed(canvas, Qt::black, QColor(40, 42, 60));
}

QImage bubbleShadows() {
    QImage image(kBubbleWidth, kBubbleHeight * kBubbleKinds, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 76));
    for (int kind = 0; kind < kBubbleKinds; ++kind) p.drawPath(bubbleShape(kind).translated(3, 3));
    p.end();
    return image;
}

// Subtracted under each command row: a band of dark blue glass, lighter at its edges.
QImage rowStrip() {
    QImage strip(kRowStripWidth, kRowStripHeight, QImage::Format_RGB32);
    for (int y = 0; y < kRowStripHeight; ++y) {
        const double edge = std::min(y, kRowStripHeight - 1 - y);
        const double k = edge < 1 ? 0.35 : edge < 2 ? 0.75 : 1.0;
        const QColor c(static_cast<int>(150 * k), static_cast<int>(130 * k), static_cast<int>(70 * k));
        for (int x = 0; x < kRowStripWidth; ++x) strip.setPixel(x, y, c.rgb());
    }
    return strip;
}

QImage gauge() {
    QImage image(kGaugeWidth, kGaugeRowHeight * 2, QImage::Format_RGB32);
    image.fill(QColor(20, 22, 30));
    QPainter p(&image);
    smooth(p);
    for (int row = 0; row < 2; ++row) {
        const double top = row * kGaugeRowHeight;
        const bool lit = row == 0;
        QLinearGradient frame(0, top, 0, top + kGaugeRowHeight);
        frame.setColorAt(0, QColor(220, 226, 240));
        frame.setColorAt(1, QColor(100, 108, 130));
        p.setPen(QPen(QColor(20, 22, 30), 1.0));
        p.setBrush(frame);
        p.drawRoundedRect(QRectF(0.5, top + 1.5, kGaugeWidth - 1, kGaugeRowHeight - 3), 5, 5);
        QLinearGradient bar(kGaugeInnerLeft, 0, kGaugeInnerLeft + kGaugeInnerWidth, 0);
        const double dim = lit ? 1.0 : 0.32;
        bar.setColorAt(0, scaled(QColor(40, 110, 255), dim));
        bar.setColorAt(0.5, scaled(QColor(236, 236, 244), dim));
        bar.setColorAt(1, scaled(QColor(255, 50, 40), dim));
        p.setPen(Qt::NoPen);
        p.setBrush(bar);
        p.drawRect(QRectF(kGaugeInnerLeft, top + 4, kGaugeInnerWidth, kGaugeRowHeight - 8));
        p.setBrush(QColor(255, 255, 255, lit ? 90 : 30));
        p.drawRect(QRectF(kGaugeInnerLeft, top + 4, kGaugeInnerWidth, 2));
        p.setPen(QPen(QColor(30, 30, 40), 1.0));
        p.drawLine(QPointF(kGaugeInnerLeft + 50.5, top + 3), QPointF(kGaugeInnerLeft + 50.5, top + kGaugeRowHeight - 3));
    }
    p.end();
    return image;
}

}  // namespace

void writeBubbleAndGauge(ContentFolder& out) {
    out.write("Image\\image04.bmp", encodeBmp24(bubbles()));
    out.write("Image\\image04Mask.bmp", encodeBmp24(bubbleShadows()));
    out.write("Image\\image02Mask.bmp", encodeBmp24(rowStrip()));
    out.write("Image\\kanjo.bmp", encodeBmp24(gauge()));
}

void writeBattlePictures(ContentFolder& out) {
    writeStatusWindows(out);
    writeBattleIcons(out);
    writeBubbleAndGauge(out);
}

}  // namespace vex::assets
