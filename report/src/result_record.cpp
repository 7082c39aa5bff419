#include "vexmora/report/result_record.h"

#include <ctime>
#include <fstream>

#include "vexmora/data/numbers.h"
#include "vexmora/data/text.h"

namespace vex {

int resultFiller(size_t nameAndHandleBytes) {
    const int64_t filler = cint(19.0 - static_cast<double>(nameAndHandleBytes) / 2.0);
    return filler < 0 ? 0 : static_cast<int>(filler);
}

std::string buildResultRecord(const ResultRecordInput& in) {
    const auto sideLine = [](bool won, const std::string& monster, const std::string& handle) {
        const std::string text = toCp932Lossy(monster + "  [" + handle + "]");
        return toCp932Lossy(std::string("　") + (won ? "○" : "●")) + std::string(resultFiller(text.size()), ' ') + text;
    };
    const std::string lines[] = {
        "",
        toCp932Lossy("*************** 対戦結果 ***************"),
        "",
        sideLine(in.ownSideWon, in.ownMonster, in.ownHandle),
        toCp932Lossy("　　　　  　　× "),
        sideLine(!in.ownSideWon, in.opponentMonster, in.opponentHandle),
        "",
        toCp932Lossy("　　終了ターン：" + std::to_string(in.finalTurn) + " 　残りＨＰ：" + std::to_string(in.winnerHp) +
                     "/" + std::to_string(in.winnerMaxHp)),
        "",
        toCp932Lossy("　　　　　　　　　( " + in.date + " " + in.time + " )"),
        "****************************************",
    };
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

namespace {
std::string formatNow(const char* format) {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    char buf[64];
    std::strftime(buf, sizeof buf, format, &local);
    return buf;
}
}  // namespace

std::string shortDateNow() { return formatNow("%Y/%m/%d"); }
std::string timeNow() { return formatNow("%H:%M:%S"); }

Status writeResultRecord(const fs::path& path, const std::string& record, Dialogs& dialogs) {
    std::error_code ec;
    std::string content = record;
    if (fs::exists(path, ec)) {
        const DialogAnswer answer = dialogs.ask({"ネット対戦結果の出力",
                                                 "結果をファイルに追記します\r\n\r\nいいえを選ぶと上書きします",
                                                 DialogIcon::Warning, DialogButtons::YesNo});
        if (answer == DialogAnswer::Yes) {
            auto old = readWholeFile(path, size_t{64} << 20);
            if (!old) return old.error();
            content = *old + record;
        }
    }
    return atomicWrite(path, content);
}

}  // namespace vex
