#pragma once
// The store of each side's battle statistics: counters with codes 1-47 (counter 0 holds
// the highest code, 47). The battle reports its events here; at the end of a network battle
// the player's counters are written back into the monster's history text.
//
// The counters sit under a tamper guard: each value is kept twice, once masked, and a
// counter whose two copies disagree means the memory was changed from outside the game.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "vexmora/battle/battle_stats.h"

namespace vex {

inline constexpr int kStatisticCodes = 47;
inline constexpr int kClearStatistics = 999;
inline constexpr const char* kTamperMessage = "不正なメモリ書き換えを検出しました。終了します";

using StatisticCounters = std::array<int32_t, kStatisticCodes + 1>;

class StatisticsTable {
public:
    StatisticsTable();

    // Adds `value` to the side's counter; code 999 clears counters 1-47 of the side.
    // Codes outside 1-47 (and not 999) are ignored.
    void record(int side, int code, int64_t value);
    void record(int side, StatCode code, int64_t value) { record(side, static_cast<int>(code), value); }
    // Sets a counter (the shortest-battle codes keep a minimum, not a sum).
    void set(int side, int code, int32_t value);
    void set(int side, StatCode code, int32_t value) { set(side, static_cast<int>(code), value); }
    int32_t get(int side, int code) const;
    int32_t get(int side, StatCode code) const { return get(side, static_cast<int>(code)); }
    StatisticCounters counters(int side) const;
    void load(int side, const StatisticCounters& counters);

    // False once any counter's copies disagree.
    bool intact() const;

    // Only for tests of the guard: changes one copy as an outside program would.
    void corruptForTest(int side, int code, int32_t value);

private:
    void store(int side, int code, int32_t value);
    std::array<StatisticCounters, 2> values_{};
    std::array<StatisticCounters, 2> masked_{};
    uint32_t mask_;
};

// The history text: every counter from code 0 to 47 as a number with a sign position
// (a space when not negative) followed by "**", the whole closed by "*]".
std::string historyText(const StatisticCounters& counters);
// Parses a history text back: numbers split at "**" up to "*]". Missing counters are 0;
// counter 0 is always 47.
StatisticCounters parseHistory(std::string_view history);

}  // namespace vex
