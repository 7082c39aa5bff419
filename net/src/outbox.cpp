#include "vexmora/net/outbox.h"

#include "vexmora/net/messages.h"

namespace vex::net {

void Outbox::send(std::string_view message) {
    Item item = framing_ ? Item{framed(message), false} : Item{std::string(message), true};
    queuedBytes_ += item.bytes.size();
    (holding_ ? held_ : queue_).push_back(std::move(item));
    drain();
}

void Outbox::sendFile(std::string_view bytes) {
    if (framing_) {
        for (size_t at = 0; at < bytes.size(); at += kFileChunkBytes) {
            Item item{framed(std::string(kFileChunk) + std::string(bytes.substr(at, kFileChunkBytes))), false};
            queuedBytes_ += item.bytes.size();
            queue_.push_back(std::move(item));
        }
    } else {
        // An older program takes everything that arrives during its transfer as file bytes:
        // what follows the file must come apart from it.
        queuedBytes_ += bytes.size();
        queue_.push_back({std::string(bytes), true});
    }
    drain();
}

void Outbox::hold(bool on) {
    holding_ = on;
    if (on) return;
    for (Item& item : held_) queue_.push_back(std::move(item));
    held_.clear();
    drain();
}

void Outbox::paced() {
    pacing_ = false;
    drain();
}

void Outbox::clear() {
    queue_.clear();
    held_.clear();
    queuedBytes_ = 0;
    holding_ = false;
    if (pacing_) transport_.stopTimer(NetTimer::Pace);
    pacing_ = false;
}

void Outbox::drain() {
    while (!queue_.empty() && !pacing_) {
        Item item = std::move(queue_.front());
        queue_.pop_front();
        queuedBytes_ -= item.bytes.size();
        transport_.send(item.bytes);
        if (item.paced) {
            pacing_ = true;
            transport_.startTimer(NetTimer::Pace, transport_.waitMs(kPaceMs, WaitKind::Pacing));
        }
    }
}

}  // namespace vex::net
