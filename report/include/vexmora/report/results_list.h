#pragma once
// The results list kept on a report server: records of 13 lines, each line one item in the
// "write" form (text in double quotes, CR LF), eight fields and five empty items; newest first.
// Fields are held as CP932 bytes, as the list and the page carry them.

#include <string>
#include <string_view>
#include <vector>

#include "vexmora/data/result.h"

namespace vex {

// One network battle to report, as the battle's end knows it (UTF-8 texts).
struct ReportedResult {
    std::string winnerName, winnerHandle;
    std::string loserName, loserHandle;
    std::string loserMark;  // "", "切腹" (fell by its own action) or "逃走" (fled)
    std::string date;       // the short date
    std::string time;       // the time
    bool tournament = false;
    int turn = 0;
    int winnerHp = 0;
    int winnerMaxHp = 0;
};

struct ResultEntry {
    std::string winnerName, winnerHandle;
    std::string loserName;  // with the mark's font tag appended, as the list stores it
    std::string loserHandle;
    std::string date, time;  // time with "　[大会ルール]" appended under tournament rules
    std::string turn;
    std::string hp;  // "remaining/maximum"

    bool operator==(const ResultEntry&) const = default;
};

inline constexpr size_t kListItemsPerRecord = 13;
inline constexpr size_t kListFields = 8;
// The list never holds more records than this, whatever a server file's limit says.
inline constexpr size_t kMaxListRecords = 100;
// A downloaded list larger than this is refused rather than read.
inline constexpr size_t kMaxListBytes = 1 << 20;

// The marks the loser's name carries in the list and on the page.
inline constexpr std::string_view kSeppukuMarkUtf8 = " <font color=#ee0000>切腹</font>";
inline constexpr std::string_view kFledMarkUtf8 = " <font color=#ee8800>逃走</font>";

ResultEntry makeEntry(const ReportedResult& result);

// Reads a downloaded list: at most kMaxListRecords records. A record with bytes that are not
// text, or out of step with the thirteen-line form, is left out and the records after it are
// read on, so a damaged record never costs the shared list the others. A list larger than
// kMaxListBytes is refused.
Result<std::vector<ResultEntry>> parseResultsList(std::string_view bytes);
std::string writeResultsList(const std::vector<ResultEntry>& entries);

// The list after a report: the new entry first, then at most limit + 1 of the old ones, and
// never more than kMaxListRecords in all. `limit` is the server file's number, as read.
std::vector<ResultEntry> putNewestFirst(std::vector<ResultEntry> old, ResultEntry newest, double limit);

}  // namespace vex
