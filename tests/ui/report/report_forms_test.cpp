// MAKEsrv, the server list of the battle settings and the report beside the window, driven
// as a player drives them; the report goes to a real FTP server on loopback.

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ftp_test_server.h"
#include "temp_folder.h"
#include "vexmora/report/server_form.h"
#include "vexmora/ui/battle_view/config_dialog.h"
#include "vexmora/ui/report/make_server_form.h"
#include "vexmora/ui/report/report_task.h"
#include "vexmora/ui/report/server_list.h"

using namespace vex;
using namespace vex::ui;

namespace {

QPushButton* button(QWidget& form, const char* name) { return form.findChild<QPushButton*>(QString::fromLatin1(name)); }

ReportedResult aBattle() {
    ReportedResult r;
    r.winnerName = "ドラゴン";
    r.winnerHandle = "たろう";
    r.loserName = "もげげ";
    r.loserHandle = "じろう";
    r.date = "2026/12/08";
    r.time = "21:05:13";
    r.turn = 17;
    r.winnerHp = 420;
    r.winnerMaxHp = 1000;
    return r;
}

}  // namespace

class ReportFormsTest : public QObject {
    Q_OBJECT
private slots:
    void makeServerFormChecksWritesAndTells() {
        test::TempFolder home;
        ScriptedDialogs dialogs;
        MakeServerForm form(home.path(), dialogs);
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("戦歴報告用サーバの設定"));
        QCOMPARE(form.field("settingsName")->text(), QStringLiteral("SERVERinfo"));
        QCOMPARE(form.field("pageName")->text(), QStringLiteral("result"));
        QCOMPARE(form.field("listName")->text(), QStringLiteral("result"));
        QCOMPARE(form.field("listLimit")->text(), QStringLiteral("30"));

        // The marks a file name cannot hold are refused as they are typed; others are not.
        form.field("settingsName")->clear();
        QTest::keyClicks(form.field("settingsName"), QStringLiteral("my:si<te|"));
        QCOMPARE(form.field("settingsName")->text(), QStringLiteral("mysite"));
        QTest::keyClicks(form.field("listName"), QStringLiteral("/x"));
        QCOMPARE(form.field("listName")->text(), QStringLiteral("resultx"));
        QTest::keyClick(form.field("listName"), Qt::Key_Backspace);
        QCOMPARE(form.field("listName")->text(), QStringLiteral("result"));
        QTest::keyClicks(form.field("host"), QStringLiteral("ftp:21"));
        QCOMPARE(form.field("host")->text(), QStringLiteral("ftp:21"));

        QTest::mouseClick(button(form, "make"), Qt::LeftButton);
        QCOMPARE(dialogs.asked.size(), size_t{1});
        QCOMPARE(dialogs.asked[0].text, std::string("ユーザ名を入力してください"));
        QVERIFY(!fs::exists(home / "Server"));

        QTest::keyClicks(form.field("user"), QStringLiteral("me"));
        QTest::keyClicks(form.field("password"), QStringLiteral("pw"));
        QTest::mouseClick(button(form, "make"), Qt::LeftButton);
        QCOMPARE(dialogs.asked.size(), size_t{2});
        QCOMPARE(dialogs.asked[1].title, std::string("ファイル出力の完了"));
        auto read = readServer(home / "Server" / "mysite.srv");
        QVERIFY(read.ok());
        QCOMPARE(read->host, std::string("ftp:21"));
        QCOMPARE(read->listLimit, std::string("30"));

        QTest::mouseClick(button(form, "close"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }

    void serverListOffersNoReportFirstThenTheFiles() {
        test::TempFolder home;
        ServerForm a;
        a.server = {"h", "u", "p", "result", "result", "30"};
        a.settingsName = "beta";
        QVERIFY(makeServerFile(home.path(), a).ok());
        a.settingsName = "alpha";
        QVERIFY(makeServerFile(home.path(), a).ok());

        std::unique_ptr<QListWidget> list(makeServerList(home.path()));
        QCOMPARE(list->objectName(), QStringLiteral("SERVERlist"));
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(0)->text(), QStringLiteral("報告しない"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("alpha"));
        QCOMPARE(chosenServerFile(list.get()), std::string());
        list->setCurrentRow(2);
        QCOMPARE(chosenServerFile(list.get()), (home / "Server" / "beta.srv").string());
        chooseServerFile(list.get(), (home / "Server" / "alpha.srv").string());
        QCOMPARE(list->currentRow(), 1);
        chooseServerFile(list.get(), "gone.srv");
        QCOMPARE(list->currentRow(), 0);
    }

    void theBattleSettingsKeepTheChosenServerFile() {
        test::TempFolder home;
        ServerForm a;
        a.server = {"h", "u", "p", "result", "result", "30"};
        a.settingsName = "mysite";
        QVERIFY(makeServerFile(home.path(), a).ok());
        BattleSettings settings;
        const StageList stages;
        ScriptedDialogs dialogs;
        const std::string file = (home / "Server" / "mysite.srv").string();
        {
            ConfigDialog dialog(settings, stages, home.path(), dialogs, {false});
            QCOMPARE(dialog.serverList()->currentItem()->text(), QStringLiteral("報告しない"));
            QCOMPARE(dialog.reportServer(), std::string());
            dialog.serverList()->setCurrentRow(1);
            QCOMPARE(dialog.reportServer(), file);
        }
        ConfigDialog again(settings, stages, home.path(), dialogs, {false});
        again.setReportServer(file);
        QCOMPARE(again.serverList()->currentItem()->text(), QStringLiteral("mysite"));
    }

    void noReportChosenMeansNoTransferAndNoChat() {
        QObject owner;
        int lines = 0;
        QVERIFY(!reportResult("", aBattle(), &owner, {[&](const std::string&) { ++lines; }, {}}));
        QCOMPARE(lines, 0);
        // Nothing was left running that could call later: a report's only way back is a timer
        // of its owner.
        QVERIFY(owner.findChildren<QTimer*>().isEmpty());
    }

    void theWindowKeepsRunningWhileTheServerMakesItWait() {
        test::FtpTestServer server;
        QVERIFY(server.running());
        test::TempFolder home;
        ServerForm form;
        form.server = {server.host(), test::FtpTestServer::kUser, "wrong", "result", "result", "30"};
        auto file = makeServerFile(home.path(), form);
        QVERIFY(file.ok());

        // A wrong password is answered only after some seconds: the event loop runs meanwhile.
        QObject owner;
        std::vector<std::string> chat;
        bool finished = false;
        QVERIFY(reportResult(file->string(), aBattle(), &owner,
                             {[&](const std::string& line) { chat.push_back(line); },
                              [&](const ReportOutcome&) { finished = true; }}));
        QCOMPARE(chat, std::vector<std::string>{kReportStarting});
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(20);
        QVERIFY(QTest::qWaitFor([&] { return finished; }, 20000));
        QCOMPARE(chat, (std::vector<std::string>{kReportStarting, kReportFailed}));
        QVERIFY2(ticks > 20, qPrintable(QString::number(ticks)));

        // The right password reports.
        form.server.password = test::FtpTestServer::kPassword;
        file = makeServerFile(home.path(), form);
        chat.clear();
        finished = false;
        QVERIFY(reportResult(file->string(), aBattle(), &owner,
                             {[&](const std::string& line) { chat.push_back(line); },
                              [&](const ReportOutcome&) { finished = true; }}));
        QVERIFY(QTest::qWaitFor([&] { return finished; }, 20000));
        QCOMPARE(chat, (std::vector<std::string>{kReportStarting, kReportDone}));
        QVERIFY(fs::exists(server.home() / "result.html"));
    }

    void nothingArrivesOnceTheOwnerIsGone() {
        test::FtpTestServer server;
        test::TempFolder home;
        ServerForm form;
        form.server = {server.host(), test::FtpTestServer::kUser, test::FtpTestServer::kPassword, "result", "result", "30"};
        auto file = makeServerFile(home.path(), form);
        QVERIFY(file.ok());
        int calls = 0;
        {
            QObject owner;
            QVERIFY(reportResult(file->string(), aBattle(), &owner, {{}, [&](const ReportOutcome&) { ++calls; }}));
        }
        QVERIFY(QTest::qWaitFor([&] { return fs::exists(server.home() / "result.txt"); }, 10000));
        // Once the first transfer has ended, a report started after it is answered after it
        // would have been: its answer proves the first one's had its chance.
        endRunningReports();
        QObject owner;
        bool answered = false;
        QVERIFY(reportResult(file->string(), aBattle(), &owner, {{}, [&](const ReportOutcome&) { answered = true; }}));
        QVERIFY(QTest::qWaitFor([&] { return answered; }, 20000));
        QCOMPARE(calls, 0);
    }
};

QTEST_MAIN(ReportFormsTest)
#include "report_forms_test.moc"
