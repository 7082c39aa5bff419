#include "vexmora/report/report_run.h"

#include "vexmora/data/numbers.h"
#include "vexmora/report/results_page.h"
#include "vexmora/report/server_form.h"

namespace vex {

namespace {

ReportOutcome failed(std::string detail, std::string lastTransfer = kFtpFailed) {
    return ReportOutcome{false, {kReportStarting, kReportFailed}, std::move(detail), std::move(lastTransfer)};
}

bool usableRemoteName(const std::string& name) {
    if (name.empty() || hasRefusedCharacter(name) || name == "." || name == "..") return false;
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20) return false;
    return true;
}

}  // namespace

ReportOutcome runReport(const fs::path& serverFile, const ReportedResult& result, FtpClient& client) {
    Result<ServerRecord> server = readServer(serverFile);
    if (!server) return failed(server.error().message, "");
    return runReport(*server, result, client);
}

ReportOutcome runReport(const ServerRecord& server, const ReportedResult& result, FtpClient& client) {
    if (!usableRemoteName(server.pageName) || !usableRemoteName(server.listName))
        return failed("作成html名か戦歴ﾃﾞｰﾀﾌｧｲﾙの名前が使えません", "");
    const FtpLogin login{server.host, server.user, server.password};
    const std::string listFile = server.listName + ".txt";
    const std::string pageFile = server.pageName + ".html";

    FtpGetResult got = client.get(login, listFile, kMaxListBytes);
    if (got.status == FtpGetStatus::Failed) return failed(got.detail);
    std::vector<ResultEntry> old;
    if (got.status == FtpGetStatus::Got) {
        auto parsed = parseResultsList(got.bytes);
        // An unreadable list is left on the server as it is rather than replaced.
        if (!parsed) return failed(parsed.error().message, kFtpGot);
        old = std::move(*parsed);
    }
    const std::vector<ResultEntry> entries =
        putNewestFirst(std::move(old), makeEntry(result), leadingNumber(server.listLimit));

    const FtpPutResult put =
        client.put(login, {FtpFile{pageFile, buildResultsPage(entries)}, FtpFile{listFile, writeResultsList(entries)}});
    if (!put.ok) return failed(put.detail);
    return ReportOutcome{true, {kReportStarting, kReportDone}, {}, kFtpPut};
}

}  // namespace vex
