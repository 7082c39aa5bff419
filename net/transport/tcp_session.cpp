#include "vexmora/net/tcp_session.h"

#include <cstdio>
#include <string>

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace vex::net {

namespace {

// The most the socket buffers before the driver has read it: a flood stays bounded.
constexpr qint64 kReadBufferBytes = 64 * 1024;
// The most that may wait to be sent to a peer that does not read.
constexpr qint64 kMaxUnsentBytes = 1024 * 1024;
constexpr int kRetryMs = 1000;

// VEXMORA_NET_TRACE=1 prints every send and arrival on standard error.
bool tracing() {
    static const bool on = qEnvironmentVariableIntValue("VEXMORA_NET_TRACE") != 0;
    return on;
}

void trace(const char* what, std::string_view bytes) {
    if (!tracing()) return;
    std::string shown;
    for (char c : bytes.substr(0, 80)) shown += (c >= 0x20 && c < 0x7F) ? c : '.';
    std::fprintf(stderr, "[net %s %zu] %s\n", what, bytes.size(), shown.c_str());
}

void tuneSocket(QTcpSocket* socket) {
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    socket->setReadBufferSize(kReadBufferBytes);
    const int fd = static_cast<int>(socket->socketDescriptor());
    if (fd < 0) return;
    // Probe after 5 s of silence, every 2 s, give up after 3 unanswered probes; and give up
    // on data that stays unacknowledged for 15 s.
    int idle = 5, interval = 2, count = 3;
    unsigned int userTimeout = 15000;
    setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &idle, sizeof idle);
    setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &interval, sizeof interval);
    setsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &count, sizeof count);
    setsockopt(fd, IPPROTO_TCP, TCP_USER_TIMEOUT, &userTimeout, sizeof userTimeout);
}

}  // namespace

QString listenFailureMessage(quint16 port, const QString& socketError, bool permission) {
    if (permission)
        return QStringLiteral("Port %1 cannot be opened: ports below 1024 need administrator rights on this system. "
                              "Choose a port from 1024 to 65535 with --port (the other player joins with the same "
                              "--port).")
            .arg(port);
    return QStringLiteral("Port %1 cannot be opened (%2). Choose another port with --port.").arg(port).arg(socketError);
}

TcpSession::TcpSession(Role role, QString address, quint16 port, QObject* parent)
    : QObject(parent), role_(role), address_(std::move(address)), port_(port) {
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, [this] {
        if (!closed_) connectToHost();
    });
}

TcpSession::~TcpSession() {
    closed_ = true;
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
    }
}

bool TcpSession::listen(QString* error) {
    if (!server_) {
        server_ = new QTcpServer(this);
        connect(server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* incoming = server_->nextPendingConnection()) {
                if (socket_ || closed_) {
                    incoming->abort();
                    incoming->deleteLater();
                    continue;
                }
                adopt(incoming);
            }
        });
    }
    if (!server_->listen(address_.isEmpty() ? QHostAddress::Any : QHostAddress(address_), port_)) {
        const bool permission = server_->serverError() == QAbstractSocket::SocketAccessError;
        if (error) *error = listenFailureMessage(port_, server_->errorString(), permission);
        return false;
    }
    // Port 0 takes any free port: the same one is listened on again after a drop.
    port_ = server_->serverPort();
    return true;
}

void TcpSession::listenAgain() {
    if (closed_ || role_ != Role::Host || listening()) return;
    listen(nullptr);
}

QHostAddress TcpSession::peerAddress() const { return socket_ ? socket_->peerAddress() : QHostAddress(); }

void TcpSession::connectToHost() {
    if (socket_ || closed_) return;
    auto* socket = new QTcpSocket(this);
    socket_ = socket;
    connect(socket, &QTcpSocket::connected, this, [this, socket] {
        if (socket_ != socket) return;
        socket_ = nullptr;
        socket->disconnect(this);
        adopt(socket);
    });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError e) {
        if (socket_ != socket || socket->state() == QAbstractSocket::ConnectedState) return;
        socket_ = nullptr;
        socket->deleteLater();
        onClientError(e);
    });
    socket->connectToHost(address_, port_);
}

void TcpSession::onClientError(QAbstractSocket::SocketError error) {
    if (closed_) return;
    if (reconnecting_) {
        retry_.start(kRetryMs);
        return;
    }
    QString message = error == QAbstractSocket::ConnectionRefusedError
                          ? QStringLiteral("対戦中か存在してしません (nobody accepts connections at %1 port %2)")
                                .arg(address_)
                                .arg(port_)
                          : QStringLiteral("Cannot connect to %1 port %2.").arg(address_).arg(port_);
    emit connectionFailed(message, error == QAbstractSocket::ConnectionRefusedError);
}

void TcpSession::adopt(QTcpSocket* socket) {
    socket_ = socket;
    // One opponent at a time: whoever else knocks is refused by the system.
    if (server_) server_->close();
    tuneSocket(socket);
    connect(socket, &QTcpSocket::readyRead, this, &TcpSession::onReadyRead);
    connect(socket, &QTcpSocket::disconnected, this, &TcpSession::onDisconnected);
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError) {
        // Keep-alive and send limits end in an error without a close from the peer.
        if (socket_ == socket && socket->state() != QAbstractSocket::ConnectedState) onDisconnected();
    });
    const bool again = everConnected_;
    everConnected_ = true;
    reconnecting_ = false;
    if (!again) emit connectionMade();
    if (listener_ && socket_ == socket) listener_->connected(socket->peerAddress().toString().toStdString());
    // Bytes that came with the connection.
    if (socket_ == socket && socket->bytesAvailable() > 0) onReadyRead();
}

void TcpSession::onReadyRead() {
    QTcpSocket* socket = socket_;
    if (!socket) return;
    // Each read is one arrival: all that is waiting, as an older program takes it.
    while (socket_ == socket && socket->bytesAvailable() > 0) {
        const QByteArray data = socket->read(kReadBufferBytes);
        if (data.isEmpty()) break;
        trace("in", std::string_view(data.constData(), static_cast<size_t>(data.size())));
        if (listener_) listener_->bytesArrived(std::string_view(data.constData(), static_cast<size_t>(data.size())));
    }
}

void TcpSession::onDisconnected() {
    QTcpSocket* socket = socket_;
    if (!socket) return;
    // What the peer sent before it closed still counts.
    if (socket->bytesAvailable() > 0) onReadyRead();
    if (socket_ != socket) return;
    socket_ = nullptr;
    socket->disconnect(this);
    socket->deleteLater();
    if (!closed_ && listener_) listener_->connectionLost();
}

void TcpSession::send(const std::string& bytes) {
    if (!socket_ || socket_->state() != QAbstractSocket::ConnectedState) return;
    trace("out", bytes);
    socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
    bytesSent_ += static_cast<qint64>(bytes.size());
    if (socket_->bytesToWrite() > kMaxUnsentBytes) {
        // The peer does not read: it is let go like one that left (once this send is over).
        QPointer<QTcpSocket> socket = socket_.data();
        QTimer::singleShot(0, this, [socket] {
            if (socket) socket->abort();
        });
    }
}

size_t TcpSession::unsentBytes() const {
    qint64 unsent = 0;
    if (socket_) unsent += socket_->bytesToWrite();
    if (closing_ && closing_->state() != QAbstractSocket::UnconnectedState) unsent += closing_->bytesToWrite();
    return static_cast<size_t>(std::max<qint64>(0, unsent));
}

QTimer* TcpSession::timer(NetTimer which) {
    const int key = static_cast<int>(which);
    auto it = timers_.find(key);
    if (it != timers_.end()) return it.value();
    auto* t = new QTimer(this);
    t->setSingleShot(true);
    // The protocol's waits are exact: a coarse timer may add 5% to each of them.
    t->setTimerType(Qt::PreciseTimer);
    connect(t, &QTimer::timeout, this, [this, which] {
        if (listener_) listener_->timerFired(which);
    });
    timers_.insert(key, t);
    return t;
}

void TcpSession::startTimer(NetTimer which, int ms) { timer(which)->start(ms < 0 ? 0 : ms); }

void TcpSession::stopTimer(NetTimer which) {
    auto it = timers_.find(static_cast<int>(which));
    if (it != timers_.end()) it.value()->stop();
}

int TcpSession::waitMs(int ms, WaitKind kind) {
    if (kind == WaitKind::Pacing) return ms;
    return static_cast<int>(ms * presentationScale_);
}

void TcpSession::reconnect() {
    if (closed_) return;
    reconnecting_ = true;
    // The host listens again for its opponent; the client dials again.
    if (role_ == Role::Client) retry_.start(kRetryMs);
    else listenAgain();
}

void TcpSession::dropPeer() {
    if (socket_) {
        QTcpSocket* socket = socket_;
        socket_ = nullptr;
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    listenAgain();
}

void TcpSession::closeConnection() {
    closed_ = true;
    retry_.stop();
    if (server_) server_->close();
    if (socket_) {
        QTcpSocket* socket = socket_;
        socket_ = nullptr;
        socket->disconnect(this);
        // Sends already queued still leave before the close.
        closing_ = socket;
        socket->disconnectFromHost();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

}  // namespace vex::net
