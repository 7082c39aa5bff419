// vexmora-cli net host|join: a network battle with another program, the computer choosing the
// commands of this side. The whole exchange runs with the real messages; with --log json the
// battle log is printed as `battle` prints it, with records of the exchange around it.

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>

#include "command_line.h"
#include "commands.h"
#include "settings_options.h"
#include "vexmora/battle/battle.h"
#include "vexmora/battle/battle_log.h"
#include "vexmora/data/argument_paths.h"
#include "vexmora/data/stage_list.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/data/rng.h"
#include "vexmora/net/battle_driver.h"
#include "vexmora/net/network_settings.h"
#include "vexmora/net/settings_block.h"
#include "vexmora/net/tcp_session.h"
#include "vexmora/rules/network_policy.h"
#include "vexmora/rules/net_rating.h"

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

// The program's own JSON text of a record.
std::string flag(bool on) { return on ? "true" : "false"; }

// One network battle on the Qt event loop.
class NetBattleRun {
public:
    explicit NetBattleRun(NetOptions options) : o_(std::move(options)) {}

    int run() {
        // The own monster with every check a loaded network fighter passes.
        Result<LoadedMonster> loaded = loadFighterFile(kNetworkLoading, 0, inputArgumentPath(o_.monsterPath));
        if (!loaded) {
            std::cerr << loaded.error().title << ": " << o_.monsterPath << ": " << loaded.error().message << "\n";
            return 2;
        }
        own_ = std::move(*loaded);

        net::ExchangeOptions xo;
        xo.role = o_.role;
        xo.handle = o_.handle;
        xo.ownRating = loadNetRating(programFolder()).rating;

        session_ = std::make_unique<net::TcpSession>(o_.role, QString::fromStdString(o_.address),
                                                     static_cast<quint16>(o_.port));
        session_->setPresentationScale(0);
        driver_ = std::make_unique<net::BattleDriver>(*session_, std::move(xo), [this](const net::Event& e) { onEvent(e); });
        session_->setListener(driver_.get());

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
    void record(const std::string& line) {
        if (o_.jsonLog) std::cout << line << "\n" << std::flush;
    }
    void netRecord(const std::string& event, const std::string& fields = {}) {
        record("{\"type\":\"net\",\"event\":\"" + event + "\"" + fields + "}");
    }

    void onEvent(const net::Event& event) {
        std::visit(
            [this](const auto& e) {
                using E = std::decay_t<decltype(e)>;
                if constexpr (std::is_same_v<E, net::ev::Connected>) {
                    netRecord("connected", std::string(",\"role\":\"") + (o_.role == net::Role::Host ? "host" : "client") + "\"");
                    Result<MonsterRecord> sent = driver_->confirm(own_, o_.settings);
                    if (!sent) {
                        std::cerr << "vexmora-cli net: " << o_.monsterPath << ": " << sent.error().message << "\n";
                        finish(1, "failed", sent.error().message);
                    }
                } else if constexpr (std::is_same_v<E, net::ev::SettingsWanted>) {
                    driver_->settingsChosen(o_.settings);
                } else if constexpr (std::is_same_v<E, net::ev::SettingsReceived>) {
                    netRecord("settings", ",\"opponent\":" + jsonString(e.opponentHandle) +
                                              ",\"announced\":" + flag(driver_->exchange().peerAnnounced()));
                } else if constexpr (std::is_same_v<E, net::ev::MonsterReceived>) {
                    netRecord("monster received", ",\"name\":" + jsonString(e.name));
                } else if constexpr (std::is_same_v<E, net::ev::OpeningStopped>) {
                    std::cerr << "vexmora-cli net: " << e.reason << "\n";
                    netRecord("opening stopped", ",\"here\":" + flag(e.here) + ",\"message\":" + jsonString(e.reason));
                    finish(1, "failed", e.reason);
                } else if constexpr (std::is_same_v<E, net::ev::BattleReady>) {
                    startBattle(e.battle, e.own);
                } else if constexpr (std::is_same_v<E, net::ev::TurnReady>) {
                    playTurn();
                } else if constexpr (std::is_same_v<E, net::ev::CommandWanted>) {
                    chooseOwnCommand();
                } else if constexpr (std::is_same_v<E, net::ev::LineArrived>) {
                    if (battle_) battle_->fighter(e.side).battleLine = e.text;
                } else if constexpr (std::is_same_v<E, net::ev::Chat> || std::is_same_v<E, net::ev::Notice>) {
                    netRecord("chat", ",\"text\":" + jsonString(e.text));
                } else if constexpr (std::is_same_v<E, net::ev::VersionWarning>) {
                    std::cerr << "vexmora-cli net: " << net::kVersionWarning << "\n";
                    netRecord("version", ",\"text\":" + jsonString(std::string(net::kVersionWarning)));
                } else if constexpr (std::is_same_v<E, net::ev::VersionRefused>) {
                    std::cerr << "vexmora-cli net: " << net::kRefusal << "\n";
                    netRecord("version", ",\"text\":" + jsonString(std::string(net::kRefusal)));
                } else if constexpr (std::is_same_v<E, net::ev::Resuming>) {
                    netRecord("disconnected", ",\"resuming\":true");
                } else if constexpr (std::is_same_v<E, net::ev::Resumed>) {
                    netRecord("resumed", ",\"turn\":" + std::to_string(battle_ ? battle_->state().turnCount : 0));
                } else if constexpr (std::is_same_v<E, net::ev::Desync>) {
                    netRecord("desync", ",\"turn\":" + std::to_string(e.turn));
                    desynced_ = true;
                } else if constexpr (std::is_same_v<E, net::ev::Finished>) {
                    finish(0, "finished", {});
                } else if constexpr (std::is_same_v<E, net::ev::Failed>) {
                    std::cerr << "vexmora-cli net: " << e.text << "\n";
                    netRecord("disconnected", ",\"message\":" + jsonString(e.text));
                    finish(1, desynced_ ? "desync" : "failed", e.text);
                }
            },
            event);
    }

    void startBattle(const NetworkBattle& settled, const MonsterRecord& own) {
        view_ = o_.jsonLog ? static_cast<std::unique_ptr<BattleView>>(std::make_unique<JsonLinesView>(std::cout))
                           : std::make_unique<NullView>();
        battle_ = std::make_unique<Battle>(settled.settings, own, settled.opponent, processRng(), *view_);
        seedBattleGenerator(processRng(), settled.seed);
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
        driver_->chooseCommand(shadow.fighter(0).command());
    }

    void playTurn() {
        const net::TurnCommands commands = driver_->turnCommands(*battle_);
        battle_->runTurn(commands.own, commands.opponent);
        driver_->turnPlayed(*battle_);
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
        // The process ends once the last sends have left (the socket's close says so), or
        // after a moment when the peer is already gone.
        QTimer::singleShot(0, [this] { quitWhenSent(); });
    }

    void quitWhenSent() {
        if (session_->unsentBytes() == 0 || ++quitChecks_ > 200) return QCoreApplication::exit();
        QTimer::singleShot(5, [this] { quitWhenSent(); });
    }

    NetOptions o_;
    LoadedMonster own_;
    std::unique_ptr<net::TcpSession> session_;
    std::unique_ptr<net::BattleDriver> driver_;
    std::unique_ptr<BattleView> view_;
    std::unique_ptr<Battle> battle_;
    Rng chooser_;
    bool desynced_ = false;
    bool done_ = false;
    int status_ = 1;
    int quitChecks_ = 0;
};

int runNetBattle(const CLI::App* command, NetOptions& options) {
    const std::string refusal = net::fieldRefusal(options.handle, "the handle");
    if (!refusal.empty()) return usageError(command, refusal);
    if (options.role == net::Role::Host) {
        // A client plays only the settings the settings dialog offers.
        const BattleSettings& s = options.settings;
        const std::string problem = net::settingsProblem(s.initialHp, s.initialSp, s.turnLimit, s.stageIndex);
        if (!problem.empty()) return usageError(command, "a network battle cannot be played with " + problem);
    }
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
