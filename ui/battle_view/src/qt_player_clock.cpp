#include "vexmora/ui/battle_view/qt_player_clock.h"

#include <algorithm>
#include <limits>

namespace vex::ui {

QtPlayerClock::QtPlayerClock() {
    elapsed_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (wake_) wake_();
    });
}

void QtPlayerClock::wakeAfter(int64_t ms, std::function<void()> wake) {
    wake_ = std::move(wake);
    timer_.start(static_cast<int>(std::clamp<int64_t>(ms, 0, std::numeric_limits<int>::max())));
}

}  // namespace vex::ui
