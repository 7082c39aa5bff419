// The whole report against a real FTP server on loopback.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>

#include "ftp_test_server.h"
#include "file_text.h"
#include "temp_folder.h"
#include "vexmora/data/text.h"
#include "vexmora/report/curl_ftp_client.h"
#include "vexmora/report/report_run.h"
#include "vexmora/report/results_page.h"
#include "vexmora/report/server_form.h"

namespace vex {
namespace {

ReportedResult battle(const std::string& winner, const std::string& loser) {
    ReportedResult r;
    r.winnerName = winner;
    r.winnerHandle = "勝者";
    r.loserName = loser;
    r.loserHandle = "敗者";
    r.date = "2026/12/08";
    r.time = "21:05:13";
    r.turn = 17;
    r.winnerHp = 420;
    r.winnerMaxHp = 1000;
    return r;
}

class ReportOverFtp : public ::testing::Test {
protected:
    test::FtpTestServer server;
    test::TempFolder program;
    CurlFtpClient client;

    void SetUp() override { ASSERT_TRUE(server.running()) << "pyftpdlib did not start"; }

    ServerRecord record(const std::string& limit = "30") const {
        ServerRecord s;
        s.host = server.host();
        s.user = test::FtpTestServer::kUser;
        s.password = test::FtpTestServer::kPassword;
        s.listLimit = limit;
        return s;
    }
    fs::path serverFile(const ServerRecord& s) {
        ServerForm form;
        form.settingsName = "loopback";
        form.server = s;
        auto made = makeServerFile(program.path(), form);
        EXPECT_TRUE(made.ok());
        return made.ok() ? *made : fs::path();
    }
    std::vector<ResultEntry> remoteList() const {
        auto parsed = parseResultsList(test::fileText(server.home() / "result.txt"));
        return parsed.ok() ? *parsed : std::vector<ResultEntry>{};
    }
    // Nothing but the Server folder is left in the program folder.
    void expectNoLocalFiles() const {
        for (const auto& entry : fs::directory_iterator(program.path()))
            EXPECT_EQ(entry.path().filename(), "Server") << entry.path();
    }
};

TEST_F(ReportOverFtp, AMissingListBecomesAListOfOneAndThePageIsUploaded) {
    const ReportOutcome outcome = runReport(serverFile(record()), battle("ドラゴン", "もげげ"), client);
    EXPECT_TRUE(outcome.reported) << outcome.detail;
    EXPECT_EQ(outcome.chatLines, (std::vector<std::string>{kReportStarting, kReportDone}));
    const auto list = remoteList();
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(fromCp932(list[0].winnerName), "ドラゴン");
    EXPECT_EQ(test::fileText(server.home() / "result.html"), buildResultsPage(list));
    expectNoLocalFiles();
}

TEST_F(ReportOverFtp, ALimitOfOneKeepsThreeRecordsNewestFirst) {
    const fs::path file = serverFile(record("1"));
    for (const char* winner : {"一", "二", "三", "四"})
        ASSERT_TRUE(runReport(file, battle(winner, "もげげ"), client).reported);
    const auto list = remoteList();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(fromCp932(list[0].winnerName), "四");
    EXPECT_EQ(fromCp932(list[1].winnerName), "三");
    EXPECT_EQ(fromCp932(list[2].winnerName), "二");
}

TEST_F(ReportOverFtp, AScriptNameIsEscapedOnThePageAndRawInTheList) {
    ReportedResult r = battle("<script>alert(1)</script>", "もげげ");
    r.loserMark = "切腹";
    ASSERT_TRUE(runReport(serverFile(record()), r, client).reported);
    const std::string page = test::fileText(server.home() / "result.html");
    EXPECT_EQ(page.find("<script>"), std::string::npos);
    EXPECT_NE(page.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
    EXPECT_NE(page.find(toCp932Lossy("もげげ <font color=#ee0000>切腹</font>")), std::string::npos);
    EXPECT_NE(test::fileText(server.home() / "result.txt").find("\"<script>alert(1)</script>\""), std::string::npos);
}

TEST_F(ReportOverFtp, AnExistingListIsExtendedAndAnUnreadableOneIsLeftAlone) {
    ASSERT_TRUE(runReport(serverFile(record()), battle("一", "もげげ"), client).reported);
    ASSERT_TRUE(runReport(serverFile(record()), battle("二", "もげげ"), client).reported);
    EXPECT_EQ(remoteList().size(), 2u);

    const std::string huge(kMaxListBytes + 1, 'x');
    std::ofstream(server.home() / "result.txt", std::ios::binary) << huge;
    const ReportOutcome outcome = runReport(serverFile(record()), battle("三", "もげげ"), client);
    EXPECT_FALSE(outcome.reported);
    EXPECT_EQ(outcome.chatLines.back(), kReportFailed);
    EXPECT_EQ(test::fileText(server.home() / "result.txt"), huge);
}

TEST_F(ReportOverFtp, AWrongPasswordFailsWithoutTransfersOrLocalFiles) {
    ServerRecord s = record();
    s.password = "wrong";
    const ReportOutcome outcome = runReport(serverFile(s), battle("一", "もげげ"), client);
    EXPECT_FALSE(outcome.reported);
    EXPECT_EQ(outcome.chatLines, (std::vector<std::string>{kReportStarting, kReportFailed}));
    EXPECT_NE(outcome.detail.find("67"), std::string::npos) << outcome.detail;
    EXPECT_FALSE(fs::exists(server.home() / "result.txt"));
    expectNoLocalFiles();
}

TEST_F(ReportOverFtp, AStoppedServerFailsAtOnce) {
    const fs::path file = serverFile(record());
    server.stop();
    const auto start = std::chrono::steady_clock::now();
    const ReportOutcome outcome = runReport(file, battle("一", "もげげ"), client);
    EXPECT_FALSE(outcome.reported);
    EXPECT_EQ(outcome.chatLines.back(), kReportFailed);
    // Refused on loopback: well inside the connect time-out.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    expectNoLocalFiles();
}

// A server that speaks TLS only: the report goes through it encrypted when the certificate is
// trusted, and never in plain text when it is not.
TEST(ReportOverFtps, TheReportGoesOverTlsAndOnlyToAServerThatProvesItself) {
    test::FtpTestServer server(test::FtpTestServer::kTlsOnly);
    ASSERT_TRUE(server.running()) << "pyftpdlib did not start with TLS (python3-openssl)";
    ServerRecord s;
    s.host = server.host();
    s.user = test::FtpTestServer::kUser;
    s.password = test::FtpTestServer::kPassword;

    CurlFtpClient trusting(FtpTimeouts{}, {}, FtpTrust{server.certificate().string()});
    for (const char* winner : {"一", "二"}) {
        const ReportOutcome outcome = runReport(s, battle(winner, "もげげ"), trusting);
        ASSERT_TRUE(outcome.reported) << outcome.detail;
    }
    auto list = parseResultsList(test::fileText(server.home() / "result.txt"));
    ASSERT_TRUE(list.ok());
    ASSERT_EQ(list->size(), 2u);
    EXPECT_EQ(fromCp932((*list)[0].winnerName), "二");
    EXPECT_EQ(test::fileText(server.home() / "result.html"), buildResultsPage(*list));

    // The game's own client trusts the system's authorities only: this certificate is refused.
    CurlFtpClient game;
    const ReportOutcome refused = runReport(s, battle("三", "もげげ"), game);
    EXPECT_FALSE(refused.reported);
    EXPECT_NE(refused.detail.find("証明書"), std::string::npos) << refused.detail;
    EXPECT_EQ(parseResultsList(test::fileText(server.home() / "result.txt"))->size(), 2u);
}

TEST(FtpTimeouts, ASilentServerIsGivenUpAfterTheTimeout) {
    // Accepts connections (the backlog does) but never greets.
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 4), 0);
    socklen_t length = sizeof address;
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    const FtpLogin login{"127.0.0.1:" + std::to_string(ntohs(address.sin_port)), "u", "p"};

    CurlFtpClient impatient(FtpTimeouts{1, 1});
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(impatient.get(login, "result.txt", 1000).status, FtpGetStatus::Failed);
    EXPECT_FALSE(impatient.put(login, {FtpFile{"result.html", "x"}}).ok);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(8));

    // A cancelled client (the program quits) does not wait for the time-outs.
    auto cancel = std::make_shared<std::atomic<bool>>(true);
    CurlFtpClient cancelled(FtpTimeouts{}, cancel);
    start = std::chrono::steady_clock::now();
    const FtpGetResult got = cancelled.get(login, "result.txt", 1000);
    EXPECT_EQ(got.status, FtpGetStatus::Failed);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << got.detail;
    close(listener);
}

TEST(FtpHost, PortsAndRefusedHosts) {
    EXPECT_EQ(parseFtpHost("ftp.example.org")->port, 21);
    EXPECT_EQ(parseFtpHost("127.0.0.1:2121")->port, 2121);
    EXPECT_EQ(parseFtpHost("127.0.0.1:2121")->host, "127.0.0.1");
    EXPECT_EQ(parseFtpHost("[::1]:99")->host, "[::1]");
    for (const char* bad : {"", "a b", "host/x", "user@host", "host:", "host:0", "host:70000", "host:2x", "[zz]"})
        EXPECT_FALSE(parseFtpHost(bad)) << bad;
}

}  // namespace
}  // namespace vex
