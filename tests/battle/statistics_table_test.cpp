#include <gtest/gtest.h>

#include "vexmora/battle/statistics_table.h"
#include "vexmora/battle/record_view.h"

namespace vex {
namespace {

TEST(StatisticsTable, RecordsAddsAndClears) {
    StatisticsTable s;
    EXPECT_EQ(s.get(0, 0), 47);
    s.record(0, StatCode::Battles, 1);
    s.record(0, StatCode::Battles, 2);
    s.record(1, StatCode::Turns, 12);
    EXPECT_EQ(s.get(0, StatCode::Battles), 3);
    EXPECT_EQ(s.get(1, StatCode::Turns), 12);
    s.record(0, 48, 5);   // not a code: ignored
    s.record(2, 1, 5);    // not a side: ignored
    s.record(0, kClearStatistics, 0);
    EXPECT_EQ(s.get(0, StatCode::Battles), 0);
    EXPECT_EQ(s.get(0, 0), 47);
    EXPECT_EQ(s.get(1, StatCode::Turns), 12);
    EXPECT_TRUE(s.intact());
}

TEST(StatisticsTable, TamperGuardNoticesAChangedCounter) {
    StatisticsTable s;
    s.record(0, StatCode::Defeats, 4);
    EXPECT_TRUE(s.intact());
    s.corruptForTest(0, static_cast<int>(StatCode::Defeats), 0);
    EXPECT_FALSE(s.intact());
}

TEST(History, WrittenAndParsedBackGivesTheSameCounters) {
    StatisticCounters c{};
    for (int i = 1; i <= kStatisticCodes; ++i) c[i] = (i * 37) % 11 - 3;
    c[2] = 123456;
    c[0] = kStatisticCodes;
    const std::string text = historyText(c);
    EXPECT_EQ(text.substr(0, 4), " 47*");
    EXPECT_EQ(text.substr(text.size() - 2), "*]");
    EXPECT_EQ(parseHistory(text), c);
    EXPECT_LE(historyText(StatisticCounters{}).size(), 250u);
}

TEST(History, ShortOrBrokenTextsParseWithZeros) {
    const StatisticCounters c = parseHistory(" 47** 15** 450**");
    EXPECT_EQ(c[0], 47);
    EXPECT_EQ(c[1], 15);
    EXPECT_EQ(c[2], 450);
    EXPECT_EQ(c[3], 0);
    EXPECT_EQ(parseHistory("")[5], 0);
    EXPECT_EQ(parseHistory("garbage")[0], 47);
}

TEST(RecordView, FiguresFollowTheirConditions) {
    StatisticCounters c{};
    c[19] = 10;  // battles
    c[40] = 4;   // defeats
    c[47] = 450; // HP percentages summed
    c[7] = 30;
    c[8] = 70;
    c[2] = 1000;
    c[17] = 3;
    c[16] = 5;
    c[46] = 2;
    const auto f = recordFigures(historyText(c));
    EXPECT_EQ(f[0], " 6");
    EXPECT_EQ(f[1], " 4");
    EXPECT_EQ(f[2], "75%");
    EXPECT_EQ(f[3], "30%");
    EXPECT_EQ(f[4], " 333");
    EXPECT_EQ(f[5], kNoFigure);
    EXPECT_EQ(f[8], "5");
    EXPECT_EQ(f[16], "2");
    EXPECT_EQ(f[9], kNoFigure);
    EXPECT_EQ(recordFigures("")[0], kNoFigure);
    EXPECT_EQ(recordViewCaption("ねこ"), "ねこの戦歴");
    EXPECT_EQ(kRecordCaptions[8], "最短決着ターン");
}

}  // namespace
}  // namespace vex
