#include "vexmora/ui/battle_view/net_battle.h"

#include <QCheckBox>
#include <QTimer>
#include <cstdio>

#include "vexmora/gui/effects.h"
#include "vexmora/net/battle_driver.h"
#include "vexmora/gui/language.h"
#include "vexmora/rules/end_of_battle.h"
#include "vexmora/rules/network_policy.h"
#include "vexmora/rules/reported_result.h"
#include "vexmora/ui/battle_view/battle_screen.h"
#include "vexmora/ui/battle_view/battle_session.h"
#include "vexmora/ui/battle_view/config_dialog.h"
#include "vexmora/ui/net/net_connection.h"
#include "vexmora/ui/net/net_dialog.h"
#include "vexmora/ui/battle_view/net_panel.h"
#include "vexmora/ui/report/report_task.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/gui/text.h"
#include "vexmora/ui/media/sound_table.h"
#include "vexmora/ui/media/system_options.h"

namespace vex::ui {

using gui::qtText;
using gui::utf8Text;

namespace {

constexpr const char* kResumeLine = QT_TRANSLATE_NOOP("vex::ui::NetBattle", "再接続を待っています…");

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

}  // namespace

int networkWindowHeight(int screenFit) { return (screenFit == 1 ? 420 : 430) * kScreenScale; }

NetBattle::NetBattle(QWidget* screen, BattleSession& session, NetworkPolicy& policy, const StageList& stages,
                     Dialogs& dialogs, NetBattleOptions options)
    : QObject(screen), screen_(screen), session_(session), policy_(policy), stages_(stages), dialogs_(dialogs),
      options_(std::move(options)) {
    panel_ = new NetPanel;
    NetConnectionOptions connectionOptions;
    connectionOptions.resumeLimitMs = options_.resumeLimitMs;
    connectionOptions.isThisMachine = options_.isThisMachine;
    connection_ = new NetConnection(screen, dialogs_, connectionOptions);
    connection_->setEventHandler([this](const net::Event& e) { onEvent(e); });
    connect(connection_, &NetConnection::connectionChanged, this, &NetBattle::connectionChanged);
    connect(connection_, &NetConnection::cancelled, this, &NetBattle::cancelled);

    policy_.setResultOutput(systemOptions().resultOutputOn(), &dialogs_);
    session_.setCommandSources([this](CommandInput input) {
        return input == CommandInput::Network ? makeNetworkPeer(connection_->driver()) : makeCommandSource(input);
    });
    connect(panel_, &NetPanel::chatEntered, this, &NetBattle::sendChat);
    connect(panel_, &NetPanel::rareToggled, this, [this](bool on) {
        if (const auto& driver = connection_->driver()) driver->setAllowRare(on);
    });
    resumeCountdown_.setInterval(1000);
    connect(&resumeCountdown_, &QTimer::timeout, this, &NetBattle::updateResumeCountdown);
    connect(&session_, &BattleSession::inputOpened, this, [this] {
        if (session_.battleRunning()) panel_->showChoosing(!opponentChose_);
    });
    // The host's report runs once the result has been shown, before the records are kept.
    connect(&session_, &BattleSession::resultShown, this, &NetBattle::reportToServer);
    connect(&session_, &BattleSession::battleFinished, this, [this] {
        policy_.setOpening(false);
        panel_->rulePanel()->show();
        emit stateChanged();
    });
}

NetBattle::~NetBattle() { delete connection_; }

NetDialog* NetBattle::dialog() const { return connection_->dialog(); }
void NetBattle::open() { connection_->open(); }
bool NetBattle::connected() const { return connection_->connected(); }
quint16 NetBattle::listeningPort() const { return connection_->listeningPort(); }
const net::BattleDriver* NetBattle::driver() const { return connection_->driver().get(); }

void NetBattle::tell(const std::string& title, const std::string& text, DialogIcon icon) {
    dialogs_.ask({title, text, icon, DialogButtons::Ok});
}

// ---------------------------------------------------------------------------------------
// The opening exchange

bool NetBattle::canConfirm() const {
    const auto& driver = connection_->driver();
    return connected() && driver && driver->exchange().canConfirm() && !policy_.opening() && session_.hasFighter(0) &&
           !session_.battleRunning() && !session_.busy();
}

bool NetBattle::settingsCommandShown() const { return connection_->role() == net::Role::Client; }

bool NetBattle::canConfigure() const {
    return settingsCommandShown() && connected() && session_.canConfigure() && !policy_.opening();
}

bool NetBattle::canWatchReplay() const { return !policy_.opening(); }

void NetBattle::confirm() {
    if (!canConfirm()) return;
    gui::playEffectNow(gui::kEffectConfirm);
    const LoadedFighter* own = session_.fighter(0);
    // The monster as it travels, read back from those very bytes: both programs hold the same.
    Result<MonsterRecord> sent = connection_->driver()->confirm(own->monster, session_.settings());
    if (!sent) {
        const Error& e = sent.error();
        tell(e.title, e.message, e.endsGame ? DialogIcon::Error : DialogIcon::Warning);
        return;
    }
    LoadedMonster back = own->monster;
    back.record = *sent;
    const fs::path file = own->file;
    if (!session_.putFighter(0, file, std::move(back))) return;
    policy_.setOpening(true);
    panel_->rulePanel()->hide();
    emit stateChanged();
}

// The host's settings step: CONFIG, whose choice rules both programs' battle.
void NetBattle::chooseSettings(bool opponentAllowsRare) {
    const auto driver = connection_->driver();
    if (!driver) return;
    ConfigDialogOptions config;
    config.opponentAllowsRareMonsters = opponentAllowsRare;
    ConfigDialog dialog(session_.settings(), stages_, programFolder(), dialogs_, config, screen_);
    dialog.setReportServer(reportServer_);
    dialog.exec();
    session_.settings() = dialog.settings();
    reportServer_ = dialog.reportServer();
    session_.applySettings();
    gui::playEffectNow(gui::kEffectConfirm);
    driver->settingsChosen(session_.settings());
}

void NetBattle::startBattle(const NetworkBattle& battle, const MonsterRecord&) {
    policy_.setBattle(battle);
    opponentChose_ = false;
    panel_->showChoosing(false);
    session_.start();
    policy_.setOpening(false);
    emit stateChanged();
}

void NetBattle::openingStopped(const net::ev::OpeningStopped& e) {
    // A battle that had started here never started on the other side: it is not played.
    if (session_.battleRunning()) session_.abandonBattle();
    policy_.setOpening(false);
    panel_->rulePanel()->show();
    panel_->showLook(NetPanel::Look::Hidden);
    panel_->showChoosing(false);
    emit helpText({});
    const std::string text = e.here ? e.reason : "相手が対戦の準備を取りやめました。\r\n" + e.reason;
    panel_->addChat(gui::displayText(gui::kMessageContext, text).replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
    tell(QT_TRANSLATE_NOOP("Messages", "注意"), text);
}

// ---------------------------------------------------------------------------------------
// What the driver says

void NetBattle::onEvent(const net::Event& event) {
    std::visit(
        Overloaded{
            [this](const net::ev::Connected&) {
                panel_->rareBox()->setEnabled(true);
                if (const auto& driver = connection_->driver()) driver->setAllowRare(panel_->rareBox()->isChecked());
            },
            [this](const net::ev::Chat& e) { panel_->addChat(gui::displayText(gui::kMessageContext, e.text)); },
            [this](const net::ev::Notice& e) { panel_->addChat(gui::displayText(gui::kMessageContext, e.text)); },
            [this](const net::ev::ChatOpen& e) { panel_->setChatOpen(e.open); },
            [this](const net::ev::TransferProgress& e) {
                emit helpText(QString::number(e.percent) + gui::displayText(gui::kMessageContext, net::kProgressSuffix));
            },
            [this](const net::ev::VersionWarning&) {
                tell(std::string(net::kVersionWarningTitle), std::string(net::kVersionWarning));
            },
            [this](const net::ev::VersionRefused&) {
                tell(std::string(net::kRefusalTitle), std::string(net::kRefusal), DialogIcon::Error);
            },
            // The settings step runs after the driver's own call has returned.
            [this](const net::ev::SettingsWanted& e) {
                QTimer::singleShot(0, this, [this, rare = e.opponentAllowsRare] { chooseSettings(rare); });
            },
            [this](const net::ev::SettingsReceived&) {
                panel_->rareBox()->setEnabled(false);  // for the rest of the connection
                panel_->showLook(NetPanel::Look::Settings);
            },
            [this](const net::ev::TransferStarted&) {
                panel_->showLook(NetPanel::Look::Transfer);
                panel_->showChoosing(true);
            },
            [this](const net::ev::MonsterReceived&) {
                emit helpText({});
                panel_->showLook(NetPanel::Look::Received);
                QTimer::singleShot(0, this, [this] { panel_->showLook(NetPanel::Look::Hidden); });
            },
            [this](const net::ev::OpeningStopped& e) { openingStopped(e); },
            [this](const net::ev::BattleReady& e) {
                QTimer::singleShot(0, this, [this, battle = e.battle, own = e.own] { startBattle(battle, own); });
            },
            [this](const net::ev::OpponentChose&) {
                opponentChose_ = true;
                panel_->showChoosing(false);
                panel_->showLook(NetPanel::Look::Chosen);
            },
            [this](const net::ev::TurnReady&) {
                opponentChose_ = false;
                panel_->showChoosing(false);
                panel_->showLook(NetPanel::Look::Hidden);
                session_.peerTurnReady();
            },
            [](const net::ev::CommandWanted&) {},
            [this](const net::ev::LineArrived& e) { session_.setBattleLine(e.side, e.text); },
            [this](const net::ev::Resuming&) {
                resumeLeft_ = options_.resumeLimitMs / 1000;
                panel_->addChat(QString::fromUtf8(kResumeLine));
                updateResumeCountdown();
                resumeCountdown_.start();
            },
            [this](const net::ev::Resumed&) {
                resumeCountdown_.stop();
                resumeText_.clear();
                emit helpText({});
                panel_->addChat(tr("再接続しました。対戦を続けます"));
            },
            [this](const net::ev::Desync& e) {
                const std::string text = "二つのゲームの対戦内容が一致しなくなりました（" + std::to_string(e.turn) +
                                         " ターン目）。\r\n対戦を中止します。この対戦の記録は保存されません。";
                session_.abandonBattle();
                panel_->addChat(gui::displayText(gui::kMessageContext, text).replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
                tell(QT_TRANSLATE_NOOP("Messages", "エラー"), text, DialogIcon::Error);
            },
            [this](const net::ev::Finished&) { session_.resultMayShow(); },
            [this](const net::ev::Failed& e) {
                // The driver's own words go to the terminal; the player reads the game's.
                std::fprintf(stderr, "vexmora: network battle: %s\n", e.text.c_str());
                QTimer::singleShot(0, this, &NetBattle::connectionOver);
            },
        },
        event);
    emit stateChanged();
}

// The peer is gone for good (or the two programs parted): a battle being played stops, one
// played to its end shows its result, the host listens again and the client may connect again.
void NetBattle::connectionOver() {
    const bool running = session_.battleRunning() && !session_.battleEnded();
    if (running) {
        panel_->addChat(gui::displayText(gui::kMessageContext, net::kPeerLeftLine));
        session_.abandonBattle();
    } else if (session_.battleRunning()) {
        session_.resultMayShow();
    }
    policy_.setOpening(false);
    opponentChose_ = false;
    panel_->showLook(NetPanel::Look::Hidden);
    panel_->showChoosing(false);
    panel_->rulePanel()->show();
    panel_->setChatOpen(true);
    panel_->rareBox()->setEnabled(true);
    resumeCountdown_.stop();
    resumeText_.clear();
    emit helpText({});
    const bool client = connection_->role() == net::Role::Client;
    connection_->connectionOver();
    if (client)
        tell(QT_TRANSLATE_NOOP("Messages", "ネット対戦"), std::string(net::kServerLeftMessage));
    else if (!running)
        panel_->addChat(gui::displayText(gui::kMessageContext, net::kPeerLeftLine));
    emit stateChanged();
}

// The host reports the finished battle to the server chosen in the settings; the transfers run
// beside the window and say how they went in the chat.
void NetBattle::reportToServer() {
    const Battle* battle = session_.battle();
    const EndOfBattle* end = session_.endOfBattle();
    if (connection_->role() != net::Role::Host || reportServer_.empty() || !policy_.battle() || !battle ||
        !battle->state().ended || !end)
        return;
    const BattleSettings& s = battle->settings();
    const bool tournament = s.tournamentRules != 0 || s.stageIndex == kTournamentStage;
    const ReportedResult result = reportedResultOf(*end, {policy_.battle()->ownHandle, policy_.battle()->opponentHandle},
                                                   tournament, shortDateNow(), timeNow());
    ReportCallbacks callbacks;
    callbacks.chatLine = [this](const std::string& line) { panel_->addChat(gui::displayText(gui::kMessageContext, line)); };
    reportResult(reportServer_, result, this, std::move(callbacks), options_.ftpClient);
}

void NetBattle::updateResumeCountdown() {
    if (resumeLeft_ < 0) {
        resumeCountdown_.stop();
        return;
    }
    resumeText_ = tr(kResumeLine) + tr(" あと %1 秒").arg(resumeLeft_);
    emit helpText(resumeText_);
    --resumeLeft_;
}

void NetBattle::sendChat(const QString& text) {
    gui::playEffectNow(gui::kEffectConfirm);
    const auto& driver = connection_->driver();
    if (text.isEmpty() || !driver || !connected()) return;
    driver->chat(utf8Text(text));
}

}  // namespace vex::ui
