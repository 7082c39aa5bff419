#pragma once
// How the damage calculator's numbers are written, for every place that shows them: the table
// of `vexmora-cli calc` and the editor's calculator dialog write the same figures the same way.

#include <string>
#include <vector>

#include "vexmora/battle/damage_calculator.h"

namespace vex {

// A share as a percentage with two decimals: 0.72126 → "72.13".
std::string calcPercentText(double share);
// A mean damage with one decimal: "61.4".
std::string calcMeanText(double damage);
// "55 / 60 / 68": the least, the median and the greatest damage.
std::string calcSpanText(const CalcDamage& damage);

// A stretch of the damage distribution and the chance of a damage within it.
struct DamageRange {
    int low = 0;
    int high = 0;
    double chance = 0;
};

// The distribution in at most `count` ranges of equal width from the least damage to the
// greatest; ranges no damage falls in are left out, so the chances add up to the whole.
std::vector<DamageRange> damageRanges(const CalcDamage& damage, int count);
// "55-59" or, for a range of one damage, "55".
std::string damageRangeText(const DamageRange& range);

// Whether the slot's first hit can land and do damage (the damage figures mean something).
inline bool calcSlotHits(const SlotCalc& slot) { return !slot.hitDamage.distribution.empty(); }
// Whether some of the sampled battles ended in this slot's knock-out.
inline bool calcSlotKnocksOut(const SlotCalc& slot) { return slot.knockOutSampled && slot.knockOut.knockOuts > 0; }
// "3 (2-4, 380/400)": the median turn of a knock-out, its range and in how many battles it came.
std::string knockOutText(const CalcKnockOut& knockOut);

}  // namespace vex
