#pragma once
// Picture files written byte by byte, so the same image always gives the same file.
//   BMP: 24-bit, uncompressed, bottom-up (the format every picture of "Image" uses).
//   GIF: GIF89a, one frame, a palette of at most 255 colours found by median cut, and one
//        transparent index for every pixel whose alpha is below half.
//   ICO: one 32-bit image with its alpha channel and the AND mask older readers use.
//   PNG and JPEG go through the toolkit's writers.

#include <QImage>
#include <string>

namespace vex::assets {

std::string encodeBmp24(const QImage& image);
std::string encodeGif(const QImage& image);
std::string encodeIco(const QImage& image);
std::string encodePng(const QImage& image);
std::string encodeJpg(const QImage& image, int quality);

}  // namespace vex::assets
