#pragma once
// BattleSession: one battle screen's battles. It owns the fighters, the battle and the
// animation timeline, and is a small state machine with timers:
//
//   idle ──スタート──▶ start (busy) ──▶ waiting for a turn ──command──▶ turn (busy) ──▶ …
//                                                   └── the battle ends ──▶ result, records ──▶ idle
//
// What differs between the modes is asked of a ModePolicy (rules/mode_policy.h): where the
// opponent comes from, loading, which records change, the caption, what follows. Where the
// turns come from is a CommandSource (command_source.h): clicks, the two-player keys, the
// spectator clock, a replay, the network peer. Each command plays one whole turn in the
// engine at once, whose events become timeline steps; the timeline player (timeline_player.h)
// plays them with waits at the game speed, while `busy` keeps clicks, keys and the window's
// close box out. The fighters and their tamper guards are the roster's (battle_roster.h); the
// result's steps come from resultSteps (result_steps.h), built from the end of the battle once.
//
// A replay is watched in a short session of its own (makeReplaySession): the replay's policy,
// its fighters with their statistics and its turns. The screen shows it in place of the mode's
// session until its battle ends, and the mode's is never touched.
//
// The battle screen paints the display model the timeline drives and forwards its input here;
// it decides nothing about the battle itself.

#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "vexmora/battle/battle.h"
#include "vexmora/data/dialogs.h"
#include "vexmora/data/monster_file.h"
#include "vexmora/battle/statistics_table.h"
#include "vexmora/rules/battle_records.h"
#include "vexmora/rules/mode_policy.h"
#include "vexmora/rules/replay.h"
#include "vexmora/rules/opponent_choice.h"
#include "vexmora/rules/series_battle.h"
#include "vexmora/rules/end_of_battle.h"
#include "vexmora/ui/battle_model/animation_timeline.h"
#include "vexmora/ui/battle_view/command_source.h"
#include "vexmora/ui/battle_model/display_model.h"
#include "vexmora/ui/battle_view/frame_composer.h"
#include "vexmora/ui/battle_model/battle_roster.h"
#include "vexmora/ui/battle_model/timeline_player.h"
#include "vexmora/ui/battle_view/qt_player_clock.h"

namespace vex::ui {

// What the session plays and asks through: the game's music and message boxes by default. Its
// effects go through the windows' one effects service (gui/effects.h).
struct SessionHooks {
    std::function<void(const std::string&)> startMusic;
    std::function<void(const std::string&)> playResultMusic;
    std::function<void()> closeMusic;    // "CLOSE BGM" when a battle ends
    std::function<void()> stopMusic;     // when the screen closes
    std::function<void()> checkMusicLoop;
    Dialogs* dialogs = nullptr;
    // The program must end (tampered statistics or system data).
    std::function<void()> endGame;

    static SessionHooks game(Dialogs& dialogs);
    // Silence and scripted answers, for tests and measurements.
    static SessionHooks quiet(Dialogs& dialogs);
};

class BattleSession : public QObject, private TurnInput {
    Q_OBJECT
public:
    BattleSession(int16_t battleMode, fs::path programFolder, int stageCount, SessionHooks hooks,
                  QObject* parent = nullptr);
    // A mode that brings its own policy (a scenario).
    BattleSession(std::unique_ptr<ModePolicy> policy, fs::path programFolder, int stageCount, SessionHooks hooks,
                  QObject* parent = nullptr);
    ~BattleSession() override;

    int16_t battleMode() const { return policy_->mode(); }
    const ModePolicy& policy() const { return *policy_; }
    ModePolicy& policy() { return *policy_; }
    BattleSettings& settings() { return settings_; }
    const BattleSettings& settings() const { return settings_; }

    bool busy() const { return busy_; }
    bool acceptInput() const { return acceptInput_; }
    // From the battle start to the end of the result and the records.
    bool battleRunning() const { return running_; }
    // The spectator clock is waiting to start the next turn.
    bool clockArmed() const { return clockArmed_; }
    // Turns come from the spectator clock (spectator mode, a replay).
    bool clocked() const;
    // How many command lists answer the mouse (0 while the computer or a replay plays).
    int listsForMouse() const { return source_ ? source_->listsForMouse() : 0; }
    const Battle* battle() const { return battle_.get(); }
    bool battleEnded() const { return battle_ && battle_->state().ended; }

    const DisplayModel& model() const { return model_; }
    DisplayModel& model() { return model_; }
    // The display clock.
    int64_t now() const { return clock_.now(); }
    bool playing() const { return player_.playing(); }
    // The end of the battle last fought, as its result showed it (nothing before one ended).
    const EndOfBattle* endOfBattle() const { return end_ ? &*end_ : nullptr; }

    // --- Fighters ---------------------------------------------------------------------
    bool hasFighter(int side) const { return roster_.has(side); }
    const LoadedFighter* fighter(int side) const { return roster_.fighter(side); }
    MonsterPictureSource pictureOf(int side) const;
    // Puts a monster into a fighter with the checks of its mode; a refusal shows its message
    // and leaves the side empty. False when refused.
    bool putFighter(int side, const fs::path& file, LoadedMonster monster);
    // Reads a monster file with every check of the mode and puts it in (the loading dialog's
    // choice). A refusal or read error shows its message; one that ends the game ends it.
    bool loadFighterFile(int side, const fs::path& file);
    void clearFighter(int side);

    // --- Menu commands ----------------------------------------------------------------
    bool canStart() const;
    bool canLoad(int side) const;
    bool canConfigure() const { return !busy_ && !running_; }
    // スタート: sets up the mode's next battle and shows "TURN 1".
    void start();
    // After the settings dialog: the HP and SP the fighters would start with, and the stage.
    void applySettings();

    // --- Input ------------------------------------------------------------------------
    // A click on command row 0-5 of fighter 0 (rows elsewhere: -1).
    void clickRow(int row);
    // A key of the two-player grid, as the character it types.
    void keyPressed(int characterCode);
    // The spectator clock (the timer and the CLK button).
    void clockTick();
    // Word from outside for the command source (a network battle's driver): the opponent's
    // command has come (the source plays the turn), and the end of the battle has been agreed
    // (or the peer is gone): a result the source held may show.
    void peerTurnReady();
    void resultMayShow();
    // Where the battles' turns come from: the source of the command input the policy names
    // (makeCommandSource unless set: a mode's descriptor or the network screen sets its own).
    void setCommandSources(SourceMaker make);
    // The mouse is over a row of a side's list (-1: over none).
    void hoverRow(int side, int row);
    const QString& helpText() const { return help_; }
    bool closeAllowed() const { return !busy_; }
    // Stops the clock, the timeline and the music; the screen is closing.
    void shutdown();
    // Stops the battle where it is, keeping no record (the two programs of a network battle
    // disagree, or the peer left): the screen is ready for the next battle.
    void abandonBattle();
    // A battle line ("/s" in the chat) the fighter speaks at the next turn start.
    void setBattleLine(int side, const std::string& line);

    QString windowCaption() const;
    int winCount() const { return policy_->winCount(); }

    // --- Replays ----------------------------------------------------------------------
    // The battle just fought can be kept as a replay once its records are done.
    bool canSaveReplay() const;
    bool saveReplay(const fs::path& file);
    // A session of its own that plays a replay like a spectated battle, with this session's
    // folder, hooks and look (the animation setting); start() plays it, and its battle ends
    // with battleFinished. A damaged file shows its message and makes none. It touches no
    // monster file and no record, and nothing of this session.
    std::unique_ptr<BattleSession> makeReplaySession(const fs::path& file) const;

    // The spectator clock's interval: 1000 ms in the game; tests shorten it.
    void setClockInterval(int ms) { clockInterval_ = ms; }

    // For the measurement of the animation player: the waits it has scheduled (the spectator
    // clock included) and the turns played.
    int64_t scheduledWaitMs() const { return player_.scheduledWaitMs(); }
    // Of those, the waits of the screen's own motions (the rest the battle asked for).
    int64_t ownWaitMs() const { return player_.ownWaitMs(); }
    int turnsPlayed() const { return turnsPlayed_; }

signals:
    void changed();
    void pictureChanged(int side);
    void helpChanged(const QString& text);
    void captionChanged(const QString& caption);
    void menuChanged();
    // A turn or the battle start is done and the list waits for a command: the screen shows
    // the help of the row under the mouse.
    void inputOpened();
    void turnFinished(int turn);
    // The timeline has come to a hit's record (the screen's breakdown keeps them).
    void hitPlayed(const HitExplanation& hit);
    // The result has been shown; the statistics and records follow.
    void resultShown();
    void battleFinished();

private:
    // TurnInput: what the command source may do.
    Battle& battleInPlay() override { return *battle_; }
    DisplayModel& display() override { return model_; }
    void playTurn(Command fighter0, Command fighter1) override;
    void confirmSound() override;
    void showHelp(const QString& text) override { setHelp(text); }
    void refresh() override { emit changed(); }
    void armClock() override;
    void replayDiverged(int turn) override;
    void showResult(int winner) override;

    void openInput();
    void play() { player_.play(); }
    bool control(const Step& step);
    void startDone();
    void turnDone();
    void beginResult(int winner);
    void finishRecords();
    void recordsDone();
    void showIdle();
    void message(const std::string& title, const std::string& text, DialogIcon icon = DialogIcon::Warning) const;
    // Shows what the roster refused; false, and the game ends, when the refusal ends it.
    bool survive(const std::optional<RosterRefusal>& refusal);
    void setHelp(const QString& text);
    bool checkStatistics() { return survive(roster_.tampered()); }
    void fightersChanged(int side);
    // The parts of start(): the mode's next opponent into fighter 1 (false when there is none
    // to be had: the start is called off), the command source, and the battle itself with its
    // generator and replay recording (the number of stages it chooses from).
    bool takeNextOpponent(std::string& announcement);
    void openCommandSource(const BattleSettings& battleSettings);
    int prepareBattle(const BattleSettings& battleSettings);
    int gameSpeed() const;

    std::unique_ptr<ModePolicy> policy_;
    SourceMaker sources_ = makeCommandSource;
    Roster roster_;
    std::unique_ptr<CommandSource> source_;
    bool idleClocked_ = false;  // whether the next battle's source is clocked
    fs::path programFolder_;
    int stageCount_;
    SessionHooks hooks_;
    BattleSettings settings_;

    std::optional<OpponentChoice> opponent_;  // the opponent the mode chose for this battle
    std::optional<EndOfBattle> end_;          // built once, when the result begins
    ReplayRecorder replayRecorder_;
    std::string battleMusic_;

    Rng sharedRng_;  // the generator of a battle from a shared seed
    Timeline timeline_;
    TimelineView view_{timeline_, {}};
    std::unique_ptr<Battle> battle_;
    DisplayModel model_;
    QtPlayerClock clock_;
    TimelinePlayer player_;

    bool busy_ = false;
    bool acceptInput_ = false;
    bool running_ = false;
    bool clockArmed_ = false;
    QTimer inputWait_;  // InputWAIT: 1000 ms between spectator turns
    int clockInterval_ = 1000;
    QTimer musicLoop_;
    QString help_;
    int turnsPlayed_ = 0;
};

}  // namespace vex::ui
