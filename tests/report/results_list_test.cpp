// The results list: its form, the bound, and a downloaded list read only as far as it is sound.
#include <gtest/gtest.h>

#include <cmath>

#include "vexmora/data/text.h"
#include "vexmora/report/results_list.h"

namespace vex {
namespace {

ResultEntry entry(const std::string& winner) {
    ReportedResult r;
    r.winnerName = winner;
    r.winnerHandle = "h";
    r.loserName = "l";
    r.loserHandle = "m";
    r.date = "2026/12/08";
    r.time = "10:00:00";
    r.turn = 3;
    r.winnerHp = 5;
    r.winnerMaxHp = 1000;
    return makeEntry(r);
}

std::vector<ResultEntry> entries(int n) {
    std::vector<ResultEntry> v;
    for (int i = 0; i < n; ++i) v.push_back(entry(std::to_string(i)));
    return v;
}

TEST(ResultsList, ThirteenQuotedLinesPerRecordAndBack) {
    const std::vector<ResultEntry> list = {entry("ドラゴン"), entry("もげげ")};
    const std::string bytes = writeResultsList(list);
    EXPECT_EQ(bytes.substr(0, bytes.find("\"h\"")), *toCp932("\"ドラゴン\"\r\n"));
    EXPECT_NE(bytes.find("\"5/1000\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"" + *toCp932("もげげ")), std::string::npos);
    size_t lines = 0;
    for (char c : bytes) lines += c == '\n';
    EXPECT_EQ(lines, 26u);
    EXPECT_EQ(*parseResultsList(bytes), list);
}

TEST(ResultsList, TheNewRecordGoesFirstAndTheListStaysBounded) {
    EXPECT_EQ(putNewestFirst(entries(5), entry("new"), 1).size(), 3u);
    EXPECT_EQ(putNewestFirst(entries(5), entry("new"), 1).front(), entry("new"));
    EXPECT_EQ(putNewestFirst(entries(2), entry("new"), 30).size(), 3u);
    EXPECT_EQ(putNewestFirst(entries(150), entry("new"), 30).size(), 32u);
    // A hand-made server file cannot grow the list past its bound, nor break it.
    EXPECT_EQ(putNewestFirst(entries(150), entry("new"), 5000).size(), kMaxListRecords);
    EXPECT_EQ(putNewestFirst(entries(5), entry("new"), -7).size(), 1u);
    EXPECT_EQ(putNewestFirst(entries(5), entry("new"), std::nan("")).size(), 1u);
}

TEST(ResultsList, ADamagedRecordCostsTheListThatRecordOnly) {
    // At most the bound of records.
    EXPECT_EQ(parseResultsList(writeResultsList(entries(130)))->size(), kMaxListRecords);
    const std::vector<ResultEntry> list = {entry("w0"), entry("w1"), entry("w2"), entry("w3"), entry("w4")};
    // Bytes that are not text in a field, and a cut CP932 character.
    for (const std::string& bad : {std::string("\"\x01\x02\"", 4), std::string("\"\x81\"")}) {
        std::string damaged = writeResultsList(list);
        damaged.replace(damaged.find("\"w1\""), 4, bad);
        EXPECT_EQ(*parseResultsList(damaged), (std::vector<ResultEntry>{list[0], list[2], list[3], list[4]}));
    }
    // Hand edits that put a record out of step: an extra line in one, two lines fewer in another.
    std::string shifted = writeResultsList(list);
    shifted.insert(shifted.find("\"w1\""), "\"extra\"\r\n");
    const size_t cut = shifted.find("\"w3\"");
    shifted.erase(cut, shifted.find("\"l\"", cut) - cut);
    EXPECT_EQ(*parseResultsList(shifted), (std::vector<ResultEntry>{list[0], list[2], list[4]}));
    // An unbalanced quote swallows the rest: what came before stays.
    std::string unbalanced = writeResultsList(entries(2)) + "\"open";
    EXPECT_EQ(parseResultsList(unbalanced)->size(), 2u);
    // A record cut short of its eight fields is dropped.
    const std::string full = writeResultsList(entries(2));
    EXPECT_EQ(parseResultsList(full.substr(0, full.size() - 60))->size(), 1u);
    EXPECT_TRUE(parseResultsList("")->empty());
    EXPECT_TRUE(parseResultsList(std::string(5000, '\0'))->empty());
    // Too large to be a list.
    EXPECT_FALSE(parseResultsList(std::string(kMaxListBytes + 1, ' ')).ok());
}

TEST(ResultsList, MarksAndTournamentRulesAreWrittenIntoTheFields) {
    ReportedResult r;
    r.loserName = "もげげ";
    r.loserMark = "切腹";
    r.time = "10:00:00";
    r.tournament = true;
    const ResultEntry e = makeEntry(r);
    EXPECT_EQ(fromCp932(e.loserName), "もげげ <font color=#ee0000>切腹</font>");
    EXPECT_EQ(fromCp932(e.time), "10:00:00　[大会ルール]");
    r.loserMark = "逃走";
    r.loserName = "a\r\nb";
    EXPECT_EQ(fromCp932(makeEntry(r).loserName), "a  b <font color=#ee8800>逃走</font>");
}

}  // namespace
}  // namespace vex
