#pragma once
// The landscape painter's tools. A stage is painted back to front on the battle frame
// (384 × 248): sky, far layers, the ground the monsters stand on (their feet are at y = 200),
// then near details. Layers are painted pixel by pixel where they need texture and with the
// toolkit's painter where they need shapes.

#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>
#include <vector>

#include "art_random.h"

namespace vex::assets {

inline constexpr int kStageWidth = 384;
inline constexpr int kStageHeight = 248;
inline constexpr int kFootLine = 200;

struct GradientStop {
    double at;
    QColor colour;
};
// A colour from a list of stops (at ascending from 0 to 1).
QColor gradientAt(const std::vector<GradientStop>& stops, double t);

// The height of a layer's top edge at every column (one value per x, 0 … width - 1).
using Skyline = std::vector<double>;

// A skyline of rolling or jagged hills: base line, amplitude, feature width (pixels per
// noise cell) and sharpness (0 = round hills, 1 = sharp peaks).
Skyline hills(uint32_t seed, double baseY, double amplitude, double featureWidth, double sharpness = 0.0);
Skyline flat(double y);

class Scene {
public:
    Scene();
    QImage& image() { return image_; }

    // Vertical gradient over the rows top … bottom.
    void verticalGradient(const std::vector<GradientStop>& stops, int top = 0, int bottom = kStageHeight);
    // Fills everything below the skyline; `colour` gets the pixel and its depth below the
    // edge. The edge is anti-aliased.
    void layer(const Skyline& edge, const std::function<QColor(int x, int y, double depth)>& colour);
    // Changes every pixel of a rectangle through a function (for glows, fog, textures).
    void shade(QRect area, const std::function<QColor(int x, int y, QColor current)>& change);
    // Multiplies brightness by 1 ± strength with fractal noise of the given cell size.
    void grain(QRect area, double strength, double cell, uint32_t seed);
    // A soft horizontal fog band, strongest at `centreY`.
    void fog(double centreY, double halfHeight, QColor colour, double strength);
    // A round glow (sun, lamp, crystal).
    void glow(QPointF centre, double radius, QColor colour, double strength);

    // Shapes.
    void cloud(QPointF centre, double width, double height, QColor light, QColor shadow, uint32_t seed);
    void pine(QPointF foot, double height, QColor dark, QColor light, QColor snow = QColor());
    void roundTree(QPointF foot, double height, QColor leaves, QColor trunk, uint32_t seed);
    void grassTufts(uint32_t seed, int count, double top, double bottom, QColor dark, QColor light);
    void flowers(uint32_t seed, int count, double top, double bottom, const std::vector<QColor>& colours);
    void stars(uint32_t seed, int count, double bottom, double maxSize = 1.6);
    void rock(QPointF foot, double width, double height, QColor light, QColor dark, uint32_t seed);

    QPainter& painter();  // a painter on the image; ends when a pixel step needs the image
    void endPainting();

private:
    QImage image_;
    std::unique_ptr<QPainter> painter_;
};

}  // namespace vex::assets
