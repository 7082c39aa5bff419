#include "vexmora/ui/battle_model/timeline_player.h"

#include <algorithm>

namespace vex::ui {

TimelinePlayer::TimelinePlayer(Timeline& timeline, DisplayModel& model, PlayerClock& clock,
                               std::function<int()> gameSpeed)
    : timeline_(timeline), model_(model), clock_(clock), gameSpeed_(std::move(gameSpeed)) {}

void TimelinePlayer::play() {
    if (playing_) return;
    playing_ = true;
    deadline_ = clock_.now();
    run();
}

void TimelinePlayer::stop() {
    clock_.cancel();
    playing_ = false;
}

void TimelinePlayer::run() {
    const int speed = gameSpeed_ ? gameSpeed_() : 0;
    while (playing_ && !timeline_.empty()) {
        Step step = timeline_.pop();
        applyStep(model_, step, clock_.now(), speed);
        if (handler_ && handler_(step)) continue;
        const int wait = stepWaitMs(step, speed);
        if (wait > 0) {
            scheduledWaitMs_ += wait;
            if (step.ownWait) ownWaitMs_ += wait;
            deadline_ += wait;
            clock_.wakeAfter(std::max<int64_t>(0, deadline_ - clock_.now()), [this] { run(); });
            if (changed_) changed_();
            return;
        }
    }
    playing_ = false;
    if (changed_) changed_();
}

}  // namespace vex::ui
