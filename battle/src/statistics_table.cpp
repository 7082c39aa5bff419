#include "vexmora/battle/statistics_table.h"

#include <chrono>
#include <cstdlib>
#include <limits>

namespace vex {

namespace {

int32_t clamp32(int64_t v) {
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

bool validSide(int side) { return side == 0 || side == 1; }

}  // namespace

StatisticsTable::StatisticsTable()
    : mask_(static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()) | 1u) {
    for (int side = 0; side < 2; ++side) {
        for (int code = 0; code <= kStatisticCodes; ++code) store(side, code, 0);
        store(side, 0, kStatisticCodes);
    }
}

void StatisticsTable::store(int side, int code, int32_t value) {
    values_[side][code] = value;
    masked_[side][code] = static_cast<int32_t>(static_cast<uint32_t>(value) ^ mask_);
}

void StatisticsTable::record(int side, int code, int64_t value) {
    if (!validSide(side)) return;
    if (code == kClearStatistics) {
        for (int c = 1; c <= kStatisticCodes; ++c) store(side, c, 0);
        return;
    }
    if (code < 1 || code > kStatisticCodes) return;
    store(side, code, clamp32(int64_t{values_[side][code]} + value));
}

void StatisticsTable::set(int side, int code, int32_t value) {
    if (!validSide(side) || code < 1 || code > kStatisticCodes) return;
    store(side, code, value);
}

int32_t StatisticsTable::get(int side, int code) const {
    if (!validSide(side) || code < 0 || code > kStatisticCodes) return 0;
    return values_[side][code];
}

StatisticCounters StatisticsTable::counters(int side) const { return validSide(side) ? values_[side] : StatisticCounters{}; }

void StatisticsTable::load(int side, const StatisticCounters& counters) {
    if (!validSide(side)) return;
    for (int c = 1; c <= kStatisticCodes; ++c) store(side, c, counters[c]);
    store(side, 0, kStatisticCodes);
}

bool StatisticsTable::intact() const {
    for (int side = 0; side < 2; ++side)
        for (int c = 0; c <= kStatisticCodes; ++c)
            if (static_cast<uint32_t>(values_[side][c]) != (static_cast<uint32_t>(masked_[side][c]) ^ mask_)) return false;
    return true;
}

void StatisticsTable::corruptForTest(int side, int code, int32_t value) { values_[side][code] = value; }

std::string historyText(const StatisticCounters& counters) {
    std::string out;
    for (int c = 0; c <= kStatisticCodes; ++c) {
        const int32_t v = c == 0 ? kStatisticCodes : counters[c];
        out += v < 0 ? "-" : " ";
        out += std::to_string(v < 0 ? -int64_t{v} : int64_t{v});
        out += "**";
    }
    out += "*]";
    return out;
}

StatisticCounters parseHistory(std::string_view history) {
    StatisticCounters counters{};
    const size_t end = history.find("*]");
    if (end != std::string_view::npos) history = history.substr(0, end);
    int index = 0;
    size_t start = 0;
    while (start < history.size() && index <= kStatisticCodes) {
        size_t stop = history.find("**", start);
        if (stop == std::string_view::npos) stop = history.size();
        const std::string item(history.substr(start, stop - start));
        counters[index++] = clamp32(std::strtoll(item.c_str(), nullptr, 10));
        start = stop + 2;
    }
    counters[0] = kStatisticCodes;
    return counters;
}

}  // namespace vex
