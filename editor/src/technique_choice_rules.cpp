// What the technique choice dialog offers. Follow-up techniques (the second half of a
// technique, or a skill that only makes sense on top of another) are offered in blue, and
// only while another slot holds the technique they belong to.

#include "vexmora/editor/technique_choice_rules.h"

#include <algorithm>

namespace vex {

namespace {

constexpr int16_t kSpBlast = 74;

struct FollowUp {
    int16_t id;
    std::array<int16_t, 2> parents;  // 0: none
};

// そのまま滞空します ← ジャンプ, 覚醒終了 ← 覚醒, 分身攻撃 ← 分身, 着地 ← 飛行,
// ゾンビ and ゴースト ← アンデット, 出る ← 潜る. パニック belongs to 混乱 or 幻覚, as its
// catalogue entry's related techniques say.
constexpr std::array<FollowUp, 8> kFollowUps{{
    {101, {72, 0}},
    {112, {7, 106}},
    {127, {126, 0}},
    {133, {132, 0}},
    {135, {134, 0}},
    {137, {136, 0}},
    {138, {136, 0}},
    {140, {139, 0}},
}};

// Special techniques and the unlock codes that open them.
struct Special {
    int16_t id;
    std::array<const char*, 2> codes;
};
constexpr std::array<Special, 9> kSpecials{{
    {98, {"T", nullptr}},
    {97, {"H", nullptr}},
    {96, {"P", nullptr}},
    {95, {"L", nullptr}},
    {94, {"S", nullptr}},
    {527, {"i10", "J"}},
    {529, {"i09", "A"}},
    {530, {"i12", "E"}},
    {531, {"G", nullptr}},
}};

bool isFollowUp(int id) {
    return std::any_of(kFollowUps.begin(), kFollowUps.end(), [id](const FollowUp& f) { return f.id == id; });
}

bool hasCode(const std::string& codes, const char* code) {
    return code != nullptr && codes.find(code) != std::string::npos;
}

void offer(std::array<std::vector<OfferedTechnique>, kChoiceTreeCount>& trees, int id, OfferKind kind) {
    const TechniqueEntry& e = techniqueEntry(id);
    if (e.category < 1 || e.category > kChoiceTreeCount) return;
    trees[static_cast<size_t>(e.category - 1)].push_back({static_cast<int16_t>(id), kind});
}

}  // namespace

bool isTaken(const MonsterRecord& record, int editSlot, int id) {
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (slot != editSlot && record.techId[static_cast<size_t>(slot)] == id) return true;
    return false;
}

bool isCandidateTaken(const MonsterRecord& record, int editSlot, int id) {
    return techniqueEntry(id).singleSlot == -1 && isTaken(record, editSlot, id);
}

std::vector<int16_t> followUpParents(int id) {
    for (const FollowUp& f : kFollowUps) {
        if (f.id != id) continue;
        std::vector<int16_t> parents;
        for (int16_t p : f.parents)
            if (p != 0) parents.push_back(p);
        return parents;
    }
    return {};
}

std::array<std::vector<OfferedTechnique>, kChoiceTreeCount> offeredTechniques(const MonsterRecord& record,
                                                                               int editSlot) {
    std::array<std::vector<OfferedTechnique>, kChoiceTreeCount> trees;
    const TechniqueCatalogue& catalogue = TechniqueCatalogue::instance();
    for (int id = 0; id <= TechniqueCatalogue::kMaxId; ++id) {
        const TechniqueEntry& e = catalogue.entry(id);
        if (!e.defined()) continue;
        if (isFollowUp(id)) {
            const auto parents = followUpParents(id);
            const bool parentHeld = std::any_of(parents.begin(), parents.end(),
                                                [&](int16_t p) { return isTaken(record, editSlot, p); });
            if (parentHeld && !isTaken(record, editSlot, id) && catalogue.isUsable(id, record.unlockCodes()))
                offer(trees, id, OfferKind::FollowUp);
            continue;
        }
        const bool inRange = (id >= 0 && id <= 89) || (id >= 100 && id <= 499);
        if (inRange && !isCandidateTaken(record, editSlot, id)) offer(trees, id, OfferKind::Ordinary);
    }
    for (const Special& s : kSpecials) {
        if (!hasCode(record.unlockCodes(), s.codes[0]) && !hasCode(record.unlockCodes(), s.codes[1])) continue;
        if (isCandidateTaken(record, editSlot, s.id)) continue;
        offer(trees, s.id, OfferKind::Special);
    }
    return trees;
}

std::string choiceCostText(const TechniqueEntry& e) {
    if (e.id == kSpBlast) return "ALL";
    if (e.category == kCategorySkill) return "―――";
    if (e.spStep == 0) return std::to_string(e.spBase);
    return std::to_string(e.spBase) + "～" + std::to_string(e.spBase + 4 * e.spStep);
}

std::string slotRuleText(const TechniqueEntry& e) { return e.singleSlot == -1 ? "×" : "○"; }

std::string emotionText(const TechniqueEntry& e) {
    auto arrow = [](int v) { return v > 0 ? "↑" : v < 0 ? "↓" : "―"; };
    return std::string("自") + arrow(e.emotionSelf) + "  敵" + arrow(e.emotionFoe);
}

void applyChosenTechnique(MonsterRecord& record, int slot, int id) {
    const auto s = static_cast<size_t>(slot);
    record.techId[s] = static_cast<int16_t>(id);
    if (techniqueEntry(id).category == kCategorySkill) {
        record.techElement(slot) = "0";
        record.techLevel[s] = 0;
        record.techCost[s] = 0;
    }
}

void clearTechniqueSlot(MonsterRecord& record, int slot) {
    const auto s = static_cast<size_t>(slot);
    record.techName[s].clear();
    record.techId[s] = kEmptyTech;
    record.techCost[s] = 0;
    record.techLevel[s] = 0;
    record.techElement(slot) = "0";
}

}  // namespace vex
