#pragma once
// The built-in table of techniques, ids 0-999, with the element tables and stage names.

#include <array>
#include <cstdint>
#include <string_view>

namespace vex {

enum TechniqueCategory : int16_t {
    kCategoryAttack = 1,   // 攻撃系
    kCategorySupport = 2,  // 補助系
    kCategorySpecial = 3,  // 特殊系
    kCategorySkill = 4,    // ｽｷﾙ系: a passive ability, never chosen as a command
};

struct TechniqueEntry {
    int16_t id = 0;
    std::string_view techTitle;
    int16_t category = kCategoryAttack;
    int16_t spBase = 0;
    int16_t spStep = 0;
    int16_t singleSlot = 0;       // -1: one slot only
    std::string_view description; // lines joined by "\r"
    int16_t specialClass = 0;     // above 5: a special technique that needs an unlock code
    int16_t emotionSelf = 0;
    int16_t emotionFoe = 0;
    std::array<int16_t, 4> relatedTech{};
    std::string_view unlockCode;
    std::string_view unlockCode2;

    bool defined() const { return !techTitle.empty(); }
    bool isSpecial() const { return specialClass > 5; }
};

class TechniqueCatalogue {
public:
    static constexpr int kMaxId = 999;
    static constexpr int kStageNameCount = 9;

    static const TechniqueCatalogue& instance();

    const TechniqueEntry& entry(int id) const;  // 0 <= id <= 999
    // Affinity in units of 10 %: the attacking technique's element against the one it meets.
    int elementAffinity(int attackerElement, int metElement) const;
    // 0xBBGGRR colour of an element 1-6.
    uint32_t elementColour(int element) const;
    std::string_view stageName(int index) const;  // 0-8; "" outside

    // spBase + (level - 1) * spStep
    int spCost(int id, int level) const;
    // Ordinary techniques always; special ones only when an unlock code occurs in the codes.
    bool isUsable(int id, std::string_view unlockCodes) const;

private:
    TechniqueCatalogue();
    std::array<TechniqueEntry, kMaxId + 1> entries_{};
    // Stored as [met][attacker].
    std::array<std::array<int16_t, 7>, 7> affinity_{};
};

inline const TechniqueEntry& techniqueEntry(int id) { return TechniqueCatalogue::instance().entry(id); }

}  // namespace vex
