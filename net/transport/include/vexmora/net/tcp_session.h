#pragma once
// The TCP connection of a network battle, carrying a battle driver from the Qt event loop: the
// host listens, the client connects; arrivals, drops and timers go to the driver, and its
// sends and timer requests are carried out here.
//
// The host takes one opponent: once it has its peer it stops listening, so a third program
// is refused by the system itself; it listens again only to let a dropped opponent back. A
// peer that is gone without closing is found by TCP keep-alive probes at short intervals
// (about 11 s of silence) and by a limit on unacknowledged sends; one that does not read
// what it is sent is let go once 1 MiB waits for it.

#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include "vexmora/net/transport.h"

namespace vex::net {

class TcpSession : public QObject, public Transport {
    Q_OBJECT
public:
    TcpSession(Role role, QString address, quint16 port, QObject* parent = nullptr);
    ~TcpSession() override;

    // Who hears of arrivals, drops and timers (set before listening or connecting).
    void setListener(TransportListener* listener) { listener_ = listener; }
    // A factor for presentation waits (the game speed; 0 in vexmora-cli).
    void setPresentationScale(double scale) { presentationScale_ = scale; }

    // Host: starts listening; false with a message the player understands.
    bool listen(QString* error);
    quint16 listeningPort() const { return port_; }
    bool listening() const { return server_ && server_->isListening(); }
    // Client: starts connecting; connectionFailed() reports a failure of the first attempt.
    void connectToHost();

    // Transport
    void send(const std::string& bytes) override;
    void startTimer(NetTimer timer, int ms) override;
    void stopTimer(NetTimer timer) override;
    int waitMs(int ms, WaitKind kind) override;
    // After closeConnection() too: what is still leaving.
    size_t unsentBytes() const override;
    void reconnect() override;
    void dropPeer() override;
    void closeConnection() override;

    // The address of the connected peer (null while there is none).
    QHostAddress peerAddress() const;
    qint64 bytesSent() const { return bytesSent_; }

signals:
    void connectionMade();
    void connectionFailed(const QString& message, bool refused);

private:
    void adopt(QTcpSocket* socket);
    void listenAgain();
    void onReadyRead();
    void onDisconnected();
    void onClientError(QAbstractSocket::SocketError error);
    QTimer* timer(NetTimer which);

    Role role_;
    QString address_;
    quint16 port_;
    TransportListener* listener_ = nullptr;
    double presentationScale_ = 1.0;
    QTcpServer* server_ = nullptr;
    QPointer<QTcpSocket> socket_;
    QPointer<QTcpSocket> closing_;  // closed, its last sends still leaving
    bool everConnected_ = false;
    bool reconnecting_ = false;
    bool closed_ = false;
    QTimer retry_;
    QHash<int, QTimer*> timers_;
    qint64 bytesSent_ = 0;
};

// Why a port cannot be listened on, in words a player understands, with the way out.
QString listenFailureMessage(quint16 port, const QString& socketError, bool permission);

}  // namespace vex::net
