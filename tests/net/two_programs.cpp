#include "two_programs.h"


#include "vexmora/net/outgoing_monster.h"

namespace vex::test {

void Program::send(const std::string& bytes) {
    sent += bytes;
    if (link->up_) link->inFlight_[static_cast<size_t>(1 - index)] += bytes;
}

void Program::startTimer(net::NetTimer timer, int ms) { timers[timer] = link->now_ + ms; }

void Program::closeConnection() {}

void Program::chooseCommand() {
    const int slot = (battle->state().turnCount * 7 + index * 3 + 1) % 6;
    exchange->ownCommand(net::wireNumber(battle->commandForSlot(0, slot)));
}

void Program::onEvent(const net::Event& e) {
    switch (e.kind) {
        case net::EventKind::SettingsWanted: exchange->settingsChosen(settings); break;
        case net::EventKind::BattleReady:
            battle = std::make_unique<Battle>(e.setup.settings, e.setup.own, e.setup.opponent, rng, view);
            seedBattleGenerator(rng, e.setup.seed);
            battle->startBattle(kStageCountWithoutList);
            chooseCommand();
            break;
        case net::EventKind::TurnReady: {
            battle->runTurn(net::commandFromWire(e.own, battle->fighter(0).record),
                            net::commandFromWire(e.opponent, battle->fighter(1).record));
            uint64_t hash = battle->stateHash();
            if (battle->state().turnCount == corruptHashAtTurn) ++hash;
            hashes.push_back(hash);
            exchange->turnResolved(battle->state().turnCount, hash, battle->state().ended);
            break;
        }
        case net::EventKind::CommandWanted: chooseCommand(); break;
        case net::EventKind::Chat: chat.push_back(e.text); break;
        case net::EventKind::Desync: desyncTurn = e.turn; break;
        case net::EventKind::Resumed: resumed = true; break;
        case net::EventKind::Finished: finished = true; break;
        case net::EventKind::Failed: failures.push_back(e.text); break;
        default: break;
    }
}

TwoPrograms::TwoPrograms(const fs::path& hostMonsterFile, const fs::path& clientMonsterFile,
                         const BattleSettings& hostSettings, Cutter cutter)
    : cutter_(std::move(cutter)) {
    const fs::path files[2] = {hostMonsterFile, clientMonsterFile};
    for (int i : {0, 1}) {
        Program& p = programs_[static_cast<size_t>(i)];
        p.link = this;
        p.index = i;
        net::ExchangeOptions o;
        o.role = i == 0 ? net::Role::Host : net::Role::Client;
        o.handle = i == 0 ? "ホスト" : "guest";
        auto loaded = loadMonster(files[i]);
        auto outgoing = net::prepareOutgoingMonster(*loaded);
        o.monster = outgoing->record;
        o.monsterFile = outgoing->file;
        o.seedNow = [] { return 4242424; };
        BattleSettings settings = hostSettings;
        if (i == 1) {  // the client's own settings, which give way to the host's
            settings = BattleSettings{};
            settings.initialHp = 2000;
            settings.initialSp = 100;
            settings.turnLimit = 80;
            settings.stageIndex = 2;
        }
        o.settings = settings;
        p.exchange = std::make_unique<net::Exchange>(p, std::move(o), [&p](const net::Event& e) { p.onEvent(e); });
        p.settings = settings;
    }
    for (Program& p : programs_) p.exchange->connected();
}

void TwoPrograms::drop() {
    up_ = false;
    inFlight_ = {};
    for (Program& p : programs_) p.exchange->connectionLost();
}

void TwoPrograms::deliver(int to) {
    std::string& bytes = inFlight_[static_cast<size_t>(to)];
    size_t n = cutter_ ? cutter_(to, delivered_[static_cast<size_t>(to)], bytes.size()) : bytes.size();
    n = std::max<size_t>(1, std::min(n, bytes.size()));
    if (dropTo_ == to && delivered_[static_cast<size_t>(to)] + n >= dropAt_) {
        dropTo_ = -1;
        drop();
        return;
    }
    const std::string piece = bytes.substr(0, n);
    bytes.erase(0, n);
    delivered_[static_cast<size_t>(to)] += n;
    programs_[static_cast<size_t>(to)].exchange->bytesArrived(piece);
}

void TwoPrograms::run(int64_t limitMs) {
    int turn = 0;
    while (now_ < limitMs && !(programs_[0].exchange->over() && programs_[1].exchange->over())) {
        if (up_) {
            const int first = turn++ % 2;
            bool any = false;
            for (int k : {first, 1 - first}) {
                if (!inFlight_[static_cast<size_t>(k)].empty()) {
                    deliver(k);
                    any = true;
                    break;
                }
            }
            if (any) continue;
        } else if (programs_[0].wantsConnection && programs_[1].wantsConnection) {
            now_ += 1000;
            up_ = true;
            for (Program& p : programs_) p.wantsConnection = false;
            for (Program& p : programs_) p.exchange->connected();
            continue;
        }
        // Nothing in flight: the next timer.
        Program* owner = nullptr;
        net::NetTimer which{};
        int64_t when = INT64_MAX;
        for (Program& p : programs_)
            for (auto& [t, at] : p.timers)
                if (at < when) when = at, which = t, owner = &p;
        if (!owner) return;
        now_ = std::max(now_, when);
        owner->timers.erase(which);
        owner->exchange->timerFired(which);
    }
}

}  // namespace vex::test
