#include "vexmora/ui/battle_model/last_hits.h"

#include "vexmora/data/translatable.h"

namespace vex::ui {

void LastHits::add(const HitExplanation& hit) {
    // Records are numbered from 1 in each battle: a number that does not grow is a new battle.
    if (hit.sequence <= lastSequence_) clear();
    lastSequence_ = hit.sequence;
    if (hit.attacker < 0 || hit.attacker > 1) return;
    HitGroup& group = groups_[static_cast<size_t>(hit.attacker)];
    if (group.hits.empty() || group.turn != hit.turn) {
        group.turn = hit.turn;
        group.hits.clear();
    }
    if (group.hits.size() >= kMaxHitsKept) group.hits.erase(group.hits.begin());
    group.hits.push_back(hit);
}

void LastHits::clear() {
    groups_ = {};
    lastSequence_ = 0;
}

std::vector<std::string> hitGroupLines(int side, const std::string& name, const HitGroup& group, const Wording& w) {
    std::vector<std::string> lines;
    if (group.hits.empty()) return lines;
    lines.push_back(w.fill("HitBreakdown", QT_TRANSLATE_NOOP("HitBreakdown", "%1Ｐ %2 の攻撃（ターン %3）"),
                           {std::to_string(side + 1), name, std::to_string(group.turn)}));
    for (const HitExplanation& hit : group.hits) {
        std::string line = (hit.kind == HitKind::Status ? "　→ " : "") + hitBreakdownLine(hit, w);
        if (hit.damaged && hit.hpLoss != hit.damage)
            line += w.fill("HitBreakdown", QT_TRANSLATE_NOOP("HitBreakdown", "（HP −%1）"), {std::to_string(hit.hpLoss)});
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace vex::ui
