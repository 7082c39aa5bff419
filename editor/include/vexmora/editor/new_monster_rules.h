#pragma once
// The rules of the new-monster dialog, without widgets: the name box and the point sliders.

#include <optional>
#include <string>
#include <string_view>

#include "vexmora/data/monster_record.h"
#include "vexmora/data/paths.h"

namespace vex {

inline constexpr int kMonsterPoints = 1000;
inline constexpr size_t kNameBytes = 20;

// Why a text may not be typed into a box (nothing when it may): a refused character, text
// code page 932 cannot hold, or more than `maxBytes` bytes in it.
enum class TextRefusal { None, RefusedCharacter, NotEncodable, TooLong };
TextRefusal checkBoxText(std::string_view utf8, size_t maxBytes, std::string_view refusedCharacters);

// The user-facing words for a refusal ("" for None).
std::string refusalMessage(TextRefusal refusal, size_t maxBytes);

// The longest start of `insert` (whole characters only) that keeps `before + insert + after`
// acceptable: what an input method's commit may put into a box.
std::string fittingPrefix(std::string_view before, std::string_view insert, std::string_view after, size_t maxBytes,
                          std::string_view refusedCharacters);

// The value a slider keeps after it moved to `moved`: without debug mode the three may add up
// to 1000 at most, so the moved one gives way.
int settleSlider(int moved, int other1, int other2, bool debugMode);
int remainingPoints(int atk, int def, int spd);

// The monster the dialog's O K makes.
MonsterRecord newMonsterFromDialog(const std::string& name, int atk, int def, int spd, int personality);

}  // namespace vex
