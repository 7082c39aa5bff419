#include "vexmora/net/exchange.h"

#include <cstdlib>

namespace vex::net {

namespace {

// Rare: the numeric value of makerVersion is 0 (an empty text counts as 0).
bool isRareMonster(const MonsterRecord& monster) {
    const std::string& text = monster.makerVersion();
    return std::strtod(text.c_str(), nullptr) == 0.0;
}

constexpr int kResendMs = 2000;
constexpr int kEndSyncMs = 1500;
constexpr int kQuietMs = 50;

}  // namespace

Exchange::Exchange(ExchangeDriver& driver, ExchangeOptions options, std::function<void(const Event&)> onEvent)
    : driver_(driver), options_(std::move(options)), onEvent_(std::move(onEvent)) {}

void Exchange::emitText(EventKind kind, std::string text) {
    Event e;
    e.kind = kind;
    e.text = std::move(text);
    post(std::move(e));
}

void Exchange::wait(Step next, int ms, WaitKind kind) {
    step_ = next;
    driver_.startTimer(NetTimer::Step, driver_.waitMs(ms, kind));
}

void Exchange::fail(const std::string& message) {
    if (phase_ == Phase::Over) return;
    phase_ = Phase::Over;
    for (NetTimer t : {NetTimer::Step, NetTimer::Resend, NetTimer::TurnPause, NetTimer::EndSync, NetTimer::Quiet,
                       NetTimer::OpeningLimit, NetTimer::ResumeLimit})
        driver_.stopTimer(t);
    driver_.closeConnection();
    emitText(EventKind::Failed, message);
}

// --- connection ------------------------------------------------------------------------

void Exchange::connected() {
    if (phase_ == Phase::Idle) {
        if (options_.openingLimitMs > 0) driver_.startTimer(NetTimer::OpeningLimit, options_.openingLimitMs);
        if (options_.role == Role::Client) {
            phase_ = Phase::Greeting;
            wait(Step::Greet, 1000, WaitKind::Presentation);
        } else {
            phase_ = Phase::Opening;
            wait(Step::RareChecks, 0, WaitKind::Presentation);
        }
        return;
    }
    if (phase_ == Phase::Battle || phase_ == Phase::EndSync) {
        // A new connection before the old one was seen to drop: the same resumption.
        if (!hashChecks()) return;
        resumePhase_ = phase_;
        phase_ = Phase::Resuming;
    }
    if (phase_ != Phase::Resuming) return;
    dispatcher_.newConnection();
    const int wt = wireTurn(turn_);
    const auto own = ownHashes_.find(wt);
    driver_.send(resumeMessage(turn_, own == ownHashes_.end() ? 0 : own->second));
    resumeSent_ = true;
}

void Exchange::connectionLost() {
    if (phase_ == Phase::Over || phase_ == Phase::Idle || phase_ == Phase::Resuming) return;
    // After the last turn a drop only matters while the opponent's hash of that turn is
    // outstanding: once it matched, both programs played the same battle to its end.
    if (phase_ == Phase::EndSync && hashChecks() && lastVerifiedTurn_ == turn_) return finish();
    if ((phase_ == Phase::Battle || phase_ == Phase::EndSync) && hashChecks()) {
        resumePhase_ = phase_;
        phase_ = Phase::Resuming;
        resumeSent_ = false;
        driver_.stopTimer(NetTimer::Resend);
        driver_.stopTimer(NetTimer::EndSync);
        driver_.stopTimer(NetTimer::Quiet);
        driver_.startTimer(NetTimer::ResumeLimit, options_.resumeLimitMs);
        emitText(EventKind::Resuming, "The connection dropped; waiting for it to come back.");
        driver_.reconnect();
        return;
    }
    fail(std::string(options_.role == Role::Client && phase_ != Phase::Battle && phase_ != Phase::EndSync
                         ? kServerLeftMessage
                         : kPeerLeftLine));
}

void Exchange::bytesArrived(std::string_view bytes) {
    if (phase_ == Phase::Over) return;
    auto events = dispatcher_.feed(bytes);
    for (ArrivalEvent& e : events) {
        if (phase_ == Phase::Over) return;
        handle(e);
    }
    if (phase_ != Phase::Over && dispatcher_.holdingText()) driver_.startTimer(NetTimer::Quiet, kQuietMs);
}

void Exchange::timerFired(NetTimer timer) {
    if (phase_ == Phase::Over) return;
    switch (timer) {
        case NetTimer::Step: advance(); break;
        case NetTimer::Resend:
            if (resending_ && (phase_ == Phase::Battle || phase_ == Phase::EndSync)) sendPending();
            break;
        case NetTimer::TurnPause: {
            Event e;
            e.kind = EventKind::TurnReady;
            e.own = ownNumber_;
            e.opponent = opponentNumber_;
            post(std::move(e));
            break;
        }
        case NetTimer::EndSync: endSyncTick(); break;
        case NetTimer::Quiet:
            for (ArrivalEvent& e : dispatcher_.flush()) {
                if (phase_ == Phase::Over) return;
                handle(e);
            }
            break;
        case NetTimer::OpeningLimit:
            if (phase_ == Phase::Greeting || phase_ == Phase::Opening)
                fail("The opponent did not complete the opening exchange within " +
                     std::to_string(options_.openingLimitMs / 1000) + " s.");
            break;
        case NetTimer::ResumeLimit:
            if (phase_ == Phase::Resuming)
                fail(std::string(kPeerLeftLine) + " (the connection did not come back within " +
                     std::to_string(options_.resumeLimitMs / 1000) + " s)");
            break;
    }
}

// --- the opening exchange ----------------------------------------------------------------

void Exchange::advance() {
    switch (step_) {
        case Step::Greet:
            driver_.send(greetingMessage(options_.handle));
            phase_ = Phase::Opening;
            wait(Step::RareChecks, 0, WaitKind::Presentation);
            return;
        case Step::RareChecks:
            if (isRareMonster(options_.monster)) {
                if (options_.settings.stageIndex == kTournamentStage) return fail(std::string(kTournamentRareRefused));
                if (!dispatcher_.opponentAllowsRare()) return fail(std::string(kRareNotAllowed));
                if (!options_.allowRare) {
                    driver_.send(rareAllowedMessage());
                    return wait(Step::Settings, 100, WaitKind::Pacing);
                }
            }
            [[fallthrough]];
        case Step::AfterRareNotice:
        case Step::Settings:
            if (options_.role == Role::Host) {
                step_ = Step::Settings;
                Event e;
                e.kind = EventKind::SettingsWanted;
                post(std::move(e));
                return;
            }
            [[fallthrough]];
        case Step::SendBlock: {
            SettingsBlock block;
            block.handle = options_.handle;
            block.initialHp = options_.settings.initialHp;
            block.initialSp = options_.settings.initialSp;
            block.stageIndex = options_.settings.stageIndex;
            block.version = versionText();
            block.turnLimit = options_.settings.turnLimit;
            if (options_.role == Role::Host && options_.seedNow) setup_.seed = options_.seedNow();
            block.seed = setup_.seed;
            block.fileSize = static_cast<int64_t>(options_.monsterFile.size());
            block.monsterName = options_.monster.name;
            if (options_.announce) block.announcement = std::string(kFeatureAnnouncement);
            driver_.send(buildSettingsBlock(block));
            step_ = Step::AwaitBlock;
            if (dispatcher_.settingsReceived()) wait(Step::BeforeReady, 300, WaitKind::Pacing);
            return;
        }
        case Step::BeforeReady:
            driver_.send(std::string(kTransferReady));
            return wait(Step::AfterReady, 300, WaitKind::Pacing);
        case Step::AfterReady:
            if (options_.role == Role::Client) {
                step_ = Step::AwaitTransfer;
                if (dispatcher_.inTransfer() || opponentMonster_) wait(Step::BeforeFile, 150, WaitKind::Pacing);
                return;
            }
            step_ = Step::AwaitFile;
            if (opponentMonster_) wait(Step::BeforeStart, 500, WaitKind::Presentation);
            return;
        case Step::BeforeFile:
            driver_.send(options_.monsterFile);
            step_ = Step::AwaitFile;
            if (opponentMonster_) wait(Step::BeforeStart, 500, WaitKind::Presentation);
            return;
        case Step::BeforeStart: {
            step_ = Step::None;
            driver_.stopTimer(NetTimer::OpeningLimit);
            setup_.settings.battleMode = kModeNetwork;
            setup_.settings.isHost = options_.role == Role::Host ? kTrue : kFalse;
            setup_.settings.spectatorMode = kFalse;
            setup_.own = options_.monster;
            setup_.tournament = setup_.settings.stageIndex == kTournamentStage;
            phase_ = Phase::Battle;
            turn_ = 0;
            ownHashes_[0] = 0;  // before the first turn both programs say 0
            // The dispatcher has accepted the first turn's command since the file arrived.
            Event e;
            e.kind = EventKind::BattleReady;
            e.setup = setup_;
            post(std::move(e));
            return;
        }
        case Step::None:
        case Step::AwaitBlock:
        case Step::AwaitTransfer:
        case Step::AwaitFile:
            return;
    }
}

void Exchange::settingsChosen(const BattleSettings& settings) {
    if (phase_ != Phase::Opening || step_ != Step::Settings) return;
    options_.settings = settings;
    setup_.settings = settings;
    step_ = Step::SendBlock;
    advance();
}

// --- arrivals ---------------------------------------------------------------------------

void Exchange::handle(ArrivalEvent& a) {
    switch (a.kind) {
        case Arrived::Chat: emitText(EventKind::Chat, std::move(a.text)); break;
        case Arrived::RareAllowed:
        case Arrived::RareRefused:
        case Arrived::TransferProgress:
            if (a.kind == Arrived::TransferProgress) emitText(EventKind::Notice, std::move(a.text));
            break;
        case Arrived::Reply: driver_.send(a.text); break;
        case Arrived::OpponentCommand:
            opponentNumber_ = a.number;
            maybeTurnReady();
            break;
        case Arrived::Acknowledged:
            if (extraAcks_ > 0) {
                --extraAcks_;
                break;
            }
            resending_ = false;
            driver_.stopTimer(NetTimer::Resend);
            break;
        case Arrived::Settings: {
            const SettingsBlock& block = a.settings;
            setup_.opponentHandle = block.handle;
            peerAnnounced_ = block.announcement == kFeatureAnnouncement;
            if (options_.role == Role::Client) {
                // The host's settings rule the battle.
                options_.settings.initialHp = block.initialHp;
                options_.settings.initialSp = block.initialSp;
                options_.settings.stageIndex = block.stageIndex;
                options_.settings.turnLimit = block.turnLimit;
                setup_.seed = block.seed;
            }
            setup_.settings = options_.settings;
            emitText(EventKind::SettingsReceived, block.handle);
            if (phase_ == Phase::Opening && step_ == Step::AwaitBlock) wait(Step::BeforeReady, 300, WaitKind::Pacing);
            break;
        }
        case Arrived::VersionWarning: emitText(EventKind::VersionWarning, std::move(a.text)); break;
        case Arrived::VersionRefused: emitText(EventKind::VersionRefused, std::move(a.text)); break;
        case Arrived::TransferStarted:
            if (phase_ == Phase::Opening && step_ == Step::AwaitTransfer) wait(Step::BeforeFile, 150, WaitKind::Pacing);
            break;
        case Arrived::MonsterReceived: {
            opponentMonster_ = true;
            setup_.opponent = a.monster.record;
            Event e;
            e.kind = EventKind::MonsterReceived;
            e.text = a.monster.record.name;
            post(std::move(e));
            // The host sends its file once the client's has arrived.
            if (options_.role == Role::Host) driver_.send(options_.monsterFile);
            if (phase_ == Phase::Opening && step_ == Step::AwaitFile) wait(Step::BeforeStart, 500, WaitKind::Presentation);
            break;
        }
        case Arrived::OpponentFinished:
            if (phase_ == Phase::EndSync) finish();
            break;
        case Arrived::OpponentLine:
        case Arrived::OwnLine: {
            Event e;
            e.kind = EventKind::LineArrived;
            e.side = a.kind == Arrived::OwnLine ? 0 : 1;
            e.text = std::move(a.text);
            post(std::move(e));
            break;
        }
        case Arrived::PeerHash: {
            const int t = a.turnHash.turn;
            // The peer has played the turn of the pending command: it had the command.
            if (resending_ && wireTurn(pendingTurn_ + 1) == t) {
                resending_ = false;
                extraAcks_ = 0;
                driver_.stopTimer(NetTimer::Resend);
            }
            peerHashes_[t] = a.turnHash.hash;
            compareHash(t);
            break;
        }
        case Arrived::PeerResume:
            if (phase_ == Phase::Resuming) resumeFrom(a.turnHash);
            break;
        case Arrived::Failure: fail(a.text); break;
    }
}

// --- the turn exchange ------------------------------------------------------------------

void Exchange::ownCommand(int number) {
    const bool battle = phase_ == Phase::Battle || (phase_ == Phase::Resuming && resumePhase_ == Phase::Battle);
    if (!battle || ownNumber_ != 0 || number < 1 || number > 6) return;
    ownNumber_ = number;
    driver_.stopTimer(NetTimer::Resend);
    pending_ = commandText(number, turn_);
    pendingTurn_ = turn_;
    extraAcks_ = 0;
    resending_ = true;
    sendPending();
    maybeTurnReady();
}

void Exchange::sendPending() {
    driver_.send(pending_);
    driver_.startTimer(NetTimer::Resend, kResendMs);
}

void Exchange::maybeTurnReady() {
    // Both commands known: the turn can be played even while a dropped connection is resumed.
    const bool battle = phase_ == Phase::Battle || (phase_ == Phase::Resuming && resumePhase_ == Phase::Battle);
    if (!battle || turnQueued_ || ownNumber_ == 0 || opponentNumber_ == 0) return;
    turnQueued_ = true;
    driver_.startTimer(NetTimer::TurnPause, driver_.waitMs(500, WaitKind::Presentation));
}

void Exchange::turnResolved(int turnCount, uint64_t stateHash, bool battleEnded) {
    if (phase_ == Phase::Over || !turnQueued_) return;
    turnQueued_ = false;
    ownNumber_ = 0;
    opponentNumber_ = 0;
    lastCommand_ = pending_;
    turn_ = turnCount;
    const int wt = wireTurn(turn_);
    ownHashes_[wt] = stateHash;
    if (turn_ > 3) ownHashes_.erase(wireTurn(turn_ - 3));
    const bool connectedNow = phase_ != Phase::Resuming;
    if (hashChecks() && connectedNow) driver_.send(stateHashMessage(turn_, stateHash));
    compareHash(wt);
    if (phase_ == Phase::Over) return;

    if (battleEnded) {
        dispatcher_.setTurn(turn_);
        if (!connectedNow) {
            resumePhase_ = Phase::EndSync;
            return;
        }
        phase_ = Phase::EndSync;
        if (!resending_) {
            driver_.send(std::string(kFinished));
            finishedSent_ = true;
        }
        if (dispatcher_.opponentFinished()) return finish();
        driver_.startTimer(NetTimer::EndSync, driver_.waitMs(kEndSyncMs, WaitKind::Pacing));
        return;
    }
    Event e;
    e.kind = EventKind::CommandWanted;
    e.turn = turn_;
    post(std::move(e));
    for (ArrivalEvent& kept : dispatcher_.openForTurn(turn_)) {
        if (phase_ == Phase::Over) return;
        handle(kept);
    }
}

void Exchange::compareHash(int t) {
    const auto own = ownHashes_.find(t);
    const auto peer = peerHashes_.find(t);
    if (own == ownHashes_.end() || peer == peerHashes_.end()) return;
    if (own->second == peer->second) {
        peerHashes_.erase(peer);
        if (t == wireTurn(turn_)) lastVerifiedTurn_ = turn_;
        return;
    }
    const int behind = (wireTurn(turn_) - t + 1000) % 1000;
    Event e;
    e.kind = EventKind::Desync;
    e.turn = turn_ - behind;
    e.text = "The two programs no longer play the same battle: their states differ after turn " +
             std::to_string(e.turn) + ". The battle is stopped and no record is written.";
    const std::string message = e.text;
    post(std::move(e));
    fail(message);
}

// --- the end of the battle --------------------------------------------------------------

void Exchange::endSyncTick() {
    if (phase_ != Phase::EndSync) return;
    if (dispatcher_.opponentFinished()) return finish();
    if (!resending_) {
        driver_.send(std::string(kFinished));
        finishedSent_ = true;
    }
    driver_.startTimer(NetTimer::EndSync, driver_.waitMs(kEndSyncMs, WaitKind::Pacing));
}

void Exchange::finish() {
    // The opponent is still waiting for our "%55" when it finished first.
    if (!finishedSent_ && !resending_) driver_.send(std::string(kFinished));
    finishedSent_ = true;
    dispatcher_.clearOpponentFinished();
    driver_.stopTimer(NetTimer::EndSync);
    driver_.stopTimer(NetTimer::Resend);
    phase_ = Phase::Over;
    Event e;
    e.kind = EventKind::Finished;
    post(std::move(e));
}

// --- resuming ---------------------------------------------------------------------------

void Exchange::resumeFrom(const TurnHash& peer) {
    const int mine = wireTurn(turn_);
    auto ownHash = [this](int t) -> std::optional<uint64_t> {
        const auto it = ownHashes_.find(t);
        if (it == ownHashes_.end()) return std::nullopt;
        return it->second;
    };
    bool ok = false;
    if (peer.turn == mine) {
        ok = ownHash(mine) == peer.hash;
    } else if (peer.turn == wireTurn(turn_ - 1)) {
        // The peer missed the end of the last turn: it lacks this side's command of it.
        ok = ownHash(peer.turn) == peer.hash && !lastCommand_.empty();
        if (ok) {
            driver_.send(lastCommand_);
            extraAcks_ = 1;
        }
    } else if (peer.turn == wireTurn(turn_ + 1)) {
        // This side missed the end of the turn: the peer sends its command again, and its
        // hash of that turn is compared once this side has played it.
        peerHashes_[peer.turn] = peer.hash;
        ok = true;
    }
    if (!ok) return fail(std::string(kPeerLeftLine) + " (the two programs could not resume the same battle)");
    driver_.stopTimer(NetTimer::ResumeLimit);
    phase_ = resumePhase_;
    emitText(EventKind::Resumed, "The connection is back; the battle continues at turn " + std::to_string(turn_ + 1) + ".");
    if (resending_) sendPending();
    if (phase_ == Phase::EndSync) endSyncTick();
    maybeTurnReady();
}

// --- chat --------------------------------------------------------------------------------

void Exchange::chat(std::string_view text) {
    if (phase_ == Phase::Over || phase_ == Phase::Resuming) return;
    if (text.substr(0, 2) == "/s") {
        driver_.send(battleLineMessage(text.substr(2)));
        emitText(EventKind::Notice, std::string(kBattleLineNotice));
        return;
    }
    driver_.send(chatLineMessage(options_.handle, text));
    emitText(EventKind::Chat, options_.handle + std::string(kChatSeparator) + std::string(text));
}

}  // namespace vex::net
