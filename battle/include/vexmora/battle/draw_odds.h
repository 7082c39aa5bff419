#pragma once
// The exact odds of a battle draw. The generator walks through all 2^24 of its states before
// it repeats one, so every state is equally likely; a draw is the state over 2^24 rounded to
// the nearest 1/10000 (halves to even). So each of the 10001 draws 0.0000 … 1.0000 has a
// known number of states, and a rule's decision on a draw ("r > 0.7") a known chance.

#include <cstdint>

#include "vexmora/data/numbers.h"

namespace vex {

inline constexpr int64_t kGeneratorStates = int64_t{1} << 24;
inline constexpr int kDrawUnits = 10000;  // draws are 0 … kDrawUnits over kDrawUnits

// How many generator states give the draw `units`/10000 (0 outside 0 … 10000).
int64_t drawStates(int units);
// How many give a draw below `units`/10000: the draws lo … hi have
// statesBelow(hi + 1) − statesBelow(lo) states.
int64_t statesBelow(int units);
// The chance of that draw.
inline double drawChance(int units) { return static_cast<double>(drawStates(units)) / static_cast<double>(kGeneratorStates); }
// A value the generator hands out that becomes the draw `units`/10000: the first such state.
float generatorValueFor(int units);

// The chance that a draw r satisfies a decision made by `decides(r)`, summed exactly over the
// 10001 draws.
template <class Decision>
double drawChanceOf(Decision&& decides) {
    int64_t states = 0;
    for (int u = 0; u <= kDrawUnits; ++u)
        if (decides(Fix4::fromUnits(u))) states += drawStates(u);
    return static_cast<double>(states) / static_cast<double>(kGeneratorStates);
}

}  // namespace vex
