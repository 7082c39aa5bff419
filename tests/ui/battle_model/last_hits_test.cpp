// The records the battle screen's breakdown keeps: each side's last turn of hits, a new battle
// forgetting the old one, a bounded group; and the lines a player reads.

#include <gtest/gtest.h>

#include "vexmora/ui/battle_model/last_hits.h"

namespace vex::ui {
namespace {

HitExplanation record(uint32_t sequence, int attacker, int turn, HitKind kind = HitKind::Strike) {
    HitExplanation hit;
    hit.sequence = sequence;
    hit.attacker = static_cast<int8_t>(attacker);
    hit.defender = static_cast<int8_t>(1 - attacker);
    hit.turn = static_cast<int16_t>(turn);
    hit.kind = kind;
    hit.technique = 0;
    return hit;
}

TEST(LastHits, EachSideKeepsTheHitsOfItsLastTurnAndANewBattleForgetsTheOld) {
    LastHits hits;
    hits.add(record(1, 0, 1));
    hits.add(record(2, 1, 1));
    hits.add(record(3, 0, 1, HitKind::Status));  // follows fighter 0's hit
    ASSERT_EQ(hits.view()[0].hits.size(), 2u);
    EXPECT_EQ(hits.view()[0].hits[1].kind, HitKind::Status);
    EXPECT_EQ(hits.view()[1].hits.size(), 1u);

    // Turn 2: only fighter 1 hits; fighter 0's turn-1 hits stay its last ones.
    hits.add(record(4, 1, 2));
    EXPECT_EQ(hits.view()[1].turn, 2);
    EXPECT_EQ(hits.view()[1].hits.size(), 1u);
    EXPECT_EQ(hits.view()[0].turn, 1);
    EXPECT_EQ(hits.view()[0].hits.size(), 2u);

    // Records start again from 1: the next battle.
    hits.add(record(1, 1, 1));
    EXPECT_TRUE(hits.view()[0].hits.empty());
    ASSERT_EQ(hits.view()[1].hits.size(), 1u);
    EXPECT_EQ(hits.view()[1].hits[0].sequence, 1u);
}

TEST(LastHits, AGroupKeepsItsLatestRecordsOnlyAndIgnoresAStrangeSide) {
    LastHits hits;
    const uint32_t many = LastHits::kMaxHitsKept + 5;
    for (uint32_t i = 1; i <= many; ++i) hits.add(record(i, 0, 3));
    hits.add(record(many + 1, 7, 3));
    ASSERT_EQ(hits.view()[0].hits.size(), LastHits::kMaxHitsKept);
    EXPECT_EQ(hits.view()[0].hits.back().sequence, many);
    EXPECT_EQ(hits.view()[0].hits.front().sequence, many - LastHits::kMaxHitsKept + 1);
    EXPECT_TRUE(hits.view()[1].hits.empty());
}

TEST(LastHits, TheLinesNameTheSideAndTheTurnAndWriteEachRecordAsTheBreakdownLine) {
    EXPECT_TRUE(hitGroupLines(0, "ヒダリ", HitGroup{}).empty());

    HitGroup group;
    group.turn = 4;
    HitExplanation hit = record(9, 1, 4);
    hit.checked = true;
    hit.landed = true;
    hit.damaged = true;
    hit.damage = 80;
    hit.hpLoss = 20;  // a clone took the rest
    HitExplanation status = record(10, 1, 4, HitKind::Status);
    status.status = 0;
    group.hits = {hit, status};
    const std::vector<std::string> lines = hitGroupLines(1, "ミギ", group);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "2Ｐ ミギ の攻撃（ターン 4）");
    EXPECT_EQ(lines[1], hitBreakdownLine(hit) + "（HP −20）");
    EXPECT_EQ(lines[2], "　→ " + hitBreakdownLine(status));
}

}  // namespace
}  // namespace vex::ui
