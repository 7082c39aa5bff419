#pragma once
// The sending side of a connection. Messages leave in the order they were given, as the peer
// needs them:
//   - framed, once both programs announced themselves (messages.h);
//   - otherwise one message a send, at least kPaceMs after the previous one, so that an older
//     program, which takes each arrival as one message, gets each on its own;
//   - none while this side's monster file is on its way: from "%77" until the file has gone
//     the opponent takes every byte as file bytes, so what comes up meanwhile waits.
// What waits is bounded by the caller (it asks queuedBytes() before sending what a peer can
// cause, an echo).

#include <deque>
#include <string>

#include "vexmora/net/transport.h"

namespace vex::net {

inline constexpr int kPaceMs = 100;

class Outbox {
public:
    explicit Outbox(Transport& transport) : transport_(transport) {}

    void setFraming(bool on) { framing_ = on; }
    bool framing() const { return framing_; }

    void send(std::string_view message);
    // The monster file, never held back: raw bytes to an older program; framed in pieces
    // ("%92" + bytes) once framing is on, so that even the file cannot be mistaken.
    void sendFile(std::string_view bytes);
    // Messages wait from now until hold(false).
    void hold(bool on);
    bool holding() const { return holding_; }
    // The pace timer fired.
    void paced();
    size_t queuedBytes() const { return queuedBytes_; }
    // A connection made again: what waited for the old one is dropped.
    void clear();

private:
    struct Item {
        std::string bytes;
        bool paced;  // the next send waits kPaceMs after this one
    };
    void drain();

    Transport& transport_;
    bool framing_ = false;
    bool holding_ = false;
    bool pacing_ = false;  // the pace timer runs
    std::deque<Item> queue_;
    std::deque<Item> held_;
    size_t queuedBytes_ = 0;
};

}  // namespace vex::net
