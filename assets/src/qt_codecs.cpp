#include <QBuffer>
#include <QImageWriter>

#include "picture_codecs.h"

namespace vex::assets {

namespace {

std::string writeWithToolkit(const QImage& image, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0) writer.setQuality(quality);
    if (!writer.write(image)) return {};
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace

std::string encodePng(const QImage& image) { return writeWithToolkit(image, "png", -1); }

std::string encodeJpg(const QImage& image, int quality) {
    return writeWithToolkit(image.convertToFormat(QImage::Format_RGB32), "jpeg", quality);
}

}  // namespace vex::assets
