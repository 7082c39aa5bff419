#pragma once
// The rules of the special-ability dialog, without widgets: the points a monster has earned,
// what each ability costs, and how bought abilities live in the unlock codes ("i00" … "i11").

#include <array>
#include <string>
#include <string_view>

#include "vexmora/data/monster_record.h"

namespace vex {

inline constexpr int kSpecialAbilityCount = 12;
inline constexpr int kDebugAbilityPoints = 9999;
inline constexpr int kLastBossBonus = 300;  // while the last boss of a scenario is edited

struct SpecialAbility {
    int index = 0;
    std::string_view caption;
    int cost = 0;
    std::string_view help;
};

// By index 0 … 11.
const std::array<SpecialAbility, kSpecialAbilityCount>& specialAbilities();

// "i" and the two-digit index.
std::string abilityCode(int index);

// Int(losses × 0.5 + wins × 1.5 + net wins × 6 + net losses × 2), 300 more while scenario
// boss 10 is edited, 9999 in debug mode.
int availableAbilityPoints(const MonsterRecord& record, int scenarioEditMode, bool debugMode);

using AbilityTicks = std::array<bool, kSpecialAbilityCount>;

// The abilities the codes hold; their codes are taken out of `unlockCodes`.
AbilityTicks takeOwnedAbilities(std::string& unlockCodes);

int remainingAbilityPoints(int available, const AbilityTicks& ticks);

// Whether ticking `index` keeps the remaining points at 0 or above (always for a free one).
bool canTickAbility(int available, const AbilityTicks& ticks, int index);

// The codes with the ticked abilities appended in index order.
std::string withAbilityCodes(std::string unlockCodes, const AbilityTicks& ticks);

// What the dialog changed while one monster was in the editor. Saving over the monster's file
// reloads the file, and these changes are made to the file's own abilities, so that neither
// the file's abilities nor the ones bought in the editor are lost.
struct AbilityChanges {
    AbilityTicks bought{};
    AbilityTicks dropped{};
};
// Notes one OK of the dialog, from the unlock codes before and after it.
void noteAbilityChanges(AbilityChanges& changes, const std::string& before, const std::string& after);
// `unlockCodes` with the dropped abilities taken out and the bought ones added.
std::string withAbilityChanges(std::string unlockCodes, const AbilityChanges& changes);

}  // namespace vex
