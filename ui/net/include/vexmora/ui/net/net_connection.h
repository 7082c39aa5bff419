#pragma once
// The connection of a network battle: the connection dialog NET, the TCP session and the
// battle driver that runs over it, one pair per connection. Choosing サーバー listens, ｸﾗｲｱﾝﾄ
// then 接続 connects; a connection that is over leaves the host listening again and the
// client at its address entry. What the driver tells goes to the handler the controller sets.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vexmora/data/dialogs.h"
#include "vexmora/net/battle_driver.h"

class QWidget;

namespace vex::net {
class TcpSession;
}

namespace vex::ui {

class NetDialog;

struct NetConnectionOptions {
    int resumeLimitMs = 120000;
    // Whether a peer's address is this machine's (a battle against oneself changes no network
    // record); by the network interfaces' addresses unless set.
    std::function<bool(const std::string& peerAddress)> isThisMachine;
};

class NetConnection : public QObject {
    Q_OBJECT
public:
    NetConnection(QWidget* parent, Dialogs& dialogs, NetConnectionOptions options);
    ~NetConnection() override;

    NetDialog* dialog() const { return dialog_; }
    // Shows the dialog at its first panel, with the handle last used.
    void open();
    // The driver of the connection being made or made (nullptr when there is none). It lives
    // as long as anyone holds it, even past its connection.
    const std::shared_ptr<net::BattleDriver>& driver() const { return driver_; }
    bool connected() const { return connected_; }
    net::Role role() const { return role_; }
    std::string handle() const;
    // Host: the port it listens on (0 when it does not).
    quint16 listeningPort() const;

    // The driver said the connection is over: the host listens again, the client returns to
    // its address entry.
    void connectionOver();

    // What the driver tells, in order.
    void setEventHandler(std::function<void(const net::Event&)> handler) { handler_ = std::move(handler); }

signals:
    // A peer is connected (the dialog has gone) or the connection is over.
    void connectionChanged(bool connected);
    // ｷｬﾝｾﾙ: the network battle is abandoned.
    void cancelled();

private:
    void chooseRole(int index);
    void connectToHost();
    bool startListening();
    void makeConnection(net::Role role, const QString& address);
    void dropConnection();
    void onConnected();
    void onConnectFailed(const QString& message, bool refused);

    QWidget* parent_;
    Dialogs& dialogs_;
    NetConnectionOptions options_;
    NetDialog* dialog_ = nullptr;
    std::function<void(const net::Event&)> handler_;
    std::unique_ptr<net::TcpSession> tcp_;
    std::shared_ptr<net::BattleDriver> driver_;
    net::Role role_ = net::Role::Host;
    quint16 port_ = 0;
    bool connected_ = false;
};

}  // namespace vex::ui
