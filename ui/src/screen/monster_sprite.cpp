#include "vexmora/ui/monster_sprite.h"

#include <QByteArray>
#include <QImage>
#include <algorithm>

#include "vexmora/ui/battle_geometry.h"

namespace vex::ui {

namespace {

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text;
}

QByteArray formatHint(const std::string& imageFile) {
    std::string name = lower(imageFile);
    const auto dot = name.find_last_of('.');
    std::string ext = dot == std::string::npos ? (name.size() > 3 ? name.substr(name.size() - 3) : name) : name.substr(dot + 1);
    if (ext == "jpeg" || ext == "peg") ext = "jpg";
    return QByteArray::fromStdString(ext);
}

}  // namespace

bool keepsOwnTransparency(const std::string& imageFile) {
    const std::string name = lower(imageFile);
    return name.size() >= 3 && (name.ends_with("ico") || name.ends_with("gif"));
}

Sprite monsterSprite(const MonsterPictureSource& source, int side) {
    if (source.bytes.empty()) return {};
    const QByteArray data(source.bytes.data(), static_cast<qsizetype>(source.bytes.size()));
    QImage decoded = QImage::fromData(data, formatHint(source.imageFile).constData());
    if (decoded.isNull()) decoded = QImage::fromData(data);
    if (decoded.isNull()) return {};
    QImage image = decoded.convertToFormat(QImage::Format_ARGB32);
    if (!keepsOwnTransparency(source.imageFile)) {
        // Transparent wherever the picture has the colour of its top-left pixel.
        const QRgb key = image.pixel(0, 0) & 0xFFFFFF;
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((line[x] & 0xFFFFFF) == key) line[x] = 0;
        }
    }
    const int width = monsterDisplaySize(source.imageSize);
    const int height = monsterDisplayHeight(width, image.width(), image.height());
    QImage scaled = image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                        .scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_ARGB32);
    const bool mirror = (source.flipSide == 1 && side == 0) || (source.flipSide == 2 && side == 1);
    if (mirror) scaled = scaled.mirrored(true, false);

    Sprite sprite;
    sprite.width = width;
    sprite.height = height;
    sprite.picture.assign(static_cast<size_t>(3) * width * height, 0);
    sprite.mask.assign(static_cast<size_t>(3) * width * height, 0);
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(scaled.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const size_t at = static_cast<size_t>(3) * (static_cast<size_t>(width) * y + x);
            if (qAlpha(line[x]) < 128) {
                sprite.mask[at] = sprite.mask[at + 1] = sprite.mask[at + 2] = 255;
            } else {
                sprite.picture[at] = static_cast<uint8_t>(qBlue(line[x]));
                sprite.picture[at + 1] = static_cast<uint8_t>(qGreen(line[x]));
                sprite.picture[at + 2] = static_cast<uint8_t>(qRed(line[x]));
            }
        }
    }
    return sprite;
}

SpritePlace restingPlace(const Sprite& sprite, int side, int imageOffsetY) {
    SpritePlace place;
    place.x = kCentreX[side == 0 ? 0 : 1] - sprite.width / 2;
    place.y = visibleTop(0, sprite.height, std::clamp(imageOffsetY, -51, 51));
    return place;
}

}  // namespace vex::ui
