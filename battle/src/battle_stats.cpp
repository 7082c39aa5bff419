#include "vexmora/battle/battle_stats.h"

namespace vex {

void RecordingStatistics::recordStat(int side, StatCode code, int32_t value) { calls_.push_back({side, code, value}); }

int64_t RecordingStatistics::total(int side, StatCode code) const {
    int64_t sum = 0;
    for (const Call& call : calls_)
        if (call.side == side && call.code == code) sum += call.value;
    return sum;
}

int RecordingStatistics::count(int side, StatCode code) const {
    int n = 0;
    for (const Call& call : calls_)
        if (call.side == side && call.code == code) ++n;
    return n;
}

}  // namespace vex
