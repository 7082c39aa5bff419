// make-server and report, as a script runs them, against a real FTP server on loopback.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "ftp_test_server.h"
#include "cli_process.h"
#include "temp_folder.h"

namespace vex {
namespace {

using nlohmann::json;

class CliReport : public ::testing::Test {
protected:
    test::TempFolder home;
    test::FtpTestServer server;

    test::CliRun makeServer(const json& j, const std::string& out = "site.srv") {
        return test::runCli({"make-server", "-", (home / out).string()}, j.dump());
    }
    json serverJson(const std::string& password) const {
        return {{"host", server.host()}, {"user", test::FtpTestServer::kUser}, {"password", password},
                {"pageName", "page"}, {"listName", "list"}, {"listLimit", 5}};
    }
    test::CliRun report(const fs::path& srv) {
        const json result = {{"winnerName", "ドラゴン"}, {"winnerHandle", "たろう"}, {"loserName", "もげげ"},
                             {"loserHandle", "じろう"}, {"loserMark", "逃走"}, {"date", "2026/12/08"},
                             {"time", "21:05:13"}, {"tournament", false}, {"turn", 17}, {"winnerHp", 420},
                             {"winnerMaxHp", 1000}};
        std::ofstream(home / "result.json") << result.dump();
        return test::runCli({"report", srv.string(), (home / "result.json").string()});
    }
};

TEST_F(CliReport, MakeServerChecksLikeTheForm) {
    json j = serverJson("pw");
    j["listLimit"] = "0";
    test::CliRun run = makeServer(j);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("ﾛｸﾞ数の設定が不正です"), std::string::npos) << run.err;
    j = serverJson("pw");
    j["user"] = "";
    EXPECT_NE(makeServer(j).err.find("ユーザ名を入力してください"), std::string::npos);
    j = serverJson("pw");
    j["pageName"] = "a:b";
    EXPECT_EQ(makeServer(j).status, 2);
    EXPECT_FALSE(fs::exists(home / "site.srv"));

    run = makeServer(serverJson("pw"));
    ASSERT_EQ(run.status, 0) << run.err;
    const json inspected = json::parse(test::runCli({"inspect", (home / "site.srv").string()}).out);
    EXPECT_EQ(inspected["host"], server.host());
    EXPECT_EQ(inspected["listLimit"], "5");
}

TEST_F(CliReport, ReportPrintsTheChatLinesAndItsExitTellsTheOutcome) {
    ASSERT_TRUE(server.running());
    ASSERT_EQ(makeServer(serverJson(test::FtpTestServer::kPassword)).status, 0);
    test::CliRun run = report(home / "site.srv");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "結果を報告しています。お待ちください・・・\n結果の報告が完了しました\n");
    EXPECT_TRUE(fs::exists(server.home() / "page.html"));
    EXPECT_TRUE(fs::exists(server.home() / "list.txt"));

    ASSERT_EQ(makeServer(serverJson("wrong"), "bad.srv").status, 0);
    run = report(home / "bad.srv");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "結果を報告しています。お待ちください・・・\n結果の報告が失敗しました\n");
}

}  // namespace
}  // namespace vex
