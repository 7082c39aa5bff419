#pragma once
// The network battle on the battle screen: a thin controller between the connection
// (net_connection.h: the NET dialog, the TCP session, the battle driver), the panel below the
// screen (net_panel.h: chat, TOKU, netRULE, eSELECT, notSELECT) and the screen's battle session,
// whose turns come from the driver (makeNetworkPeer) under the network policy.
//
//   role chosen ─▶ listening / address entry ─▶ connected (dialog hidden, screen enabled)
//     ─▶ 決定: opening exchange (settings green, transfer cyan, files red) ─▶ battle: per turn
//        notSELECT while the opponent chooses, eSELECT once it has ─▶ end synchronisation
//     ─▶ result (the host's report at its step), records ─▶ 決定 again for a rematch
//   the peer leaves: the host listens again, the client returns to its address entry.

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vexmora/data/dialogs.h"
#include "vexmora/data/stage_list.h"
#include "vexmora/net/events.h"

class QWidget;

namespace vex {
class FtpClient;
class NetworkPolicy;
}
namespace vex::net {
class BattleDriver;
}

namespace vex::ui {

class BattleSession;
class NetConnection;
class NetDialog;
class NetPanel;

struct NetBattleOptions {
    int resumeLimitMs = 120000;
    // The FTP client of the host's report (tests); the real one unless set.
    std::shared_ptr<FtpClient> ftpClient;
    // Whether a peer's address is this machine's; by the network interfaces unless set.
    std::function<bool(const std::string& peerAddress)> isThisMachine;
};

// The window height of a network battle for the screen-fit option (0 or 1).
int networkWindowHeight(int screenFit);

class NetBattle : public QObject {
    Q_OBJECT
public:
    NetBattle(QWidget* screen, BattleSession& session, NetworkPolicy& policy, const StageList& stages,
              Dialogs& dialogs, NetBattleOptions options);
    ~NetBattle() override;

    NetPanel* panel() const { return panel_; }
    NetDialog* dialog() const;
    // Shows the connection dialog (the screen is disabled until a peer is connected).
    void open();

    bool connected() const;
    // The report server the host chose in the settings ("" for none).
    const std::string& reportServer() const { return reportServer_; }
    void setReportServer(std::string file) { reportServer_ = std::move(file); }
    // 決定: the opening exchange with the loaded monster.
    bool canConfirm() const;
    void confirm();
    // 設定: a client chooses its own look; the host chooses the battle's settings at 決定.
    bool settingsCommandShown() const;
    bool canConfigure() const;
    // A replay may be watched between battles, but not once 決定 has begun the opening
    // exchange: its battle would start under the replay.
    bool canWatchReplay() const;
    // Host: the port it listens on (0 when it does not).
    quint16 listeningPort() const;
    // The driver of the current connection (nullptr when there is none).
    const net::BattleDriver* driver() const;
    // What the player was told in the help line while the connection is away.
    const QString& resumeText() const { return resumeText_; }

signals:
    // The screen enables itself (a peer is connected) or disables itself (none).
    void connectionChanged(bool connected);
    // ｷｬﾝｾﾙ: the network battle is abandoned; the screen closes.
    void cancelled();
    void stateChanged();
    void helpText(const QString& text);

private:
    std::string reportServer_;
    void onEvent(const net::Event& e);
    void chooseSettings(bool opponentAllowsRare);
    void startBattle(const NetworkBattle& battle, const MonsterRecord& own);
    void openingStopped(const net::ev::OpeningStopped& e);
    void connectionOver();
    void sendChat(const QString& text);
    void updateResumeCountdown();
    void reportToServer();
    void tell(const std::string& title, const std::string& text, DialogIcon icon = DialogIcon::Warning);

    QWidget* screen_;
    BattleSession& session_;
    NetworkPolicy& policy_;
    const StageList& stages_;
    Dialogs& dialogs_;
    NetBattleOptions options_;
    NetConnection* connection_ = nullptr;
    NetPanel* panel_ = nullptr;

    bool opponentChose_ = false;
    QString resumeText_;
    QTimer resumeCountdown_;
    int resumeLeft_ = 0;
};

}  // namespace vex::ui
