#include "vexmora/rules/net_rating.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace vex {

namespace {

constexpr double kFactor = 32.0;

}  // namespace

NetRating ratedAfter(NetRating before, bool won, int opponent) {
    const double expected = 1.0 / (1.0 + std::pow(10.0, (opponent - before.rating) / 400.0));
    const double change = kFactor * ((won ? 1.0 : 0.0) - expected);
    before.rating = std::clamp(before.rating + static_cast<int>(std::lround(change)), 0, 9999);
    before.battles += 1;
    return before;
}

NetRating parseNetRating(std::string_view text) {
    std::istringstream in{std::string(text)};
    long value = 0, battles = 0;
    if (!(in >> value >> battles) || value < 0 || value > 9999 || battles < 0) return NetRating{};
    NetRating rating;
    rating.rating = static_cast<int>(value);
    rating.battles = static_cast<int>(std::min<long>(battles, 1000000000L));
    return rating;
}

NetRating loadNetRating(const fs::path& programFolder) {
    const Result<std::string> text = readWholeFile(resolveIn(programFolder, kNetRatingPath), 256);
    if (!text) return NetRating{};
    return parseNetRating(*text);
}

Status saveNetRating(const fs::path& programFolder, const NetRating& rating) {
    const fs::path file = resolveIn(programFolder, kNetRatingPath);
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    return atomicWrite(file, std::to_string(rating.rating) + "\r\n" + std::to_string(rating.battles) + "\r\n");
}

}  // namespace vex
