#include "vexmora/battle/record_view.h"

#include "vexmora/data/numbers.h"
#include "vexmora/battle/statistics_table.h"

namespace vex {

const std::array<std::string_view, kRecordFigureCount> kRecordCaptions = {
    "勝利回数", "敗北回数", "勝利時HP平均", "ＳＰ消費率", "平均攻撃ﾀﾞﾒｰｼﾞ", "技命中率",
    "平均被ﾀﾞﾒｰｼﾞ", "回避率", "最短決着ターン", "最高ダメージ", "撃破回数", "パーフェクト",
    "発動数", "判定勝ち回数", "最短やられターン", "隠し使用・発動", "最高勝ち抜き回数",
};

std::array<std::string, kRecordFigureCount> recordFigures(std::string_view history) {
    const StatisticCounters c = parseHistory(history);
    std::array<std::string, kRecordFigureCount> f;
    f.fill(kNoFigure);
    const auto whole = [](double x) { return std::to_string(intFloor(x)); };
    const auto ratio = [](double part, double all) { return std::to_string(intFloor(part / all * 100)) + "%"; };
    const int64_t won = int64_t{c[19]} - c[40];
    if (c[19] > 0) {
        f[0] = " " + std::to_string(won);
        f[1] = " " + std::to_string(c[40]);
    }
    if (won > 0) f[2] = whole(static_cast<double>(c[47]) / static_cast<double>(won)) + "%";
    if (int64_t{c[7]} + c[8] > 0) f[3] = ratio(c[7], static_cast<double>(c[7]) + c[8]);
    if (c[17] > 0) f[4] = " " + whole(static_cast<double>(c[2]) / c[17]);
    if (int64_t{c[18]} + c[10] > 0) f[5] = ratio(c[18], static_cast<double>(c[18]) + c[10]);
    if (c[11] > 0) f[6] = " " + whole(static_cast<double>(c[3]) / c[11]);
    if (int64_t{c[12]} + c[14] > 0) f[7] = ratio(c[14], static_cast<double>(c[12]) + c[14]);
    constexpr int kPlainCounters[] = {16, 5, 41, 42, 43, 15, 4, 44, 46};
    for (int i = 0; i < 9; ++i)
        if (c[kPlainCounters[i]] > 0) f[8 + i] = std::to_string(c[kPlainCounters[i]]);
    return f;
}

std::string recordViewCaption(std::string_view monsterName) { return std::string(monsterName) + "の戦歴"; }

}  // namespace vex
