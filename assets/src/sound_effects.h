#pragma once
// The 44 sound effects, addressed by number: the table's name without its first three
// characters is the file in "wav" (effects 5 and 31 share "ガス.wav").

#include <array>
#include <string>

#include "synth.h"

namespace vex::assets {

inline constexpr int kEffectCount = 44;
extern const std::array<const char*, kEffectCount> kEffectTable;

// "決定.wav" for effect 0.
std::string effectFileName(int number);
Sound synthesiseEffect(int number);

}  // namespace vex::assets
