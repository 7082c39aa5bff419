#include "vexmora/editor/monster_picture.h"

namespace vex {

namespace {

QByteArray formatOf(const std::string& imageFile) {
    const auto dot = imageFile.find_last_of('.');
    std::string ext = dot == std::string::npos ? imageFile.substr(imageFile.size() > 3 ? imageFile.size() - 3 : 0)
                                               : imageFile.substr(dot + 1);
    for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (ext == "jpeg" || ext == "peg") ext = "jpg";
    return QByteArray::fromStdString(ext);
}

}  // namespace

QImage monsterPicture(const std::string& bytes, const std::string& imageFile) {
    if (bytes.empty()) return {};
    const QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const QByteArray format = formatOf(imageFile);
    QImage image = QImage::fromData(data, format.constData());
    if (image.isNull()) image = QImage::fromData(data);
    if (image.isNull()) return {};
    if (format == "bmp") {
        image = image.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = image.pixel(0, 0);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF)) line[x] = 0;
        }
    }
    return image;
}

}  // namespace vex
