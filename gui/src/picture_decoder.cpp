#include "vexmora/gui/picture_decoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <mutex>

namespace vex::gui {

namespace {

Error refused(std::string text) { return Error{"読み込みエラー", std::move(text)}; }

// Qt's own guard against a header that claims more than it holds (an icon may carry a PNG of
// any size inside). It is one setting for the whole process: the game reads no picture that
// needs more, so it is lowered once, never raised.
void limitAllocations() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (QImageReader::allocationLimit() <= 0 || QImageReader::allocationLimit() > kDecodeAllocationMegabytes)
            QImageReader::setAllocationLimit(kDecodeAllocationMegabytes);
    });
}

// Transparent wherever the picture has the colour of its top-left pixel.
void keyTopLeftColour(QImage& image) {
    const QRgb corner = image.pixel(0, 0);
    if (qAlpha(corner) < 128) return;  // the picture brings its own transparency
    const QRgb key = corner & 0xFFFFFF;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key) line[x] = 0;
    }
}

}  // namespace

Result<DecodedPicture> decodeMonsterPicture(std::string_view bytes) {
    if (auto refusal = pictureBytesRefusal(bytes)) return refused(*refusal);
    const PictureFormat format = pictureFormatOf(bytes);
    limitAllocations();

    // Read in place: the bytes are neither copied nor kept.
    const QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer;
    buffer.setData(data);
    if (!buffer.open(QIODevice::ReadOnly)) return refused(kPictureDamagedText);
    QImageReader reader(&buffer, pictureFormatName(format));
    reader.setAutoDetectImageFormat(false);  // the format the bytes begin as, and no other
    reader.setDecideFormatFromContent(false);

    const QSize claimed = reader.size();
    if (claimed.isValid())
        if (auto refusal = pictureDimensionRefusal(claimed.width(), claimed.height())) return refused(*refusal);

    QImage image;
    if (!reader.read(&image) || image.isNull()) return refused(kPictureDamagedText);
    if (auto refusal = pictureDimensionRefusal(image.width(), image.height())) return refused(*refusal);

    DecodedPicture picture;
    picture.format = format;
    picture.image = image.convertToFormat(QImage::Format_ARGB32);
    if (!keepsOwnTransparency(format)) keyTopLeftColour(picture.image);
    return picture;
}

std::optional<std::string> monsterPictureRefusal(std::string_view bytes) {
    auto decoded = decodeMonsterPicture(bytes);
    if (decoded) return std::nullopt;
    return decoded.error().message;
}

}  // namespace vex::gui
