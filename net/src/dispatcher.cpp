#include "vexmora/net/dispatcher.h"

#include <algorithm>

#include "vexmora/data/text.h"
#include "vexmora/net/announcement.h"
#include "vexmora/rules/peer_text.h"

namespace vex::net {

namespace {

bool endsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// A text of the other program as it may be shown: cleaned, and cut (at a character) when long.
std::string peerLine(std::string_view cp932) {
    std::string text = cleanPeerText(fromCp932(cp932));
    if (text.size() > kMaxChatLineBytes) {
        size_t cut = kMaxChatLineBytes;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
        text.resize(cut);
        text += "…";
    }
    return text;
}

// The frame's length digits, or nothing when they are not five digits.
std::optional<size_t> frameLength(std::string_view header) {
    size_t length = 0;
    for (size_t i = 1; i < kFrameHeaderBytes; ++i) {
        const char c = header[i];
        if (c < '0' || c > '9') return std::nullopt;
        length = length * 10 + static_cast<size_t>(c - '0');
    }
    return length;
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

std::vector<Arrival> Dispatcher::openForTurn(int turnsPlayed) {
    std::vector<Arrival> out;
    const bool kept = early_ != 0 && turnsPlayed == turn_ + 1;
    turn_ = turnsPlayed;
    accepting_ = true;
    if (kept) {
        accepting_ = false;
        out.push_back(arrived::Command{early_});
        out.push_back(arrived::Reply{std::string(kAck)});
    }
    early_ = 0;
    return out;
}

void Dispatcher::newBattle() {
    settings_.reset();
    blockBuffer_.clear();
    blockOpen_ = false;
    transferring_ = false;
    file_.clear();
    file_.shrink_to_fit();
    accepting_ = false;
    early_ = 0;
    turn_ = 0;
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

void Dispatcher::fail(std::vector<Arrival>& out, std::string message) {
    failed_ = true;
    pending_.clear();
    pending_.shrink_to_fit();
    file_.clear();
    file_.shrink_to_fit();
    blockBuffer_.clear();
    blockOpen_ = false;
    transferring_ = false;
    out.push_back(arrived::Failure{std::move(message)});
}

std::vector<Arrival> Dispatcher::feed(std::string_view bytes) {
    std::vector<Arrival> out;
    if (failed_) return out;
    std::string joined;
    if (!pending_.empty()) {
        joined = std::move(pending_);
        pending_.clear();
        joined.append(bytes);
        bytes = joined;
    }
    size_t i = 0;
    while (i < bytes.size() && !failed_) {
        const std::string_view rest = bytes.substr(i);
        if (transferring_ && !peerFrames_) {
            const size_t take = std::min(rest.size(), static_cast<size_t>(expectedSize_) - file_.size());
            takeFileBytes(rest.substr(0, take), out);
            i += take;
            continue;
        }
        if (peerFrames_ && rest[0] == kFrameStart) {
            if (rest.size() < kFrameHeaderBytes) {
                pending_.assign(rest);
                break;
            }
            const std::optional<size_t> length = frameLength(rest);
            if (!length || *length > kMaxFramedBytes) {
                fail(out, "The opponent sent a frame that cannot be read.");
                break;
            }
            if (rest.size() < kFrameHeaderBytes + *length) {
                pending_.assign(rest);
                break;
            }
            dispatch(rest.substr(kFrameHeaderBytes, *length), out);
            i += kFrameHeaderBytes + *length;
            continue;
        }
        // The rest of the arrival; from a program that frames, up to the next frame.
        size_t end = rest.size();
        if (peerFrames_) end = std::min(end, rest.find(kFrameStart, 1));
        const std::string_view unit = rest.substr(0, end);
        // No message is shorter than three bytes: the start of one waits for the next arrival.
        if (end == rest.size() && unit.size() < 3 && unit[0] == '%' && !blockOpen_) {
            pending_.assign(unit);
            break;
        }
        i += unframed(unit, out);
    }
    return out;
}

// One unframed message: the whole unit, except that a settings block ends at its "*END" and
// the opponent's monster file begins right after its "%77". How many bytes were taken.
size_t Dispatcher::unframed(std::string_view unit, std::vector<Arrival>& out) {
    if (blockOpen_ && unit[0] != '%') {
        // "*END" may have begun in the arrival before.
        const size_t had = blockBuffer_.size();
        blockBuffer_.append(unit.substr(0, std::min(unit.size(), kMaxHeldBytes + 1)));
        const size_t end = blockBuffer_.find("*END", had < 3 ? 0 : had - 3);
        if (end == std::string::npos) {
            if (blockBuffer_.size() > kMaxHeldBytes) fail(out, "The opponent sent a settings block that never ends.");
            return unit.size();
        }
        blockBuffer_.resize(end + 4);
        blockOpen_ = false;
        const std::string whole = std::move(blockBuffer_);
        blockBuffer_.clear();
        acceptSettings(whole, out);
        return end + 4 - had;
    }
    if (unit.substr(0, 3) == "%44") {
        blockOpen_ = false;
        blockBuffer_.clear();
        const size_t end = unit.find("*END", 3);
        if (end == std::string_view::npos) {
            if (unit.size() - 3 > kMaxHeldBytes) {
                fail(out, "The opponent sent a settings block that never ends.");
            } else {
                blockBuffer_.assign(unit.substr(3));
                blockOpen_ = true;
            }
            return unit.size();
        }
        acceptSettings(unit.substr(3, end + 1), out);
        return end + 4;
    }
    if (unit.substr(0, 3) == kTransferReady) {
        dispatch(kTransferReady, out);
        return 3;
    }
    dispatch(unit, out);
    return unit.size();
}

void Dispatcher::takeFileBytes(std::string_view bytes, std::vector<Arrival>& out) {
    file_.append(bytes);
    out.push_back(arrived::TransferProgress{static_cast<int>(static_cast<int64_t>(file_.size()) * 100 / expectedSize_)});
    if (static_cast<int64_t>(file_.size()) < expectedSize_) return;

    transferring_ = false;
    const std::string name = settings_ ? settings_->monsterName : std::string();
    // The file is keyed from the name it would have had on disk; it is decoded from memory,
    // so the name never becomes a path.
    auto decoded = decodeMonster(file_, name + ".tvx");
    file_.clear();
    file_.shrink_to_fit();
    if (!decoded) {
        out.push_back(arrived::MonsterUnreadable{"相手のモンスターのデータを読み込めませんでした。\r\n" +
                                                 cleanPeerText(decoded.error().message)});
        return;
    }
    // The first turn's command may follow the file in the same arrival.
    accepting_ = true;
    turn_ = 0;
    out.push_back(arrived::Monster{std::move(*decoded)});
}

void Dispatcher::acceptSettings(std::string_view blockText, std::vector<Arrival>& out) {
    // One block a battle: a second one says nothing new (and a peer sending blocks over and
    // over must not make this side do anything over and over).
    if (settings_) return;
    SettingsBlock block = parseSettingsBlock(blockText);
    if (block.fileSize < kMinMonsterFileBytes || block.fileSize > kMaxMonsterFileBytes)
        return fail(out, "The opponent announced a monster file of " + std::to_string(block.fileSize) +
                             " bytes; a monster file has " + std::to_string(kMinMonsterFileBytes) + " to " +
                             std::to_string(kMaxMonsterFileBytes) + " bytes.");
    settings_ = block;
    // The first block says whether the opponent frames: what follows it, even in this very
    // arrival, is read accordingly.
    if (!blockSeen_) peerFrames_ = parseAnnouncement(block.announcement).has_value();
    blockSeen_ = true;
    out.push_back(arrived::Settings{std::move(block)});
}

// One message, handled as the written protocol handles one arrival.
void Dispatcher::dispatch(std::string_view t, std::vector<Arrival>& out) {
    if (t == rareAllowedMessage()) {
        opponentAllowsRare_ = true;
        out.push_back(arrived::RareAllowed{});
    } else if (t == rareRefusedMessage()) {
        opponentAllowsRare_ = false;
        out.push_back(arrived::RareRefused{});
    }
    if (t.substr(0, 2) == "/s") {
        out.push_back(arrived::Reply{battleLineEcho(t.substr(2))});
        out.push_back(arrived::Line{1, peerLine(t.substr(2))});
    }
    if (t.substr(0, 2) == "/r") out.push_back(arrived::Line{0, peerLine(t.substr(2))});
    const std::string_view body = t.size() > 3 ? t.substr(3) : std::string_view();

    if (!t.empty() && t[0] == '%') {
        const int64_t n = leadingNumber(t.substr(1, 2));
        if (n == 0) {
            out.push_back(arrived::Chat{peerLine(body)});
        } else if (n >= 1 && n <= 6) {
            return command(t, static_cast<int>(n), out);
        } else if (n == 10) {
            out.push_back(arrived::Acknowledged{});
        } else if (n == 44) {
            // A framed block arrives whole.
            if (endsWith(body, "*END")) acceptSettings(body, out);
        } else if (n == 55) {
            opponentFinished_ = true;
            out.push_back(arrived::OpponentFinished{});
        } else if (n == 77) {
            if (!settings_) return fail(out, "The opponent sent its monster before its settings.");
            transferring_ = true;
            expectedSize_ = settings_->fileSize;
            file_.clear();
            file_.reserve(static_cast<size_t>(expectedSize_));
            out.push_back(arrived::TransferStarted{});
        } else if (n == 88 || n == 89) {
            if (auto th = parseTurnHash(body)) {
                if (n == 88) out.push_back(arrived::PeerHash{*th});
                else out.push_back(arrived::PeerResume{*th});
            }
        } else if (n == 90) {
            out.push_back(arrived::LargeFileNote{});
        } else if (n == 91) {
            transferring_ = false;
            file_.clear();
            out.push_back(arrived::OpeningStopped{peerLine(body)});
        } else if (n == 93) {
            out.push_back(arrived::OpeningStopAck{});
        } else if (n == 92 && transferring_) {
            // A piece of the monster file, framed.
            takeFileBytes(body.substr(0, static_cast<size_t>(expectedSize_) - file_.size()), out);
        }
    }
    if (t.substr(0, 3) == "#01") out.push_back(arrived::VersionRefused{});
}

// A command counts only while the opponent is being waited for, with its final "*", for the
// turn being played; anything else is dropped without a reply. The turn travels as three
// digits, so it is compared as three digits.
void Dispatcher::command(std::string_view t, int number, std::vector<Arrival>& out) {
    if (!endsWith(t, "*") || t.size() < 6) return;
    const int64_t turn = leadingNumber(t.substr(3, 3));
    if (accepting_ && turn == wireTurn(turn_)) {
        accepting_ = false;
        out.push_back(arrived::Command{number});
        out.push_back(arrived::Reply{std::string(kAck)});
    } else if (!accepting_ && turn == wireTurn(turn_ + 1)) {
        // The opponent has finished this turn and chosen for the next one while this side
        // still plays it. The sender goes on to its next command as soon as it has ours, so
        // a command dropped here might never come again: keep it.
        early_ = number;
    }
}

}  // namespace vex::net
