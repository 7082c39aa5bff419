// make-server and report: report servers from the command line.

#include <iostream>
#include <iterator>

#include "commands.h"
#include "vexmora/data/record_json.h"
#include "vexmora/report/curl_ftp_client.h"
#include "vexmora/report/report_run.h"
#include "vexmora/report/server_form.h"

namespace vex::cli {

namespace {

using nlohmann::json;

constexpr const char* kMakeServerUsage = "usage: vexmora-cli make-server JSON OUT.srv\n";
constexpr const char* kReportUsage = "usage: vexmora-cli report SERVER.srv RESULT.json\n";

// A JSON object from a file, or from standard input for "-".
Result<json> readJsonObject(const std::string& path) {
    std::string text;
    if (path == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else {
        auto bytes = readWholeFile(path, 1 << 20);
        if (!bytes) return bytes.error();
        text = std::move(*bytes);
    }
    json j = json::parse(text, nullptr, false);
    if (j.is_discarded() || !j.is_object()) return Error{"エラー", path + ": not a JSON object"};
    return j;
}

struct MakeServerArgs {
    std::string jsonPath;
    fs::path out;
};

std::optional<MakeServerArgs> parseMakeServerArgs(const Args& args) {
    if (args.size() != 2) return std::nullopt;
    return MakeServerArgs{args[0], args[1]};
}

struct ReportArgs {
    fs::path serverFile;
    std::string resultPath;
};

std::optional<ReportArgs> parseReportArgs(const Args& args) {
    if (args.size() != 2) return std::nullopt;
    return ReportArgs{args[0], args[1]};
}

Result<ReportedResult> resultFromJson(const json& j) {
    ReportedResult r;
    try {
        r.winnerName = j.value("winnerName", "");
        r.winnerHandle = j.value("winnerHandle", "");
        r.loserName = j.value("loserName", "");
        r.loserHandle = j.value("loserHandle", "");
        r.loserMark = j.value("loserMark", "");
        r.date = j.value("date", "");
        r.time = j.value("time", "");
        r.tournament = j.value("tournament", false);
        r.turn = j.value("turn", 0);
        r.winnerHp = j.value("winnerHp", 0);
        r.winnerMaxHp = j.value("winnerMaxHp", 0);
    } catch (const json::exception& e) {
        return Error{"エラー", std::string("a result field has the wrong type: ") + e.what()};
    }
    if (r.loserMark != "" && r.loserMark != "切腹" && r.loserMark != "逃走")
        return Error{"エラー", "loserMark must be \"\", \"切腹\" or \"逃走\""};
    return r;
}

int failWith(const Error& e, int status) {
    std::cerr << e.title << ": " << e.message << "\n";
    return status;
}

}  // namespace

int makeServerCommand(const Args& args) {
    const std::optional<MakeServerArgs> parsed = parseMakeServerArgs(args);
    if (!parsed) {
        std::cerr << kMakeServerUsage;
        return 2;
    }
    auto j = readJsonObject(parsed->jsonPath);
    if (!j) return failWith(j.error(), 2);
    auto server = serverFromJson(*j);
    if (!server) return failWith(server.error(), 2);
    ServerForm form;
    form.settingsName = parsed->out.stem().string();
    form.server = *server;
    if (std::optional<Error> complaint = checkServerForm(form)) return failWith(*complaint, 2);
    if (Status written = writeServer(parsed->out, form.server); !written) return failWith(written.error(), 1);
    std::cout << parsed->out.filename().string() << " を作成しました\n";
    return 0;
}

int reportCommand(const Args& args) {
    const std::optional<ReportArgs> parsed = parseReportArgs(args);
    if (!parsed) {
        std::cerr << kReportUsage;
        return 2;
    }
    auto j = readJsonObject(parsed->resultPath);
    if (!j) return failWith(j.error(), 2);
    auto result = resultFromJson(*j);
    if (!result) return failWith(result.error(), 2);
    CurlFtpClient client;
    const ReportOutcome outcome = runReport(parsed->serverFile, *result, client);
    for (const std::string& line : outcome.chatLines) std::cout << line << "\n";
    if (!outcome.detail.empty()) std::cerr << outcome.detail << "\n";
    return outcome.reported ? 0 : 1;
}

}  // namespace vex::cli
