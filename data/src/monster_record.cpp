#include "vexmora/data/monster_record.h"

#include <cstdlib>

#include "vexmora/data/numbers.h"

namespace vex {

namespace {

constexpr std::string_view kElementNames[kElementCount] = {"", "火", "水", "雷", "土", "光", "闇"};

constexpr std::string_view kPersonalityCaptions[kPersonalityCount] = {
    "普通", "熱血", "慎重", "短気", "根暗", "感情的", "鈍感", "獰猛", "冷静",
};

constexpr std::string_view kPersonalityDescriptions[kPersonalityCount] = {
    "特に大きな感情の変化の無い一般的な性格です",
    "相手の攻撃を受けたときHigh\n何もしない場合もHighになります",
    "相手の攻撃を受けたときLow\n何もしない場合もLowになります",
    "相手の攻撃を受けたとき一定確率で\n大きくHighに動きます",
    "相手の攻撃を受けたとき一定確率で\n大きくLowに動きます",
    "技の使用による感情の動きが\n大きくなります",
    "技の使用による感情の動きが\n小さくなります",
    "感情がHighになる技では大きくHighに動き\nLowになる技は少しだけLowに動きます",
    "感情がLowになる技では大きくLowに動き\nHighになる技は少しだけHighに動きます",
};

}  // namespace

std::string_view elementName(int element) {
    if (element < 0 || element >= kElementCount) return {};
    return kElementNames[element];
}

std::string_view personalityCaption(int code) {
    if (code < 0 || code >= kPersonalityCount) return {};
    return kPersonalityCaptions[code];
}

std::string_view personalityDescription(int code) {
    if (code < 0 || code >= kPersonalityCount) return {};
    return kPersonalityDescriptions[code];
}

int16_t MonsterRecord::extraNumber(int index) const {
    if (index < 0 || index >= kExtraCount) return 0;
    return sat16(leadingNumber(extra[index]));
}

void MonsterRecord::clampPoints() {
    if (std::abs(atk) + std::abs(def) + std::abs(spd) > 1000) atk = def = spd = 0;
}

MonsterRecord newMonster(std::string name, int atk, int def, int spd, int personality) {
    MonsterRecord m;
    m.name = std::move(name);
    m.atk = sat16(static_cast<int64_t>(atk));
    m.def = sat16(static_cast<int64_t>(def));
    m.spd = sat16(static_cast<int64_t>(spd));
    m.clampPoints();
    m.imageSize = 50;
    for (int k = 0; k < kSlotCount; ++k) {
        m.techId[k] = kEmptyTech;
        m.techElement(k) = "0";
    }
    m.personality() = std::to_string(personality);
    m.makerVersion() = "1";
    m.extra[kFlipSide] = "0";
    m.extra[kImageOffsetY] = "0";
    return m;
}

}  // namespace vex
