#include "vexmora/ui/net_battle.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTime>
#include <QVBoxLayout>
#include <cstdio>

#include "vexmora/data/paths.h"
#include "vexmora/net/connection_facts.h"
#include "vexmora/net/dispatcher.h"
#include "vexmora/net/messages.h"
#include "vexmora/net/outgoing_monster.h"
#include "vexmora/net/settings_block.h"
#include "vexmora/net/tcp_session.h"
#include "vexmora/report/result_record.h"
#include "vexmora/rules/fighter_checks.h"
#include "vexmora/rules/reported_result.h"
#include "vexmora/rules/series_battle.h"
#include "vexmora/ui/battle_screen.h"
#include "vexmora/ui/battle_session.h"
#include "vexmora/ui/config_dialog.h"
#include "vexmora/ui/net_dialog.h"
#include "vexmora/ui/report_task.h"
#include "vexmora/ui/scaled_time.h"
#include "vexmora/ui/shell.h"
#include "vexmora/ui/sound_table.h"
#include "vexmora/ui/system_options.h"
#include "vexmora/ui/waits.h"

namespace vex::ui {

namespace {

const char* const kRuleText =
    "ネット対戦のルール\n"
    "・「1Ｐロード」で自分のモンスターを読み込み「決定」\n"
    "・ＨＰ、ＳＰ、ターン数、ステージはサーバー側が決めます\n"
    "・チャットで「/s」から始めるとセリフになります";

constexpr const char* kResumeLine = "再接続を待っています…";

QString portRefusal(quint16 port) {
    QString text = QStringLiteral("ポート %1 を開けませんでした。").arg(port);
    if (port != 0 && port < 1024)
        text += QStringLiteral("\r\n1024 未満のポートはこのシステムでは管理者の権限が必要です。");
    else
        text += QStringLiteral("\r\nほかのプログラムが使っている可能性があります。");
    text += QStringLiteral("\r\n対戦相手と 1024～65535 の別のポート番号を決めて、両方で同じ番号を入力してください。");
    return text;
}

}  // namespace

int networkWindowHeight(int screenFit) { return (screenFit == 1 ? 420 : 430) * kScreenScale; }

NetBattle::NetBattle(QWidget* screen, BattleSession& session, Dialogs& dialogs, NetBattleOptions options)
    : QObject(screen), screen_(screen), session_(session), dialogs_(dialogs), options_(std::move(options)) {
    panel_ = new QWidget;
    panel_->setObjectName(QStringLiteral("netPanel"));
    chat_ = new QListWidget;
    chat_->setObjectName(QStringLiteral("chatMSG"));
    chat_->setMinimumHeight(110);
    input_ = new QLineEdit;
    input_->setObjectName(QStringLiteral("inputMSG"));
    input_->setPlaceholderText(QStringLiteral("チャット（Enter で送信、/s で始めるとセリフ）"));
    rare_ = new QCheckBox(QStringLiteral("レアキャラ使用可"));
    rare_->setObjectName(QStringLiteral("TOKU"));
    auto* rules = new QLabel(QString::fromUtf8(kRuleText));
    rules->setObjectName(QStringLiteral("netRULE"));
    rules->setWordWrap(true);
    rules->setStyleSheet(QStringLiteral("color: #f0ecd8; background: #23284a; border: 1px solid #4a5290; padding: 4px;"));
    rules_ = rules;
    eSelect_ = new QLabel;
    eSelect_->setObjectName(QStringLiteral("eSELECT"));
    eSelect_->setFixedWidth(96);
    notSelect_ = new QLabel(QStringLiteral("SELECTING…"));
    notSelect_->setObjectName(QStringLiteral("notSELECT"));
    notSelect_->setFixedSize(96, 17 * kScreenScale);
    notSelect_->setStyleSheet(QStringLiteral("background: rgb(255,255,255); color: black; font-weight: bold; padding-left: 2px;"));
    chat_->setStyleSheet(QStringLiteral("background: #0e1020; color: #f0ecd8;"));
    input_->setStyleSheet(QStringLiteral("background: #1c2036; color: #f0ecd8;"));
    rare_->setStyleSheet(QStringLiteral("color: #f0ecd8;"));

    auto* left = new QVBoxLayout;
    left->addWidget(chat_, 1);
    left->addWidget(input_);
    auto* right = new QVBoxLayout;
    right->addWidget(rare_);
    right->addWidget(rules_);
    auto* indicators = new QHBoxLayout;
    indicators->addWidget(eSelect_);
    indicators->addWidget(notSelect_);
    indicators->addStretch();
    right->addLayout(indicators);
    right->addStretch();
    auto* row = new QHBoxLayout(panel_);
    row->setContentsMargins(0, 0, 0, 0);
    row->addLayout(left, 3);
    row->addLayout(right, 2);
    showLook(Look::Hidden);
    showChoosing(false);

    dialog_ = new NetDialog(screen);
    connect(dialog_, &NetDialog::roleChosen, this, &NetBattle::chooseRole);
    connect(dialog_, &NetDialog::connectRequested, this, &NetBattle::connectToHost);
    connect(dialog_, &NetDialog::cancelRequested, this, [this] {
        if (options_.playEffect) options_.playEffect(kEffectCancel);
        dropConnection();
        emit cancelled();
    });
    connect(input_, &QLineEdit::returnPressed, this, &NetBattle::sendChat);
    connect(rare_, &QCheckBox::toggled, this, &NetBattle::rareToggled);
    resumeCountdown_.setInterval(1000);
    connect(&resumeCountdown_, &QTimer::timeout, this, &NetBattle::updateResumeCountdown);
    connect(&session_, &BattleSession::inputOpened, this, [this] {
        if (session_.battleRunning()) showChoosing(!opponentChose_);
    });
    connect(&session_, &BattleSession::battleFinished, this, [this] {
        if (NetworkPolicy* p = policy()) p->setOpening(false);
        rules_->show();
        reportToServer();
        emit stateChanged();
    });
    if (NetworkPolicy* p = policy()) {
        p->setResultOutput(systemOptions().resultOutputOn(), &dialogs_);
        p->link().sendCommand = [this](int number) {
            if (exchange_) exchange_->ownCommand(number);
        };
        p->link().turnPlayed = [this](int turnCount, uint64_t hash, bool ended) {
            if (exchange_) exchange_->turnResolved(turnCount, hash, ended);
        };
    }
}

NetBattle::~NetBattle() {
    if (NetworkPolicy* p = policy()) {
        p->link().sendCommand = nullptr;
        p->link().turnPlayed = nullptr;
    }
    dropConnection();
}

NetworkPolicy* NetBattle::policy() const { return dynamic_cast<NetworkPolicy*>(&session_.policy()); }

void NetBattle::open() {
    dialog_->handleEdit()->setText(qtText(net::readHandleFile(programFolder())));
    dialog_->showPanel(NetDialog::Panel::Role);
    dialog_->setStatus({});
    emit connectionChanged(false);
    dialog_->show();
    dialog_->raise();
}

quint16 NetBattle::listeningPort() const { return tcp_ && role_ == net::Role::Host ? tcp_->listeningPort() : 0; }

// ---------------------------------------------------------------------------------------
// The connection

void NetBattle::chooseRole(int index) {
    if (options_.playEffect) options_.playEffect(kEffectConfirm);
    const std::string handle = utf8Text(dialog_->handle());
    const std::string refusal = net::fieldRefusal(handle, "ハンドル名");
    if (!refusal.empty()) {
        dialogs_.ask({"注意", refusal, DialogIcon::Warning, DialogButtons::Ok});
        dialog_->showPanel(NetDialog::Panel::Role);
        return;
    }
    const Status written = net::writeHandleFile(programFolder(), handle);
    if (!written) dialog_->setStatus(qtText(written.error().message));
    port_ = dialog_->port();
    if (index == 1) {
        role_ = net::Role::Client;
        dialog_->showPanel(NetDialog::Panel::Client);
        dialog_->setAddressEntryEnabled(true);
        dialog_->setStatus(QStringLiteral("接続先ＩＰを入力してください"));
        return;
    }
    role_ = net::Role::Host;
    session_.settings().stageIndex = kRandomStage;
    makeConnection(net::Role::Host, {}, port_);
    QString error;
    if (!tcp_->listen(&error)) {
        dropConnection();
        dialogs_.ask({"エラー", utf8Text(portRefusal(port_)), DialogIcon::Warning, DialogButtons::Ok});
        dialog_->showPanel(NetDialog::Panel::Role);
        dialog_->setStatus(portRefusal(port_));
        return;
    }
    dialog_->showPanel(NetDialog::Panel::Host);
    QString status = QStringLiteral("接続要求受付中・・・");
    if (port_ != tcp_->listeningPort()) status += QStringLiteral("（ポート %1）").arg(tcp_->listeningPort());
    dialog_->setStatus(status);
}

void NetBattle::connectToHost() {
    if (options_.playEffect) options_.playEffect(kEffectConfirm);
    if (port_ == 0) {
        // Port 0 lets a host take any free port; a client must know which one it took.
        dialog_->setStatus(QStringLiteral("サーバーのポート番号がわかりません。ｷｬﾝｾﾙして、相手と同じポート番号を入力してください"));
        return;
    }
    dialog_->setAddressEntryEnabled(false);
    dropConnection();
    address_ = dialog_->connectBox()->text().trimmed();
    dialog_->setStatus(address_ + QStringLiteral(" に接続しています・・・"));
    makeConnection(net::Role::Client, address_, port_);
    tcp_->connectToHost();
}

void NetBattle::makeConnection(net::Role role, const QString& address, quint16 port) {
    dropConnection();
    tcp_ = std::make_unique<net::TcpSession>(role, address, port);
    tcp_->setPresentationScale(std::max(0, scaledMilliseconds(1000, systemOptions().gameSpeed())) / 1000.0);
    connect(tcp_.get(), &net::TcpSession::connectionMade, this, &NetBattle::onConnected);
    connect(tcp_.get(), &net::TcpSession::connectionFailed, this, &NetBattle::onConnectFailed);
    freshExchange(true);
}

void NetBattle::freshExchange(bool greet) {
    net::ExchangeOptions o;
    o.role = role_;
    o.handle = utf8Text(dialog_->handle());
    o.settings = session_.settings();
    o.waitForConfirm = true;
    o.greet = greet;
    o.openingLimitMs = 0;
    o.resumeLimitMs = options_.resumeLimitMs;
    o.seedNow = [] { return static_cast<int32_t>((QTime::currentTime().msecsSinceStartOfDay() + 5) / 10); };
    if (exchange_) retired_ = std::move(exchange_);
    exchange_ = std::make_unique<net::Exchange>(*tcp_, std::move(o), [this](const net::Event& e) { onEvent(e); });
    tcp_->setExchange(exchange_.get());
    if (retired_) QTimer::singleShot(0, this, [this] { retired_.reset(); });
}

void NetBattle::dropConnection() {
    if (tcp_) {
        tcp_->setExchange(nullptr);
        tcp_->disconnect(this);
        tcp_->closeConnection();
        // It may be the caller of this very call: it goes once the call is over.
        tcp_.release()->deleteLater();
    }
    if (exchange_) {
        retired_ = std::move(exchange_);
        QTimer::singleShot(0, this, [this] { retired_.reset(); });
    }
    connected_ = false;
    resumeCountdown_.stop();
}

void NetBattle::onConnected() {
    connected_ = true;
    peerDiffers_ = tcp_ && !net::isOwnAddress(tcp_->peerAddress().toString().toStdString(), localAddresses());
    settingsArrived_ = false;
    rare_->setEnabled(true);
    if (rare_->isChecked()) tcp_->send(net::rareAllowedMessage());
    if (role_ == net::Role::Client) dialog_->setStatus(QStringLiteral("接続に成功しました"));
    afterScaledWait(this, 1000, [this] {
        if (!connected_) return;
        dialog_->hide();
        emit connectionChanged(true);
        emit stateChanged();
    });
}

void NetBattle::onConnectFailed(const QString& message, bool refused) {
    dropConnection();
    dialog_->setAddressEntryEnabled(true);
    dialog_->setStatus(qtText(net::connectFailureText(refused, utf8Text(message))));
}

// The peer is gone for good (or the two programs parted): the battle stops, the host listens
// again and the client may connect again from its address entry.
void NetBattle::connectionOver() {
    const bool battle = session_.battleRunning() && !session_.battleEnded();
    if (battle) {
        addChat(qtText(net::kPeerLeftLine));
        session_.abandonBattle();
    }
    if (NetworkPolicy* p = policy()) p->setOpening(false);
    opponentChose_ = false;
    showLook(Look::Hidden);
    showChoosing(false);
    rules_->show();
    input_->setEnabled(true);
    rare_->setEnabled(true);
    resumeText_.clear();
    emit helpText({});
    dropConnection();
    emit connectionChanged(false);
    if (role_ == net::Role::Host) {
        makeConnection(net::Role::Host, {}, port_);
        QString error;
        if (!tcp_->listen(&error)) {
            dropConnection();
            dialog_->showPanel(NetDialog::Panel::Role);
            dialog_->setStatus(portRefusal(port_));
        } else {
            dialog_->showPanel(NetDialog::Panel::Host);
            dialog_->setStatus(QStringLiteral("接続要求受付中・・・"));
        }
    } else {
        dialog_->showPanel(NetDialog::Panel::Client);
        dialog_->setAddressEntryEnabled(true);
        dialog_->setStatus({});
    }
    dialog_->show();
    dialog_->raise();
    if (role_ == net::Role::Client)
        dialogs_.ask({"ネット対戦", std::string(net::kServerLeftMessage), DialogIcon::Warning, DialogButtons::Ok});
    else if (!battle)
        addChat(qtText(net::kPeerLeftLine));
    emit stateChanged();
}

// ---------------------------------------------------------------------------------------
// The opening exchange

bool NetBattle::canConfirm() const {
    const NetworkPolicy* p = policy();
    return connected_ && exchange_ && !exchange_->confirmed() && p && !p->opening() && session_.hasFighter(0) &&
           !session_.battleRunning() && !session_.busy();
}

void NetBattle::confirm() {
    if (!canConfirm()) return;
    if (options_.playEffect) options_.playEffect(kEffectConfirm);
    const LoadedFighter* own = session_.fighter(0);
    const MonsterRecord& record = own->monster.record;
    if (isRareMonster(record)) {
        if (session_.settings().stageIndex == kTournamentStage) {
            dialogs_.ask({"注意", std::string(net::kTournamentRareRefused), DialogIcon::Warning, DialogButtons::Ok});
            return;
        }
        if (!exchange_->dispatcher().opponentAllowsRare()) {
            dialogs_.ask({"注意", std::string(net::kRareNotAllowed), DialogIcon::Warning, DialogButtons::Ok});
            return;
        }
    }
    // The monster as it travels, read back from those very bytes: both programs hold the same.
    Result<net::OutgoingMonster> outgoing = net::prepareOutgoingMonster(own->monster);
    if (!outgoing) {
        dialogs_.ask({outgoing.error().title, outgoing.error().message, DialogIcon::Warning, DialogButtons::Ok});
        return;
    }
    LoadedMonster back = own->monster;
    back.record = outgoing->record;
    const fs::path file = own->file;
    const MonsterRecord sent = back.record;
    if (!session_.putFighter(0, file, std::move(back))) return;
    policy()->setOpening(true);
    rules_->hide();
    emit stateChanged();
    exchange_->confirm(sent, outgoing->file, rare_->isChecked());
}

void NetBattle::startBattle(const net::BattleSetup& setup) {
    NetworkPolicy* p = policy();
    if (!p) return;
    NetworkBattle battle;
    battle.settings = setup.settings;
    battle.seed = setup.seed;
    battle.opponent = setup.opponent;
    battle.opponentPicture = setup.opponentPicture;
    battle.ownHandle = utf8Text(dialog_->handle());
    battle.opponentHandle = setup.opponentHandle;
    battle.peerDiffers = peerDiffers_;
    p->setBattle(std::move(battle));
    opponentChose_ = false;
    showChoosing(false);
    input_->setEnabled(true);
    session_.start();
    p->setOpening(false);
    emit stateChanged();
}

// ---------------------------------------------------------------------------------------
// What the exchange says

void NetBattle::onEvent(const net::Event& e) {
    using net::EventKind;
    switch (e.kind) {
    case EventKind::Chat: addChat(qtText(e.text)); break;
    case EventKind::Notice: {
        const QString text = qtText(e.text);
        if (text.endsWith(qtText(net::kProgressSuffix)))
            emit helpText(text);
        else
            addChat(text);
        break;
    }
    case EventKind::VersionWarning:
        dialogs_.ask({std::string(net::kVersionWarningTitle), std::string(net::kVersionWarning), DialogIcon::Warning,
                      DialogButtons::Ok});
        break;
    case EventKind::VersionRefused:
        dialogs_.ask({std::string(net::kRefusalTitle), std::string(net::kRefusal), DialogIcon::Error, DialogButtons::Ok});
        break;
    case EventKind::SettingsWanted:
        // The settings step runs after the exchange's own call has returned.
        QTimer::singleShot(0, this, [this] {
            if (!exchange_) return;
            BattleSettings& s = session_.settings();
            const bool opponentRare = exchange_->dispatcher().opponentAllowsRare() && eSelect_->isVisible();
            if (options_.chooseSettings) {
                options_.chooseSettings(screen_, s, opponentRare);
            } else {
                ConfigDialogOptions config;
                config.playEffect = options_.playEffect;
                config.opponentAllowsRareMonsters = opponentRare;
                auto* screen = dynamic_cast<BattleScreen*>(screen_);
                if (screen) {
                    ConfigDialog dialog(s, screen->composer().stages(), programFolder(), dialogs_, config, screen_);
                    dialog.setReportServer(session_.reportServer);
                    dialog.exec();
                    session_.reportServer = dialog.reportServer();
                }
            }
            session_.applySettings();
            if (options_.playEffect) options_.playEffect(kEffectConfirm);
            if (exchange_) exchange_->settingsChosen(s);
        });
        break;
    case EventKind::SettingsReceived:
        settingsArrived_ = true;
        rare_->setEnabled(false);
        showLook(Look::Settings);
        break;
    case EventKind::TransferStarted:
        showLook(Look::Transfer);
        showChoosing(true);
        break;
    case EventKind::MonsterReceived:
        emit helpText({});
        showLook(Look::Received);
        QTimer::singleShot(0, this, [this] { showLook(Look::Hidden); });
        break;
    case EventKind::BattleReady: {
        const net::BattleSetup setup = e.setup;
        QTimer::singleShot(0, this, [this, setup] { startBattle(setup); });
        break;
    }
    case EventKind::OpponentChose:
        opponentChose_ = true;
        showChoosing(false);
        showLook(Look::Chosen);
        break;
    case EventKind::TurnReady:
        opponentChose_ = false;
        showChoosing(false);
        showLook(Look::Hidden);
        if (NetworkPolicy* p = policy(); p && p->link().playTurn) p->link().playTurn(e.own, e.opponent);
        break;
    case EventKind::CommandWanted: break;
    case EventKind::LineArrived: session_.setBattleLine(e.side, e.text); break;
    case EventKind::Resuming:
        resumeLeft_ = options_.resumeLimitMs / 1000;
        addChat(QString::fromUtf8(kResumeLine));
        updateResumeCountdown();
        resumeCountdown_.start();
        break;
    case EventKind::Resumed:
        resumeCountdown_.stop();
        resumeText_.clear();
        emit helpText({});
        addChat(QStringLiteral("再接続しました。対戦を続けます"));
        break;
    case EventKind::Desync: {
        const std::string text = "二つのゲームの対戦内容が一致しなくなりました（" + std::to_string(e.turn) +
                                 " ターン目）。\r\n対戦を中止します。この対戦の記録は保存されません。";
        session_.abandonBattle();
        addChat(qtText(text));
        dialogs_.ask({"エラー", text, DialogIcon::Error, DialogButtons::Ok});
        break;
    }
    case EventKind::Finished:
        // The connection stays: a rematch begins with 決定 on both sides.
        QTimer::singleShot(0, this, [this] {
            if (!tcp_ || !connected_) return;
            freshExchange(false);
            exchange_->connected();
            emit stateChanged();
        });
        break;
    case EventKind::Failed: {
        // The exchange's own words (a refusal, a hostile peer) go to the terminal; the player
        // reads the game's.
        std::fprintf(stderr, "vexmora: network battle: %s\n", e.text.c_str());
        QTimer::singleShot(0, this, [this] { connectionOver(); });
        break;
    }
    }
    emit stateChanged();
}

// The host reports the finished battle to the server chosen in the settings; the transfers run
// beside the window and say how they went in the chat.
void NetBattle::reportToServer() {
    const NetworkPolicy* p = policy();
    const Battle* battle = session_.battle();
    if (role_ != net::Role::Host || session_.reportServer.empty() || !p || !p->battle() || !battle ||
        !battle->state().ended)
        return;
    EndOfBattle end = endOfBattleFrom(*battle, 0);
    p->describeEnd(end);
    const BattleSettings& s = battle->settings();
    const bool tournament = s.tournamentRules != 0 || s.stageIndex == kTournamentStage;
    const ReportedResult result = reportedResultOf(end, {p->battle()->ownHandle, p->battle()->opponentHandle},
                                                   tournament, shortDateNow(), timeNow());
    ReportCallbacks callbacks;
    callbacks.chatLine = [this](const std::string& line) { addChat(qtText(line)); };
    reportResult(session_.reportServer, result, this, std::move(callbacks), options_.ftpClient);
}

void NetBattle::updateResumeCountdown() {
    if (resumeLeft_ < 0) {
        resumeCountdown_.stop();
        return;
    }
    resumeText_ = QString::fromUtf8(kResumeLine) + QStringLiteral(" あと %1 秒").arg(resumeLeft_);
    emit helpText(resumeText_);
    --resumeLeft_;
}

// ---------------------------------------------------------------------------------------
// Chat and the indicators

void NetBattle::sendChat() {
    const QString text = input_->text();
    if (options_.playEffect) options_.playEffect(kEffectConfirm);
    input_->clear();
    if (text.isEmpty() || !exchange_ || !connected_) return;
    exchange_->chat(utf8Text(text));
}

void NetBattle::rareToggled(bool on) {
    if (!tcp_ || !connected_ || settingsArrived_) return;
    tcp_->send(on ? net::rareAllowedMessage() : net::rareRefusedMessage());
}

void NetBattle::addChat(const QString& line) {
    chat_->addItem(line);
    chat_->setCurrentRow(chat_->count() - 1);
    chat_->scrollToBottom();
}

void NetBattle::showLook(Look look) {
    switch (look) {
    case Look::Hidden: eSelect_->hide(); return;
    case Look::Settings:
        eSelect_->setText(QStringLiteral("  ENEMY \nSELECTED"));
        eSelect_->setStyleSheet(QStringLiteral("background: rgb(0,255,0); color: black; font-weight: bold;"));
        eSelect_->setFixedHeight(34 * kScreenScale);
        break;
    case Look::Transfer:
        eSelect_->setText(QStringLiteral("SELECTED"));
        eSelect_->setStyleSheet(QStringLiteral("background: rgb(0,255,255); color: black; font-weight: bold;"));
        eSelect_->setFixedHeight(17 * kScreenScale);
        break;
    case Look::Received:
    case Look::Chosen:
        eSelect_->setText(QStringLiteral("SELECTED"));
        eSelect_->setStyleSheet(QStringLiteral("background: rgb(255,0,0); color: white; font-weight: bold;"));
        eSelect_->setFixedHeight(17 * kScreenScale);
        break;
    }
    eSelect_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    eSelect_->show();
}

void NetBattle::showChoosing(bool shown) { notSelect_->setVisible(shown); }

}  // namespace vex::ui
