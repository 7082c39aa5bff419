#include <gtest/gtest.h>

#include "temp_folder.h"
#include "vexmora/data/text.h"
#include "vexmora/report/result_record.h"

namespace vex {
namespace {

ResultRecordInput sample() {
    ResultRecordInput in;
    in.ownSideWon = true;
    in.ownMonster = "ドラゴン";
    in.ownHandle = "ryu";
    in.opponentMonster = "ねこ";
    in.opponentHandle = "tama";
    in.finalTurn = 23;
    in.winnerHp = 412;
    in.winnerMaxHp = 1200;
    in.date = "2026/12/08";
    in.time = "21:05:13";
    return in;
}

std::vector<std::string> lines(const std::string& cp932) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start < cp932.size()) {
        const size_t end = cp932.find("\r\n", start);
        out.push_back(fromCp932(cp932.substr(start, end - start)));
        start = end + 2;
    }
    return out;
}

TEST(ResultRecord, ElevenLinesWithMarksFillerAndFigures) {
    const auto l = lines(buildResultRecord(sample()));
    ASSERT_EQ(l.size(), 11u);
    EXPECT_EQ(l[0], "");
    EXPECT_EQ(l[1], "*************** 対戦結果 ***************");
    // "ドラゴン  [ryu]" is 15 bytes: 19 - 7.5 = 11.5, rounded to even: 12 spaces.
    EXPECT_EQ(l[3], "　○" + std::string(12, ' ') + "ドラゴン  [ryu]");
    EXPECT_EQ(l[4], "　　　　  　　× ");
    EXPECT_EQ(l[5].substr(0, 6), "　●");
    EXPECT_EQ(l[7], "　　終了ターン：23 　残りＨＰ：412/1200");
    EXPECT_EQ(l[9], "　　　　　　　　　( 2026/12/08 21:05:13 )");
    EXPECT_EQ(l[10], std::string(40, '*'));
}

TEST(ResultRecord, LongNamesGetNoFiller) {
    EXPECT_EQ(resultFiller(38), 0);
    EXPECT_EQ(resultFiller(39), 0);
    EXPECT_EQ(resultFiller(60), 0);
    EXPECT_EQ(resultFiller(0), 19);
    EXPECT_EQ(resultFiller(37), 0);  // 0.5 rounds to even
    EXPECT_EQ(resultFiller(35), 2);
}

TEST(ResultRecord, AppendKeepsBothRecordsAndNoOverwrites) {
    test::TempFolder home;
    const fs::path path = home / kResultFileName;
    const std::string first = buildResultRecord(sample());
    ResultRecordInput other = sample();
    other.finalTurn = 50;
    const std::string second = buildResultRecord(other);

    ScriptedDialogs yes({DialogAnswer::Yes});
    ASSERT_TRUE(writeResultRecord(path, first, yes).ok());
    EXPECT_TRUE(yes.asked.empty());  // a new file needs no question
    ASSERT_TRUE(writeResultRecord(path, second, yes).ok());
    ASSERT_EQ(yes.asked.size(), 1u);
    EXPECT_EQ(yes.asked[0].title, "ネット対戦結果の出力");
    EXPECT_EQ(*readWholeFile(path, 1 << 20), first + second);

    ScriptedDialogs no({DialogAnswer::No});
    ASSERT_TRUE(writeResultRecord(path, first, no).ok());
    EXPECT_EQ(*readWholeFile(path, 1 << 20), first);
}

}  // namespace
}  // namespace vex
