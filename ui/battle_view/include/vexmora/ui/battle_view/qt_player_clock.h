#pragma once
// The timeline player's clock on the battle screen: an elapsed timer and one precise
// single-shot Qt timer.

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

#include "vexmora/ui/battle_model/timeline_player.h"

namespace vex::ui {

class QtPlayerClock final : public PlayerClock {
public:
    QtPlayerClock();
    int64_t now() const override { return elapsed_.elapsed(); }
    void wakeAfter(int64_t ms, std::function<void()> wake) override;
    void cancel() override { timer_.stop(); }

private:
    QElapsedTimer elapsed_;
    QTimer timer_;
    std::function<void()> wake_;
};

}  // namespace vex::ui
