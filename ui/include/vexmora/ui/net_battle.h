#pragma once
// The network battle on the battle screen: the connection (NET), the chat (chatMSG, inputMSG),
// the rare-monster box TOKU, the rule panel netRULE, the opponent indicators eSELECT and
// notSELECT, and the opening, turn and end exchange of net/exchange.h carried by a TCP session.
//
//   role chosen ─▶ listening / address entry ─▶ connected (dialog hidden, screen enabled)
//     ─▶ 決定: opening exchange (settings green, transfer cyan, files red) ─▶ battle: per turn
//        notSELECT while the opponent chooses, eSELECT once it has ─▶ end synchronisation
//     ─▶ result and records ─▶ 決定 again for a rematch on the same connection
//   the peer leaves: the host listens again, the client returns to its address entry.
//
// The battle itself is the session's; the network peer is its command source (NetworkPeer)
// and NetworkPolicy is its mode policy.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

#include "vexmora/data/dialogs.h"
#include "vexmora/net/exchange.h"
#include "vexmora/rules/network_policy.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QWidget;

namespace vex {
class FtpClient;
}
namespace vex::net {
class TcpSession;
}

namespace vex::ui {

class BattleSession;
class NetDialog;

struct NetBattleOptions {
    std::function<void(int)> playEffect;
    // The host's settings step; the settings dialog CONFIG unless set. False: unchanged.
    std::function<void(QWidget* parent, BattleSettings& settings, bool opponentAllowsRare)> chooseSettings;
    int resumeLimitMs = 120000;
    // The FTP client of the host's report (tests); the real one unless set.
    std::shared_ptr<FtpClient> ftpClient;
};

// The window height of a network battle for the screen-fit option (0 or 1).
int networkWindowHeight(int screenFit);

class NetBattle : public QObject {
    Q_OBJECT
public:
    NetBattle(QWidget* screen, BattleSession& session, Dialogs& dialogs, NetBattleOptions options);
    ~NetBattle() override;

    // The chat, TOKU, netRULE and the indicators, for the screen to place.
    QWidget* panel() const { return panel_; }
    NetDialog* dialog() const { return dialog_; }
    // Shows the connection dialog (the screen is disabled until a peer is connected).
    void open();

    bool connected() const { return connected_; }
    // 決定: the opening exchange with the loaded monster.
    bool canConfirm() const;
    void confirm();
    // Host: the port it listens on (0 when it does not).
    quint16 listeningPort() const;

    QListWidget* chatList() const { return chat_; }
    QLineEdit* chatInput() const { return input_; }
    QCheckBox* rareBox() const { return rare_; }
    QWidget* rulePanel() const { return rules_; }
    QLabel* opponentChosen() const { return eSelect_; }    // eSELECT
    QLabel* opponentChoosing() const { return notSelect_; }  // notSELECT
    // The texts the player was told in the help line while the connection is away.
    const QString& resumeText() const { return resumeText_; }

signals:
    // The screen enables itself (a peer is connected) or disables itself (none).
    void connectionChanged(bool connected);
    // ｷｬﾝｾﾙ: the network battle is abandoned; the screen closes.
    void cancelled();
    void stateChanged();
    void helpText(const QString& text);

private:
    enum class Look { Hidden, Settings, Transfer, Received, Chosen };

    void chooseRole(int index);
    void connectToHost();
    void makeConnection(net::Role role, const QString& address, quint16 port);
    void dropConnection();
    void onConnected();
    void onConnectFailed(const QString& message, bool refused);
    void onEvent(const net::Event& e);
    void startBattle(const net::BattleSetup& setup);
    void connectionOver();
    void freshExchange(bool greet);
    void sendChat();
    void rareToggled(bool on);
    void addChat(const QString& line);
    void showLook(Look look);
    void showChoosing(bool shown);
    void updateResumeCountdown();
    void reportToServer();
    NetworkPolicy* policy() const;

    QWidget* screen_;
    BattleSession& session_;
    Dialogs& dialogs_;
    NetBattleOptions options_;
    NetDialog* dialog_ = nullptr;
    QWidget* panel_ = nullptr;
    QListWidget* chat_ = nullptr;
    QLineEdit* input_ = nullptr;
    QCheckBox* rare_ = nullptr;
    QWidget* rules_ = nullptr;
    QLabel* eSelect_ = nullptr;
    QLabel* notSelect_ = nullptr;

    std::unique_ptr<net::TcpSession> tcp_;
    std::unique_ptr<net::Exchange> exchange_;
    std::unique_ptr<net::Exchange> retired_;  // replaced while it was still calling
    net::Role role_ = net::Role::Host;
    QString address_;
    quint16 port_ = 0;
    bool connected_ = false;
    bool peerDiffers_ = false;
    bool settingsArrived_ = false;  // TOKU stays off for the rest of the connection
    bool opponentChose_ = false;
    QString resumeText_;
    QTimer resumeCountdown_;
    int resumeLeft_ = 0;
};

}  // namespace vex::ui
