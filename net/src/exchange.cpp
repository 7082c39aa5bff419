#include "vexmora/net/exchange.h"

#include "vexmora/net/connection_facts.h"
#include "vexmora/net/network_settings.h"
#include "vexmora/rules/battle_config.h"
#include "vexmora/rules/fighter_checks.h"
#include "vexmora/rules/peer_text.h"

namespace vex::net {

namespace {

constexpr int kResendMs = 2000;
constexpr int kEndSyncMs = 1500;
// Answers a peer can ask for (battle-line echoes, "%93") wait no longer than this: beyond it
// they are dropped.
constexpr size_t kMaxEchoBacklog = 16 * 1024;

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

std::string tooLargeForOlderPeer(size_t bytes) {
    return "このモンスターのファイルは " + std::to_string(bytes) + " バイトあり、相手のゲームには送れません（" +
           std::to_string(kMaxOlderPeerFileBytes) + " バイトまで）。画像の小さいモンスターを使ってください。";
}

}  // namespace

Exchange::Exchange(Transport& transport, ExchangeOptions options, std::function<void(const Event&)> onEvent)
    : transport_(transport), options_(std::move(options)), onEvent_(std::move(onEvent)), outbox_(transport) {
    // What goes out holds no control character (the frame byte among them).
    options_.handle = cleanPeerText(options_.handle);
}

void Exchange::wait(Step next, int ms, WaitKind kind) {
    step_ = next;
    transport_.startTimer(NetTimer::Step, transport_.waitMs(ms, kind));
}

void Exchange::setChatOpen(bool open) {
    if (chatOpen_ == open) return;
    chatOpen_ = open;
    post(ev::ChatOpen{open});
}

bool Exchange::chatOpen() const { return connected() && phase_ != Phase::Resuming && chatOpen_; }

std::optional<int> Exchange::knownStage() const {
    if (options_.role == Role::Client && !dispatcher_.settingsReceived()) return std::nullopt;
    return settings_.stageIndex;
}

void Exchange::close() {
    if (phase_ == Phase::Over) return;
    phase_ = Phase::Over;
    for (NetTimer t : {NetTimer::Step, NetTimer::Resend, NetTimer::TurnPause, NetTimer::EndSync, NetTimer::Pace,
                       NetTimer::OpeningLimit, NetTimer::ResumeLimit})
        transport_.stopTimer(t);
}

void Exchange::fail(const std::string& message) {
    if (phase_ == Phase::Over) return;
    close();
    transport_.closeConnection();
    post(ev::Failed{message});
}

// --- the connection ------------------------------------------------------------------------

void Exchange::connected(const std::string& peerAddress) {
    if (phase_ == Phase::Idle) {
        peerAddress_ = peerAddress;
        peerDiffers_ = options_.isThisMachine ? !options_.isThisMachine(peerAddress) : !isOwnAddress(peerAddress, {});
        phase_ = Phase::Lobby;
        greeted_ = options_.role == Role::Host;  // only the client greets
        if (ownAllowsRare_) send(rareAllowedMessage());
        if (!greeted_) wait(Step::Greet, 1000, WaitKind::Presentation);
        post(ev::Connected{});
        return;
    }
    if (phase_ != Phase::Resuming) return;
    dispatcher_.newConnection();
    outbox_.clear();
    // Only the opponent may take its seat back: from its address, and (below) with the secret
    // this side drew for the battle.
    if (!samePeerAddress(peerAddress, peerAddress_)) {
        transport_.dropPeer();
        post(ev::Notice{"別のアドレス（" + peerAddress + "）からの接続を断りました。"});
        return;
    }
    if (options_.role == Role::Client) {
        const auto own = ownHashes_.find(wireTurn(turn_));
        send(resumeMessage(turn_, own == ownHashes_.end() ? 0 : own->second, peer_ ? peer_->secret : 0));
    }
}

void Exchange::connectionLost() {
    if (phase_ == Phase::Over || phase_ == Phase::Idle) return;
    if (phase_ == Phase::Resuming) {
        // The transport goes on waiting for (or dialling) the opponent.
        transport_.reconnect();
        return;
    }
    // After the last turn a drop only matters while the opponent's hash of that turn is
    // outstanding: once it matched, both programs played the same battle to its end.
    if (phase_ == Phase::EndSync && peer_ && lastVerifiedTurn_ == turn_) {
        finish();
        return fail(std::string(kPeerLeftLine));
    }
    if ((phase_ == Phase::Battle || phase_ == Phase::EndSync) && peer_) {
        resumePhase_ = phase_;
        phase_ = Phase::Resuming;
        for (NetTimer t : {NetTimer::Resend, NetTimer::EndSync, NetTimer::Pace}) transport_.stopTimer(t);
        outbox_.clear();
        transport_.startTimer(NetTimer::ResumeLimit, options_.resumeLimitMs);
        post(ev::Resuming{});
        transport_.reconnect();
        return;
    }
    const bool beforeBattle = phase_ != Phase::Battle && phase_ != Phase::EndSync;
    fail(std::string(options_.role == Role::Client && beforeBattle ? kServerLeftMessage : kPeerLeftLine));
}

void Exchange::bytesArrived(std::string_view bytes) {
    if (phase_ == Phase::Over || phase_ == Phase::Idle) return;
    std::vector<Arrival> arrivals = dispatcher_.feed(bytes);
    for (Arrival& a : arrivals) {
        if (phase_ == Phase::Over) return;
        // While the seat is empty only the opponent's claim to it counts.
        if (phase_ == Phase::Resuming) {
            if (const auto* resume = std::get_if<arrived::PeerResume>(&a)) peerResumes(resume->turnHash);
            else if (std::holds_alternative<arrived::Failure>(a)) transport_.dropPeer();
            continue;
        }
        handle(a);
    }
}

void Exchange::timerFired(NetTimer timer) {
    if (phase_ == Phase::Over) return;
    switch (timer) {
        case NetTimer::Step: advance(); break;
        case NetTimer::Resend:
            if (resending_ && (phase_ == Phase::Battle || phase_ == Phase::EndSync)) sendPending();
            break;
        case NetTimer::TurnPause: post(ev::TurnReady{}); break;
        case NetTimer::EndSync: endSyncTick(); break;
        case NetTimer::Pace: outbox_.paced(); break;
        case NetTimer::OpeningLimit:
            if (phase_ == Phase::Opening)
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

void Exchange::confirm(const OutgoingMonster& own, const BattleSettings& ownSettings) {
    if (phase_ != Phase::Lobby || confirmed_) return;
    confirmed_ = true;
    endSynchronised_ = false;
    own_ = own;
    ownSettings_ = ownSettings;
    if (options_.role == Role::Host) settings_ = networkSettings(ownSettings);
    phase_ = Phase::Opening;
    blockSent_ = false;
    noteSent_ = false;
    opponent_.reset();
    // The turn exchange of the battle to come (the opponent's first command may come before
    // this side has started it).
    turn_ = 0;
    ownNumber_ = 0;
    opponentNumber_ = 0;
    turnQueued_ = false;
    resending_ = false;
    pending_.clear();
    lastCommand_.clear();
    if (options_.openingLimitMs > 0) transport_.startTimer(NetTimer::OpeningLimit, options_.openingLimitMs);
    // Before the greeting has gone, the greeting step starts the opening.
    if (greeted_) wait(Step::RareChecks, 0, WaitKind::Presentation);
}

void Exchange::advance() {
    switch (step_) {
        case Step::Greet:
            send(greetingMessage(options_.handle));
            greeted_ = true;
            if (phase_ == Phase::Opening) return wait(Step::RareChecks, 0, WaitKind::Presentation);
            step_ = Step::None;
            return;
        case Step::RareChecks:
            // A rare monster plays only with the opponent's leave; it then has ours too.
            if (isRare(own_.record) && dispatcher_.opponentAllowsRare() && !ownAllowsRare_) {
                ownAllowsRare_ = true;
                send(rareAllowedMessage());
                return wait(Step::Settings, 100, WaitKind::Pacing);
            }
            [[fallthrough]];
        case Step::Settings:
            if (options_.role == Role::Host) {
                step_ = Step::Settings;
                return post(ev::SettingsWanted{dispatcher_.opponentAllowsRare() && anyBlockArrived_});
            }
            [[fallthrough]];
        case Step::SendBlock: return sendBlock();
        case Step::BeforeReady:
            send(kTransferReady);
            outbox_.hold(true);
            return wait(Step::AfterReady, 300, WaitKind::Pacing);
        case Step::AfterReady:
            if (options_.role == Role::Client) {
                step_ = Step::AwaitTransfer;
                if (dispatcher_.inTransfer() || opponent_) wait(Step::BeforeFile, 150, WaitKind::Pacing);
                return;
            }
            step_ = Step::AwaitFile;
            if (opponent_) wait(Step::BeforeStart, 500, WaitKind::Presentation);
            return;
        case Step::BeforeFile:
            outbox_.sendFile(own_.file);
            outbox_.hold(false);
            step_ = Step::AwaitFile;
            if (opponent_) wait(Step::BeforeStart, 500, WaitKind::Presentation);
            return;
        case Step::BeforeStart: {
            step_ = Step::None;
            transport_.stopTimer(NetTimer::OpeningLimit);
            phase_ = Phase::Battle;
            NetworkBattle b;
            b.settings = settings_;
            b.settings.battleMode = kModeNetwork;
            b.settings.spectatorMode = 0;
            b.settings.isHost = options_.role == Role::Host ? kTrue : kFalse;
            b.settings.tournamentRules = settings_.stageIndex == kTournamentStage ? kTrue : kFalse;
            b.seed = seed_;
            b.opponent = opponent_->record;
            b.opponentPicture = opponent_->picture;
            b.ownHandle = options_.handle;
            b.opponentHandle = dispatcher_.settings() ? dispatcher_.settings()->handle : std::string();
            b.peerDiffers = peerDiffers_;
            b.opponentRating = peer_ ? peer_->rating : kStartingNetRating;
            MonsterRecord own = own_.record;
            applyTournamentRestriction(own, b.settings.stageIndex);
            applyTournamentRestriction(b.opponent, b.settings.stageIndex);
            ownHashes_.clear();
            peerHashes_.clear();
            ownHashes_[0] = 0;  // before the first turn both programs say 0
            lastVerifiedTurn_ = -1;
            finishedSent_ = false;
            dispatcher_.clearOpponentFinished();
            setChatOpen(true);
            return post(ev::BattleReady{std::move(b), std::move(own)});
        }
        case Step::None:
        case Step::AwaitPeerKnown:
        case Step::AwaitBlock:
        case Step::AwaitTransfer:
        case Step::AwaitFile:
            return;
    }
}

void Exchange::settingsChosen(const BattleSettings& settings) {
    if (phase_ != Phase::Opening || step_ != Step::Settings) return;
    settings_ = networkSettings(settings);
    if (isRare(own_.record) && settings_.stageIndex == kTournamentStage)
        return stopOpening(std::string(kTournamentRareRefused));
    sendBlock();
}

void Exchange::sendBlock() {
    // An older program holds the file size in 16 bits: a larger file waits until the
    // opponent's block (or its "%90") shows that it is a vexmora program.
    if (own_.file.size() > kMaxOlderPeerFileBytes && !peer_) {
        if (peerIsOlder()) return stopOpening(tooLargeForOlderPeer(own_.file.size()));
        if (!largeFileNoteSeen_) {
            if (!noteSent_) send(kLargeFileNote);
            noteSent_ = true;
            step_ = Step::AwaitPeerKnown;
            return;
        }
    }
    const BattleSettings& fields = options_.role == Role::Host ? settings_ : ownSettings_;
    SettingsBlock block;
    block.handle = options_.handle;
    block.initialHp = fields.initialHp;
    block.initialSp = fields.initialSp;
    block.stageIndex = fields.stageIndex;
    block.version = versionText();
    block.turnLimit = fields.turnLimit;
    if (options_.role == Role::Host && options_.seedNow) seed_ = options_.seedNow();
    block.seed = seed_;
    block.fileSize = static_cast<int64_t>(own_.file.size());
    block.monsterName = own_.record.name;
    secret_ = options_.newSecret ? options_.newSecret() : 0;
    block.announcement = announcementText({options_.ownRating, secret_});
    send(buildSettingsBlock(block));
    blockSent_ = true;
    updateFraming();
    step_ = Step::AwaitBlock;
    if (dispatcher_.settingsReceived()) bothBlocks();
}

// Both blocks are known: what could still stop this battle is checked before "%77".
void Exchange::bothBlocks() {
    if (options_.role == Role::Client) {
        const std::string problem =
            settingsProblem(settings_.initialHp, settings_.initialSp, settings_.turnLimit, settings_.stageIndex);
        if (!problem.empty()) return stopOpening("サーバーの設定はこのゲームでは使えません：" + problem);
        if (isRare(own_.record) && settings_.stageIndex == kTournamentStage)
            return stopOpening(std::string(kTournamentRareRefused));
    }
    setChatOpen(false);
    wait(Step::BeforeReady, 300, WaitKind::Pacing);
}

void Exchange::updateFraming() {
    const bool framing = blockSent_ && peer_.has_value();
    if (framing) outbox_.setFraming(true);
}

void Exchange::stopOpening(const std::string& reason) {
    if (peer_) {
        send(openingStoppedMessage(reason));
        awaitingStopAck_ = true;
    } else if (blockSent_) {
        // An older program has our block and goes on with this battle: it cannot be stopped
        // and started again on this connection.
        post(ev::OpeningStopped{reason, true});
        return fail(reason);
    }
    resetOpening(!peer_);
    post(ev::OpeningStopped{reason, true});
}

void Exchange::openingStoppedByPeer(const std::string& reason) {
    if (outbox_.queuedBytes() + transport_.unsentBytes() <= kMaxEchoBacklog) send(kOpeningStopAck);
    const bool battleUnplayed = phase_ == Phase::Battle && turn_ == 0 && ownNumber_ == 0;
    if (phase_ != Phase::Opening && !battleUnplayed) return post(ev::Notice{reason});
    // A battle this side already started is not played: the opponent never started it.
    transport_.stopTimer(NetTimer::TurnPause);
    resetOpening(false);
    post(ev::OpeningStopped{reason, false});
}

void Exchange::resetOpening(bool keepPeerBlock) {
    transport_.stopTimer(NetTimer::Step);
    transport_.stopTimer(NetTimer::OpeningLimit);
    step_ = Step::None;
    phase_ = Phase::Lobby;
    confirmed_ = false;
    opponent_.reset();
    blockSent_ = false;
    noteSent_ = false;
    largeFileNoteSeen_ = false;
    outbox_.hold(false);
    if (!keepPeerBlock) dispatcher_.newBattle();
    setChatOpen(true);
}

// --- arrivals ---------------------------------------------------------------------------

void Exchange::handle(Arrival& arrival) {
    std::visit(
        Overloaded{
            [this](arrived::Chat& a) { post(ev::Chat{std::move(a.text)}); },
            [](arrived::RareAllowed&) {},
            [](arrived::RareRefused&) {},
            [this](arrived::Command& a) {
                opponentNumber_ = a.number;
                post(ev::OpponentChose{});
                maybeTurnReady();
            },
            [this](arrived::Reply& a) {
                const bool echo = a.message.substr(0, 2) == "/r";
                if (echo && outbox_.queuedBytes() + transport_.unsentBytes() > kMaxEchoBacklog) return;
                send(a.message);
            },
            [this](arrived::Acknowledged&) {
                if (extraAcks_ > 0) {
                    --extraAcks_;
                    return;
                }
                commandAcknowledged();
            },
            [this](arrived::Settings& a) { onSettings(a.block); },
            [this](arrived::TransferStarted&) {
                if (awaitingStopAck_ || phase_ != Phase::Opening) return dispatcher_.newBattle();
                post(ev::TransferStarted{});
                if (step_ == Step::AwaitTransfer) wait(Step::BeforeFile, 150, WaitKind::Pacing);
            },
            [this](arrived::TransferProgress& a) { post(ev::TransferProgress{a.percent}); },
            [this](arrived::Monster& a) { onMonster(std::move(a.monster)); },
            [this](arrived::MonsterUnreadable& a) {
                if (phase_ == Phase::Opening && !awaitingStopAck_) stopOpening(a.reason);
            },
            [this](arrived::OpponentFinished&) {
                if (phase_ == Phase::EndSync) finish();
            },
            [this](arrived::Line& a) { post(ev::LineArrived{a.side, std::move(a.text)}); },
            [this](arrived::PeerHash& a) {
                if (!peer_ || !inBattle()) return;
                const int t = a.turnHash.turn;
                // The peer has played the turn of the pending command: it had the command.
                if (resending_ && wireTurn(pendingTurn_ + 1) == t) {
                    extraAcks_ = 0;
                    commandAcknowledged();
                }
                peerHashes_[t] = a.turnHash.hash;
                compareHash(t);
            },
            [](arrived::PeerResume&) {},  // only while resuming
            [this](arrived::OpeningStopped& a) {
                if (peer_) openingStoppedByPeer(a.reason);
            },
            [this](arrived::OpeningStopAck&) {
                if (!awaitingStopAck_) return;
                awaitingStopAck_ = false;
                // What the opponent sent for the stopped opening has all come before this.
                if (phase_ == Phase::Lobby) dispatcher_.newBattle();
            },
            [this](arrived::LargeFileNote&) {
                largeFileNoteSeen_ = true;
                if (phase_ == Phase::Opening && step_ == Step::AwaitPeerKnown) sendBlock();
            },
            [this](arrived::VersionRefused&) {
                if (refusalShown_) return;
                refusalShown_ = true;
                post(ev::VersionRefused{});
            },
            [this](arrived::Failure& a) { fail(a.message); },
        },
        arrival);
}

void Exchange::onSettings(const SettingsBlock& block) {
    if (awaitingStopAck_) return dispatcher_.newBattle();
    const bool first = !anyBlockArrived_;
    anyBlockArrived_ = true;
    if (first) {
        // What the opponent is stays for the connection; its secret and rating are new each battle.
        peer_ = parseAnnouncement(block.announcement);
    } else if (peer_) {
        if (const std::optional<Announcement> again = parseAnnouncement(block.announcement)) peer_ = again;
    }
    if (!versionWarned_ && block.version != versionText()) {
        versionWarned_ = true;
        post(ev::VersionWarning{});
    }
    if (options_.role == Role::Client) {
        // The host's settings rule the battle (checked before they are played, bothBlocks()).
        settings_ = BattleSettings{};
        settings_.initialHp = block.initialHp;
        settings_.initialSp = block.initialSp;
        settings_.stageIndex = block.stageIndex;
        settings_.turnLimit = block.turnLimit;
        seed_ = block.seed;
    }
    updateFraming();
    post(ev::SettingsReceived{block.handle});
    if (phase_ != Phase::Opening) return;
    if (step_ == Step::AwaitPeerKnown) sendBlock();
    else if (step_ == Step::AwaitBlock) bothBlocks();
}

void Exchange::onMonster(LoadedMonster monster) {
    if (phase_ != Phase::Opening || awaitingStopAck_) return;
    const bool tournament = settings_.stageIndex == kTournamentStage;
    if (const std::optional<std::string> refusal = refuseNetworkOpponent(monster, ownAllowsRare_, tournament))
        return stopOpening(*refusal);
    const std::string name = cleanPeerText(monster.record.name);
    opponent_ = std::move(monster);
    post(ev::Chat{std::string(kFileReceivedLine)});
    post(ev::MonsterReceived{name});
    // The host sends its file once the client's has arrived.
    if (options_.role == Role::Host) {
        outbox_.sendFile(own_.file);
        outbox_.hold(false);
    }
    if (step_ == Step::AwaitFile) wait(Step::BeforeStart, 500, WaitKind::Presentation);
}

// --- the turn exchange ------------------------------------------------------------------

void Exchange::ownCommand(int number) {
    const bool battle = phase_ == Phase::Battle || (phase_ == Phase::Resuming && resumePhase_ == Phase::Battle);
    if (!battle || ownNumber_ != 0 || number < 1 || number > 6) return;
    ownNumber_ = number;
    transport_.stopTimer(NetTimer::Resend);
    pending_ = commandText(number, turn_);
    pendingTurn_ = turn_;
    extraAcks_ = 0;
    resending_ = true;
    if (phase_ != Phase::Resuming) sendPending();
    maybeTurnReady();
}

void Exchange::sendPending() {
    send(pending_);
    transport_.startTimer(NetTimer::Resend, kResendMs);
}

void Exchange::maybeTurnReady() {
    // Both commands known: the turn can be played even while a dropped connection is resumed.
    const bool battle = phase_ == Phase::Battle || (phase_ == Phase::Resuming && resumePhase_ == Phase::Battle);
    if (!battle || turnQueued_ || ownNumber_ == 0 || opponentNumber_ == 0) return;
    turnQueued_ = true;
    transport_.startTimer(NetTimer::TurnPause, transport_.waitMs(500, WaitKind::Presentation));
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
    if (peer_ && connectedNow) send(stateHashMessage(turn_, stateHash));
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
            send(kFinished);
            finishedSent_ = true;
        }
        if (dispatcher_.opponentFinished()) return finish();
        transport_.startTimer(NetTimer::EndSync, transport_.waitMs(kEndSyncMs, WaitKind::Pacing));
        return;
    }
    post(ev::CommandWanted{turn_});
    std::vector<Arrival> kept = dispatcher_.openForTurn(turn_);
    for (Arrival& a : kept) {
        if (phase_ == Phase::Over) return;
        handle(a);
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
    const int turn = turn_ - behind;
    post(ev::Desync{turn});
    fail("The two programs no longer play the same battle: their states differ after turn " + std::to_string(turn) +
         ". The battle is stopped and no record is written.");
}

// --- the end of the battle --------------------------------------------------------------

void Exchange::commandAcknowledged() {
    resending_ = false;
    transport_.stopTimer(NetTimer::Resend);
    // At the end of the battle "%55" waited for this: it goes now, not at the next repeat.
    if (phase_ == Phase::EndSync && !finishedSent_) endSyncTick();
}

void Exchange::endSyncTick() {
    if (phase_ != Phase::EndSync) return;
    if (dispatcher_.opponentFinished()) return finish();
    if (!resending_) {
        send(kFinished);
        finishedSent_ = true;
    }
    transport_.startTimer(NetTimer::EndSync, transport_.waitMs(kEndSyncMs, WaitKind::Pacing));
}

void Exchange::finish() {
    // The opponent is still waiting for our "%55" when it finished first.
    if (!finishedSent_ && !resending_) send(kFinished);
    finishedSent_ = true;
    dispatcher_.clearOpponentFinished();
    transport_.stopTimer(NetTimer::EndSync);
    transport_.stopTimer(NetTimer::Resend);
    resending_ = false;
    // The connection stays: the next battle opens when the players confirm again.
    phase_ = Phase::Lobby;
    confirmed_ = false;
    opponent_.reset();
    dispatcher_.newBattle();
    endSynchronised_ = true;
    post(ev::Finished{});
}

// --- resuming ---------------------------------------------------------------------------

// A claim to the seat on a connection made again: the client's first, then the host's answer.
void Exchange::peerResumes(const TurnHash& peer) {
    if (peer.secret != secret_) {
        if (options_.role == Role::Host) {
            transport_.dropPeer();
            return post(ev::Notice{"対戦相手の確認ができない接続を断りました。"});
        }
        return fail(std::string(kPeerLeftLine) + " (another program answered at the opponent's address)");
    }
    if (options_.role == Role::Host) {
        const auto own = ownHashes_.find(wireTurn(turn_));
        send(resumeMessage(turn_, own == ownHashes_.end() ? 0 : own->second, peer_->secret));
    }
    resumeFrom(peer);
}

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
            send(lastCommand_);
            extraAcks_ = 1;
        }
    } else if (peer.turn == wireTurn(turn_ + 1)) {
        // This side missed the end of the turn: the peer sends its command again, and its
        // hash of that turn is compared once this side has played it.
        peerHashes_[peer.turn] = peer.hash;
        ok = true;
    }
    if (!ok) return fail(std::string(kPeerLeftLine) + " (the two programs could not resume the same battle)");
    transport_.stopTimer(NetTimer::ResumeLimit);
    phase_ = resumePhase_;
    post(ev::Resumed{turn_ + 1});
    if (resending_) sendPending();
    if (phase_ == Phase::EndSync) endSyncTick();
    maybeTurnReady();
}

// --- chat --------------------------------------------------------------------------------

bool Exchange::chat(std::string_view typed) {
    if (!chatOpen()) return false;
    // What goes out holds no control character (the frame byte among them).
    const std::string text = cleanPeerText(typed);
    if (text.substr(0, 2) == "/s") {
        send(battleLineMessage(std::string_view(text).substr(2)));
        post(ev::Notice{std::string(kBattleLineNotice)});
        return true;
    }
    send(chatLineMessage(options_.handle, text));
    post(ev::Chat{options_.handle + std::string(kChatSeparator) + text});
    return true;
}

void Exchange::setAllowRare(bool allow) {
    if (anyBlockArrived_ || ownAllowsRare_ == allow) return;
    ownAllowsRare_ = allow;
    if (connected()) send(allow ? rareAllowedMessage() : rareRefusedMessage());
}

}  // namespace vex::net
