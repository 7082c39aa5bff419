#pragma once
// The number of battle stages a stage list offers ("Image\Background\stagelist.txt").
//
// The list holds pairs of values (picture file, display name) in the sequential "input" form:
// one value per line or several separated by commas, texts optionally quoted; empty lines and
// lines starting with ">>" are skipped. The first three pairs are the rare stages; every later
// pair is an ordinary stage, and the first two rare stages are also inserted as stages 5 and 7
// (the tournament and the mystery opponents' stages) once the list gets that far.

#include <string_view>

namespace vex {

int countStages(std::string_view listText);
// The stages of the program folder's list, or kStageCountWithoutList when there is no list
// to read.
int programStageCount();

}  // namespace vex
