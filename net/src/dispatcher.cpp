#include "vexmora/net/dispatcher.h"

#include <algorithm>

#include "vexmora/data/text.h"

namespace vex::net {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHex(char c) { return isDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
bool endsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// How the bytes at the head of the stream are cut.
enum class Head {
    Fixed,       // a complete fixed message or block of `length` bytes
    Incomplete,  // the start of a fixed message or block: wait for its bytes
    Text,        // a text without length: up to the next message start
};

// Checks a fixed-length form against what has arrived of it. `pattern`: '%' literal, 'd' a
// digit, 'x' a hexadecimal digit, 'c' a command number 1-6, other characters literal.
Head matchFixed(std::string_view p, std::string_view pattern, size_t& length) {
    const size_t n = std::min(p.size(), pattern.size());
    for (size_t i = 0; i < n; ++i) {
        const char want = pattern[i];
        const char c = p[i];
        const bool ok = want == 'd' ? isDigit(c) : want == 'x' ? isHex(c) : want == 'c' ? (c >= '1' && c <= '6') : c == want;
        if (!ok) return Head::Text;
    }
    if (p.size() < pattern.size()) return Head::Incomplete;
    length = pattern.size();
    return Head::Fixed;
}

Head classify(std::string_view p, size_t& length) {
    if (p.empty() || p[0] != '%') return Head::Text;
    if (p.size() < 3) return Head::Incomplete;
    const std::string_view code = p.substr(1, 2);
    if (code == "10" || code == "55" || code == "77") {
        length = 3;
        return Head::Fixed;
    }
    if (code == "44") {
        const size_t end = p.find("*END", 3);
        if (end == std::string_view::npos) return Head::Incomplete;
        length = end + 4;
        return Head::Fixed;
    }
    if (p[1] == ' ') return matchFixed(p, "% cddd*", length);
    if (code == "88" || code == "89") return matchFixed(p, std::string(p.substr(0, 3)) + "dddxxxxxxxxxxxxxxxx", length);
    return Head::Text;
}

// Whether a message we know can begin at p[i] (a "%" with a known code, or too few bytes to
// tell).
bool messageStartsAt(std::string_view p, size_t i) {
    if (p[i] != '%') return false;
    if (p.size() - i < 3) return true;
    const char a = p[i + 1], b = p[i + 2];
    if (a == ' ') return b >= '1' && b <= '6';
    const std::string_view code = p.substr(i + 1, 2);
    return code == "00" || code == "10" || code == "44" || code == "55" || code == "77" || code == "88" ||
           code == "89";
}

}  // namespace

Command commandFromWire(int number, const MonsterRecord& monster) {
    if (number < 1 || number > 5) return Command::nothingFromClick();
    return Command::fromSlot(monster, number - 1);
}

int wireNumber(const Command& command) {
    if (command.noAction == kTrue || command.slot < 0 || command.slot > 4) return kNoTechniqueCommand;
    return command.slot + 1;
}

std::vector<ArrivalEvent> Dispatcher::feed(std::string_view bytes) {
    std::vector<ArrivalEvent> out;
    if (failed_) return out;
    pending_.append(bytes.data(), bytes.size());
    run(out, false);
    return out;
}

std::vector<ArrivalEvent> Dispatcher::openForTurn(int turnsPlayed) {
    std::vector<ArrivalEvent> out;
    const bool kept = early_ != 0 && turnsPlayed == turn_ + 1;
    turn_ = turnsPlayed;
    accepting_ = true;
    if (kept) {
        accepting_ = false;
        ArrivalEvent command;
        command.kind = Arrived::OpponentCommand;
        command.number = early_;
        out.push_back(std::move(command));
        ArrivalEvent ack;
        ack.kind = Arrived::Reply;
        ack.text = std::string(kAck);
        out.push_back(std::move(ack));
    }
    early_ = 0;
    return out;
}

std::vector<ArrivalEvent> Dispatcher::flush() {
    std::vector<ArrivalEvent> out;
    if (failed_) return out;
    run(out, true);
    return out;
}

bool Dispatcher::holdingText() const {
    if (failed_ || transferring_ || pending_.empty()) return false;
    size_t length = 0;
    const Head head = classify(pending_, length);
    return head == Head::Text || (head == Head::Incomplete && pending_.size() < 3);
}

void Dispatcher::newConnection() {
    pending_.clear();
    if (transferring_) {
        // A file cut off by the drop cannot be completed on the new connection.
        transferring_ = false;
        file_.clear();
    }
    failed_ = false;
}

void Dispatcher::fail(std::vector<ArrivalEvent>& out, std::string message) {
    failed_ = true;
    pending_.clear();
    pending_.shrink_to_fit();
    file_.clear();
    file_.shrink_to_fit();
    blockBuffer_.clear();
    transferring_ = false;
    ArrivalEvent e;
    e.kind = Arrived::Failure;
    e.text = std::move(message);
    out.push_back(std::move(e));
}

void Dispatcher::run(std::vector<ArrivalEvent>& out, bool quiet) {
    while (!failed_ && !pending_.empty()) {
        if (transferring_) {
            takeFileBytes(out);
            continue;
        }
        size_t length = 0;
        const Head head = classify(pending_, length);
        if (head == Head::Incomplete) {
            if (pending_.size() < 3 && quiet) {
                length = pending_.size();
            } else {
                if (pending_.size() > kMaxHeldBytes)
                    fail(out, "The opponent sent a settings block that never ends.");
                return;
            }
        } else if (head == Head::Text) {
            length = 0;
            for (size_t i = 1; i < pending_.size() && length == 0; ++i)
                if (messageStartsAt(pending_, i)) length = i;
            if (length == 0) {
                if (pending_.size() > kMaxHeldBytes)
                    length = kMaxHeldBytes;
                else if (quiet)
                    length = pending_.size();
                else
                    return;
            }
        }
        const std::string message = pending_.substr(0, length);
        pending_.erase(0, length);
        dispatchText(message, out);
    }
}

void Dispatcher::takeFileBytes(std::vector<ArrivalEvent>& out) {
    const size_t missing = static_cast<size_t>(expectedSize_) - file_.size();
    const size_t take = std::min(missing, pending_.size());
    file_.append(pending_, 0, take);
    pending_.erase(0, take);

    ArrivalEvent progress;
    progress.kind = Arrived::TransferProgress;
    progress.number = static_cast<int>(static_cast<int64_t>(file_.size()) * 100 / expectedSize_);
    progress.text = std::to_string(progress.number) + std::string(kProgressSuffix);
    out.push_back(std::move(progress));
    if (static_cast<int64_t>(file_.size()) < expectedSize_) return;

    transferring_ = false;
    const std::string name = settings_ ? settings_->monsterName : std::string();
    // The file is keyed from the name it would have had on disk; it is decoded from memory,
    // so the name never becomes a path.
    auto decoded = decodeMonster(file_, name + ".tvx");
    file_.clear();
    if (!decoded) {
        fail(out, "The opponent's monster file cannot be read: " + decoded.error().message);
        return;
    }
    if (decoded->integrity == Integrity::SystemTampered) {
        fail(out, "The opponent's monster file has been tampered with.");
        return;
    }
    monsterReceived_ = true;
    // The first turn's command may follow the file in the same arrival.
    accepting_ = true;
    turn_ = 0;
    ArrivalEvent chat;
    chat.kind = Arrived::Chat;
    chat.text = std::string(kFileReceivedLine);
    out.push_back(std::move(chat));
    ArrivalEvent e;
    e.kind = Arrived::MonsterReceived;
    e.monster = std::move(*decoded);
    out.push_back(std::move(e));
}

void Dispatcher::acceptSettings(std::string_view blockText, std::vector<ArrivalEvent>& out) {
    SettingsBlock block = parseSettingsBlock(blockText);
    if (block.fileSize < kMinMonsterFileBytes || block.fileSize > kMaxMonsterFileBytes) {
        fail(out, "The opponent announced a monster file of " + std::to_string(block.fileSize) +
                      " bytes; a monster file has " + std::to_string(kMinMonsterFileBytes) + " to " +
                      std::to_string(kMaxMonsterFileBytes) + " bytes.");
        return;
    }
    ArrivalEvent e;
    e.kind = Arrived::Settings;
    e.settings = block;
    out.push_back(std::move(e));
    if (block.version != versionText()) {
        ArrivalEvent warning;
        warning.kind = Arrived::VersionWarning;
        warning.text = std::string(kVersionWarning);
        out.push_back(std::move(warning));
    }
    settings_ = std::move(block);
}

// One message, handled as the protocol has always handled one arrival.
void Dispatcher::dispatchText(std::string_view t, std::vector<ArrivalEvent>& out) {
    auto push = [&out](Arrived kind, std::string text = {}, int number = 0) {
        ArrivalEvent e;
        e.kind = kind;
        e.text = std::move(text);
        e.number = number;
        out.push_back(std::move(e));
    };

    if (t == rareAllowedMessage()) {
        opponentAllowsRare_ = true;
        push(Arrived::RareAllowed);
    } else if (t == rareRefusedMessage()) {
        opponentAllowsRare_ = false;
        push(Arrived::RareRefused);
    }
    if (t.substr(0, 2) == "/s") {
        push(Arrived::Reply, battleLineEcho(t.substr(2)));
        push(Arrived::OpponentLine, fromCp932(t.substr(2)));
    }
    if (t.substr(0, 2) == "/r") push(Arrived::OwnLine, fromCp932(t.substr(2)));
    const std::string_view body = t.size() > 3 ? t.substr(3) : std::string_view();

    if (!t.empty() && t[0] == '%') {
        const int64_t n = leadingNumber(t.substr(1, 2));
        if (n == 0) {
            push(Arrived::Chat, fromCp932(body));
        } else if (n >= 1 && n <= 6) {
            // A command counts only while the opponent is being waited for, with its final
            // "*", for the turn being played; anything else is dropped without a reply. The
            // turn travels as three digits, so it is compared as three digits.
            const bool forThisTurn = t.size() >= 6 && leadingNumber(t.substr(3, 3)) == wireTurn(turn_);
            if (accepting_ && endsWith(t, "*") && forThisTurn) {
                accepting_ = false;
                push(Arrived::OpponentCommand, {}, static_cast<int>(n));
                push(Arrived::Reply, std::string(kAck));
            } else if (!accepting_ && endsWith(t, "*") && t.size() >= 6 &&
                       leadingNumber(t.substr(3, 3)) == wireTurn(turn_ + 1)) {
                // The opponent has finished this turn and chosen for the next one while this
                // side still plays it. The sender goes on to its next command as soon as it has
                // ours, so a command dropped here might never come again: keep it.
                early_ = static_cast<int>(n);
            }
            return;
        } else if (n == 10) {
            push(Arrived::Acknowledged);
        } else if (n == 44) {
            if (endsWith(body, "*END"))
                acceptSettings(body, out);
            else
                blockBuffer_.assign(body.substr(0, std::min(body.size(), kMaxHeldBytes)));
        } else if (n == 55) {
            opponentFinished_ = true;
            push(Arrived::OpponentFinished);
        } else if (n == 77) {
            if (!settings_) {
                fail(out, "The opponent sent its monster before its settings.");
                return;
            }
            transferring_ = true;
            monsterReceived_ = false;
            expectedSize_ = settings_->fileSize;
            file_.clear();
            file_.reserve(static_cast<size_t>(expectedSize_));
            push(Arrived::TransferStarted);
        } else if (n == 88 || n == 89) {
            if (auto th = parseTurnHash(body)) {
                ArrivalEvent e;
                e.kind = n == 88 ? Arrived::PeerHash : Arrived::PeerResume;
                e.turnHash = *th;
                out.push_back(std::move(e));
            }
        }
    } else if (!settings_) {
        // Plain texts continue a settings block sent in pieces; once a block has been read
        // they are battle lines or stray text, never block material.
        if (blockBuffer_.size() + t.size() > kMaxHeldBytes) {
            fail(out, "The opponent sent a settings block that never ends.");
            return;
        }
        blockBuffer_.append(t.data(), t.size());
        if (endsWith(blockBuffer_, "*END")) {
            const std::string block = blockBuffer_;
            acceptSettings(block, out);
        }
    }
    if (t.substr(0, 3) == "#01") push(Arrived::VersionRefused, std::string(kRefusal));
}

}  // namespace vex::net
