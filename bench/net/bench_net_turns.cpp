// The turn exchange of a network battle in one process: two battle drivers over real TCP
// sessions on loopback, each with its battle, as vexmora-cli plays one (presentation waits
// 0 ms). Reported: the time of one turn from the battle's start to the end synchronisation,
// with nothing left to wait for but the opponent's command; and the opening beside it.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <memory>
#include <variant>

#include "vexmora/battle/battle.h"
#include "vexmora/net/battle_driver.h"
#include "vexmora/net/tcp_session.h"

namespace {

using namespace vex;

struct Side {
    std::unique_ptr<net::TcpSession> tcp;
    std::unique_ptr<net::BattleDriver> driver;
    std::unique_ptr<Battle> battle;
    LoadedMonster monster;
    BattleSettings settings;
    Rng rng;
    NullView view;
    int index = 0;
    bool finished = false;

    void choose() {
        const int slot = (battle->state().turnCount * 7 + index * 3 + 1) % 6;
        driver->chooseCommand(battle->commandForSlot(0, slot));
    }
    void onEvent(const net::Event& e, const std::function<void()>& ready, const std::function<void()>& done) {
        if (std::holds_alternative<net::ev::Connected>(e)) {
            (void)driver->confirm(monster, settings);
        } else if (std::holds_alternative<net::ev::SettingsWanted>(e)) {
            driver->settingsChosen(settings);
        } else if (const auto* r = std::get_if<net::ev::BattleReady>(&e)) {
            battle = std::make_unique<Battle>(r->battle.settings, r->own, r->battle.opponent, rng, view);
            seedBattleGenerator(rng, r->battle.seed);
            battle->startBattle(kStageCountWithoutList);
            ready();
            choose();
        } else if (std::holds_alternative<net::ev::TurnReady>(e)) {
            const net::TurnCommands c = driver->turnCommands(*battle);
            battle->runTurn(c.own, c.opponent);
            driver->turnPlayed(*battle);
        } else if (std::holds_alternative<net::ev::CommandWanted>(e)) {
            choose();
        } else if (std::holds_alternative<net::ev::Finished>(e)) {
            finished = true;
            done();
        } else if (std::holds_alternative<net::ev::Failed>(e)) {
            done();
        }
    }
};

QCoreApplication& app() {
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication instance(argc, argv);
    return instance;
}

void BM_NetTurnExchange(benchmark::State& state) {
    app();
    const std::string monsters = std::string(VEXMORA_FIXTURES_DIR) + "/monsters/";
    double perTurn = 0, openingMs = 0;
    int turns = 0;
    for (auto _ : state) {
        Side sides[2];
        QElapsedTimer clock;
        clock.start();
        qint64 readyAt = 0, doneAt = 0;
        int ready = 0, done = 0;
        const char* files[2] = {"ドラゴン.tvx", "plain.tvx"};
        quint16 port = 0;
        for (int i : {0, 1}) {
            Side& s = sides[i];
            s.index = i;
            s.monster = *loadMonster(monsters + files[i]);
            s.settings.initialHp = 2000;
            s.settings.turnLimit = 80;
            s.settings.stageIndex = 3;
            const net::Role role = i == 0 ? net::Role::Host : net::Role::Client;
            s.tcp = std::make_unique<net::TcpSession>(role, QStringLiteral("127.0.0.1"), port);
            s.tcp->setPresentationScale(0);
            net::ExchangeOptions o;
            o.role = role;
            o.handle = i == 0 ? "host" : "client";
            s.driver = std::make_unique<net::BattleDriver>(*s.tcp, o, [&, i](const net::Event& e) {
                sides[i].onEvent(
                    e,
                    [&] {
                        if (++ready == 2) readyAt = clock.nsecsElapsed();
                    },
                    [&] {
                        if (++done < 2) return;
                        doneAt = clock.nsecsElapsed();
                        QCoreApplication::exit();
                    });
            });
            s.tcp->setListener(s.driver.get());
            if (i == 0) {
                QString error;
                if (!s.tcp->listen(&error)) return state.SkipWithError("cannot listen on loopback");
                port = s.tcp->listeningPort();
            } else {
                s.tcp->connectToHost();
            }
        }
        QCoreApplication::exec();
        turns = sides[0].battle ? sides[0].battle->state().turnCount : 0;
        if (turns == 0 || !sides[0].finished || !sides[1].finished) {
            state.SkipWithError("the battle did not end in agreement");
            break;
        }
        perTurn = static_cast<double>(doneAt - readyAt) / 1e6 / turns;
        openingMs = static_cast<double>(readyAt) / 1e6;
        state.SetIterationTime(perTurn / 1000.0);
        for (Side& s : sides) s.driver->close();
    }
    state.counters["turns"] = turns;
    state.counters["ms_per_turn"] = perTurn;
    state.counters["opening_ms"] = openingMs;
}
BENCHMARK(BM_NetTurnExchange)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
