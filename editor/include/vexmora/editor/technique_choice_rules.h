#pragma once
// The rules of the technique choice dialog, without widgets: which techniques a slot is
// offered and in which colour, the texts shown for the highlighted one, and what a choice
// writes into the record.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "vexmora/data/monster_record.h"
#include "vexmora/data/technique_catalogue.h"

namespace vex {

enum class OfferKind {
    Ordinary,  // black
    Special,   // red: unlocked by a code in the record's unlock codes
    FollowUp,  // blue: offered together with the technique it belongs to
};

struct OfferedTechnique {
    int16_t id = 0;
    OfferKind kind = OfferKind::Ordinary;
};

inline constexpr int kChoiceTreeCount = 4;  // 攻撃系, 補助系, 特殊系, ｽｷﾙ系

// True when a slot other than `editSlot` holds `id`.
bool isTaken(const MonsterRecord& record, int editSlot, int id);
// A candidate is kept out of the list when another slot holds it and it may fill one slot only.
bool isCandidateTaken(const MonsterRecord& record, int editSlot, int id);

// The techniques a follow-up belongs to (one of them must be in another slot); empty for
// a technique that is no follow-up.
std::vector<int16_t> followUpParents(int id);

// The four trees' entries (tree i holds category i + 1): the ordinary and follow-up
// techniques in ascending id order, then the special ones.
std::array<std::vector<OfferedTechnique>, kChoiceTreeCount> offeredTechniques(const MonsterRecord& record,
                                                                               int editSlot);

// The cost text: "ALL" for SPﾌﾞﾗｽﾄ, "―――" for a skill, "30" or "30～98" for a levelled one.
std::string choiceCostText(const TechniqueEntry& entry);
// "×" for a one-slot technique, else "○".
std::string slotRuleText(const TechniqueEntry& entry);
// "自↑  敵―" and so on.
std::string emotionText(const TechniqueEntry& entry);

// 決定: the slot takes `id`; a skill's slot loses its element, level and cost.
void applyChosenTechnique(MonsterRecord& record, int slot, int id);
// 設定しない: the slot is emptied.
void clearTechniqueSlot(MonsterRecord& record, int slot);

}  // namespace vex
