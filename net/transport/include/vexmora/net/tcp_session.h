#pragma once
// The TCP connection of a network battle, driving an Exchange from the Qt event loop: the
// host listens, the client connects; arrivals, drops and timers are handed to the exchange,
// and its sends and timer requests are carried out here.
//
// A peer that is gone without closing is found by TCP keep-alive probes at short intervals
// (about 11 s of silence) and by a limit on unacknowledged sends.

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

#include "vexmora/net/exchange.h"

namespace vex::net {

class TcpSession : public QObject, public ExchangeDriver {
    Q_OBJECT
public:
    TcpSession(Role role, QString address, quint16 port, QObject* parent = nullptr);
    ~TcpSession() override;

    // The exchange this connection drives (set before listening or connecting).
    void setExchange(Exchange* exchange) { exchange_ = exchange; }
    // A factor for presentation waits (the game speed; 0 in vexmora-cli).
    void setPresentationScale(double scale) { presentationScale_ = scale; }

    // Host: starts listening; false with a message the player understands.
    bool listen(QString* error);
    quint16 listeningPort() const;
    // Client: starts connecting; connectionFailed() reports a failure of the first attempt.
    void connectToHost();

    // ExchangeDriver
    void send(const std::string& bytes) override;
    void startTimer(NetTimer timer, int ms) override;
    void stopTimer(NetTimer timer) override;
    int waitMs(int ms, WaitKind kind) override;
    void reconnect() override;
    void closeConnection() override;

    // Bytes sent and received, for the benchmark and the log.
    qint64 bytesSent() const { return bytesSent_; }

signals:
    void connectionMade();
    void connectionFailed(const QString& message);

private:
    void adopt(QTcpSocket* socket);
    void dropSocket();
    void onReadyRead();
    void onDisconnected();
    void onClientError(QAbstractSocket::SocketError error);
    QTimer* timer(NetTimer which);

    Role role_;
    QString address_;
    quint16 port_;
    Exchange* exchange_ = nullptr;
    double presentationScale_ = 1.0;
    QTcpServer* server_ = nullptr;
    QPointer<QTcpSocket> socket_;
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
