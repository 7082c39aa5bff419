// Network battles on the desktop: two battle screens in one process connected over loopback
// and played by clicks to the same end, with the host's settings chosen in the real settings
// dialog; the command-line tool on the other side; scripted peers that follow only the written
// protocol or send what no program should; and the connection's edge cases.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "screen_pictures.h"
#include "temp_folder.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/paths.h"
#include "vexmora/data/text.h"
#include "vexmora/gui/language.h"
#include "vexmora/net/announcement.h"
#include "vexmora/net/battle_driver.h"
#include "vexmora/net/connection_facts.h"
#include "vexmora/net/messages.h"
#include "vexmora/net/settings_block.h"
#include "vexmora/report/ftp_client.h"
#include "vexmora/report/report_run.h"
#include "vexmora/report/result_record.h"
#include "vexmora/report/server_form.h"
#include "vexmora/rules/net_rating.h"
#include "vexmora/ui/battle_view/battle_screen.h"
#include "vexmora/ui/battle_model/command_rows.h"
#include "vexmora/ui/battle_view/config_dialog.h"
#include "vexmora/ui/battle_view/net_battle.h"
#include "vexmora/ui/net/net_dialog.h"
#include "vexmora/ui/battle_view/net_panel.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/gui/text.h"
#include "vexmora/ui/media/system_options.h"

using vex::gui::qtText;
using vex::gui::qtPath;

using namespace vex;
using namespace vex::ui;

namespace {

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

// Another program as a test script plays it: plain bytes on a socket, every arrival kept.
class ScriptedPeer {
public:
    explicit ScriptedPeer(quint16 port) {
        socket_.connectToHost(QHostAddress::LocalHost, port);
        QObject::connect(&socket_, &QTcpSocket::readyRead, [this] { received_ += socket_.readAll().toStdString(); });
    }
    bool connected() { return socket_.waitForConnected(5000); }
    void send(const std::string& bytes) {
        socket_.write(bytes.data(), static_cast<qint64>(bytes.size()));
        socket_.flush();
    }
    bool waitFor(std::string_view part, int ms = 10000) {
        return QTest::qWaitFor([&] { return received_.find(part) != std::string::npos; }, ms);
    }
    const std::string& received() const { return received_; }
    QTcpSocket& socket() { return socket_; }

private:
    QTcpSocket socket_;
    std::string received_;
};

std::string peerBlock(const std::string& name, size_t fileSize, bool announced) {
    net::SettingsBlock b;
    b.handle = "peer";
    b.version = net::versionText();
    b.fileSize = static_cast<int64_t>(fileSize);
    b.monsterName = name;
    if (announced) b.announcement = net::announcementText({1500, 0x5EC2E7});
    return net::buildSettingsBlock(b);
}

// 結果.txt with what differs from one battle to the next masked: the winner's and the loser's
// marks, every number (the last turn, the winner's HP, and the date and time the record takes
// from the clock). Digits never occur inside a Shift_JIS character.
std::string maskedResultRecord(std::string record) {
    for (const std::string& mark : {toCp932Lossy("○"), toCp932Lossy("●")})
        for (size_t at = record.find(mark); at != std::string::npos; at = record.find(mark, at))
            record.replace(at, mark.size(), "?");
    std::string out;
    for (const char c : record) {
        const bool digit = c >= '0' && c <= '9';
        if (!digit) out += c;
        else if (out.empty() || out.back() != '#') out += '#';
    }
    return out;
}

}  // namespace

class NetBattleTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempFolder> home_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::shared_ptr<RecordingFtp> ftp_;
    // The settings dialog, answered like a player: the choice below, then its close button.
    QTimer configWatch_;
    std::function<void(ConfigDialog&)> configChoice_;
    int settingsAsked_ = 0;
    quint16 lastPort_ = 0;  // the port connectPair's host took
    std::map<const void*, std::shared_ptr<fs::path>> nextMonster_;  // what 1Ｐロード loads, by screen

    // With VEXMORA_SCREENSHOTS=DIR the test keeps pictures of what it drives (run it under
    // xvfb-run with QT_QPA_PLATFORM=xcb to see the real windows).
    static void shot(QWidget* widget, const char* name) {
        const QString folder = qEnvironmentVariable("VEXMORA_SCREENSHOTS");
        if (folder.isEmpty()) return;
        QTest::qWait(50);
        widget->grab().save(folder + QLatin1Char('/') + QLatin1String(name));
    }

    std::unique_ptr<BattleScreen> makeScreen(const fs::path& monster,
                                             std::function<bool(const std::string&)> isThisMachine = {}) {
        BattleScreenOptions options;
        options.libraryFolders = {fs::path(VEXMORA_GAME_DIR)};
        options.hooks = SessionHooks::quiet(*dialogs_);
        options.netResumeLimitMs = 3000;
        options.reportFtpClient = ftp_;
        options.netPeerIsThisMachine = std::move(isThisMachine);
        auto next = std::make_shared<fs::path>(monster);
        options.chooseMonster = [next](QWidget*, int) { return std::optional<LoadedFighter>(LoadedFighter{*next, {}}); };
        auto screen = std::make_unique<BattleScreen>(kModeNetwork, QStringLiteral("ネット対戦"), *dialogs_, options);
        if (!screen->ready()) qFatal("%s", screen->error().c_str());
        nextMonster_[screen.get()] = next;
        screen->show();
        return screen;
    }

    // 1Ｐロード, the loading dialog choosing the file the test has set for this screen.
    static void load(BattleScreen& screen) { screen.loadAction(0)->trigger(); }

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
        lastPort_ = port;
        QVERIFY(host.netBattle()->dialog()->statusLabel()->text().startsWith(QCoreApplication::translate("vex::ui::NetConnection", "接続要求受付中・・・")));
        chooseRole(client, QStringLiteral("ゲスト"), 1, port);
        QCOMPARE(client.netBattle()->dialog()->statusLabel()->text(), QCoreApplication::translate("vex::ui::NetConnection", "接続先ＩＰを入力してください"));
        client.netBattle()->dialog()->connectBox()->setText(QStringLiteral("127.0.0.1"));
        shot(client.netBattle()->dialog(), "net-dialog-client.png");
        client.netBattle()->dialog()->connectButton()->click();
        QVERIFY(QTest::qWaitFor([&] { return host.netBattle()->connected() && client.netBattle()->connected(); }, 10000));
        QVERIFY(QTest::qWaitFor([&] { return !host.netBattle()->dialog()->isVisible() && !client.netBattle()->dialog()->isVisible(); }, 10000));
        QVERIFY(host.centralWidget()->isEnabled());
    }

    static NetPanel& panel(BattleScreen& screen) { return *screen.netBattle()->panel(); }

    static void chat(BattleScreen& screen, const QString& text) {
        QLineEdit* input = panel(screen).chatInput();
        input->setText(text);
        QTest::keyClick(input, Qt::Key_Return);
    }

    static bool chatHas(BattleScreen& screen, const QString& line) {
        return !panel(screen).chatList()->findItems(line, Qt::MatchExactly).isEmpty();
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

    // Both players click until the battle is over; `eachTurn` runs before the clicks of a turn.
    void playToTheEnd(BattleScreen& host, BattleScreen& client, std::function<void(int turn)> eachTurn = {}) {
        for (int turn = 0; !host.session().battleEnded() || !client.session().battleEnded(); ++turn) {
            QVERIFY(QTest::qWaitFor([&] {
                return (host.session().acceptInput() && client.session().acceptInput()) ||
                       (host.session().battleEnded() && client.session().battleEnded());
            }, 20000));
            if (host.session().battleEnded()) break;
            if (eachTurn) eachTurn(turn);
            const int before = host.session().turnsPlayed();
            playOneCommand(host);
            QVERIFY(QTest::qWaitFor([&] { return panel(client).opponentChosen()->isVisible() || client.session().turnsPlayed() > before; }, 10000));
            playOneCommand(client);
            QVERIFY(QTest::qWaitFor([&] { return host.session().turnsPlayed() > before && client.session().turnsPlayed() > before; }, 20000));
            QCOMPARE(host.session().battle()->stateHash(), client.session().battle()->stateHash());
            QVERIFY(turn < 200);
        }
    }

    static MonsterRecord reread(const fs::path& file) { return loadMonster(file)->record; }

    // The screen hosts; a scripted peer connects to it.
    static std::unique_ptr<ScriptedPeer> scriptedPeerOf(BattleScreen& host) {
        chooseRole(host, QStringLiteral("ホスト"), 0, 0);
        auto peer = std::make_unique<ScriptedPeer>(host.netBattle()->listeningPort());
        if (!peer->connected() || !QTest::qWaitFor([&] { return host.centralWidget()->isEnabled(); }, 10000)) {
            QTest::qFail("the scripted peer did not connect", __FILE__, __LINE__);
            return nullptr;
        }
        return peer;
    }

private slots:
    void initTestCase() {
        installGameFont();
        configWatch_.setInterval(10);
        connect(&configWatch_, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<ConfigDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible()) return;
            ++settingsAsked_;
            if (configChoice_) configChoice_(*dialog);
            dialog->closeButton()->click();
        });
        configWatch_.start();
    }

    void init() {
        home_ = std::make_unique<test::TempFolder>();
        dialogs_ = std::make_unique<ScriptedDialogs>();
        setProgramFolder(home_->path());
        test::writeStages(home_->path(), 10);
        systemOptions() = {};
        systemOptions()[kOptionGameSpeed] = 7;  // every scaled wait at no length at all
        settingsAsked_ = 0;
        configChoice_ = nullptr;
        nextMonster_.clear();
        ftp_ = std::make_shared<RecordingFtp>();
    }

    // The host chooses HP 2000, SP 100, no turn limit and stage 3 in the settings dialog: both
    // screens play that battle. Mid-battle both players type texts shaped like messages: each
    // stays a chat line. The result shows once both have finished; the host's report starts
    // before the records are kept. A rematch on the connection brings a rare monster, which the
    // host allowed before the first battle.
    void theHostsChoiceRulesBothScreensAndChatStaysChat() {
        const fs::path hostFile = test::writeMonsterFile(home_->path(), test::testMonster("ホストモン"));
        const fs::path clientFile = test::writeMonsterFile(home_->path(), test::testMonster("ゲストモン"));
        MonsterRecord rare = test::testMonster("レアモン");
        rare.makerVersion() = "0";
        const fs::path rareFile = test::writeMonsterFile(home_->path(), rare);
        auto host = makeScreen(hostFile);
        auto client = makeScreen(clientFile);
        QVERIFY(!host->centralWidget()->isEnabled());  // until a peer is connected
        connectPair(*host, *client);
        if (QTest::currentTestFailed()) return;
        QVERIFY(QTest::qWaitFor([&] { return chatHas(*host, QStringLiteral("ゲストさんが接続しました")); }, 5000));
        QCOMPARE(qtText(net::readHandleFile(home_->path())), QStringLiteral("ゲスト"));
        panel(*host).rareBox()->click();  // rare monsters welcome on this connection
        QVERIFY(QTest::qWaitFor([&] { return chatHas(*client, QStringLiteral("相手がレアキャラの使用を有効にしました")); }, 5000));

        // 設定: the client may open it for its own look; the host chooses when it confirms.
        QVERIFY(!host->settingsAction()->isVisible());
        QVERIFY(client->settingsAction()->isVisible());
        QVERIFY(client->settingsAction()->isEnabled());
        configChoice_ = [](ConfigDialog& d) { d.animationButton(1)->click(); };
        client->settingsAction()->trigger();
        QCOMPARE(settingsAsked_, 1);
        QCOMPARE(client->session().settings().animationOn, int16_t{0});

        // The host reports to a server of its choice; the client never does.
        ServerForm form;
        form.server = {"ftp.example.org", "user", "secret", "result", "result", "30"};
        const Result<fs::path> server = makeServerFile(home_->path(), form);
        QVERIFY(server.ok());
        host->netBattle()->setReportServer(server->string());

        configChoice_ = [](ConfigDialog& d) {
            d.hpButton(2)->click();
            d.spButton(2)->click();
            d.turnButton(0)->click();
            d.stageThumbnail(3)->click();
        };
        for (BattleScreen* s : {host.get(), client.get()}) {
            QVERIFY(!s->confirmAction()->isEnabled());
            load(*s);
            QVERIFY(s->session().hasFighter(0));
            QVERIFY(s->confirmAction()->isEnabled());
            QVERIFY(panel(*s).rulePanel()->isVisible());
        }
        QVERIFY(client->openReplayAction()->isEnabled());
        client->confirmAction()->trigger();
        QVERIFY(!client->confirmAction()->isEnabled());
        QVERIFY(!client->loadAction(0)->isEnabled());
        QVERIFY(!client->settingsAction()->isEnabled());
        QVERIFY(!client->openReplayAction()->isEnabled());  // the battle would start under a replay
        host->confirmAction()->trigger();
        QVERIFY(QTest::qWaitFor([&] { return host->session().battleRunning() && client->session().battleRunning(); }, 15000));
        QCOMPARE(settingsAsked_, 2);
        QVERIFY(!panel(*client).rareBox()->isEnabled());  // a settings block has arrived

        for (BattleScreen* s : {host.get(), client.get()}) {
            const BattleSettings& played = s->session().battle()->settings();
            QCOMPARE(played.initialHp, int16_t{2000});
            QCOMPARE(played.initialSp, int16_t{100});
            QCOMPARE(played.turnLimit, int16_t{0});
            QCOMPARE(s->session().battle()->state().stageIndex, int16_t{3});
        }
        QCOMPARE(client->session().battle()->settings().animationOn, int16_t{0});  // the client's own look
        QCOMPARE(host->session().battle()->settings().animationOn, int16_t{-1});

        // The result shows only once both programs have finished; the report starts at its
        // step, before the host's monster is saved.
        bool syncedWhenShown = false, resultSeen = false;
        connect(&host->session(), &BattleSession::changed, this, [&] {
            if (resultSeen || !host->session().model().result.shown) return;
            resultSeen = true;
            syncedWhenShown = host->netBattle()->driver()->exchange().endSynchronised();
            QTimer::singleShot(600, host.get(), [&host] { shot(host.get(), "net-result.png"); });
        });
        int recordsWhenReported = -1;
        connect(panel(*host).chatList()->model(), &QAbstractItemModel::rowsInserted, this, [&] {
            if (recordsWhenReported < 0 && chatHas(*host, qtText(kReportStarting)))
                recordsWhenReported = reread(hostFile).wins + reread(hostFile).losses;
        });
        QSignalSpy hostDone(&host->session(), &BattleSession::battleFinished);
        QSignalSpy clientDone(&client->session(), &BattleSession::battleFinished);

        const QStringList shapes = {QStringLiteral("%77"), QStringLiteral("%44"), QStringLiteral("%10"),
                                    QStringLiteral("%55"), QStringLiteral("% 1002*")};
        playToTheEnd(*host, *client, [&](int turn) {
            if (turn == 2) shot(client.get(), "net-battle.png");
            if (turn != 1) return;
            for (const QString& text : shapes) {
                chat(*host, text);
                chat(*client, text);
            }
            chat(*host, QStringLiteral("/s%77"));
            chat(*client, QStringLiteral("/s%77"));
            for (const QString& text : shapes) {
                QVERIFY(QTest::qWaitFor([&] { return chatHas(*host, QStringLiteral("ゲスト ＞") + text); }, 5000));
                QVERIFY(QTest::qWaitFor([&] { return chatHas(*client, QStringLiteral("ホスト ＞") + text); }, 5000));
                QVERIFY(chatHas(*host, QStringLiteral("ホスト ＞") + text));
            }
            QVERIFY(chatHas(*host, QStringLiteral("次ターン開始時にセリフが表示されます")));
            QVERIFY(!chatHas(*host, QStringLiteral("ゲスト ＞/s%77")));
            QVERIFY(!chatHas(*client, QStringLiteral("ホスト ＞/s%77")));
        });
        if (QTest::currentTestFailed()) return;
        QTRY_COMPARE_WITH_TIMEOUT(hostDone.count(), 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(clientDone.count(), 1, 30000);
        QVERIFY(resultSeen && syncedWhenShown);
        QCOMPARE(recordsWhenReported, 0);
        QVERIFY(chatHas(*host, qtText(kReportStarting)));
        QVERIFY(!chatHas(*client, qtText(kReportStarting)));

        const BattleState& h = host->session().battle()->state();
        const BattleState& c = client->session().battle()->state();
        QCOMPARE(h.turnCount, c.turnCount);
        QCOMPARE(h.winner, 1 - c.winner);  // each side is fighter 0 of its own screen
        // Records: both on this machine, so wins and losses count and nothing network-only does.
        const MonsterRecord hostAfter = reread(hostFile);
        QCOMPARE(int(hostAfter.wins) + int(hostAfter.losses), 1);
        QVERIFY(hostAfter.extra[kNetWins].empty() || hostAfter.extra[kNetWins] == "0");
        QVERIFY(!fs::exists(home_->path() / "結果.txt"));
        QVERIFY(!fs::exists(home_->path() / "System" / "netrate.txt"));

        // The rematch: the client brings its rare monster; the host's leave still holds.
        QVERIFY(host->netBattle()->connected());
        *nextMonster_[client.get()] = rareFile;
        configChoice_ = nullptr;
        QVERIFY(QTest::qWaitFor([&] { return client->loadAction(0)->isEnabled(); }, 5000));
        load(*client);
        QCOMPARE(client->session().fighter(0)->monster.record.name, std::string("レアモン"));
        QVERIFY(QTest::qWaitFor([&] { return host->confirmAction()->isEnabled() && client->confirmAction()->isEnabled(); }, 5000));
        const size_t toldBefore = dialogs_->asked.size();
        client->confirmAction()->trigger();
        host->confirmAction()->trigger();
        QVERIFY(QTest::qWaitFor([&] { return host->session().acceptInput() && client->session().acceptInput(); }, 15000));
        QCOMPARE(dialogs_->asked.size(), toldBefore);
        QCOMPARE(host->session().battle()->fighter(1).record.name, std::string("レアモン"));
        playOneCommand(*host);
        playOneCommand(*client);
        QVERIFY(QTest::qWaitFor([&] { return host->session().battle()->state().turnCount == 1 && client->session().battle()->state().turnCount == 1; }, 15000));
        QCOMPARE(host->session().battle()->stateHash(), client->session().battle()->stateHash());
    }

    // A vexmora program's monster that does not decode: the host says what failed, tells the
    // peer, and keeps the connection; the player may confirm again.
    void aPeersUndecodableMonsterIsToldAndTheConnectionStays() {
        auto host = makeScreen(test::writeMonsterFile(home_->path(), test::testMonster("ホストモン")));
        auto peer = scriptedPeerOf(*host);
        if (!peer) return;
        peer->send(net::greetingMessage("peer"));
        load(*host);
        host->confirmAction()->trigger();
        QVERIFY(peer->waitFor("*END"));  // the host's block, after the settings dialog
        MonsterRecord enemy = test::testMonster("てき");
        std::string garbage = *encodeMonster(enemy, {}, "てき.tvx");
        garbage[200] ^= 0x33;
        garbage[500] ^= 0x33;
        peer->send(peerBlock("てき", garbage.size(), true));
        QVERIFY(peer->waitFor(net::framed("%77")));
        peer->send(net::framed("%77") + net::framed("%92" + garbage));
        QVERIFY(QTest::qWaitFor([&] { return !dialogs_->asked.empty() && dialogs_->asked.back().text.find("読み込めませんでした") != std::string::npos; }, 10000));
        QVERIFY(peer->waitFor("%91"));
        QVERIFY(host->netBattle()->connected());
        QVERIFY(!host->session().battleRunning());
        QVERIFY(QTest::qWaitFor([&] { return host->confirmAction()->isEnabled(); }, 5000));
        peer->send(net::framed(net::chatMessage("まだいる？")));
        QVERIFY(QTest::qWaitFor([&] { return chatHas(*host, QStringLiteral("まだいる？")); }, 5000));
    }

    // A peer that floods refusals, chat and battle lines: one refusal box, a chat list that
    // stays as long as it may, echoes that wait no more than their bound, and a window that
    // goes on answering the player.
    void aFloodingPeerLeavesTheWindowUsable() {
        auto host = makeScreen(test::writeMonsterFile(home_->path(), test::testMonster("ホストモン")));
        auto peer = scriptedPeerOf(*host);
        if (!peer) return;
        for (int i = 0; i < 2000; ++i) {
            peer->send("#01please update");
            peer->send(net::chatMessage("flood " + std::to_string(i)));
            peer->send(net::battleLineMessage(std::string(300, 'x')));
            if (i % 100 == 0) QTest::qWait(1);
        }
        // The flood may reach the host joined in any way; a line of its own comes through once
        // the host has caught up (an older program would send it again the same way).
        QVERIFY(QTest::qWaitFor([&] {
            peer->send(net::chatMessage("last"));
            QTest::qWait(100);
            return chatHas(*host, QStringLiteral("last"));
        }, 30000));
        int refusals = 0;
        for (const DialogRequest& asked : dialogs_->asked) refusals += asked.title == net::kRefusalTitle;
        QCOMPARE(refusals, 1);
        QVERIFY(panel(*host).chatList()->count() <= kMaxChatLines);
        const net::BattleDriver* driver = host->netBattle()->driver();
        QVERIFY(driver->exchange().dispatcher().heldBytes() <= 4096);
        QVERIFY(driver->exchange().outbox().queuedBytes() <= 17 * 1024);
        chat(*host, QStringLiteral("こちらは元気です"));
        QVERIFY(chatHas(*host, QStringLiteral("ホスト ＞こちらは元気です")));
        QVERIFY(host->netBattle()->connected());
    }

    // The network rating is the player's: each program tells its own, and moves by Elo against
    // the other's. The game plays vexmora-cli, which tells the rating of its own program folder,
    // as host and as client; the game's counts the other as another machine here.
    void ratingsMoveAgainstTheOtherPlayersRealRating() {
        for (const int gameRole : {0, 1}) {
            init();
            QVERIFY(saveNetRating(home_->path(), {1700, 3}).ok());
            test::TempFolder cliHome;
            test::writeStages(cliHome.path(), 10);  // a random stage is drawn from the stage list
            const int cliRating = gameRole == 0 ? 1400 : 2000;
            QVERIFY(saveNetRating(cliHome.path(), {cliRating, 9}).ok());
            const fs::path own = test::writeMonsterFile(home_->path(), test::testMonster("ホストモン"));
            const fs::path theirs = test::writeMonsterFile(cliHome.path(), test::testMonster("ツールモン"));
            auto screen = makeScreen(own, [](const std::string&) { return false; });
            QProcess cli;
            quint16 port = 0;
            if (gameRole == 0) {
                chooseRole(*screen, QStringLiteral("ホスト"), 0, 0);
                port = screen->netBattle()->listeningPort();
                cli.start(QStringLiteral(VEXMORA_GAME_DIR "/vexmora-cli"),
                          {QStringLiteral("--home"), qtPath(cliHome.path()), QStringLiteral("net"), QStringLiteral("join"),
                           QStringLiteral("127.0.0.1"), qtPath(theirs), QStringLiteral("--port"), QString::number(port),
                           QStringLiteral("--log"), QStringLiteral("json")});
            } else {
                cli.start(QStringLiteral(VEXMORA_GAME_DIR "/vexmora-cli"),
                          {QStringLiteral("--home"), qtPath(cliHome.path()), QStringLiteral("net"), QStringLiteral("host"),
                           qtPath(theirs), QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--turns"),
                           QStringLiteral("30")});
                QVERIFY(cli.waitForReadyRead(10000));
                const QJsonObject listening = QJsonDocument::fromJson(cli.readLine()).object();
                port = static_cast<quint16>(listening["port"].toInt());
                chooseRole(*screen, QStringLiteral("ゲスト"), 1, port);
                screen->netBattle()->dialog()->connectBox()->setText(QStringLiteral("127.0.0.1"));
                screen->netBattle()->dialog()->connectButton()->click();
            }
            QVERIFY(cli.waitForStarted(10000));
            QVERIFY(QTest::qWaitFor([&] { return screen->netBattle()->connected() && screen->centralWidget()->isEnabled(); }, 10000));
            load(*screen);
            screen->confirmAction()->trigger();
            QVERIFY(QTest::qWaitFor([&] { return screen->session().battleRunning(); }, 15000));
            QSignalSpy done(&screen->session(), &BattleSession::battleFinished);
            while (!screen->session().battleEnded()) {
                QVERIFY(QTest::qWaitFor([&] { return screen->session().acceptInput() || screen->session().battleEnded(); }, 15000));
                if (screen->session().battleEnded()) break;
                const int before = screen->session().turnsPlayed();
                playOneCommand(*screen);
                QVERIFY(QTest::qWaitFor([&] { return screen->session().turnsPlayed() > before; }, 15000));
            }
            QTRY_COMPARE_WITH_TIMEOUT(done.count(), 1, 30000);
            QVERIFY(QTest::qWaitFor([&] { return cli.state() == QProcess::NotRunning; }, 15000));
            QCOMPARE(cli.exitCode(), 0);
            bool desync = false;
            QJsonObject result;
            for (const QByteArray& line : cli.readAllStandardOutput().split('\n')) {
                const QJsonObject record = QJsonDocument::fromJson(line).object();
                if (record["type"] == QStringLiteral("result")) result = record;
                desync = desync || record["event"] == QStringLiteral("desync");
            }
            QVERIFY(!desync);
            const BattleState& s = screen->session().battle()->state();
            if (gameRole == 0) {
                QCOMPARE(result["outcome"].toString(), QStringLiteral("finished"));
                QCOMPARE(result["turns"].toInt(), int(s.turnCount));
                QCOMPARE(result["winner"].toInt(), 1 - s.winner);
            }
            QCOMPARE(loadNetRating(home_->path()), ratedAfter({1700, 3}, s.winner == 0, cliRating));
        }
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
        for (BattleScreen* s : {host.get(), client.get()}) load(*s);
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
            QVERIFY(turn < 60);
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
        for (BattleScreen* s : {host.get(), client.get()}) load(*s);
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
        load(*client);
        QVERIFY(client->session().hasFighter(0));
        client->confirmAction()->trigger();
        QCOMPARE(dialogs_->asked.back().text, std::string("相手がレアキャラの使用を許可していません"));
        QVERIFY(client->confirmAction()->isEnabled());  // nothing was sent; another try is open

        panel(*host).rareBox()->click();
        QVERIFY(QTest::qWaitFor([&] { return chatHas(*client, QStringLiteral("相手がレアキャラの使用を有効にしました")); }, 5000));
        client->confirmAction()->trigger();
        QVERIFY(!client->confirmAction()->isEnabled());  // the opening exchange runs
        QCOMPARE(dialogs_->asked.size(), size_t{1});
    }

    // A third program knocking while the host has its peer is refused by the system itself.
    void aThirdProgramIsRefusedWhileTheHostHasItsPeer() {
        auto host = makeScreen(test::writeMonsterFile(home_->path(), test::testMonster("ホストモン")));
        auto client = makeScreen(test::writeMonsterFile(home_->path(), test::testMonster("ゲストモン")));
        connectPair(*host, *client);
        if (QTest::currentTestFailed()) return;
        QTcpSocket intruder;
        QAbstractSocket::SocketError error = QAbstractSocket::UnknownSocketError;
        connect(&intruder, &QTcpSocket::errorOccurred, this, [&](QAbstractSocket::SocketError e) { error = e; });
        intruder.connectToHost(QStringLiteral("127.0.0.1"), lastPort_);
        QVERIFY(QTest::qWaitFor([&] { return intruder.state() == QAbstractSocket::UnconnectedState; }, 10000));
        QCOMPARE(error, QAbstractSocket::ConnectionRefusedError);
        chat(*client, QStringLiteral("まだいる？"));
        QVERIFY(QTest::qWaitFor([&] { return chatHas(*host, QStringLiteral("ゲスト ＞まだいる？")); }, 5000));
        QVERIFY(host->netBattle()->connected());
    }

    void aClientThatLosesTheHostConnectsAgainFromTheSameDialog() {
        auto client = makeScreen(test::writeMonsterFile(home_->path(), test::testMonster("ゲストモン")));
        auto host = makeScreen(test::writeMonsterFile(home_->path(), test::testMonster("ホストモン")));
        connectPair(*host, *client);
        if (QTest::currentTestFailed()) return;
        const quint16 port = lastPort_;
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

    // Whichever language the windows speak, the host sends the same bytes: its rare-monster
    // leave and its chat go out in Japanese. What the peer sends in the protocol's words shows
    // in the language of the windows; the peer's handle as it was typed.
    void theWireIsTheSameWhicheverLanguageTheWindowsSpeak() {
        const fs::path file = test::writeMonsterFile(home_->path(), test::testMonster("ホストモン"));
        const fs::path translations = fs::path(VEXMORA_GAME_DIR) / "translations";
        const std::string lastLine = net::chatLineMessage("ホスト", "よろしく");
        std::map<LanguageChoice, std::string> sent;
        for (LanguageChoice language : {LanguageChoice::Japanese, LanguageChoice::English}) {
            QVERIFY(gui::applyLanguage(language, translations).isEmpty());
            const bool english = language == LanguageChoice::English;
            auto host = makeScreen(file);
            auto peer = scriptedPeerOf(*host);
            if (!peer) break;
            // The written protocol has no frames: an older peer's messages come one at a time.
            peer->send(net::greetingMessage("ぴあ"));
            const QString greeting = english ? QStringLiteral("ぴあ has connected") : QStringLiteral("ぴあさんが接続しました");
            QVERIFY(QTest::qWaitFor([&] { return chatHas(*host, greeting); }, 5000));
            peer->send(net::rareAllowedMessage());
            const QString leave = english ? QStringLiteral("The opponent allowed rare monsters") : QStringLiteral("相手がレアキャラの使用を有効にしました");
            QVERIFY(QTest::qWaitFor([&] { return chatHas(*host, leave); }, 5000));
            panel(*host).rareBox()->click();
            chat(*host, QStringLiteral("よろしく"));
            QVERIFY(peer->waitFor(lastLine));
            sent[language] = peer->received();
        }
        gui::applyLanguage(LanguageChoice::Japanese, translations);
        if (QTest::currentTestFailed()) return;
        QVERIFY(sent[LanguageChoice::Japanese].find(net::rareAllowedMessage()) != std::string::npos);
        QCOMPARE(sent[LanguageChoice::English], sent[LanguageChoice::Japanese]);
    }

    // The host keeps 結果.txt after a battle with another machine: the same bytes whichever
    // language its windows speak (but for the battle's own numbers and the clock's date).
    void theResultFileIsTheSameWhicheverLanguageTheWindowsSpeak() {
        const fs::path translations = fs::path(VEXMORA_GAME_DIR) / "translations";
        std::map<LanguageChoice, std::string> records;
        for (LanguageChoice language : {LanguageChoice::Japanese, LanguageChoice::English}) {
            init();
            QVERIFY(gui::applyLanguage(language, translations).isEmpty());
            const fs::path hostFile = test::writeMonsterFile(home_->path(), test::testMonster("ホストモン"));
            const fs::path clientFile = test::writeMonsterFile(home_->path(), test::testMonster("ゲストモン"));
            auto host = makeScreen(hostFile, [](const std::string&) { return false; });
            auto client = makeScreen(clientFile);
            connectPair(*host, *client);
            if (QTest::currentTestFailed()) break;
            for (BattleScreen* s : {host.get(), client.get()}) load(*s);
            client->confirmAction()->trigger();
            host->confirmAction()->trigger();
            QVERIFY(QTest::qWaitFor([&] { return host->session().battleRunning() && client->session().battleRunning(); }, 15000));
            QSignalSpy hostDone(&host->session(), &BattleSession::battleFinished);
            playToTheEnd(*host, *client);
            if (QTest::currentTestFailed()) break;
            QTRY_COMPARE_WITH_TIMEOUT(hostDone.count(), 1, 30000);
            const auto record = readWholeFile(home_->path() / kResultFileName, 1 << 16);
            QVERIFY2(record.ok(), "the host wrote no result file");
            records[language] = *record;
        }
        gui::applyLanguage(LanguageChoice::Japanese, translations);
        if (QTest::currentTestFailed()) return;
        QVERIFY(records[LanguageChoice::English].find(toCp932Lossy("対戦結果")) != std::string::npos);
        QVERIFY(records[LanguageChoice::English].find(toCp932Lossy("ホストモン  [ホスト]")) != std::string::npos);
        QCOMPARE(maskedResultRecord(records[LanguageChoice::English]), maskedResultRecord(records[LanguageChoice::Japanese]));
    }
};

QTEST_MAIN(NetBattleTest)
#include "net_battle_test.moc"

