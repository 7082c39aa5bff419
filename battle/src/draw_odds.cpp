// The states of the generator behind each battle draw, counted once.

#include "vexmora/battle/draw_odds.h"

#include <array>

namespace vex {

namespace {

// The first generator state whose draw is `units` or more. A state s draws
// roundHalfEven(s·10000 / 2^24) = roundHalfEven(s·625 / 2^20); it reaches `units` once
// s·1250 passes (2·units − 1)·2^20, or meets it exactly when the half rounds up to an even
// `units`.
int64_t firstStateOf(int units) {
    if (units <= 0) return 0;
    if (units > kDrawUnits) return kGeneratorStates;
    const int64_t boundary = (2 * static_cast<int64_t>(units) - 1) << 20;
    int64_t first = boundary / 1250 + 1;
    if (boundary % 1250 == 0 && units % 2 == 0) first = boundary / 1250;
    return first < kGeneratorStates ? first : kGeneratorStates;
}

const std::array<int64_t, kDrawUnits + 2>& firstStates() {
    static const auto table = [] {
        std::array<int64_t, kDrawUnits + 2> t{};
        for (int u = 0; u <= kDrawUnits + 1; ++u) t[static_cast<size_t>(u)] = firstStateOf(u);
        return t;
    }();
    return table;
}

}  // namespace

int64_t drawStates(int units) {
    if (units < 0 || units > kDrawUnits) return 0;
    const auto& first = firstStates();
    return first[static_cast<size_t>(units) + 1] - first[static_cast<size_t>(units)];
}

int64_t statesBelow(int units) {
    if (units <= 0) return 0;
    if (units > kDrawUnits) return kGeneratorStates;
    return firstStates()[static_cast<size_t>(units)];
}

float generatorValueFor(int units) {
    if (units < 0) units = 0;
    if (units > kDrawUnits) units = kDrawUnits;
    return static_cast<float>(firstStates()[static_cast<size_t>(units)]) / static_cast<float>(kGeneratorStates);
}

}  // namespace vex
