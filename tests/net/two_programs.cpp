#include "two_programs.h"

#include <variant>

namespace vex::test {

namespace {

constexpr const char* kAddress[2] = {"10.0.0.1", "10.0.0.2"};

}  // namespace

void Program::send(const std::string& bytes) {
    sent += bytes;
    if (link->up_) link->inFlight_[static_cast<size_t>(1 - index)] += bytes;
}

void Program::startTimer(net::NetTimer timer, int ms) { timers[timer] = link->now_ + ms; }

void Program::closeConnection() {}

void Program::chooseCommand() {
    const int slot = (battle->state().turnCount * 7 + index * 3 + 1) % 6;
    driver->chooseCommand(battle->commandForSlot(0, slot));
}

void Program::confirm() {
    Result<MonsterRecord> sent = driver->confirm(monster, settings);
    if (!sent) failures.push_back(sent.error().message);
}

void Program::onEvent(const net::Event& e) {
    events.push_back(e);
    if (std::holds_alternative<net::ev::Connected>(e)) {
        confirm();
    } else if (std::holds_alternative<net::ev::SettingsWanted>(e)) {
        driver->settingsChosen(settings);
    } else if (const auto* ready = std::get_if<net::ev::BattleReady>(&e)) {
        settled = ready->battle;
        hashes.clear();
        battle = std::make_unique<Battle>(ready->battle.settings, ready->own, ready->battle.opponent, rng, view);
        seedBattleGenerator(rng, ready->battle.seed);
        battle->startBattle(kStageCountWithoutList);
        chooseCommand();
    } else if (std::holds_alternative<net::ev::TurnReady>(e)) {
        const net::TurnCommands commands = driver->turnCommands(*battle);
        battle->runTurn(commands.own, commands.opponent);
        // A program gone astray: its battle differs from that turn on.
        if (battle->state().turnCount == corruptHashAtTurn) battle->fighter(0).hp -= 1;
        hashes.push_back(battle->stateHash());
        driver->turnPlayed(*battle);
    } else if (std::holds_alternative<net::ev::CommandWanted>(e)) {
        chooseCommand();
    } else if (const auto* chatLine = std::get_if<net::ev::Chat>(&e)) {
        chat.push_back(chatLine->text);
    } else if (const auto* desync = std::get_if<net::ev::Desync>(&e)) {
        desyncTurn = desync->turn;
    } else if (std::holds_alternative<net::ev::Resumed>(e)) {
        resumed = true;
    } else if (std::holds_alternative<net::ev::Finished>(e)) {
        ++finished;
        if (rematchMonster) monster = *rematchMonster;
        if (finished < battlesToPlay) confirm();
    } else if (const auto* failed = std::get_if<net::ev::Failed>(&e)) {
        failures.push_back(failed->text);
    } else if (const auto* stopped = std::get_if<net::ev::OpeningStopped>(&e)) {
        failures.push_back(stopped->reason);
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
        o.ownRating = i == 0 ? 1600 : 1400;
        o.seedNow = [] { return 4242424; };
        o.newSecret = [i] { return 0x1111111111111111ull * static_cast<uint64_t>(i + 1); };
        p.monster = *loadMonster(files[i]);
        BattleSettings settings = hostSettings;
        if (i == 1) {  // the client's own settings, which give way to the host's
            settings = BattleSettings{};
            settings.initialHp = 2000;
            settings.initialSp = 100;
            settings.turnLimit = 80;
            settings.stageIndex = 2;
        }
        p.settings = settings;
        p.driver = std::make_unique<net::BattleDriver>(p, std::move(o), [&p](const net::Event& e) { p.onEvent(e); });
    }
    for (int i : {0, 1}) programs_[static_cast<size_t>(i)].driver->connected(kAddress[1 - i]);
}

void TwoPrograms::drop() {
    up_ = false;
    inFlight_ = {};
    for (Program& p : programs_) p.driver->connectionLost();
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
    programs_[static_cast<size_t>(to)].driver->bytesArrived(piece);
}

void TwoPrograms::run(int64_t limitMs) {
    int turn = 0;
    while (now_ < limitMs && !(programs_[0].over() && programs_[1].over())) {
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
            for (int i : {0, 1}) programs_[static_cast<size_t>(i)].driver->connected(kAddress[1 - i]);
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
        owner->driver->timerFired(which);
    }
}

}  // namespace vex::test
