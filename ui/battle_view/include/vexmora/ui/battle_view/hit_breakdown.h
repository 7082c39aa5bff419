#pragma once
// The battle screen's breakdown of the last hits: why each side's last hit came out as it did
// ("ATK 420 − DEF 300 … 威力 200 → 72 × クリティカル 1.3 × 属性 1.5 (火→氷) = 108"), as the engine
// worked it out. Closed, it costs the battle nothing but the records; the player opens it with
// the I key or a click on the message line, and closes it the same way, with Esc or a click
// on it. It does not stop the battle: the turns go on behind it and it follows them.
//
// It shows the hits of the turns the screen has played out (see last_hits.h).

#include <QFrame>
#include <QObject>
#include <array>
#include <memory>
#include <string>

#include "vexmora/ui/battle_model/last_hits.h"

class QLabel;

namespace vex::ui {

class BattleSession;

// The panel over the battle picture.
class HitBreakdownPanel final : public QFrame {
    Q_OBJECT
public:
    explicit HitBreakdownPanel(QWidget* parent);
    void showHits(const LastHitsView& hits, const std::array<std::string, 2>& names);
    // What side 0's and side 1's parts show (for tests and screenshots).
    QString sideText(int side) const;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::array<QLabel*, 2> sides_{};
    QLabel* empty_ = nullptr;
};

class HitBreakdown final : public QObject {
    Q_OBJECT
public:
    // Keeps the hits the session's timeline plays from now on; the panel lies over `picture`,
    // and a click on `messageLine` opens or closes it.
    HitBreakdown(BattleSession& session, QWidget* picture, QLabel* messageLine, QObject* parent = nullptr);
    // Keeps another session's hits from now on (a replay's, and back); those shown stay until
    // its first turn is played out.
    void watch(BattleSession& session);

    // The key that opens and closes it: I (either case).
    static bool isKey(int characterCode) { return characterCode == 'i' || characterCode == 'I'; }
    void toggle();
    void close();
    bool isOpen() const;
    HitBreakdownPanel* panel() const { return panel_; }
    // The hits it shows: those of the turns played out.
    const LastHitsView& shown() const { return shown_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void turnPlayedOut();
    void place();

    BattleSession* session_ = nullptr;
    std::array<QMetaObject::Connection, 2> watching_;
    QWidget* picture_;
    QLabel* messageLine_;
    LastHits hits_;
    LastHitsView shown_{};
    std::array<std::string, 2> names_;
    HitBreakdownPanel* panel_ = nullptr;
};

}  // namespace vex::ui
