#pragma once
// The last hits of both sides, for the battle screen's breakdown: the hits' records as the
// timeline plays them (the engine's Hit events, which the battle log writes too). It keeps,
// for each side, the records of the last turn in which that side hit (its own hit, the status
// that followed, a strike back or a pursuit), and writes them as the lines a player reads.
//
// The screen shows a copy taken when a turn has been played out (`LastHitsView`), never the
// records as they come: a breakdown must not tell a miss before the screen has shown it.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "vexmora/battle/hit_explanation.h"

namespace vex::ui {

// One side's hits in one turn.
struct HitGroup {
    int turn = 0;
    std::vector<HitExplanation> hits;
};

// What the breakdown shows: each side's last group (empty `hits`: that side has not hit yet).
using LastHitsView = std::array<HitGroup, 2>;

class LastHits final {
public:
    // A group keeps no more records than this (a flurry of clones stays bounded): the latest.
    static constexpr size_t kMaxHitsKept = 12;

    void add(const HitExplanation& hit);
    const LastHitsView& view() const { return groups_; }
    void clear();

private:
    LastHitsView groups_{};
    uint32_t lastSequence_ = 0;
};

// The breakdown of one side's group as lines in the game's language: a title ("1P カエンジシ
// の攻撃（ターン 3）") then one line per record, from hitBreakdownLine, with what the
// defender lost when it differs from the damage. No lines when the side has not hit. The words
// go through `wording`, as in hitBreakdownLine.
std::vector<std::string> hitGroupLines(int side, const std::string& name, const HitGroup& group,
                                       const Wording& wording = {});

}  // namespace vex::ui
