#include "vexmora/battle/calc_text.h"

#include <algorithm>
#include <cstdio>

namespace vex {

std::string calcPercentText(double share) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", 100 * share);
    return buffer;
}

std::string calcMeanText(double damage) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", damage);
    return buffer;
}

std::string calcSpanText(const CalcDamage& damage) {
    return std::to_string(damage.min) + " / " + std::to_string(damage.median) + " / " + std::to_string(damage.max);
}

std::vector<DamageRange> damageRanges(const CalcDamage& damage, int count) {
    std::vector<DamageRange> ranges;
    if (damage.distribution.empty() || count < 1) return ranges;
    const int span = damage.max - damage.min + 1;
    const int width = std::max(1, (span + count - 1) / count);
    for (int low = damage.min; low <= damage.max; low += width) {
        const int high = std::min(damage.max, low + width - 1);
        double chance = 0;
        for (const auto& [value, p] : damage.distribution)
            if (value >= low && value <= high) chance += p;
        if (chance > 0) ranges.push_back({low, high, chance});
    }
    return ranges;
}

std::string damageRangeText(const DamageRange& range) {
    return range.low == range.high ? std::to_string(range.low)
                                   : std::to_string(range.low) + "-" + std::to_string(range.high);
}

std::string knockOutText(const CalcKnockOut& k) {
    return std::to_string(k.medianTurns) + " (" + std::to_string(k.minTurns) + "-" + std::to_string(k.maxTurns) + ", " +
           std::to_string(k.knockOuts) + "/" + std::to_string(k.battles) + ")";
}

}  // namespace vex
