#pragma once
// The battle statistics as the engine reports them: recordStat(side, code, value) adds the
// value to the side's counter for the code. Storing, tamper-guarding and turning the counters
// into a monster's history belong to the results; the engine only tells what happened.

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace vex {

// The counters of a side's statistics. The numbers are the codes of the history text; the
// engine reports the codes up to 24, the end of a battle adds the rest.
enum class StatCode : int {
    Turns = 1,             // final turn numbers, summed at the end of a battle
    DamageDealt = 2,
    DamageTaken = 3,
    Criticals = 4,
    LargestHit = 5,        // a single loss; the store keeps the largest
    SpGained = 6,
    SpSpent = 7,
    SpLeft = 8,            // at the end of a battle
    Counters = 9,          // ｶｳﾝﾀｰ strikes
    Misses = 10,
    HitsTaken = 11,        // losses of HP
    HitsReceived = 12,     // the opponent's hit checks that landed
    Luck = 13,             // ラッキー came up
    Dodges = 14,           // the opponent's hit checks that missed
    TimeUpWins = 15,
    ShortestWin = 16,      // the fewest turns of a won battle
    HitsDealt = 17,        // losses of HP dealt
    Hits = 18,             // own hit checks that landed
    Battles = 19,          // at the end of a battle
    UseAtLowHp = 20,       // a technique used at 20 % of the maximum HP or less
    UseAtMidLowHp = 21,    // 21-50 %
    UseAtMidHighHp = 22,   // 51-80 %
    UseAtHighHp = 23,      // 81-100 %
    SpChanged = 24,        // an SP change shown over the fighter
    Defeats = 40,
    RareBeaten = 42,       // network wins against a rare monster
    Perfect = 43,          // battles ended with the full HP
    ShortestLoss = 46,     // the fewest turns of a lost battle
    HpPercent = 47,        // the HP left at the end, as a percentage of the maximum, summed
};

class BattleStatistics {
public:
    virtual ~BattleStatistics() = default;
    virtual void recordStat(int side, StatCode code, int32_t value) = 0;
};

class NullStatistics final : public BattleStatistics {
public:
    void recordStat(int, StatCode, int32_t) override {}
};

// Keeps every call, for tests.
class RecordingStatistics final : public BattleStatistics {
public:
    struct Call {
        int side;
        StatCode code;
        int32_t value;
    };
    void recordStat(int side, StatCode code, int32_t value) override;
    const std::vector<Call>& calls() const { return calls_; }
    int64_t total(int side, StatCode code) const;
    int count(int side, StatCode code) const;

private:
    std::vector<Call> calls_;
};

}  // namespace vex
