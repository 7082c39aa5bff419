#pragma once
// `report result`: publishes one network battle on a report server. The results list is
// downloaded (a missing one starts a new list), the new record put first, the list bounded,
// the page rebuilt, and the page and then the list uploaded. Everything is held in memory:
// no file of the program folder is written or deleted.
//
// This runs the transfers to their end; the game runs it away from the window's thread.

#include <string>
#include <vector>

#include "vexmora/data/paths.h"
#include "vexmora/data/server_file.h"
#include "vexmora/report/ftp_client.h"
#include "vexmora/report/results_list.h"

namespace vex {

inline constexpr const char* kReportStarting = "結果を報告しています。お待ちください・・・";
inline constexpr const char* kReportDone = "結果の報告が完了しました";
inline constexpr const char* kReportFailed = "結果の報告が失敗しました";

struct ReportOutcome {
    bool reported = false;
    std::vector<std::string> chatLines;  // kReportStarting, then kReportDone or kReportFailed
    std::string detail;                  // the reason of a failure
    std::string lastTransfer;            // the last transfer's result text
};

ReportOutcome runReport(const fs::path& serverFile, const ReportedResult& result, FtpClient& client);
ReportOutcome runReport(const ServerRecord& server, const ReportedResult& result, FtpClient& client);

}  // namespace vex
