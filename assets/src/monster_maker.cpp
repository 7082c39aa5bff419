#include "monster_maker.h"

#include <algorithm>

#include "paint_kit.h"
#include "picture_codecs.h"
#include "sealed_files.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/paths.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex::assets {

namespace {

QImage belowWhite(QImage image, int ceiling) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = qRgba(std::min(qRed(row[x]), ceiling), std::min(qGreen(row[x]), ceiling), std::min(qBlue(row[x]), ceiling), qAlpha(row[x]));
    }
    return image;
}

}  // namespace

Slot tech(int id, int level, int element, std::string name) {
    const TechniqueEntry& entry = techniqueEntry(id);
    const bool levelled = entry.spStep != 0 || id == 51 || id == 54;
    return Slot{static_cast<int16_t>(id), static_cast<int16_t>(levelled ? level : 1), static_cast<int16_t>(element), std::move(name)};
}

Slot skill(int id) { return Slot{static_cast<int16_t>(id), 0, 0, std::string(techniqueEntry(id).techTitle)}; }

const char* extensionOf(PictureType type) {
    switch (type) {
        case PictureType::Bmp: return ".bmp";
        case PictureType::Png: return ".png";
        case PictureType::Gif: return ".gif";
        case PictureType::Jpg: return ".jpg";
        case PictureType::Ico: return ".ico";
    }
    return ".png";
}

MonsterRecord recordOf(const MonsterDesign& d) {
    MonsterRecord m = newMonster(d.name, d.atk, d.def, d.spd, d.personality);
    m.makerVersion() = d.makerVersion;
    m.imageFile = iconNameFor(extensionOf(d.picture));
    m.imageSize = static_cast<int16_t>(d.imageSize);
    m.extra[kFlipSide] = std::to_string(d.flipSide);
    m.extra[kImageOffsetY] = std::to_string(d.offsetY);
    const TechniqueCatalogue& catalogue = TechniqueCatalogue::instance();
    for (size_t k = 0; k < d.techniques.size() && k < kSlotCount; ++k) {
        const Slot& s = d.techniques[k];
        m.techId[k] = s.id;
        m.techLevel[k] = s.level;
        m.techName[k] = s.name;
        m.techElement(static_cast<int>(k)) = std::to_string(s.element);
        const bool isSkill = catalogue.entry(s.id).category == kCategorySkill;
        m.techCost[k] = static_cast<int16_t>(isSkill || s.id == kEmptyTech ? 0 : catalogue.spCost(s.id, s.level));
    }
    m.extra[kLineStart] = d.lineStart;
    m.extra[kLineWin] = d.lineWin;
    m.extra[kLineLose] = d.lineLose;
    m.unlockCodes() = d.unlockCodes;
    m.makerName() = d.makerName;
    return m;
}

std::string pictureOf(const MonsterDesign& d) {
    switch (d.picture) {
        case PictureType::Bmp:
            return encodeBmp24(keyed(renderCreature(d.look, 100, 100), d.key, d.look.palette.outline));
        case PictureType::Png:
            return encodePng(keyed(renderCreature(d.look, 120, 120), d.key, d.look.palette.outline));
        case PictureType::Jpg:
            // JPEG cannot keep the transparent colour exact next to the picture: a white key
            // and a white border make the stray near-white pixels read as a soft glow, and the
            // picture itself stays a little below white so no part of it turns transparent.
            return encodeJpg(keyed(belowWhite(withBorder(renderCreature(d.look, 120, 120), 2, QColor(244, 244, 248)), 244),
                                   Qt::white, d.look.palette.outline),
                             100);
        case PictureType::Gif:
            return encodeGif(renderCreature(d.look, 120, 120));
        case PictureType::Ico:
            return encodeIco(renderCreature(d.look, 84, 84));
    }
    return {};
}

std::optional<MonsterRecord> writeMonster(ContentFolder& out, std::string_view dataPath, const MonsterDesign& design) {
    MonsterRecord record = recordOf(design);
    const std::string picture = pictureOf(design);
    if (picture.size() > kMaxPictureBytes) {
        out.fail(std::string(dataPath) + ": picture of " + std::to_string(picture.size()) + " bytes is too large");
        return std::nullopt;
    }
    auto bytes = sealMonster(record, picture, nameOf(dataPath));
    if (!bytes) {
        out.fail(std::string(dataPath) + ": " + bytes.error().message);
        return std::nullopt;
    }
    out.write(dataPath, *bytes);
    return record;
}

}  // namespace vex::assets
