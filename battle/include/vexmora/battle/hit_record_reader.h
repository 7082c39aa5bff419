#pragma once
// A hit's record read back from its JSON form: a line of the battle log whose type is "hit",
// or the object hitExplanationJson writes. What the writer leaves out (the hit check of a
// record without one, the damage of a hit that did none) reads back as a new record has it,
// so that a record written and read back is the record again.
// The text comes from outside (a log another program wrote): anything that is not such a
// record is refused with a message, and nothing larger than kMaxHitRecordBytes is read.

#include <cstddef>
#include <string_view>

#include "vexmora/battle/hit_explanation.h"
#include "vexmora/data/result.h"

namespace vex {

inline constexpr size_t kMaxHitRecordBytes = 64 * 1024;

Result<HitExplanation> readHitRecord(std::string_view json);

}  // namespace vex
