// vexmora-cli net host|join: a network battle with another program, the computer choosing the
// commands of this side. The whole exchange runs with the real messages; with --log json the
// battle log is printed as `battle` prints it, with records of the exchange around it.

#include <QCoreApplication>
#include <QTime>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "command_line.h"
#include "commands.h"
#include "settings_options.h"
#include "vexmora/battle/battle.h"
#include "vexmora/battle/battle_log.h"
#include "vexmora/data/argument_paths.h"
#include "vexmora/data/stage_list.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/rng.h"
#include "vexmora/net/exchange.h"
#include "vexmora/net/outgoing_monster.h"
#include "vexmora/net/tcp_session.h"
#include "vexmora/rules/battle_config.h"

namespace vex::cli {

namespace {

struct NetOptions {
    net::Role role = net::Role::Host;
    std::string address;
    std::string monsterPath;
    int port = net::kDefaultPort;
    std::string handle = "vexmora-cli";
    BattleSettings settings;
    std::string log;
    bool jsonLog = false;
};

// One network battle on the Qt event loop.
class NetBattleRun {
public:
    explicit NetBattleRun(NetOptions options) : o_(std::move(options)) {}

    int run() {
        auto own = prepareMonster();
        if (!own) return 2;

        net::ExchangeOptions xo;
        xo.role = o_.role;
        xo.handle = o_.handle;
        xo.monster = own->first;
        xo.monsterFile = own->second;
        xo.settings = o_.settings;
        xo.seedNow = [] { return static_cast<int32_t>((QTime::currentTime().msecsSinceStartOfDay() + 5) / 10); };

        session_ = std::make_unique<net::TcpSession>(o_.role, QString::fromStdString(o_.address),
                                                     static_cast<quint16>(o_.port));
        session_->setPresentationScale(0);
        exchange_ = std::make_unique<net::Exchange>(*session_, std::move(xo), [this](const net::Event& e) { onEvent(e); });
        session_->setExchange(exchange_.get());

        QObject::connect(session_.get(), &net::TcpSession::connectionMade, [this] {
            record("{\"type\":\"net\",\"event\":\"connected\",\"role\":\"" +
                   std::string(o_.role == net::Role::Host ? "host" : "client") + "\"}");
        });
        QObject::connect(session_.get(), &net::TcpSession::connectionFailed, [this](const QString& message) {
            std::cerr << "vexmora-cli net: " << message.toStdString() << "\n";
            finish(1, "failed", message.toStdString());
        });
        if (o_.role == net::Role::Host) {
            QString error;
            if (!session_->listen(&error)) {
                std::cerr << "vexmora-cli net: " << error.toStdString() << "\n";
                return 2;
            }
            // Always printed: a host started with --port 0 tells its port this way.
            std::cout << "{\"type\":\"net\",\"event\":\"listening\",\"port\":" << session_->listeningPort() << "}"
                      << std::endl;
        } else {
            session_->connectToHost();
        }
        QCoreApplication::exec();
        return status_;
    }

private:
    // The own monster as it travels: encoded under the name the opponent keys it from, and
    // read back from those very bytes, so both programs hold the same record.
    std::optional<std::pair<MonsterRecord, std::string>> prepareMonster() {
        auto loaded = loadMonster(inputArgumentPath(o_.monsterPath));
        if (!loaded) {
            std::cerr << loaded.error().title << ": " << o_.monsterPath << ": " << loaded.error().message << "\n";
            return std::nullopt;
        }
        if (loaded->integrity == Integrity::SystemTampered) {
            std::cerr << kTamperedTitle << ": " << o_.monsterPath << ": " << kTamperedMessage << "\n";
            return std::nullopt;
        }
        auto outgoing = net::prepareOutgoingMonster(*loaded);
        if (!outgoing) {
            std::cerr << "vexmora-cli net: " << o_.monsterPath << ": " << outgoing.error().message << "\n";
            return std::nullopt;
        }
        return std::make_pair(outgoing->record, outgoing->file);
    }

    void record(const std::string& line) {
        if (o_.jsonLog) std::cout << line << "\n" << std::flush;
    }

    void onEvent(const net::Event& e) {
        switch (e.kind) {
            case net::EventKind::SettingsWanted: exchange_->settingsChosen(o_.settings); break;
            case net::EventKind::SettingsReceived:
                record("{\"type\":\"net\",\"event\":\"settings\",\"opponent\":" + jsonString(e.text) +
                       ",\"announced\":" + (exchange_->peerAnnounced() ? "true" : "false") + "}");
                break;
            case net::EventKind::TransferStarted:
            case net::EventKind::OpponentChose: break;
            case net::EventKind::MonsterReceived:
                record("{\"type\":\"net\",\"event\":\"monster received\",\"name\":" + jsonString(e.text) + "}");
                break;
            case net::EventKind::BattleReady: startBattle(e.setup); break;
            case net::EventKind::TurnReady: playTurn(e.own, e.opponent); break;
            case net::EventKind::CommandWanted: chooseOwnCommand(); break;
            case net::EventKind::LineArrived:
                if (battle_) battle_->fighter(e.side).battleLine = e.text;
                break;
            case net::EventKind::Chat:
            case net::EventKind::Notice:
                record("{\"type\":\"net\",\"event\":\"chat\",\"text\":" + jsonString(e.text) + "}");
                break;
            case net::EventKind::VersionWarning:
            case net::EventKind::VersionRefused:
                std::cerr << "vexmora-cli net: " << e.text << "\n";
                record("{\"type\":\"net\",\"event\":\"version\",\"text\":" + jsonString(e.text) + "}");
                break;
            case net::EventKind::Resuming:
                record("{\"type\":\"net\",\"event\":\"disconnected\",\"resuming\":true}");
                break;
            case net::EventKind::Resumed:
                record("{\"type\":\"net\",\"event\":\"resumed\",\"turn\":" +
                       std::to_string(battle_ ? battle_->state().turnCount : 0) + "}");
                break;
            case net::EventKind::Desync:
                record("{\"type\":\"net\",\"event\":\"desync\",\"turn\":" + std::to_string(e.turn) + "}");
                desynced_ = true;
                break;
            case net::EventKind::Finished: finish(0, "finished", {}); break;
            case net::EventKind::Failed:
                std::cerr << "vexmora-cli net: " << e.text << "\n";
                record("{\"type\":\"net\",\"event\":\"disconnected\",\"message\":" + jsonString(e.text) + "}");
                finish(1, desynced_ ? "desync" : "failed", e.text);
                break;
        }
    }

    void startBattle(const net::BattleSetup& setup) {
        MonsterRecord own = setup.own, opponent = setup.opponent;
        if (setup.tournament) {
            applyTournamentRestriction(own, setup.settings.stageIndex);
            applyTournamentRestriction(opponent, setup.settings.stageIndex);
        }
        view_ = o_.jsonLog ? static_cast<std::unique_ptr<BattleView>>(std::make_unique<JsonLinesView>(std::cout))
                           : std::make_unique<NullView>();
        battle_ = std::make_unique<Battle>(setup.settings, own, opponent, processRng(), *view_);
        seedBattleGenerator(processRng(), setup.seed);
        battle_->startBattle(stageCountIn(programFolder()));
        chooser_.reseedFromClock();
        chooseOwnCommand();
    }

    // The computer's choice for this side, worked out on a copy of the battle with a generator
    // of its own: the battle's draws stay the ones both programs make.
    void chooseOwnCommand() {
        NullView quiet;
        BattleSettings settings = battle_->settings();
        Battle shadow(settings, battle_->fighter(0).entry, battle_->fighter(1).entry, chooser_, quiet);
        shadow.state() = battle_->state();
        shadow.chooseCommand(0);
        exchange_->ownCommand(net::wireNumber(shadow.fighter(0).command()));
    }

    void playTurn(int ownNumber, int opponentNumber) {
        const Command own = net::commandFromWire(ownNumber, battle_->fighter(0).record);
        const Command opponent = net::commandFromWire(opponentNumber, battle_->fighter(1).record);
        battle_->runTurn(own, opponent);
        const BattleState& s = battle_->state();
        exchange_->turnResolved(s.turnCount, battle_->stateHash(), s.ended);
    }

    void finish(int status, const std::string& outcome, const std::string& message) {
        if (done_) return;
        done_ = true;
        status_ = status;
        std::string line = "{\"type\":\"result\",\"outcome\":\"" + outcome + "\"";
        if (battle_) {
            const BattleState& s = battle_->state();
            line += ",\"winner\":" + (s.ended ? std::to_string(s.winner) : std::string("null"));
            line += ",\"turns\":" + std::to_string(s.turnCount);
            line += ",\"reason\":\"" + std::string(s.ended ? endReasonName(s.endReason) : "unfinished") + "\"";
            line += ",\"hp\":[" + std::to_string(s.fighter[0].hp) + "," + std::to_string(s.fighter[1].hp) + "]";
            line += ",\"draws\":" + std::to_string(s.drawCounter);
        }
        if (!message.empty()) line += ",\"message\":" + jsonString(message);
        line += "}";
        std::cout << line << std::endl;
        session_->closeConnection();
        // Let the last sends leave before the process ends.
        QTimer::singleShot(200, [] { QCoreApplication::exit(); });
    }

    NetOptions o_;
    std::unique_ptr<net::TcpSession> session_;
    std::unique_ptr<net::Exchange> exchange_;
    std::unique_ptr<BattleView> view_;
    std::unique_ptr<Battle> battle_;
    Rng chooser_;
    bool desynced_ = false;
    bool done_ = false;
    int status_ = 1;
};

int runNetBattle(const CLI::App* command, NetOptions& options) {
    const std::string refusal = net::fieldRefusal(options.handle, "the handle");
    if (!refusal.empty()) return usageError(command, refusal);
    if (options.role == net::Role::Client && options.port == 0) return usageError(command, "join needs the host's port");
    options.jsonLog = options.log == "json";
    int argc = 1;
    char name[] = "vexmora-cli";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    NetBattleRun run(options);
    return run.run();
}

}  // namespace

void addNetCommand(CLI::App& app) {
    static NetOptions host, join;
    CLI::App* net = addCommand(app, "net", "a network battle with another program (see docs/cli.md)");
    net->require_subcommand(1, 1);

    CLI::App* hostCommand = addCommand(*net, "host", "wait for a program to join, then play");
    hostCommand->add_option("MONSTER", host.monsterPath, "the own monster file")->required()->type_name("FILE");
    hostCommand->add_option("--port", host.port, "the port to listen on (0: any free port, printed)")
        ->check(CLI::Range(0, 65535))
        ->type_name("P");
    hostCommand->add_option("--handle", host.handle, "the name the other player sees")->type_name("H");
    addSettingsOptions(hostCommand, host.settings);
    hostCommand->add_option("--log", host.log, "print the battle log")->check(CLI::IsMember({"json"}))->type_name("json");

    CLI::App* joinCommand = addCommand(*net, "join", "join a waiting program, then play");
    joinCommand->add_option("ADDRESS", join.address, "the host's address")->required();
    joinCommand->add_option("MONSTER", join.monsterPath, "the own monster file")->required()->type_name("FILE");
    joinCommand->add_option("--port", join.port, "the host's port")->check(CLI::Range(1, 65535))->type_name("P");
    joinCommand->add_option("--handle", join.handle, "the name the other player sees")->type_name("H");
    joinCommand->add_option("--log", join.log, "print the battle log")->check(CLI::IsMember({"json"}))->type_name("json");
    join.role = net::Role::Client;

    runs(net, [hostCommand, joinCommand] {
        if (hostCommand->parsed()) return runNetBattle(hostCommand, host);
        return runNetBattle(joinCommand, join);
    });
}

}  // namespace vex::cli
