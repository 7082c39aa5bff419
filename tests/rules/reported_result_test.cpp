// The report's record taken from the battle's end, from either side's point of view.
#include <gtest/gtest.h>

#include "vexmora/rules/reported_result.h"

namespace vex {
namespace {

EndOfBattle ended(int winner) {
    EndOfBattle end;
    end.winner = winner;
    end.network = true;
    end.turnCount = 23;
    end.side[0] = SideOutcome{"ドラゴン", 310, 1500, 0, false, false, false, {}, {}};
    end.side[1] = SideOutcome{"もげげ", 0, 1500, 0, false, false, false, {}, {}};
    return end;
}

TEST(ReportedResult, WinnerAndLoserFollowTheWinningSide) {
    ReportedResult r = reportedResultOf(ended(0), {"わたし", "あなた"}, true, "2026/12/08", "21:05:13");
    EXPECT_EQ(r.winnerName, "ドラゴン");
    EXPECT_EQ(r.winnerHandle, "わたし");
    EXPECT_EQ(r.loserHandle, "あなた");
    EXPECT_EQ(r.winnerHp, 310);
    EXPECT_EQ(r.winnerMaxHp, 1500);
    EXPECT_EQ(r.turn, 23);
    EXPECT_TRUE(r.tournament);
    EXPECT_EQ(r.loserMark, "");

    EndOfBattle lost = ended(1);
    lost.side[1].hp = 45;
    lost.side[0].fled = true;
    r = reportedResultOf(lost, {"わたし", "あなた"}, false, "d", "t");
    EXPECT_EQ(r.winnerName, "もげげ");
    EXPECT_EQ(r.winnerHandle, "あなた");
    EXPECT_EQ(r.winnerHp, 45);
    EXPECT_EQ(r.loserMark, "逃走");
    lost.side[0].selfFelled = true;
    EXPECT_EQ(reportedResultOf(lost, {"a", "b"}, false, "d", "t").loserMark, "切腹");
}

}  // namespace
}  // namespace vex
