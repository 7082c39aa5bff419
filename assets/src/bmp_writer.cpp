#include "byte_order.h"
#include "picture_codecs.h"

namespace vex::assets {

std::string encodeBmp24(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    const uint32_t rowBytes = (static_cast<uint32_t>(w) * 3 + 3) & ~3u;
    const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(h);
    constexpr uint32_t kHeaders = 14 + 40;

    std::string out;
    out.reserve(kHeaders + pixelBytes);
    out += "BM";
    putLe32(out, kHeaders + pixelBytes);
    putLe32(out, 0);
    putLe32(out, kHeaders);
    putLe32(out, 40);  // BITMAPINFOHEADER
    putLe32(out, static_cast<uint32_t>(w));
    putLe32(out, static_cast<uint32_t>(h));  // positive: bottom-up rows
    putLe16(out, 1);
    putLe16(out, 24);
    putLe32(out, 0);  // BI_RGB
    putLe32(out, pixelBytes);
    putLe32(out, 2835);  // 72 dpi
    putLe32(out, 2835);
    putLe32(out, 0);
    putLe32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out += static_cast<char>(qBlue(row[x]));
            out += static_cast<char>(qGreen(row[x]));
            out += static_cast<char>(qRed(row[x]));
        }
        out.append(rowBytes - static_cast<uint32_t>(w) * 3, '\0');
    }
    return out;
}

}  // namespace vex::assets
