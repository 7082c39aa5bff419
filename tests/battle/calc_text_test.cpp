// How the calculator's figures are written for the command line and the editor's dialog.

#include <gtest/gtest.h>

#include <numeric>

#include "vexmora/battle/calc_text.h"

namespace vex {
namespace {

CalcDamage spread(std::vector<std::pair<int, double>> distribution) {
    CalcDamage d;
    d.distribution = std::move(distribution);
    d.min = d.distribution.front().first;
    d.max = d.distribution.back().first;
    d.median = d.distribution[d.distribution.size() / 2].first;
    return d;
}

TEST(CalcText, TheRangesCoverTheDistributionWithoutGapsOrOverlapsAndLeaveOutEmptyOnes) {
    // 50-61 and 90-93: the ranges between hold nothing.
    std::vector<std::pair<int, double>> values;
    for (int v = 50; v <= 61; ++v) values.push_back({v, 0.06});
    for (int v = 90; v <= 93; ++v) values.push_back({v, 0.07});
    const CalcDamage d = spread(values);
    const std::vector<DamageRange> ranges = damageRanges(d, 6);
    ASSERT_FALSE(ranges.empty());
    EXPECT_LE(ranges.size(), 6u);
    EXPECT_EQ(ranges.front().low, 50);
    EXPECT_EQ(ranges.back().high, 93);
    double total = 0;
    for (size_t i = 0; i < ranges.size(); ++i) {
        EXPECT_LE(ranges[i].low, ranges[i].high);
        EXPECT_GT(ranges[i].chance, 0);
        if (i > 0) {
            EXPECT_GT(ranges[i].low, ranges[i - 1].high);
        }
        total += ranges[i].chance;
    }
    EXPECT_NEAR(total, 12 * 0.06 + 4 * 0.07, 1e-9);
    EXPECT_LT(ranges.size(), 6u);  // the empty middle is left out

    const CalcDamage one = spread({{37, 1.0}});
    ASSERT_EQ(damageRanges(one, 10).size(), 1u);
    EXPECT_EQ(damageRangeText(damageRanges(one, 10)[0]), "37");
    EXPECT_EQ(damageRangeText({55, 59, 0.2}), "55-59");
    EXPECT_TRUE(damageRanges(CalcDamage{}, 6).empty());
    EXPECT_TRUE(damageRanges(d, 0).empty());
}

TEST(CalcText, FiguresAreWrittenAlike) {
    EXPECT_EQ(calcPercentText(0.72126), "72.13");
    EXPECT_EQ(calcPercentText(1), "100.00");
    EXPECT_EQ(calcMeanText(61.44), "61.4");
    EXPECT_EQ(calcSpanText(spread({{55, 0.5}, {60, 0.25}, {68, 0.25}})), "55 / 60 / 68");
    CalcKnockOut k;
    k.battles = 400;
    k.knockOuts = 380;
    k.medianTurns = 3;
    k.minTurns = 2;
    k.maxTurns = 4;
    EXPECT_EQ(knockOutText(k), "3 (2-4, 380/400)");
}

}  // namespace
}  // namespace vex
