#pragma once
// What the exchange needs of a connection: sending, one-shot timers, connecting again, and
// closing. The game and vexmora-cli use the TCP session (net/transport); tests use a
// simulated connection. Nothing here blocks or sleeps: every wait is a timer the transport
// fires back through TransportListener.

#include <cstddef>
#include <string>
#include <string_view>

namespace vex::net {

// The host listens, the client connects.
enum class Role { Host, Client };

enum class NetTimer {
    Step,          // the next step of the opening exchange
    Resend,        // resend the pending command (2000 ms)
    TurnPause,     // the pause between the opponent's command and the turn
    EndSync,       // repeat "%55" (1500 ms)
    Pace,          // the gap between two unframed sends
    OpeningLimit,  // the opening exchange took too long
    ResumeLimit,   // the dropped connection did not come back
};

// Waits that only let the player see what happens may be shortened by the transport (the game
// speed option, or nothing at all in vexmora-cli); pacing waits keep an older peer, which
// takes every arrival as one message, from receiving two messages joined.
enum class WaitKind { Presentation, Pacing };

class Transport {
public:
    virtual ~Transport() = default;
    virtual void send(const std::string& bytes) = 0;
    // Starts (or restarts) a one-shot timer.
    virtual void startTimer(NetTimer timer, int ms) = 0;
    virtual void stopTimer(NetTimer timer) = 0;
    // How long a wait of the exchange lasts here.
    virtual int waitMs(int ms, WaitKind /*kind*/) { return ms; }
    // Bytes handed to send() that have not left yet.
    virtual size_t unsentBytes() const { return 0; }
    // The connection dropped during a battle: the host listens again, the client dials again.
    virtual void reconnect() = 0;
    // Turns away the connection just made (not the one being waited for); the host goes on
    // listening.
    virtual void dropPeer() = 0;
    // The connection is over.
    virtual void closeConnection() = 0;
};

// What a transport tells the exchange.
class TransportListener {
public:
    virtual ~TransportListener() = default;
    // A connection was made (the first, or one made again); `peerAddress` as text.
    virtual void connected(const std::string& peerAddress) = 0;
    virtual void bytesArrived(std::string_view bytes) = 0;
    virtual void connectionLost() = 0;
    virtual void timerFired(NetTimer timer) = 0;
};

}  // namespace vex::net
