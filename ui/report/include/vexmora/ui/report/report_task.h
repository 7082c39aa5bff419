#pragma once
// The report at the end of a hosted network battle, run so that the window keeps painting and
// the chat keeps working: the transfers happen away from the window's thread and the outcome
// comes back on it.

#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "vexmora/report/ftp_client.h"
#include "vexmora/report/report_run.h"

namespace vex::ui {

struct ReportCallbacks {
    // Each chat line as it happens: "結果を報告しています。お待ちください・・・" before
    // reportResult returns, then "結果の報告が完了しました" or "結果の報告が失敗しました".
    std::function<void(const std::string& line)> chatLine;
    // Once the transfers have ended (after the last chat line).
    std::function<void(const ReportOutcome& outcome)> finished;
};

// Starts reporting a result to the server file chosen in the battle settings and returns at
// once. An empty server file (報告しない) reports nothing: no transfer, no chat line, false.
// The callbacks run on this thread, and not at all once `owner` is gone. `client` replaces
// the FTP client (tests).
bool reportResult(const std::string& serverFile, const ReportedResult& result, QObject* owner,
                  ReportCallbacks callbacks, std::shared_ptr<FtpClient> client = {});

// Cancels the reports still running and gives them a moment to end, so no transfer outlives
// the program's end. Run when the program quits.
void endRunningReports();

}  // namespace vex::ui
