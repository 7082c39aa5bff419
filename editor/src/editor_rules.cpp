#include "vexmora/editor/editor_rules.h"

#include <algorithm>

#include "vexmora/data/monster_file.h"
#include "vexmora/data/monster_kind.h"
#include "vexmora/data/numbers.h"
#include "vexmora/data/picture_size.h"
#include "vexmora/data/technique_catalogue.h"
#include "vexmora/data/text.h"

namespace vex {

namespace {

bool hasLevels(int techId) {
    const TechniqueEntry& e = techniqueEntry(techId);
    return e.spStep != 0 || techId == 51 || techId == 54;  // 格闘 and 射撃 keep their levels
}

}  // namespace

SlotPresentation presentSlot(int techId) {
    SlotPresentation p;
    const TechniqueEntry& e = techniqueEntry(techId);
    if (e.category == kCategorySkill) {
        p.skill = true;
        p.nameVisible = e.spStep == 2;
        return p;
    }
    p.costVisible = true;
    p.elementVisible = true;
    p.hasLevels = hasLevels(techId);
    p.levelVisible = p.hasLevels;
    return p;
}

void refreshSlot(MonsterRecord& record, int slot, bool debugMode) {
    const int id = record.techId[slot];
    const SlotPresentation p = presentSlot(id);
    if (p.skill) {
        record.techLevel[slot] = 0;
        record.techCost[slot] = 0;
        return;
    }
    if (!p.hasLevels) {
        record.techLevel[slot] = 1;
        if (!debugMode) record.techCost[slot] = techniqueEntry(id).spBase;
    }
}

int chooseLevel(MonsterRecord& record, int slot, int level, bool debugMode) {
    level = std::clamp(level, 1, 5);
    record.techLevel[slot] = static_cast<int16_t>(level);
    const int cost = TechniqueCatalogue::instance().spCost(record.techId[slot], level);
    if (!debugMode) record.techCost[slot] = sat16(static_cast<int64_t>(cost));
    return cost;
}

std::optional<int> removalBlocker(const MonsterRecord& record, int slot) {
    if (record.techId[slot] != kTechUndead) return std::nullopt;
    for (int k = 0; k < kSlotCount; ++k)
        if (record.techId[k] == kTechZombie || record.techId[k] == kTechGhost) return record.techId[k];
    return std::nullopt;
}

std::string removalRefusalText(int blockerId) {
    return "派生スキル\r『 " + std::string(techniqueEntry(blockerId).techTitle) + " 』\rがあるため外すことができません";
}

std::string pictureSizeTip(int imageSize, int pictureWidth, int pictureHeight) {
    const DrawnSize drawn = monsterDrawnSize(imageSize, pictureWidth, pictureHeight);
    return "表示されるサイズは" + std::to_string(drawn.width) + "×" + std::to_string(drawn.height) + "です";
}

int16_t offsetUp(int16_t imageOffsetY) { return imageOffsetY >= -50 ? static_cast<int16_t>(imageOffsetY - 1) : imageOffsetY; }
int16_t offsetDown(int16_t imageOffsetY) { return imageOffsetY <= 50 ? static_cast<int16_t>(imageOffsetY + 1) : imageOffsetY; }

size_t maxPictureBytes() { return kMaxPictureBytes; }

std::optional<std::string> pictureSizeRefusal(uintmax_t bytes) {
    if (bytes <= maxPictureBytes()) return std::nullopt;
    return "このファイルのサイズは" + std::to_string(bytes) + "バイトです\r\n" + "画像は" +
           std::to_string(maxPictureBytes()) + "バイトまでです\r\n" + "もっとサイズが小さい画像を指定してください";
}

std::string missingPictureText(std::string_view path) {
    return " アイコンファイルが " + std::string(path) + " に存在しません ";
}

bool editorRefusesSystemData(const MonsterRecord& record, bool debugFile, int scenarioEditMode) {
    return isTreatedAsSystemData(record) && !debugFile && scenarioEditMode == 0;
}

std::string_view elementItem(int element) {
    static constexpr std::string_view items[] = {"―", "火", "水", "雷", "土", "光", "闇"};
    return element >= 0 && element < kElementCount ? items[element] : items[0];
}

std::string_view levelItem(int level) {
    static constexpr std::string_view items[] = {"Ｄ", "Ｃ", "Ｂ", "Ａ", "Ｓ"};
    return level >= 1 && level <= 5 ? items[level - 1] : items[0];
}

int levelListIndex(int level) { return std::clamp(level, 1, 5) - 1; }

}  // namespace vex
