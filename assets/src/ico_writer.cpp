#include "byte_order.h"
#include "picture_codecs.h"

namespace vex::assets {

std::string encodeIco(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width(), h = image.height();
    const uint32_t maskRowBytes = ((static_cast<uint32_t>(w) + 31) / 32) * 4;
    const uint32_t colourBytes = static_cast<uint32_t>(w) * h * 4;
    const uint32_t maskBytes = maskRowBytes * static_cast<uint32_t>(h);
    const uint32_t dibBytes = 40 + colourBytes + maskBytes;

    std::string out;
    putLe16(out, 0);
    putLe16(out, 1);  // icon
    putLe16(out, 1);  // one image
    out += static_cast<char>(w >= 256 ? 0 : w);
    out += static_cast<char>(h >= 256 ? 0 : h);
    out += '\0';  // no palette
    out += '\0';
    putLe16(out, 1);   // planes
    putLe16(out, 32);  // bits per pixel
    putLe32(out, dibBytes);
    putLe32(out, 6 + 16);

    putLe32(out, 40);
    putLe32(out, static_cast<uint32_t>(w));
    putLe32(out, static_cast<uint32_t>(h) * 2);  // colour rows and mask rows
    putLe16(out, 1);
    putLe16(out, 32);
    putLe32(out, 0);
    putLe32(out, colourBytes + maskBytes);
    putLe32(out, 0);
    putLe32(out, 0);
    putLe32(out, 0);
    putLe32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            // Fully transparent pixels are stored black, as the AND mask expects.
            const QRgb p = qAlpha(row[x]) == 0 ? 0 : row[x];
            out += static_cast<char>(qBlue(p));
            out += static_cast<char>(qGreen(p));
            out += static_cast<char>(qRed(p));
            out += static_cast<char>(qAlpha(p));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::string bits(maskRowBytes, '\0');
        for (int x = 0; x < w; ++x)
            if (qAlpha(row[x]) < 128) bits[x / 8] = static_cast<char>(bits[x / 8] | (0x80 >> (x % 8)));
        out += bits;
    }
    return out;
}

}  // namespace vex::assets
