#pragma once
// The battle record view: seventeen figures computed from a monster's history text.

#include <array>
#include <string>
#include <string_view>

namespace vex {

inline constexpr int kRecordFigureCount = 17;
inline constexpr const char* kNoFigure = "------";

// The captions in the order the view lists them; figure i stands beside caption i.
extern const std::array<std::string_view, kRecordFigureCount> kRecordCaptions;

std::array<std::string, kRecordFigureCount> recordFigures(std::string_view history);

// The view's caption: the monster's name followed by "の戦歴".
std::string recordViewCaption(std::string_view monsterName);

}  // namespace vex
