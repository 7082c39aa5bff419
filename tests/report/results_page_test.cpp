// The results page and list as bytes.
#include <gtest/gtest.h>

#include "vexmora/data/text.h"
#include "vexmora/report/results_page.h"

namespace vex {
namespace {

ReportedResult fixedBattle() {
    ReportedResult r;
    r.winnerName = "ドラゴン";
    r.winnerHandle = "たろう";
    r.loserName = "もげげ";
    r.loserHandle = "じろう";
    r.loserMark = "逃走";
    r.date = "2026/12/08";
    r.time = "21:05:13";
    r.tournament = true;
    r.turn = 17;
    r.winnerHp = 420;
    r.winnerMaxHp = 1000;
    return r;
}

TEST(ResultsPage, OneRecordByteForByte) {
    const std::string expectedUtf8 =
        "<html><head><title>最近の対戦結果</title></head>\r\n"
        "<body bgcolor=\"#000000\" text=\"#fffff0\" link=\"#0000ff\" vlink=\"#0000cc\" alink=\"#ff00ff\">\r\n"
        "<br><br><CENTER><h2>最近の対戦結果</h2><br><br>\r\n"
        "\r\n"
        "<table width=80% cellpadding=10 border=1>\r\n"
        "<tr><th bgcolor=\"#000088\">2026/12/08<th bgcolor=\"#000088\">21:05:13　[大会ルール]\r\n"
        "<tr><th colspan=2><table cellpadding=2 border=0>\r\n"
        "<tr><th bgcolor=\"#0000ee\">WIN<th>　ドラゴン　<font color=\"#aaaa00\"> [</font> たろう <font color=\"#aaaa00\">]\r\n"
        "<tr><th><th><font size=+2>×</font>\r\n"
        "<tr><th bgcolor=\"#ee0000\">LOSE<th>　もげげ <font color=#ee8800>逃走</font>　<font color=\"#aaaa00\"> [</font> じろう <font color=\"#aaaa00\">]\r\n"
        "</table><br>\r\n"
        "<font color=\"#aaaa00\">終了ターン：</font> 17\r\n"
        "<font color=\"#aaaa00\">　　　 　残りＨＰ：</font> 420/1000\r\n"
        "</table><br><br>\r\n"
        "\r\n"
        "</body></html>";
    EXPECT_EQ(buildResultsPage({makeEntry(fixedBattle())}), *toCp932(expectedUtf8));
}

TEST(ResultsPage, NamesHandlesAndListTextsAreEscapedButMarksKeepTheirTags) {
    ReportedResult r = fixedBattle();
    r.winnerName = "<script>x</script>";
    r.loserName = "a&b";
    r.loserHandle = "\"q\"";
    r.loserMark = "切腹";
    ResultEntry e = makeEntry(r);
    e.date = "<img src=x>";  // a list from the server is outside input too
    const std::string page = buildResultsPage({e});
    EXPECT_EQ(page.find("<script>"), std::string::npos);
    EXPECT_NE(page.find("&lt;script&gt;x&lt;/script&gt;"), std::string::npos);
    EXPECT_NE(page.find(*toCp932("a&amp;b <font color=#ee0000>切腹</font>")), std::string::npos);
    EXPECT_NE(page.find("&lt;img src=x&gt;"), std::string::npos);
    // The list's own quote character cannot be stored: it becomes a full-width one.
    EXPECT_NE(page.find(*toCp932("”q”")), std::string::npos);
}

TEST(ResultsPage, AnEmptyListIsTheFrameOnly) {
    const std::string page = buildResultsPage({});
    EXPECT_EQ(page.substr(page.size() - 14), "</body></html>");
    EXPECT_EQ(page.find("<table"), std::string::npos);
}

TEST(ResultsPage, DoubleByteTrailBytesPassThroughEscaping) {
    // "ソ" is 0x83 0x5C: its trail byte is a backslash, never a mark to escape.
    const std::string cp932 = *toCp932("ソ表<");
    EXPECT_EQ(escapeHtml(cp932), *toCp932("ソ表&lt;"));
}

}  // namespace
}  // namespace vex
