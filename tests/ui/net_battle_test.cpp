// Network battles on the desktop: two battle screens in one process connected over loopback
// and played by clicks to the same end, the command-line tool joining a desktop host, and the
// connection's edge cases (a second client, a host that goes away, closing, a busy port).

#include <QAction>
#include <QCheckBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "screen_pictures.h"
#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/net/connection_facts.h"
#include "vexmora/report/ftp_client.h"
#include "vexmora/report/report_run.h"
#include "vexmora/report/server_form.h"
#include "vexmora/net/exchange.h"
#include "vexmora/net/messages.h"
#include "vexmora/rules/network_policy.h"
#include "vexmora/ui/battle_screen.h"
#include "vexmora/ui/command_rows.h"
#include "vexmora/ui/net_battle.h"
#include "vexmora/ui/net_dialog.h"
#include "vexmora/ui/shell.h"
#include "vexmora/ui/system_options.h"

using namespace vex;
using namespace vex::ui;

namespace {

// Records what the exchange sends and the timers it asks for; fires them on request.
class RecordingDriver final : public net::ExchangeDriver {
public:
    std::vector<std::string> sent;
    std::map<net::NetTimer, int> timers;
    void send(const std::string& bytes) override { sent.push_back(bytes); }
    void startTimer(net::NetTimer t, int ms) override { timers[t] = ms; }
    void stopTimer(net::NetTimer t) override { timers.erase(t); }
    int waitMs(int, net::WaitKind) override { return 0; }
    void reconnect() override {}
    void closeConnection() override {}
    bool fire(net::Exchange& x, net::NetTimer t) {
        if (!timers.count(t)) return false;
        timers.erase(t);
        x.timerFired(t);
        return true;
    }
    int count(std::string_view text) const {
        return static_cast<int>(std::count(sent.begin(), sent.end(), std::string(text)));
    }
};

// Carries a connection to the host and can cut every connection it carries, as a network
// that drops out does; a program that dials again gets a fresh connection to the host.
class CuttingProxy : public QObject {
public:
    explicit CuttingProxy(quint16 target) : target_(target) {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* in = server_.nextPendingConnection()) {
                auto* out = new QTcpSocket(this);
                out->connectToHost(QHostAddress::LocalHost, target_);
                connect(in, &QTcpSocket::readyRead, out, [in, out] { out->write(in->readAll()); });
                connect(out, &QTcpSocket::readyRead, in, [in, out] { in->write(out->readAll()); });
                connect(in, &QTcpSocket::disconnected, out, [out] { out->disconnectFromHost(); });
                connect(out, &QTcpSocket::disconnected, in, [in] { in->disconnectFromHost(); });
                pairs_.push_back({in, out});
            }
        });
    }
    quint16 port() const { return server_.serverPort(); }
    void cut() {
        for (auto& [in, out] : pairs_) {
            if (in) in->abort();
            if (out) out->abort();
        }
        pairs_.clear();
    }

private:
    QTcpServer server_;
    quint16 target_;
    std::vector<std::pair<QPointer<QTcpSocket>, QPointer<QTcpSocket>>> pairs_;
};

// Takes the report's transfers without a server: the results list is missing, every put works.
class RecordingFtp final : public FtpClient {
public:
    std::vector<std::string> stored;
    FtpGetResult get(const FtpLogin&, const std::string&, size_t) override {
        FtpGetResult r;
        r.status = FtpGetStatus::Missing;
        return r;
    }
    FtpPutResult put(const FtpLogin&, const std::vector<FtpFile>& files) override {
        for (const FtpFile& f : files) stored.push_back(f.name);
        return {true, {}};
    }
};

}  // namespace

class NetBattleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempFolder> home_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::shared_ptr<RecordingFtp> ftp_;
    int settingsAsked_ = 0;

    // With VEXMORA_SCREENSHOTS=DIR the test keeps pictures of what it drives (run it under
    // xvfb-run with QT_QPA_PLATFORM=xcb to see the real windows).
    static void shot(QWidget* widget, const char* name) {
        const QString folder = qEnvironmentVariable("VEXMORA_SCREENSHOTS");
        if (folder.isEmpty()) return;
        QTest::qWait(50);
        widget->grab().save(folder + QLatin1Char('/') + QLatin1String(name));
    }

    std::unique_ptr<BattleScreen> makeScreen(const fs::path& monster) {
        BattleScreenOptions options;
        options.libraryFolders = {fs::path(VEXMORA_GAME_DIR)};
        options.hooks = SessionHooks::quiet(*dialogs_);
        options.chooseMonster = [monster](QWidget*, int) {
            return std::optional<LoadedFighter>(LoadedFighter{monster, {}});
        };
        options.chooseNetworkSettings = [this](QWidget*, BattleSettings& s, bool) {
            ++settingsAsked_;
            s.turnLimit = 30;
            s.initialHp = 1000;
            s.stageIndex = kRandomStage;
        };
        options.netResumeLimitMs = 3000;
        options.reportFtpClient = ftp_;
        auto screen = std::make_unique<BattleScreen>(kModeNetwork, QStringLiteral("ネット対戦"), *dialogs_, options);
        if (!screen->ready()) qFatal("%s", screen->error().c_str());
        screen->show();
        return screen;
    }

    static void chooseRole(BattleScreen& screen, const QString& handle, int role, quint16 port) {
        NetDialog* dialog = screen.netBattle()->dialog();
        QVERIFY(dialog->isVisible());
        dialog->handleEdit()->setText(handle);
        if (role == 0) shot(dialog, "net-dialog-role.png");  // the port as a player first sees it
        dialog->portBox()->setValue(port);
        dialog->roleButton(role)->click();
    }

    // A host listening on a free port and a client connected to it.
    void connectPair(BattleScreen& host, BattleScreen& client) {
        chooseRole(host, QStringLiteral("ホスト"), 0, 0);
        shot(host.netBattle()->dialog(), "net-dialog-host.png");
        const quint16 port = host.netBattle()->listeningPort();
        QVERIFY(port != 0);
        QVERIFY(host.netBattle()->dialog()->statusLabel()->text().startsWith(QStringLiteral("接続要求受付中・・・")));
        chooseRole(client, QStringLiteral("ゲスト"), 1, port);
        QCOMPARE(client.netBattle()->dialog()->statusLabel()->text(), QStringLiteral("接続先ＩＰを入力してください"));
        client.netBattle()->dialog()->connectBox()->setText(QStringLiteral("127.0.0.1"));
        shot(client.netBattle()->dialog(), "net-dialog-client.png");
        client.netBattle()->dialog()->connectButton()->click();
        QVERIFY(QTest::qWaitFor([&] { return host.netBattle()->connected() && client.netBattle()->connected(); }, 10000));
        QVERIFY(QTest::qWaitFor([&] { return !host.netBattle()->dialog()->isVisible() && !client.netBattle()->dialog()->isVisible(); }, 10000));
        QVERIFY(host.centralWidget()->isEnabled());
    }

    static void chat(BattleScreen& screen, const QString& text) {
        QLineEdit* input = screen.netBattle()->chatInput();
        input->setText(text);
        QTest::keyClick(input, Qt::Key_Return);
    }

    static bool chatHas(BattleScreen& screen, const QString& line) {
        return !screen.netBattle()->chatList()->findItems(line, Qt::MatchExactly).isEmpty();
    }

    static void clickRow(BattleScreen& screen, int row) {
        const auto widths = screen.composer().rowWidths(screen.session().model(), 0);
        const QPoint p = BattleCanvas::widgetPoint(QPoint(kListLeft + widths[static_cast<size_t>(row)] / 2, rowTop(row) + 10));
        QTest::mouseClick(screen.canvas(), Qt::LeftButton, {}, p);
    }

    // The player's choice: the first usable technique, else nothing.
    static void playOneCommand(BattleScreen& screen) {
        const Battle* battle = screen.session().battle();
        int row = kDoNothingRow;
        for (int slot = 0; slot < 5; ++slot)
            if (battle->slotUsable(0, slot)) {
                row = slot;
                break;
            }
        clickRow(screen, row);
    }

    static MonsterRecord reread(const fs::path& file) { return loadMonster(file)->record; }

private slots:
    void initTestCase() { installGameFont(); }

    void init() {
        home_ = std::make_unique<test::TempFolder>();
        dialogs_ = std::make_unique<ScriptedDialogs>();
        setProgramFolder(home_->path());
        test::writeStages(home_->path(), 10);
        systemOptions() = {};
        systemOptions()[kOptionGameSpeed] = 7;  // every scaled wait at no length at all
        settingsAsked_ = 0;
        ftp_ = std::make_shared<RecordingFtp>();
    }

    void twoScreensPlayAWholeBattleByClicks() {
        const fs::path hostFile = test::writeMonsterFile(home_->path(), test::testMonster("ホストモン"));
        const fs::path clientFile = test::writeMonsterFile(home_->path(), test::testMonster("ゲストモン"));
        auto host = makeScreen(hostFile);
        auto client = makeScreen(clientFile);
        QVERIFY(!host->centralWidget()->isEnabled());  // until a peer is connected
        connectPair(*host, *client);
        if (QTest::currentTestFailed()) return;
        QVERIFY(QTest::qWaitFor([&] { return chatHas(*host, QStringLiteral("ゲストさんが接続しました")); }, 5000));
        QCOMPARE(qtText(net::readHandleFile(home_->path())), QStringLiteral("ゲスト"));

        chat(*client, QStringLiteral("よろしく"));
        QVERIFY(chatHas(*client, QStringLiteral("ゲスト ＞よろしく")));
        QVERIFY(QTest::qWaitFor([&] { return chatHas(*host, QStringLiteral("ゲスト ＞よろしく")); }, 5000));

        // The host reports to a server of its choice; the client never does.
        ServerForm form;
        form.server = {"ftp.example.org", "user", "secret", "result", "result", "30"};
        const Result<fs::path> server = makeServerFile(home_->path(), form);
        QVERIFY(server.ok());
        host->session().reportServer = server->string();
        client->session().reportServer = server->string();

        // Both load by 1Ｐロード and confirm with 決定; the host chooses the settings.
        for (BattleScreen* s : {host.get(), client.get()}) {
            QVERIFY(!s->confirmAction()->isEnabled());
            s->loadAction(0)->trigger();
            QVERIFY(s->session().hasFighter(0));
            QVERIFY(s->confirmAction()->isEnabled());
            QVERIFY(s->netBattle()->rulePanel()->isVisible());
        }
        client->confirmAction()->trigger();
        QVERIFY(!client->confirmAction()->isEnabled());
        QVERIFY(!client->loadAction(0)->isEnabled());
        host->confirmAction()->trigger();
        QVERIFY(QTest::qWaitFor([&] { return host->session().battleRunning() && client->session().battleRunning(); }, 15000));
        QCOMPARE(settingsAsked_, 1);
        QVERIFY(!client->netBattle()->rareBox()->isEnabled());  // a settings block has arrived

        // Stage 99: both programs drew the same stage from the shared seed.
        QCOMPARE(host->session().battle()->state().stageIndex, client->session().battle()->state().stageIndex);
        QCOMPARE(client->session().battle()->settings().turnLimit, int16_t{30});

        // A battle line: never chat, spoken by the sender's monster on both sides.
        chat(*host, QStringLiteral("/sいくぞ"));
        QVERIFY(chatHas(*host, QStringLiteral("次ターン開始時にセリフが表示されます")));

        QSignalSpy hostDone(&host->session(), &BattleSession::battleFinished);
        connect(&host->session(), &BattleSession::changed, host.get(), [&host, shown = false]() mutable {
            if (shown || !host->session().model().result.shown) return;
            shown = true;
            QTimer::singleShot(600, host.get(), [&host] { shot(host.get(), "net-result.png"); });
        });
        QSignalSpy clientDone(&client->session(), &BattleSession::battleFinished);
        int turns = 0;
        while (!host->session().battleEnded() || !client->session().battleEnded()) {
            QVERIFY(QTest::qWaitFor([&] {
                return (host->session().acceptInput() && client->session().acceptInput()) ||
                       (host->session().battleEnded() && client->session().battleEnded());
            }, 15000));
            if (host->session().battleEnded()) break;
            QVERIFY(host->netBattle()->opponentChoosing()->isVisible() || host->netBattle()->opponentChosen()->isVisible());
            playOneCommand(*host);
            QVERIFY(QTest::qWaitFor([&] { return client->netBattle()->opponentChosen()->isVisible(); }, 5000));
            QVERIFY(!client->netBattle()->opponentChoosing()->isVisible());
            if (turns == 2) shot(client.get(), "net-battle.png");
            playOneCommand(*client);
            QVERIFY(QTest::qWaitFor([&] { return host->session().turnsPlayed() > turns && client->session().turnsPlayed() > turns; }, 15000));
            ++turns;
            QCOMPARE(host->session().battle()->stateHash(), client->session().battle()->stateHash());
            QVERIFY(turns <= 31);
        }
        QTRY_COMPARE_WITH_TIMEOUT(hostDone.count(), 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(clientDone.count(), 1, 30000);

        const BattleState& h = host->session().battle()->state();
        const BattleState& c = client->session().battle()->state();
        QCOMPARE(h.turnCount, c.turnCount);
        QCOMPARE(h.winner, 1 - c.winner);  // each side is fighter 0 of its own screen
        QCOMPARE(h.fighter[0].hp, c.fighter[1].hp);
        QCOMPARE(h.fighter[1].hp, c.fighter[0].hp);

        // Records: both on this machine, so wins and losses count and nothing network-only does.
        const MonsterRecord hostAfter = reread(hostFile);
        const MonsterRecord clientAfter = reread(clientFile);
        QCOMPARE(int(hostAfter.wins) + int(hostAfter.losses), 1);
        QCOMPARE(int(clientAfter.wins) + int(clientAfter.losses), 1);
        QCOMPARE(int(hostAfter.wins), h.winner == 0 ? 1 : 0);
        QCOMPARE(int(clientAfter.wins), c.winner == 0 ? 1 : 0);
        QVERIFY(hostAfter.extra[kNetWins].empty() || hostAfter.extra[kNetWins] == "0");
        QVERIFY(!fs::exists(home_->path() / "結果.txt"));
        QVERIFY(!fs::exists(home_->path() / "System" / "netrate.txt"));

        QVERIFY(QTest::qWaitFor([&] { return chatHas(*host, qtText(kReportDone)); }, 10000));
        QVERIFY(chatHas(*host, qtText(kReportStarting)));
        QVERIFY(!ftp_->stored.empty());
        QVERIFY(!chatHas(*client, qtText(kReportStarting)));

        // The connection stays: a rematch is one 決定 away on each side.
        QVERIFY(host->netBattle()->connected());
        QVERIFY(QTest::qWaitFor([&] { return host->confirmAction()->isEnabled() && client->confirmAction()->isEnabled(); }, 5000));
        QVERIFY(host->loadAction(0)->isEnabled());
        host->confirmAction()->trigger();
        client->confirmAction()->trigger();
        QVERIFY(QTest::qWaitFor([&] { return host->session().acceptInput() && client->session().acceptInput(); }, 15000));
        QCOMPARE(settingsAsked_, 2);
        QCOMPARE(host->session().battle()->state().turnCount, int16_t{0});
        playOneCommand(*host);
        playOneCommand(*client);
        QVERIFY(QTest::qWaitFor([&] { return host->session().battle()->state().turnCount == 1 && client->session().battle()->state().turnCount == 1; }, 15000));
        QCOMPARE(host->session().battle()->stateHash(), client->session().battle()->stateHash());
    }

    void theCommandLineToolJoinsTheDesktopHost() {
        const fs::path hostFile = test::writeMonsterFile(home_->path(), test::testMonster("ホストモン"));
        const fs::path joinFile = test::writeMonsterFile(home_->path(), test::testMonster("ツールモン"));
        auto host = makeScreen(hostFile);
        chooseRole(*host, QStringLiteral("ホスト"), 0, 0);
        const quint16 port = host->netBattle()->listeningPort();
        QProcess cli;
        cli.start(QStringLiteral(VEXMORA_GAME_DIR "/vexmora-cli"),
                  {QStringLiteral("net"), QStringLiteral("join"), QStringLiteral("127.0.0.1"), qtPath(joinFile),
                   QStringLiteral("--port"), QString::number(port), QStringLiteral("--log"), QStringLiteral("json"),
                   QStringLiteral("--home"), qtPath(home_->path())});
        QVERIFY(cli.waitForStarted(10000));
        QVERIFY(QTest::qWaitFor([&] { return host->netBattle()->connected() && host->centralWidget()->isEnabled(); }, 10000));
        host->loadAction(0)->trigger();
        host->confirmAction()->trigger();
        QVERIFY(QTest::qWaitFor([&] { return host->session().battleRunning(); }, 15000));
        QSignalSpy done(&host->session(), &BattleSession::battleFinished);
        while (!host->session().battleEnded()) {
            QVERIFY(QTest::qWaitFor([&] { return host->session().acceptInput() || host->session().battleEnded(); }, 15000));
            if (host->session().battleEnded()) break;
            const int before = host->session().turnsPlayed();
            playOneCommand(*host);
            QVERIFY(QTest::qWaitFor([&] { return host->session().turnsPlayed() > before; }, 15000));
        }
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 30000);
        QVERIFY(QTest::qWaitFor([&] { return cli.state() == QProcess::NotRunning; }, 15000));
        QCOMPARE(cli.exitCode(), 0);
        QJsonObject result;
        bool desync = false;
        for (const QByteArray& line : cli.readAllStandardOutput().split('\n')) {
            const QJsonObject record = QJsonDocument::fromJson(line).object();
            if (record["type"] == QStringLiteral("result")) result = record;
            if (record["event"] == QStringLiteral("desync")) desync = true;
        }
        QVERIFY(!desync);
        const BattleState& h = host->session().battle()->state();
        QCOMPARE(result["outcome"].toString(), QStringLiteral("finished"));
        QCOMPARE(result["turns"].toInt(), int(h.turnCount));
        QCOMPARE(result["winner"].toInt(), 1 - h.winner);
    }

    void aDroppedConnectionIsWaitedForAndTheBattleGoesOn() {
        auto host = makeScreen(test::writeMonsterFile(home_->path(), test::testMonster("ホストモン")));
        auto client = makeScreen(test::writeMonsterFile(home_->path(), test::testMonster("ゲストモン")));
        chooseRole(*host, QStringLiteral("ホスト"), 0, 0);
        CuttingProxy proxy(host->netBattle()->listeningPort());
        chooseRole(*client, QStringLiteral("ゲスト"), 1, proxy.port());
        client->netBattle()->dialog()->connectBox()->setText(QStringLiteral("127.0.0.1"));
        client->netBattle()->dialog()->connectButton()->click();
        QVERIFY(QTest::qWaitFor([&] { return host->centralWidget()->isEnabled() && client->centralWidget()->isEnabled(); }, 10000));
        for (BattleScreen* s : {host.get(), client.get()}) s->loadAction(0)->trigger();
        client->confirmAction()->trigger();
        host->confirmAction()->trigger();
        QVERIFY(QTest::qWaitFor([&] { return host->session().battleRunning() && client->session().battleRunning(); }, 15000));

        bool cut = false;
        QString shownWhileAway;
        QSignalSpy clientDone(&client->session(), &BattleSession::battleFinished);
        connect(client->netBattle(), &NetBattle::helpText, this, [&](const QString& text) {
            if (!text.isEmpty()) shownWhileAway = text;
        });
        for (int turn = 0; !host->session().battleEnded() || !client->session().battleEnded(); ++turn) {
            QVERIFY(QTest::qWaitFor([&] {
                return (host->session().acceptInput() && client->session().acceptInput()) ||
                       (host->session().battleEnded() && client->session().battleEnded());
            }, 20000));
            if (host->session().battleEnded()) break;
            const int before = host->session().turnsPlayed();
            playOneCommand(*host);
            if (turn == 1 && !cut) {
                proxy.cut();  // the host's command may or may not have crossed
                cut = true;
                QVERIFY(QTest::qWaitFor([&] { return chatHas(*client, QStringLiteral("再接続を待っています…")); }, 20000));
                QVERIFY(QTest::qWaitFor([&] { return chatHas(*client, QStringLiteral("再接続しました。対戦を続けます")); }, 20000));
            }
            playOneCommand(*client);
            QVERIFY(QTest::qWaitFor([&] { return host->session().turnsPlayed() > before && client->session().turnsPlayed() > before; }, 20000));
            QVERIFY(turn < 40);
        }
        QVERIFY(cut);
        QVERIFY(shownWhileAway.startsWith(QStringLiteral("再接続を待っています… あと ")));
        QTRY_COMPARE_WITH_TIMEOUT(clientDone.count(), 1, 30000);
        QCOMPARE(host->session().battle()->state().winner, 1 - client->session().battle()->state().winner);
        QCOMPARE(host->session().battle()->state().turnCount, client->session().battle()->state().turnCount);
    }

    void twoProgramsThatDisagreeStopTheBattleAndSaveNothing() {
        const fs::path hostFile = test::writeMonsterFile(home_->path(), test::testMonster("ホストモン"));
        const fs::path clientFile = test::writeMonsterFile(home_->path(), test::testMonster("ゲストモン"));
        auto host = makeScreen(hostFile);
        auto client = makeScreen(clientFile);
        connectPair(*host, *client);
        if (QTest::currentTestFailed()) return;
        for (BattleScreen* s : {host.get(), client.get()}) s->loadAction(0)->trigger();
        client->confirmAction()->trigger();
        host->confirmAction()->trigger();
        QVERIFY(QTest::qWaitFor([&] { return host->session().acceptInput() && client->session().acceptInput(); }, 15000));
        // The client's copy of the battle goes its own way.
        const_cast<Battle*>(client->session().battle())->fighter(0).hp -= 7;
        playOneCommand(*host);
        playOneCommand(*client);
        QVERIFY(QTest::qWaitFor([&] { return !host->session().battleRunning() && !client->session().battleRunning(); }, 15000));
        bool told = false;
        for (const DialogRequest& asked : dialogs_->asked)
            told = told || asked.text.find("一致しなくなりました") != std::string::npos;
        QVERIFY(told);
        QCOMPARE(int(reread(hostFile).wins + reread(hostFile).losses), 0);
        QCOMPARE(int(reread(clientFile).wins + reread(clientFile).losses), 0);
        // The connection is over: the host waits for a new opponent.
        QVERIFY(QTest::qWaitFor([&] { return host->netBattle()->dialog()->isVisible(); }, 10000));
        QCOMPARE(host->netBattle()->dialog()->panel(), NetDialog::Panel::Host);
    }

    void aRareMonsterNeedsTheOpponentsLeave() {
        MonsterRecord rare = test::testMonster("レアモン");
        rare.makerVersion() = "0";
        auto host = makeScreen(test::writeMonsterFile(home_->path(), test::testMonster("ホストモン")));
        auto client = makeScreen(test::writeMonsterFile(home_->path(), rare));
        connectPair(*host, *client);
        if (QTest::currentTestFailed()) return;
        client->loadAction(0)->trigger();
        QVERIFY(client->session().hasFighter(0));
        client->confirmAction()->trigger();
        QCOMPARE(dialogs_->asked.back().text, std::string("相手がレアキャラの使用を許可していません"));
        QVERIFY(client->confirmAction()->isEnabled());  // nothing was sent; another try is open

        host->netBattle()->rareBox()->click();
        QVERIFY(QTest::qWaitFor([&] { return chatHas(*client, QStringLiteral("相手がレアキャラの使用を有効にしました")); }, 5000));
        client->confirmAction()->trigger();
        QVERIFY(!client->confirmAction()->isEnabled());  // the opening exchange runs
        QCOMPARE(dialogs_->asked.back().text, std::string("相手がレアキャラの使用を許可していません"));
        QCOMPARE(dialogs_->asked.size(), size_t{1});
    }

    void aSecondClientIsTurnedAwayWhileTheHostHasItsPeer() {
        auto host = makeScreen(test::writeMonsterFile(home_->path(), test::testMonster("ホストモン")));
        auto client = makeScreen(test::writeMonsterFile(home_->path(), test::testMonster("ゲストモン")));
        connectPair(*host, *client);
        if (QTest::currentTestFailed()) return;
        QTcpSocket intruder;
        intruder.connectToHost(QStringLiteral("127.0.0.1"), host->netBattle()->listeningPort());
        QVERIFY(QTest::qWaitFor([&] { return intruder.state() == QAbstractSocket::UnconnectedState; }, 10000));
        chat(*client, QStringLiteral("まだいる？"));
        QVERIFY(QTest::qWaitFor([&] { return chatHas(*host, QStringLiteral("ゲスト ＞まだいる？")); }, 5000));
        QVERIFY(host->netBattle()->connected());
    }

    void aClientThatLosesTheHostConnectsAgainFromTheSameDialog() {
        auto client = makeScreen(test::writeMonsterFile(home_->path(), test::testMonster("ゲストモン")));
        auto host = makeScreen(test::writeMonsterFile(home_->path(), test::testMonster("ホストモン")));
        connectPair(*host, *client);
        if (QTest::currentTestFailed()) return;
        const quint16 port = host->netBattle()->listeningPort();
        host.reset();  // the host's player closed the game
        QVERIFY(QTest::qWaitFor([&] { return client->netBattle()->dialog()->isVisible(); }, 15000));
        QVERIFY(!client->netBattle()->connected());
        QCOMPARE(dialogs_->asked.back().text, std::string("サーバーが切断しました。"));
        NetDialog* dialog = client->netBattle()->dialog();
        QCOMPARE(dialog->panel(), NetDialog::Panel::Client);
        QVERIFY(dialog->connectButton()->isEnabled());

        // Nobody listens now: a refused connection reads as the game has always said it.
        dialog->connectButton()->click();
        QVERIFY(QTest::qWaitFor([&] { return dialog->connectButton()->isEnabled(); }, 10000));
        QCOMPARE(dialog->statusLabel()->text(), QStringLiteral("対戦中か存在してしません"));

        auto again = makeScreen(test::writeMonsterFile(home_->path(), test::testMonster("ホストモン")));
        chooseRole(*again, QStringLiteral("ホスト"), 0, port);
        QCOMPARE(again->netBattle()->listeningPort(), port);
        dialog->connectButton()->click();
        QVERIFY(QTest::qWaitFor([&] { return client->netBattle()->connected() && again->netBattle()->connected(); }, 10000));
    }

    void closingWarnsOnlyOnceAPeerIsConnected() {
        auto alone = makeScreen(test::writeMonsterFile(home_->path(), test::testMonster("ヒトリ")));
        chooseRole(*alone, QStringLiteral("ホスト"), 0, 0);
        QVERIFY(alone->close());
        QVERIFY(dialogs_->asked.empty());

        auto host = makeScreen(test::writeMonsterFile(home_->path(), test::testMonster("ホストモン")));
        auto client = makeScreen(test::writeMonsterFile(home_->path(), test::testMonster("ゲストモン")));
        connectPair(*host, *client);
        if (QTest::currentTestFailed()) return;
        QVERIFY(host->close());
        QCOMPARE(dialogs_->asked.size(), size_t{1});
        QCOMPARE(dialogs_->asked[0].title, std::string("警告"));
        QCOMPARE(dialogs_->asked[0].text, std::string("ネット対戦を終了します"));
    }

    void aPortInUseIsRefusedWithAWayOut() {
        QTcpServer taken;
        QVERIFY(taken.listen(QHostAddress::Any, 0));
        auto host = makeScreen(test::writeMonsterFile(home_->path(), test::testMonster("ホストモン")));
        chooseRole(*host, QStringLiteral("ホスト"), 0, taken.serverPort());
        QCOMPARE(host->netBattle()->listeningPort(), quint16{0});
        QCOMPARE(host->netBattle()->dialog()->panel(), NetDialog::Panel::Role);
        QVERIFY(!dialogs_->asked.empty());
        QVERIFY(qtText(dialogs_->asked.back().text).contains(QStringLiteral("別のポート番号")));
    }

    // The end of a battle: "%55" waits until the own last command has been acknowledged.
    void theEndSignalWaitsForTheLastAcknowledgement() {
        RecordingDriver driver;
        net::ExchangeOptions o;
        o.role = net::Role::Client;
        o.greet = false;
        o.waitForConfirm = true;
        o.openingLimitMs = 0;
        MonsterRecord own = test::testMonster("ゲストモン");
        net::Exchange x(driver, o, [](const net::Event&) {});
        x.connected();
        QVERIFY(driver.sent.empty());  // nothing before 決定
        std::string file = "x";
        // Drive the exchange into the battle by hand: the host's block, its "%77" and file.
        MonsterRecord hostMonster = test::testMonster("ホストモン");
        Result<std::string> hostBytes = encodeMonster(hostMonster, {}, "ホストモン.tvx");
        QVERIFY(hostBytes.ok());
        Result<std::string> ownBytes = encodeMonster(own, {}, "ゲストモン.tvx");
        x.confirm(own, *ownBytes, false);
        for (int i = 0; i < 5 && driver.fire(x, net::NetTimer::Step); ++i) {}
        net::SettingsBlock block;
        block.handle = "ホスト";
        block.version = net::versionText();
        block.seed = 4242;
        block.fileSize = static_cast<int64_t>(hostBytes->size());
        block.monsterName = "ホストモン";
        x.bytesArrived(net::buildSettingsBlock(block));
        for (int i = 0; i < 5 && driver.fire(x, net::NetTimer::Step); ++i) {}
        x.bytesArrived(net::kTransferReady);
        for (int i = 0; i < 5 && driver.fire(x, net::NetTimer::Step); ++i) {}
        x.bytesArrived(*hostBytes);
        for (int i = 0; i < 5 && driver.fire(x, net::NetTimer::Step); ++i) {}
        QVERIFY(x.inBattle());

        x.ownCommand(1);
        x.bytesArrived(net::commandText(2, 0));
        QVERIFY(driver.fire(x, net::NetTimer::TurnPause));
        x.turnResolved(1, 77, true);  // the last turn, our command not yet acknowledged
        QCOMPARE(driver.count(net::kFinished), 0);
        QVERIFY(driver.fire(x, net::NetTimer::EndSync));
        QCOMPARE(driver.count(net::kFinished), 0);
        x.bytesArrived(net::kAck);
        QVERIFY(driver.fire(x, net::NetTimer::EndSync));
        QCOMPARE(driver.count(net::kFinished), 1);
    }
};

QTEST_MAIN(NetBattleTest)
#include "net_battle_test.moc"
