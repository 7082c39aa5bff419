#pragma once
// The timeline player: runs the battle screen's steps into the display model, waiting after
// each step as long as it asks at the game speed. The waits run against a deadline that moves
// on by each wait, so that the time the program spends between steps (or a late wake-up) is
// not added to every wait. The clock is injected: the battle screen's runs on Qt timers
// (qt_player_clock.h), a test's moves only when the test says so.
//
// What a step means beyond the display (a sound, the end of a turn, the result) is the
// caller's: the player hands every step to its handler after the model applied it, and a step
// the handler takes as a control step does not wait.

#include <cstdint>
#include <functional>

#include "vexmora/ui/battle_model/animation_timeline.h"
#include "vexmora/ui/battle_model/display_model.h"

namespace vex::ui {

// The time the player waits on.
class PlayerClock {
public:
    virtual ~PlayerClock() = default;
    // Milliseconds since some fixed start.
    virtual int64_t now() const = 0;
    // Calls the wake-up once `ms` from now; a later call replaces an earlier one.
    virtual void wakeAfter(int64_t ms, std::function<void()> wake) = 0;
    // Forgets the pending wake-up.
    virtual void cancel() = 0;
};

class TimelinePlayer {
public:
    // Called for each step once the model applied it; true when the step was a control step
    // (it moves the session on and asks for no wait).
    using StepHandler = std::function<bool(const Step&)>;

    TimelinePlayer(Timeline& timeline, DisplayModel& model, PlayerClock& clock, std::function<int()> gameSpeed);

    void onStep(StepHandler handler) { handler_ = std::move(handler); }
    // Called whenever the model changed and the player stops: at each wait and at the end.
    void onChanged(std::function<void()> changed) { changed_ = std::move(changed); }

    // Plays the timeline until it is empty; nothing while it already plays.
    void play();
    // Stops where it is: the pending wait is forgotten, the rest of the timeline stays.
    void stop();
    // A control step holds the player: it stops without a wait, and play() goes on later.
    void hold() { playing_ = false; }
    bool playing() const { return playing_; }
    int64_t now() const { return clock_.now(); }

    // The waits scheduled so far (what the player waited, plus any the session adds for its
    // spectator clock), and of those the screen's own motions'.
    int64_t scheduledWaitMs() const { return scheduledWaitMs_; }
    int64_t ownWaitMs() const { return ownWaitMs_; }
    void addScheduledWait(int64_t ms) { scheduledWaitMs_ += ms; }

private:
    void run();

    Timeline& timeline_;
    DisplayModel& model_;
    PlayerClock& clock_;
    std::function<int()> gameSpeed_;
    StepHandler handler_;
    std::function<void()> changed_;
    bool playing_ = false;
    int64_t deadline_ = 0;
    int64_t scheduledWaitMs_ = 0;
    int64_t ownWaitMs_ = 0;
};

}  // namespace vex::ui
