#pragma once
// MAIN: the battle screen. It paints the frame the composer makes of the session's display
// model, and forwards clicks on the command rows, the two-player keys, the spectator button
// and the menu commands (スタート, 1Ｐロード, 2Ｐロード, 設定, リプレイ, ヘルプ) to the session.
//
// The pelkit library is loaded when the screen is made; without it the screen is not ready
// (error() says why) and must not be shown.

#include <QMainWindow>
#include <algorithm>
#include <array>
#include <functional>
#include <memory>

#include "vexmora/data/dialogs.h"
#include "vexmora/gui/battle_geometry.h"
#include "vexmora/ui/battle_view/battle_session.h"
#include "vexmora/ui/battle_view/frame_composer.h"

class QAction;
class QLabel;
class QPushButton;

namespace vex {
class FtpClient;
class NetworkPolicy;
}

namespace vex::ui {

inline constexpr int kScreenScale = 2;  // the 384 x 248 frame is shown twice its size at ×1

class BattleCanvas : public QWidget {
    Q_OBJECT
public:
    BattleCanvas(FrameComposer& composer, BattleSession& session, QWidget* parent = nullptr);
    // A point of the widget on the frame, for a canvas shown at a scale (×1 to ×3).
    // (QPoint's own division rounds; a frame pixel covers kScreenScale × scale widget pixels.)
    static QPoint framePoint(QPoint widgetPoint, int scale = 1) {
        const int n = kScreenScale * scale;
        auto down = [n](int v) { return v >= 0 ? v / n : -((-v + n - 1) / n); };
        return QPoint(down(widgetPoint.x()), down(widgetPoint.y()));
    }
    static QPoint widgetPoint(QPoint framePoint, int scale = 1) {
        const int n = kScreenScale * scale;
        return framePoint * n + QPoint(n / 2, n / 2);
    }
    // The scale this canvas is shown at: its width over the frame's at ×1 (gui::scaleForm
    // enlarges it with its window).
    int scale() const { return std::max(1, width() / (gui::kFrameWidth * kScreenScale)); }
    // Paints and forwards to another session (a replay's, and back).
    void show(BattleSession& session);
    void refresh();
    // Shows the help of the row under the mouse, as moving the mouse there would.
    void hoverAt(QPoint framePoint);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    FrameComposer& composer_;
    BattleSession* session_;
    QTimer animation_;  // keeps redrawing while something floats by
};

struct BattleScreenOptions {
    SessionHooks hooks;                       // the game's sound and messages unless set
    std::vector<fs::path> libraryFolders;     // where libpelkit.so is looked for; the defaults if empty
    // The loading dialog; the game's MonsterLoadDialog unless set (tests choose files here).
    std::function<std::optional<LoadedFighter>(QWidget* parent, int side)> chooseMonster;
    // The replay file to save to or to open; a file dialog unless set.
    enum class ReplayFile { Save, Open };
    std::function<std::optional<fs::path>(QWidget* parent, ReplayFile purpose)> chooseReplayFile;
    // Network battles: how long a dropped connection may take to come back, and whether a
    // peer's address is this machine's (by the network interfaces unless set).
    int netResumeLimitMs = 120000;
    std::function<bool(const std::string& peerAddress)> netPeerIsThisMachine;
    // The FTP client of a hosted network battle's report; the real one unless set.
    std::shared_ptr<FtpClient> reportFtpClient;
    // The mode's policy when the mode brings its own (a scenario); the title menu's modes unless set.
    std::function<std::unique_ptr<ModePolicy>()> policy;
};

class NetBattle;
class HitBreakdown;

class BattleScreen : public QMainWindow {
    Q_OBJECT
public:
    BattleScreen(int16_t battleMode, const QString& caption, Dialogs& dialogs, BattleScreenOptions options = {},
                 QWidget* parent = nullptr);
    ~BattleScreen() override;

    bool ready() const { return composer_ != nullptr; }
    const std::string& error() const { return error_; }

    // The mode's session; while a replay plays, the screen shows the replay's instead.
    BattleSession& session() { return *session_; }
    BattleSession* replaySession() const { return replay_.get(); }
    bool watchingReplay() const { return replay_ != nullptr; }
    FrameComposer& composer() { return *composer_; }
    BattleCanvas* canvas() const { return canvas_; }
    QLabel* helpLabel() const { return help_; }
    QPushButton* clockButton() const { return clk_; }
    QAction* startAction() const { return start_; }
    QAction* loadAction(int side) const { return side == 0 ? load1_ : load2_; }
    QAction* settingsAction() const { return settings_; }
    QAction* saveReplayAction() const { return saveReplay_; }
    QAction* openReplayAction() const { return openReplay_; }
    QAction* confirmAction() const { return confirm_; }
    // The network battle (nullptr in the other modes).
    NetBattle* netBattle() const { return net_; }
    // The breakdown of the last hits (the I key, a click on the help line).
    HitBreakdown* hitBreakdown() const { return breakdown_; }

    // The menu commands.
    void startBattle();
    void loadFighter(int side);
    void openSettings();
    void saveReplay();
    void openReplay();

signals:
    void closed();
    // A watched replay has ended and the mode's session is shown again.
    void replayFinished();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The constructor's parts, in the order it calls them.
    bool openComposer();
    NetworkPolicy* makeSession(int16_t battleMode);  // the network policy when the mode has the panel
    QLayout* buildBody();
    void buildMenu();
    void connectSession(BattleSession& session);
    // The session the screen paints and forwards to: the mode's, or a watched replay's.
    BattleSession& shown() { return replay_ ? *replay_ : *session_; }
    const BattleSession& shown() const { return replay_ ? *replay_ : *session_; }
    void showSession(BattleSession& session);
    void watchReplay(const fs::path& file);
    void endReplay();
    void showPicture(int side);
    void buildNetwork(QLayout* layout, NetworkPolicy& policy);
    void updateMenu();
    void updateLabels();
    void updateHelp();
    std::optional<fs::path> chooseReplayFile(BattleScreenOptions::ReplayFile purpose);

    Dialogs& dialogs_;
    BattleScreenOptions options_;
    std::string error_;
    std::shared_ptr<PelkitLibrary> library_;
    std::unique_ptr<FrameComposer> composer_;
    std::unique_ptr<BattleSession> session_;
    std::unique_ptr<BattleSession> replay_;
    BattleCanvas* canvas_ = nullptr;
    QLabel* help_ = nullptr;
    QLabel* drawCounter_ = nullptr;
    QPushButton* clk_ = nullptr;
    QAction* start_ = nullptr;
    QAction* load1_ = nullptr;
    QAction* load2_ = nullptr;
    QAction* settings_ = nullptr;
    QAction* saveReplay_ = nullptr;
    QAction* openReplay_ = nullptr;
    QAction* confirm_ = nullptr;
    NetBattle* net_ = nullptr;
    HitBreakdown* breakdown_ = nullptr;
    // The report server chosen in the settings; a network battle's panel keeps its own.
    std::string reportServer_;
    bool shownOnce_ = false;
    bool closeConfirmed_ = false;
    QString baseCaption_;
    bool closing_ = false;
    bool showingHint_ = false;  // the help line shows what to do next, not a row's help
    std::array<QString, 2> pictureNotes_;  // why a side's picture is drawn as the stand-in
    QString pictureNotes() const;
};

}  // namespace vex::ui
