// make-server and report: report servers from the command line.

#include <iostream>
#include <iterator>

#include "command_line.h"
#include "vexmora/data/argument_paths.h"
#include "vexmora/data/record_json.h"
#include "vexmora/report/curl_ftp_client.h"
#include "vexmora/report/report_run.h"
#include "vexmora/report/server_form.h"

namespace vex::cli {

namespace {

using nlohmann::json;

// A JSON object from a file, or from standard input for "-".
Result<json> readJsonObject(const std::string& path) {
    std::string text;
    if (path == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else {
        auto bytes = readWholeFile(inputArgumentPath(path), 1 << 20);
        if (!bytes) return bytes.error();
        text = std::move(*bytes);
    }
    json j = json::parse(text, nullptr, false);
    if (j.is_discarded() || !j.is_object()) return Error{"エラー", path + ": not a JSON object"};
    return j;
}

struct MakeServerOptions {
    std::string jsonPath;
    std::string out;
};

struct ReportOptions {
    std::string serverFile;
    std::string resultPath;
};

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


int makeServer(const MakeServerOptions& o) {
    auto j = readJsonObject(o.jsonPath);
    if (!j) return failWith(j.error(), kExitUsage);
    auto server = serverFromJson(*j);
    if (!server) return failWith(server.error(), kExitUsage);
    const fs::path out = outputArgumentPath(o.out);
    ServerForm form;
    form.settingsName = out.stem().string();
    form.server = *server;
    if (std::optional<Error> complaint = checkServerForm(form)) return failWith(*complaint, kExitUsage);
    // The folder is made as the game's form makes "Server".
    std::error_code ec;
    if (out.has_parent_path()) fs::create_directories(out.parent_path(), ec);
    if (Status written = writeServer(out, form.server); !written) return failWith(written.error(), kExitFailure);
    std::cout << out.filename().string() << " を作成しました\n";
    return kExitOk;
}

int report(const ReportOptions& o) {
    auto j = readJsonObject(o.resultPath);
    if (!j) return failWith(j.error(), kExitUsage);
    auto result = resultFromJson(*j);
    if (!result) return failWith(result.error(), kExitUsage);
    CurlFtpClient client;
    const ReportOutcome outcome = runReport(inputArgumentPath(o.serverFile), *result, client);
    for (const std::string& line : outcome.chatLines) std::cout << line << "\n";
    if (!outcome.detail.empty()) std::cerr << outcome.detail << "\n";
    return outcome.reported ? kExitOk : kExitFailure;
}

}  // namespace

void addMakeServerCommand(CLI::App& app) {
    static MakeServerOptions options;
    CLI::App* command = addCommand(app, "make-server", "save a report-server file described by a JSON file");
    command->add_option("JSON", options.jsonPath,
                        "host, user, password, pageName, listName, listLimit (\"-\" for standard input)")
        ->required();
    command->add_option("OUT", options.out, "the server file to write (OUT.srv)")->required();
    runs(command, [] { return makeServer(options); });
}

void addReportCommand(CLI::App& app) {
    static ReportOptions options;
    CLI::App* command = addCommand(app, "report", "report one battle result to a report server");
    command->add_option("SERVER", options.serverFile, "the server file (.srv)")->required();
    command->add_option("RESULT", options.resultPath, "the result as JSON (\"-\" for standard input)")->required();
    runs(command, [] { return report(options); });
}

}  // namespace vex::cli
