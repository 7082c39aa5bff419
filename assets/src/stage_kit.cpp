#include "stage_kit.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "paint_kit.h"

namespace vex::assets {

QColor gradientAt(const std::vector<GradientStop>& stops, double t) {
    if (t <= stops.front().at) return stops.front().colour;
    for (size_t i = 1; i < stops.size(); ++i)
        if (t <= stops[i].at)
            return mix(stops[i - 1].colour, stops[i].colour, (t - stops[i - 1].at) / (stops[i].at - stops[i - 1].at));
    return stops.back().colour;
}

Skyline hills(uint32_t seed, double baseY, double amplitude, double featureWidth, double sharpness) {
    Skyline edge(kStageWidth);
    for (int x = 0; x < kStageWidth; ++x) {
        const double n = fractalNoise(x / featureWidth, 0.5, seed, 4);
        const double ridged = 1.0 - std::abs(2.0 * fractalNoise(x / featureWidth, 3.5, seed + 7, 4) - 1.0);
        const double v = n * (1.0 - sharpness) + ridged * sharpness;
        edge[x] = baseY - amplitude * v;
    }
    return edge;
}

Skyline flat(double y) { return Skyline(kStageWidth, y); }

Scene::Scene() : image_(kStageWidth, kStageHeight, QImage::Format_RGB32) { image_.fill(Qt::black); }

QPainter& Scene::painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        smooth(*painter_);
    }
    return *painter_;
}

void Scene::endPainting() { painter_.reset(); }

void Scene::verticalGradient(const std::vector<GradientStop>& stops, int top, int bottom) {
    endPainting();
    for (int y = std::max(0, top); y < std::min(kStageHeight, bottom); ++y) {
        const QRgb c = gradientAt(stops, (y - top + 0.5) / std::max(1, bottom - top)).rgb();
        QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(row, row + kStageWidth, c);
    }
}

void Scene::layer(const Skyline& edge, const std::function<QColor(int, int, double)>& colour) {
    endPainting();
    for (int x = 0; x < kStageWidth; ++x) {
        const double top = edge[x];
        for (int y = std::max(0, static_cast<int>(std::floor(top))); y < kStageHeight; ++y) {
            const double coverage = std::clamp(y + 1 - top, 0.0, 1.0);
            if (coverage <= 0) continue;
            QRgb& px = reinterpret_cast<QRgb*>(image_.scanLine(y))[x];
            const QColor c = colour(x, y, std::max(0.0, y - top));
            px = coverage >= 1 ? c.rgb() : mix(QColor(px), c, coverage).rgb();
        }
    }
}

void Scene::shade(QRect area, const std::function<QColor(int, int, QColor)>& change) {
    endPainting();
    area = area.intersected(image_.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) row[x] = change(x, y, QColor(row[x])).rgb();
    }
}

void Scene::grain(QRect area, double strength, double cell, uint32_t seed) {
    shade(area, [&](int x, int y, QColor c) {
        const double n = fractalNoise(x / cell, y / cell, seed, 3) * 2 - 1;
        return scaled(c, 1.0 + strength * n);
    });
}

void Scene::fog(double centreY, double halfHeight, QColor colour, double strength) {
    shade(QRect(0, static_cast<int>(centreY - halfHeight), kStageWidth, static_cast<int>(2 * halfHeight) + 1),
          [&](int, int y, QColor c) {
              const double d = std::abs(y - centreY) / halfHeight;
              return mix(c, colour, strength * std::max(0.0, 1 - d * d));
          });
}

void Scene::glow(QPointF centre, double radius, QColor colour, double strength) {
    shade(QRect(static_cast<int>(centre.x() - radius), static_cast<int>(centre.y() - radius),
                static_cast<int>(2 * radius) + 1, static_cast<int>(2 * radius) + 1),
          [&](int x, int y, QColor c) {
              const double d = std::hypot(x - centre.x(), y - centre.y()) / radius;
              if (d >= 1) return c;
              const double k = strength * (1 - d) * (1 - d);
              return QColor(std::min(255, c.red() + static_cast<int>(colour.red() * k)),
                            std::min(255, c.green() + static_cast<int>(colour.green() * k)),
                            std::min(255, c.blue() + static_cast<int>(colour.blue() * k)));
          });
}

void Scene::cloud(QPointF centre, double width, double height, QColor light, QColor shadow, uint32_t seed) {
    ArtRandom rnd(seed);
    QPainter& p = painter();
    p.setPen(Qt::NoPen);
    const int puffs = 5 + rnd.below(4);
    struct Puff { QPointF c; double r; };
    std::vector<Puff> list;
    for (int i = 0; i < puffs; ++i) {
        const double t = (i + 0.5) / puffs;
        const double r = height * (0.45 + 0.35 * std::sin(t * M_PI)) * rnd.range(0.8, 1.15);
        list.push_back({QPointF(centre.x() - width / 2 + t * width, centre.y() - r * 0.35 + rnd.range(-2, 2)), r});
    }
    for (const Puff& puff : list) {  // shadow under each puff
        QRadialGradient g(puff.c + QPointF(0, puff.r * 0.25), puff.r);
        g.setColorAt(0, withAlpha(shadow, 230));
        g.setColorAt(0.85, withAlpha(shadow, 200));
        g.setColorAt(1, withAlpha(shadow, 0));
        p.setBrush(g);
        p.drawEllipse(puff.c + QPointF(0, puff.r * 0.25), puff.r, puff.r * 0.8);
    }
    for (const Puff& puff : list) {
        QRadialGradient g(puff.c - QPointF(puff.r * 0.2, puff.r * 0.35), puff.r);
        g.setColorAt(0, light);
        g.setColorAt(0.75, withAlpha(mix(light, shadow, 0.3), 240));
        g.setColorAt(1, withAlpha(mix(light, shadow, 0.5), 0));
        p.setBrush(g);
        p.drawEllipse(puff.c, puff.r, puff.r * 0.78);
    }
}

void Scene::pine(QPointF foot, double height, QColor dark, QColor light, QColor snow) {
    QPainter& p = painter();
    p.setPen(Qt::NoPen);
    p.setBrush(scaled(dark, 0.6));
    p.drawRect(QRectF(foot.x() - height * 0.04, foot.y() - height * 0.16, height * 0.08, height * 0.16));
    const int tiers = 4;
    for (int i = 0; i < tiers; ++i) {
        const double t = static_cast<double>(i) / tiers;
        const double bottom = foot.y() - height * (0.12 + 0.8 * t * 0.92);
        const double top = bottom - height * 0.36;
        const double half = height * 0.3 * (1.0 - t * 0.65);
        QPainterPath path;
        path.moveTo(foot.x(), top);
        path.quadTo(foot.x() + half * 0.5, bottom - height * 0.1, foot.x() + half, bottom);
        path.quadTo(foot.x(), bottom - height * 0.05, foot.x() - half, bottom);
        path.quadTo(foot.x() - half * 0.5, bottom - height * 0.1, foot.x(), top);
        QLinearGradient g(foot.x() - half, 0, foot.x() + half, 0);
        g.setColorAt(0, light);
        g.setColorAt(0.55, dark);
        g.setColorAt(1, scaled(dark, 0.7));
        p.setBrush(g);
        p.drawPath(path);
        if (snow.isValid()) {
            QPainterPath cap;
            cap.moveTo(foot.x(), top);
            cap.quadTo(foot.x() + half * 0.35, top + (bottom - top) * 0.45, foot.x() + half * 0.55, top + (bottom - top) * 0.62);
            cap.quadTo(foot.x(), top + (bottom - top) * 0.5, foot.x() - half * 0.6, top + (bottom - top) * 0.66);
            cap.quadTo(foot.x() - half * 0.3, top + (bottom - top) * 0.4, foot.x(), top);
            p.setBrush(snow);
            p.drawPath(cap);
        }
    }
}

void Scene::roundTree(QPointF foot, double height, QColor leaves, QColor trunk, uint32_t seed) {
    QPainter& p = painter();
    p.setPen(Qt::NoPen);
    QPainterPath stem;
    const double w = height * 0.07;
    stem.moveTo(foot.x() - w * 1.6, foot.y());
    stem.quadTo(foot.x() - w * 0.6, foot.y() - height * 0.2, foot.x() - w * 0.7, foot.y() - height * 0.55);
    stem.lineTo(foot.x() + w * 0.7, foot.y() - height * 0.55);
    stem.quadTo(foot.x() + w * 0.6, foot.y() - height * 0.2, foot.x() + w * 1.6, foot.y());
    stem.closeSubpath();
    QLinearGradient tg(foot.x() - w, 0, foot.x() + w, 0);
    tg.setColorAt(0, scaled(trunk, 1.25));
    tg.setColorAt(1, scaled(trunk, 0.7));
    p.setBrush(tg);
    p.drawPath(stem);
    const QPointF crown(foot.x(), foot.y() - height * 0.68);
    const double r = height * 0.3;
    for (int pass = 0; pass < 2; ++pass) {
        ArtRandom blobs(seed + 11);
        for (int i = 0; i < 9; ++i) {
            const double a = i * 0.7 + blobs.range(0, 0.5);
            const QPointF c = crown + QPointF(std::cos(a) * r * 0.62, std::sin(a) * r * 0.42 - 0.1 * r);
            const double br = r * blobs.range(0.45, 0.62);
            if (pass == 0) {
                p.setBrush(scaled(leaves, 0.62));
                p.drawEllipse(c + QPointF(br * 0.12, br * 0.18), br, br * 0.92);
            } else {
                QRadialGradient g(c - QPointF(br * 0.35, br * 0.45), br * 1.1);
                g.setColorAt(0, scaled(leaves, 1.3));
                g.setColorAt(0.7, leaves);
                g.setColorAt(1, scaled(leaves, 0.75));
                p.setBrush(g);
                p.drawEllipse(c, br * 0.9, br * 0.82);
            }
        }
    }
}

void Scene::grassTufts(uint32_t seed, int count, double top, double bottom, QColor dark, QColor light) {
    ArtRandom rnd(seed);
    QPainter& p = painter();
    for (int i = 0; i < count; ++i) {
        const double y = rnd.range(top, bottom);
        const double x = rnd.range(-4, kStageWidth + 4);
        const double depth = (y - top) / std::max(1.0, bottom - top);
        const double h = 3 + 7 * depth * rnd.range(0.6, 1.2);
        const int blades = 3 + rnd.below(3);
        for (int b = 0; b < blades; ++b) {
            const double lean = rnd.range(-0.7, 0.7);
            QPainterPath blade;
            blade.moveTo(x + b * 1.2 - 1.5, y);
            blade.quadTo(x + b * 1.2 + lean * h * 0.3, y - h * 0.6, x + b * 1.2 + lean * h * 0.8, y - h);
            p.setPen(QPen(mix(dark, light, rnd.unit()), 1.0 + depth * 0.6, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(blade);
        }
    }
}

void Scene::flowers(uint32_t seed, int count, double top, double bottom, const std::vector<QColor>& colours) {
    ArtRandom rnd(seed);
    QPainter& p = painter();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double y = rnd.range(top, bottom);
        const double x = rnd.range(0, kStageWidth);
        const double depth = (y - top) / std::max(1.0, bottom - top);
        const double r = 0.9 + 1.6 * depth;
        const QColor c = colours[static_cast<size_t>(rnd.below(static_cast<int>(colours.size())))];
        p.setBrush(c);
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5;
            p.drawEllipse(QPointF(x + std::cos(a) * r, y + std::sin(a) * r * 0.7), r * 0.75, r * 0.6);
        }
        p.setBrush(QColor(255, 230, 120));
        p.drawEllipse(QPointF(x, y), r * 0.5, r * 0.45);
    }
}

void Scene::stars(uint32_t seed, int count, double bottom, double maxSize) {
    ArtRandom rnd(seed);
    QPainter& p = painter();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF c(rnd.range(0, kStageWidth), rnd.range(0, bottom));
        const double size = std::pow(rnd.unit(), 3.0) * maxSize + 0.35;
        const int a = 110 + rnd.below(146);
        const QColor tint = rnd.chance(0.2) ? QColor(255, 220, 190) : rnd.chance(0.25) ? QColor(190, 210, 255) : QColor(255, 255, 255);
        p.setBrush(withAlpha(tint, a));
        p.drawEllipse(c, size, size);
        if (size > maxSize * 0.75) {
            p.setPen(QPen(withAlpha(tint, a / 2), 0.6));
            p.drawLine(c - QPointF(size * 3, 0), c + QPointF(size * 3, 0));
            p.drawLine(c - QPointF(0, size * 3), c + QPointF(0, size * 3));
            p.setPen(Qt::NoPen);
        }
    }
}

void Scene::rock(QPointF foot, double width, double height, QColor light, QColor dark, uint32_t seed) {
    ArtRandom rnd(seed);
    QPainter& p = painter();
    QPainterPath path;
    const int n = 9;
    path.moveTo(foot.x() - width / 2, foot.y());
    for (int i = 1; i < n; ++i) {
        const double t = static_cast<double>(i) / n;
        const double bulge = std::sin(t * M_PI);
        path.lineTo(foot.x() - width / 2 + t * width, foot.y() - height * bulge * rnd.range(0.75, 1.05));
    }
    path.lineTo(foot.x() + width / 2, foot.y());
    path.closeSubpath();
    QLinearGradient g(foot.x() - width / 3, foot.y() - height, foot.x() + width / 3, foot.y());
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    p.setPen(QPen(scaled(dark, 0.7), 0.8));
    p.setBrush(g);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(QColor(0, 0, 0), 60));
    p.drawEllipse(QPointF(foot.x(), foot.y() + 1), width * 0.55, 2.2);
}

}  // namespace vex::assets
