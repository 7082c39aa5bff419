#include "vexmora/editor/special_ability_rules.h"

#include <cmath>

namespace vex {

const std::array<SpecialAbility, kSpecialAbilityCount>& specialAbilities() {
    static const std::array<SpecialAbility, kSpecialAbilityCount> table{{
        {0, "ＨＰ+200", 0, "タフネスと同効果です（併用可）"},
        {1, "能力20%↑", 50, "能力値が20％上昇します"},
        {2, "リバイブ", 80, "リバイブと同効果です（併用不可）"},
        {3, "消費10%↓", 10, "ﾃｸﾆｼｬﾝと同効果です（併用可）"},
        {4, "無感情", 100, "感情が行動に左右されなくなります"},
        {5, "超鉄壁", 800, "全ての攻撃ダメージを半減します"},
        {6, "ＨＰ+1000", 700, "タフネス×５と同効果です（併用可）"},
        {7, "敵HP-200", 70, "敵の初期HPが200減少します"},
        {8, "大洪水", 150, "1３ターン後地形を「海」にします"},
        {9, "エアレイド", 250, "必殺技：エアレイドが選択できるようになります"},
        {10, "Jアタック", 160, "必殺技：Jアタックが選択できるようになります"},
        {11, "猛吹雪", 150, "１３ターン後地形を「雪原」にします（能力20％アップ）"},
    }};
    return table;
}

std::string abilityCode(int index) {
    const int n = 100 + index;
    return "i" + std::to_string(n).substr(1);
}

int availableAbilityPoints(const MonsterRecord& record, int scenarioEditMode, bool debugMode) {
    if (debugMode) return kDebugAbilityPoints;
    // Halves of points, so that Int works on whole numbers: 0.5, 1.5, 6 and 2 are 1, 3, 12, 4.
    const int64_t halves = int64_t{record.losses} + 3 * int64_t{record.wins} + 12 * int64_t{record.extraNumber(kNetWins)} +
                           4 * int64_t{record.extraNumber(kNetLosses)};
    const int64_t points = halves >= 0 ? halves / 2 : -((-halves + 1) / 2);  // Int rounds down
    return static_cast<int>(points) + (scenarioEditMode == 10 ? kLastBossBonus : 0);
}

AbilityTicks takeOwnedAbilities(std::string& unlockCodes) {
    AbilityTicks ticks{};
    for (int i = 0; i < kSpecialAbilityCount; ++i) {
        const std::string code = abilityCode(i);
        for (size_t at = unlockCodes.find(code); at != std::string::npos; at = unlockCodes.find(code)) {
            ticks[static_cast<size_t>(i)] = true;
            unlockCodes.erase(at, code.size());
        }
    }
    return ticks;
}

int remainingAbilityPoints(int available, const AbilityTicks& ticks) {
    int remaining = available;
    for (const SpecialAbility& a : specialAbilities())
        if (ticks[static_cast<size_t>(a.index)]) remaining -= a.cost;
    return remaining;
}

bool canTickAbility(int available, const AbilityTicks& ticks, int index) {
    // A free ability can always be ticked, even when the abilities held already cost more
    // than the monster has earned.
    if (specialAbilities()[static_cast<size_t>(index)].cost == 0) return true;
    AbilityTicks after = ticks;
    after[static_cast<size_t>(index)] = true;
    return remainingAbilityPoints(available, after) >= 0;
}

std::string withAbilityCodes(std::string unlockCodes, const AbilityTicks& ticks) {
    for (int i = 0; i < kSpecialAbilityCount; ++i)
        if (ticks[static_cast<size_t>(i)]) unlockCodes += abilityCode(i);
    return unlockCodes;
}

void noteAbilityChanges(AbilityChanges& changes, const std::string& before, const std::string& after) {
    std::string beforeCodes = before, afterCodes = after;
    const AbilityTicks had = takeOwnedAbilities(beforeCodes);
    const AbilityTicks has = takeOwnedAbilities(afterCodes);
    for (size_t i = 0; i < had.size(); ++i) {
        if (has[i] && !had[i]) {
            changes.bought[i] = true;
            changes.dropped[i] = false;
        } else if (had[i] && !has[i]) {
            changes.dropped[i] = true;
            changes.bought[i] = false;
        }
    }
}

std::string withAbilityChanges(std::string unlockCodes, const AbilityChanges& changes) {
    if (changes.bought == AbilityTicks{} && changes.dropped == AbilityTicks{}) return unlockCodes;
    AbilityTicks ticks = takeOwnedAbilities(unlockCodes);
    for (size_t i = 0; i < ticks.size(); ++i) ticks[i] = (ticks[i] && !changes.dropped[i]) || changes.bought[i];
    return withAbilityCodes(std::move(unlockCodes), ticks);
}

}  // namespace vex
