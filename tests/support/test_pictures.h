#pragma once
// Pictures written for the tests: in a format QImage writes, and GIFs with a palette and a
// transparent colour, which QImage does not write.

#include <QColor>
#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

namespace vex::test {

// The bytes of a picture in a format QImage writes ("BMP", "PNG").
std::string imageBytes(const QImage& image, const char* format);
// A GIF with a four-colour palette; `indices` holds one palette index a pixel, row by row,
// and pixels of `transparentIndex` are transparent.
std::string gifBytes(int width, int height, const std::vector<QColor>& palette, const std::vector<uint8_t>& indices,
                     int transparentIndex);

}  // namespace vex::test
