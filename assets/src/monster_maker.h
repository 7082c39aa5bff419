#pragma once
// A monster as the content describes it (stats, look, techniques, lines) and its making into
// a record and a picture.

#include <optional>
#include <string>
#include <vector>

#include "content_folder.h"
#include "creatures.h"
#include "vexmora/data/monster_record.h"

namespace vex::assets {

struct Slot {
    int16_t id = kEmptyTech;
    int16_t level = 0;    // 1-5 where the technique has levels; skills keep 0
    int16_t element = 0;  // 0 none, 1 火 … 6 闇
    std::string name;     // the name shown in battle
};
// A technique chosen the way the editor stores it: the level where it has levels (else 1), the
// cost from the catalogue.
Slot tech(int id, int level, int element, std::string name);
// A skill (category 4): no level, no cost, named as in the catalogue.
Slot skill(int id);

enum class PictureType { Bmp, Png, Gif, Jpg, Ico };
const char* extensionOf(PictureType type);  // ".bmp" …

struct MonsterDesign {
    std::string name{};
    int atk = 0, def = 0, spd = 0;
    int personality = 0;
    std::string makerVersion = "1";  // "0" rare, "9.99" system data
    Creature look{};
    PictureType picture = PictureType::Png;
    int imageSize = 50;
    int flipSide = 0;  // 1: mirrored on the 1P side (the picture faces left)
    int offsetY = 0;
    std::vector<Slot> techniques{};
    std::string lineStart{}, lineWin{}, lineLose{};
    std::string unlockCodes{};
    std::string makerName = "ＶＥＸＭＯＲＡ公式";
    QColor key = QColor(255, 0, 255);  // the transparent colour of BMP and PNG pictures (JPEG: white)
};

MonsterRecord recordOf(const MonsterDesign& design);
// The picture file's bytes, within the monster file's limit.
std::string pictureOf(const MonsterDesign& design);
// Writes the monster file and returns the record as stored (with its checksum).
std::optional<MonsterRecord> writeMonster(ContentFolder& out, std::string_view dataPath, const MonsterDesign& design);

}  // namespace vex::assets
