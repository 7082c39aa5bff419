#include "vexmora/ui/media/sound_table.h"

#include <array>

namespace vex::ui {

namespace {

constexpr std::array<std::string_view, kEffectCount> kEffectNames = {
    "00-決定.wav",   "01-キャンセル.wav", "02-警報.wav",     "03-羽音.wav",     "04-？？？.wav",
    "05-ガス.wav",   "06-ﾚｰｻﾞｰ.wav",     "07-雨.wav",       "08-噛み.wav",     "09-機関銃.wav",
    "10-斬撃.wav",   "11-斬撃2.wav",     "12-銃.wav",       "13-銃2.wav",      "14-銃3.wav",
    "15-打撃.wav",   "16-電撃.wav",      "17-爆発.wav",     "18-飛行機.wav",   "19-風.wav",
    "20-風切り.wav", "21-雷鳴.wav",      "22-咆哮.wav",     "23-技ゲット.wav", "24-ジャンプ.wav",
    "25-落下.wav",   "26-アップ.wav",    "27-ダウン.wav",   "28-回復.wav",     "29-鉄.wav",
    "30-毒.wav",     "31-ガス.wav",      "32-マヒ.wav",     "33-転倒.wav",     "34-混乱.wav",
    "35-弾装填.wav", "36-呪い.wav",      "37-ピキン.wav",   "38-炎.wav",       "39-突撃.wav",
    "40-打撃0.wav",  "41-打撃1.wav",     "42-打撃2.wav",    "43-打撃3.wav",
};

bool sameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace

std::string_view effectTableName(int effect) {
    if (effect < 0 || effect >= kEffectCount) return {};
    return kEffectNames[static_cast<size_t>(effect)];
}

std::string effectDataPath(int effect) {
    const std::string_view name = effectTableName(effect);
    if (name.empty()) return {};
    return "wav\\" + std::string(name.substr(3));  // the prefix "NN-" is ASCII
}

std::string battleMusicFor(int stageIndex, std::string_view chosenSoFar) {
    if (sameIgnoringAsciiCase(chosenSoFar, music::kBattleC) || sameIgnoringAsciiCase(chosenSoFar, music::kBattleB))
        return std::string(chosenSoFar);
    switch (stageIndex) {
    case 2: case 14: return std::string(music::kSea);
    case 3: case 8: return std::string(music::kSnowfield);
    case 6: case 10: case 13: return std::string(music::kJungle);
    case 7: return std::string(music::kBattleB);
    case 11: case 12: case 16: return std::string(music::kBase);
    default: return std::string(music::kNormal);
    }
}

}  // namespace vex::ui
