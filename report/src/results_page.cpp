#include "vexmora/report/results_page.h"

#include "vexmora/data/text.h"

namespace vex {

namespace {

// The loser's name with its mark: the name escaped, the mark's own font tag kept.
std::string loserOnPage(const std::string& loserName) {
    for (std::string_view markUtf8 : {kSeppukuMarkUtf8, kFledMarkUtf8}) {
        const std::string mark = toCp932Lossy(markUtf8);
        if (loserName.size() >= mark.size() && loserName.compare(loserName.size() - mark.size(), mark.size(), mark) == 0)
            return escapeHtml(std::string_view(loserName).substr(0, loserName.size() - mark.size())) + mark;
    }
    return escapeHtml(loserName);
}

}  // namespace

std::string escapeHtml(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string buildResultsPage(const std::vector<ResultEntry>& entries) {
    std::string page;
    const auto line = [&page](std::string_view utf8) { page += toCp932Lossy(utf8) + "\r\n"; };
    // A line made of fixed UTF-8 parts and CP932 texts from the list.
    const auto row = [&page](std::initializer_list<std::pair<bool, std::string>> parts) {
        for (const auto& [fixed, text] : parts) page += fixed ? toCp932Lossy(text) : text;
        page += "\r\n";
    };
    const auto fixed = [](std::string text) { return std::pair<bool, std::string>{true, std::move(text)}; };
    const auto field = [](const std::string& cp932) { return std::pair<bool, std::string>{false, escapeHtml(cp932)}; };

    line("<html><head><title>最近の対戦結果</title></head>");
    line(R"(<body bgcolor="#000000" text="#fffff0" link="#0000ff" vlink="#0000cc" alink="#ff00ff">)");
    line("<br><br><CENTER><h2>最近の対戦結果</h2><br><br>");
    line("");
    for (const ResultEntry& e : entries) {
        line("<table width=80% cellpadding=10 border=1>");
        row({fixed(R"(<tr><th bgcolor="#000088">)"), field(e.date), fixed(R"(<th bgcolor="#000088">)"), field(e.time)});
        line("<tr><th colspan=2><table cellpadding=2 border=0>");
        row({fixed(R"(<tr><th bgcolor="#0000ee">WIN<th>　)"), field(e.winnerName),
             fixed(R"(　<font color="#aaaa00"> [</font> )"), field(e.winnerHandle),
             fixed(R"( <font color="#aaaa00">])")});
        line("<tr><th><th><font size=+2>×</font>");
        row({fixed(R"(<tr><th bgcolor="#ee0000">LOSE<th>　)"), {false, loserOnPage(e.loserName)},
             fixed(R"(　<font color="#aaaa00"> [</font> )"), field(e.loserHandle),
             fixed(R"( <font color="#aaaa00">])")});
        line("</table><br>");
        row({fixed(R"(<font color="#aaaa00">終了ターン：</font> )"), field(e.turn)});
        row({fixed(R"(<font color="#aaaa00">　　　 　残りＨＰ：</font> )"), field(e.hp)});
        line("</table><br><br>");
        line("");
    }
    page += toCp932Lossy("</body></html>");
    return page;
}

}  // namespace vex
