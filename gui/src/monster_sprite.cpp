#include "vexmora/gui/monster_sprite.h"

#include <algorithm>
#include <array>

#include "vexmora/gui/picture_decoder.h"

namespace vex::gui {

namespace {

void setPixel(Sprite& sprite, int x, int y, QRgb colour) {
    const size_t at = static_cast<size_t>(3) * (static_cast<size_t>(sprite.width) * y + x);
    sprite.picture[at] = static_cast<uint8_t>(qBlue(colour));
    sprite.picture[at + 1] = static_cast<uint8_t>(qGreen(colour));
    sprite.picture[at + 2] = static_cast<uint8_t>(qRed(colour));
    sprite.mask[at] = sprite.mask[at + 1] = sprite.mask[at + 2] = 0;
}

// An empty sprite of a size: transparent all over.
Sprite blankSprite(DrawnSize size) {
    Sprite sprite;
    sprite.width = size.width;
    sprite.height = size.height;
    const size_t bytes = static_cast<size_t>(3) * static_cast<size_t>(size.width) * static_cast<size_t>(size.height);
    sprite.picture.assign(bytes, 0);
    sprite.mask.assign(bytes, 255);
    return sprite;
}

// The question mark of the stand-in, 5 x 7.
constexpr std::array<const char*, 7> kQuestionMark = {
    ".###.",
    "#...#",
    "....#",
    "...#.",
    "..#..",
    ".....",
    "..#..",
};

}  // namespace

MonsterPictureSource pictureSourceOf(const LoadedMonster& monster) {
    const MonsterRecord& r = monster.record;
    MonsterPictureSource source;
    source.bytes = monster.picture;
    source.imageSize = r.imageSize;
    source.flipSide = r.extraNumber(kFlipSide);
    source.imageOffsetY = r.extraNumber(kImageOffsetY);
    return source;
}

bool mirroredOn(int flipSide, int side) { return (flipSide == 1 && side == 0) || (flipSide == 2 && side == 1); }

MonsterPicture::MonsterPicture(std::string_view bytes) : present_(!bytes.empty()) {
    if (!present_) return;
    auto decoded = decodeMonsterPicture(bytes);
    if (decoded)
        image_ = std::move(decoded->image);
    else
        refusal_ = decoded.error().message;
}

DrawnSize MonsterPicture::drawnSize(int imageSize) const {
    return monsterDrawnSize(imageSize, image_.isNull() ? 0 : image_.width(), image_.isNull() ? 0 : image_.height());
}

Sprite MonsterPicture::sprite(int imageSize, bool mirror) const {
    if (!present_) return {};
    const DrawnSize size = drawnSize(imageSize);
    if (image_.isNull()) return standInSprite(size);

    // Scaled with its transparency: premultiplied, so transparent pixels bleed no colour.
    QImage scaled = image_.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                        .scaled(size.width, size.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_ARGB32);
    if (scaled.width() != size.width || scaled.height() != size.height) return standInSprite(size);
    if (mirror) scaled = scaled.mirrored(true, false);

    Sprite sprite = blankSprite(size);
    uint8_t* picture = sprite.picture.data();
    uint8_t* mask = sprite.mask.data();
    for (int y = 0; y < size.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(scaled.constScanLine(y));
        for (int x = 0; x < size.width; ++x, picture += 3, mask += 3) {
            if (qAlpha(line[x]) < 128) continue;
            picture[0] = static_cast<uint8_t>(qBlue(line[x]));
            picture[1] = static_cast<uint8_t>(qGreen(line[x]));
            picture[2] = static_cast<uint8_t>(qRed(line[x]));
            mask[0] = mask[1] = mask[2] = 0;
        }
    }
    return sprite;
}

QImage MonsterPicture::preview(int boxWidth, int boxHeight) const {
    if (!present_ || boxWidth <= 0 || boxHeight <= 0) return {};
    if (image_.isNull()) {
        const int side = std::min(boxWidth, boxHeight);
        return spriteImage(standInSprite({side, side}));
    }
    return image_.scaled(boxWidth, boxHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

Sprite monsterSprite(const MonsterPictureSource& source, int side) {
    return MonsterPicture(source.bytes).sprite(source.imageSize, mirroredOn(source.flipSide, side));
}

Sprite standInSprite(DrawnSize size) {
    Sprite sprite = blankSprite(size);
    const int w = size.width, h = size.height;
    const QRgb body = qRgb(128, 132, 140), edge = qRgb(60, 62, 70), mark = qRgb(236, 236, 228);
    // A rounded figure filling most of the square, with a darker edge.
    const double cx = w / 2.0, cy = h * 0.55, rx = w * 0.42, ry = h * 0.44;
    const double edgeWidth = std::max(1.0, w / 40.0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            const double d = dx * dx + dy * dy;
            if (d > 1.0) continue;
            const double inner = 1.0 - edgeWidth / std::min(rx, ry);
            setPixel(sprite, x, y, d > inner * inner ? edge : body);
        }
    }
    // The question mark in the middle, as large as a third of the figure.
    const int cell = std::max(1, std::min(w, h) / 21);
    const int left = static_cast<int>(cx) - 5 * cell / 2, top = static_cast<int>(cy) - 7 * cell / 2;
    for (int row = 0; row < 7; ++row)
        for (int column = 0; column < 5; ++column) {
            if (kQuestionMark[static_cast<size_t>(row)][column] != '#') continue;
            for (int y = top + row * cell; y < top + (row + 1) * cell; ++y)
                for (int x = left + column * cell; x < left + (column + 1) * cell; ++x)
                    if (x >= 0 && y >= 0 && x < w && y < h) setPixel(sprite, x, y, mark);
        }
    return sprite;
}

QImage spriteImage(const Sprite& sprite) {
    if (sprite.empty()) return {};
    QImage image(sprite.width, sprite.height, QImage::Format_ARGB32);
    for (int y = 0; y < sprite.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < sprite.width; ++x) {
            const size_t at = static_cast<size_t>(3) * (static_cast<size_t>(sprite.width) * y + x);
            line[x] = sprite.mask[at] != 0 ? 0
                                           : qRgb(sprite.picture[at + 2], sprite.picture[at + 1], sprite.picture[at]);
        }
    }
    return image;
}

}  // namespace vex::gui
