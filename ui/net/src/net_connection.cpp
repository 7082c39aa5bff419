#include "vexmora/ui/net/net_connection.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTimer>

#include "vexmora/gui/effects.h"
#include "vexmora/net/connection_facts.h"
#include "vexmora/gui/language.h"
#include "vexmora/net/settings_block.h"
#include "vexmora/net/tcp_session.h"
#include "vexmora/rules/net_rating.h"
#include "vexmora/ui/net/net_dialog.h"
#include "vexmora/ui/media/scaled_time.h"
#include "vexmora/ui/shared/shell.h"
#include "vexmora/gui/text.h"
#include "vexmora/ui/media/sound_table.h"
#include "vexmora/ui/media/system_options.h"
#include "vexmora/ui/shared/waits.h"

namespace vex::ui {

using gui::qtText;
using gui::utf8Text;

namespace {

QString portRefusal(quint16 port) {
    QString text = QCoreApplication::translate("vex::ui::NetConnection", "ポート %1 を開けませんでした。").arg(port);
    if (port != 0 && port < 1024)
        text += QCoreApplication::translate("vex::ui::NetConnection", "\r\n1024 未満のポートはこのシステムでは管理者の権限が必要です。");
    else
        text += QCoreApplication::translate("vex::ui::NetConnection", "\r\nほかのプログラムが使っている可能性があります。");
    text += QCoreApplication::translate("vex::ui::NetConnection", "\r\n対戦相手と 1024～65535 の別のポート番号を決めて、両方で同じ番号を入力してください。");
    return text;
}

}  // namespace

NetConnection::NetConnection(QWidget* parent, Dialogs& dialogs, NetConnectionOptions options)
    : QObject(parent), parent_(parent), dialogs_(dialogs), options_(std::move(options)) {
    if (!options_.isThisMachine)
        options_.isThisMachine = [](const std::string& peer) { return net::isOwnAddress(peer, localAddresses()); };
    dialog_ = new NetDialog(parent);
    connect(dialog_, &NetDialog::roleChosen, this, &NetConnection::chooseRole);
    connect(dialog_, &NetDialog::connectRequested, this, &NetConnection::connectToHost);
    connect(dialog_, &NetDialog::cancelRequested, this, [this] {
        gui::playEffectNow(gui::kEffectCancel);
        dropConnection();
        emit cancelled();
    });
}

NetConnection::~NetConnection() { dropConnection(); }

void NetConnection::open() {
    dialog_->handleEdit()->setText(qtText(net::readHandleFile(programFolder())));
    dialog_->showPanel(NetDialog::Panel::Role);
    dialog_->setStatus({});
    emit connectionChanged(false);
    dialog_->show();
    dialog_->raise();
}

std::string NetConnection::handle() const { return utf8Text(dialog_->handle()); }

quint16 NetConnection::listeningPort() const {
    return tcp_ && role_ == net::Role::Host && tcp_->listening() ? tcp_->listeningPort() : 0;
}

void NetConnection::chooseRole(int index) {
    gui::playEffectNow(gui::kEffectConfirm);
    const std::string refusal = net::fieldRefusal(handle(), "ハンドル名");
    if (!refusal.empty()) {
        dialogs_.ask({"注意", refusal, DialogIcon::Warning, DialogButtons::Ok});
        dialog_->showPanel(NetDialog::Panel::Role);
        return;
    }
    const Status written = net::writeHandleFile(programFolder(), handle());
    if (!written) dialog_->setStatus(gui::displayText(gui::kMessageContext, written.error().message));
    port_ = dialog_->port();
    if (index == 1) {
        role_ = net::Role::Client;
        dialog_->showPanel(NetDialog::Panel::Client);
        dialog_->setAddressEntryEnabled(true);
        dialog_->setStatus(tr("接続先ＩＰを入力してください"));
        return;
    }
    role_ = net::Role::Host;
    if (!startListening()) {
        dialogs_.ask({"エラー", utf8Text(portRefusal(port_)), DialogIcon::Warning, DialogButtons::Ok});
        return;
    }
}

bool NetConnection::startListening() {
    makeConnection(net::Role::Host, {});
    QString error;
    if (!tcp_->listen(&error)) {
        dropConnection();
        dialog_->showPanel(NetDialog::Panel::Role);
        dialog_->setStatus(portRefusal(port_));
        return false;
    }
    dialog_->showPanel(NetDialog::Panel::Host);
    QString status = tr("接続要求受付中・・・");
    if (port_ != tcp_->listeningPort()) status += tr("（ポート %1）").arg(tcp_->listeningPort());
    dialog_->setStatus(status);
    return true;
}

void NetConnection::connectToHost() {
    gui::playEffectNow(gui::kEffectConfirm);
    if (port_ == 0) {
        // Port 0 lets a host take any free port; a client must know which one it took.
        dialog_->setStatus(tr("サーバーのポート番号がわかりません。ｷｬﾝｾﾙして、相手と同じポート番号を入力してください"));
        return;
    }
    dialog_->setAddressEntryEnabled(false);
    const QString address = dialog_->connectBox()->text().trimmed();
    dialog_->setStatus(address + tr(" に接続しています・・・"));
    makeConnection(net::Role::Client, address);
    tcp_->connectToHost();
}

void NetConnection::makeConnection(net::Role role, const QString& address) {
    dropConnection();
    role_ = role;
    tcp_ = std::make_unique<net::TcpSession>(role, address, port_);
    tcp_->setPresentationScale(std::max(0, scaledMilliseconds(1000, systemOptions().gameSpeed())) / 1000.0);
    connect(tcp_.get(), &net::TcpSession::connectionMade, this, &NetConnection::onConnected);
    connect(tcp_.get(), &net::TcpSession::connectionFailed, this, &NetConnection::onConnectFailed);
    net::ExchangeOptions o;
    o.role = role;
    o.handle = handle();
    o.ownRating = loadNetRating(programFolder()).rating;
    o.isThisMachine = options_.isThisMachine;
    o.openingLimitMs = 0;  // a player may take as long as they like to confirm
    o.resumeLimitMs = options_.resumeLimitMs;
    driver_ = std::make_shared<net::BattleDriver>(*tcp_, std::move(o), [this](const net::Event& e) {
        if (handler_) handler_(e);
    });
    tcp_->setListener(driver_.get());
}

void NetConnection::dropConnection() {
    if (driver_) driver_->close();
    if (tcp_) {
        tcp_->setListener(nullptr);
        tcp_->disconnect(this);
        tcp_->closeConnection();
        // It may be the caller of this very call: it goes once the call is over.
        tcp_.release()->deleteLater();
    }
    // Whoever still holds the driver (a battle's command source) keeps it; it is over.
    driver_.reset();
    connected_ = false;
}

void NetConnection::onConnected() {
    connected_ = true;
    if (role_ == net::Role::Client) dialog_->setStatus(tr("接続に成功しました"));
    afterScaledWait(this, 1000, [this] {
        if (!connected_) return;
        dialog_->hide();
        emit connectionChanged(true);
    });
}

void NetConnection::onConnectFailed(const QString& message, bool refused) {
    dropConnection();
    dialog_->setAddressEntryEnabled(true);
    dialog_->setStatus(gui::displayText(gui::kMessageContext, net::connectFailureText(refused, utf8Text(message))));
}

void NetConnection::connectionOver() {
    dropConnection();
    emit connectionChanged(false);
    if (role_ == net::Role::Host) {
        startListening();
    } else {
        dialog_->showPanel(NetDialog::Panel::Client);
        dialog_->setAddressEntryEnabled(true);
        dialog_->setStatus({});
    }
    dialog_->show();
    dialog_->raise();
}

}  // namespace vex::ui
