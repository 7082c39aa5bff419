#pragma once
// The player's network rating: an Elo number over the network battles this program finished
// against another machine (battles against the own address do not count). It starts at 1500.
// After a battle it moves by 32 × (result − expected), where result is 1 for a win and 0 for
// a defeat, and expected = 1 / (1 + 10^((opponent − own) / 400)). The opponent's number is the
// rating the other program sends with its settings block (net/announcement.h); an older program
// sends none and counts as 1500. The number lives beside the system options, in
// "System\netrate.txt" (the rating and the number of battles, one a line).

#include <string_view>

#include "vexmora/data/paths.h"
#include "vexmora/data/result.h"

namespace vex {

inline constexpr int kStartingNetRating = 1500;

struct NetRating {
    int rating = kStartingNetRating;
    int battles = 0;
    bool operator==(const NetRating&) const = default;
};

inline constexpr const char* kNetRatingPath = "System\\netrate.txt";

// The rating after one battle.
NetRating ratedAfter(NetRating before, bool won, int opponent);

// The file's text read back; the starting rating when it does not read.
NetRating parseNetRating(std::string_view text);
// The stored rating; the starting one when there is none or it does not read.
NetRating loadNetRating(const fs::path& programFolder);
Status saveNetRating(const fs::path& programFolder, const NetRating& rating);

}  // namespace vex
