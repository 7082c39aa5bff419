// The timeline player on a clock the test moves: waits at the game speed against a running
// deadline, control steps that move on without waiting or hold the player, and a stop that
// forgets the pending wait.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "vexmora/ui/battle_model/timeline_player.h"

namespace vex::ui {
namespace {

class FakeClock final : public PlayerClock {
public:
    int64_t now() const override { return now_; }
    void wakeAfter(int64_t ms, std::function<void()> wake) override {
        asked.push_back(ms);
        due_ = now_ + ms;
        wake_ = std::move(wake);
    }
    void cancel() override { due_.reset(); }
    // Moves the time on, then delivers the wake-up that is due — as late as a busy program
    // would, at the end of the move.
    void advance(int64_t ms) {
        now_ += ms;
        while (due_ && *due_ <= now_) {
            due_.reset();
            wake_();
        }
    }
    bool waiting() const { return due_.has_value(); }
    std::vector<int64_t> asked;

private:
    int64_t now_ = 1000;
    std::optional<int64_t> due_;
    std::function<void()> wake_;
};

struct Rig {
    Timeline timeline;
    DisplayModel model;
    FakeClock clock;
    int speed = 0;
    TimelinePlayer player{timeline, model, clock, [this] { return speed; }};
    std::vector<int> blends;  // the blend steps as the handler saw them
    int changed = 0;
    Rig() {
        player.onStep([this](const Step& s) {
            if (const auto* b = s.as<step::Blend>()) blends.push_back(b->level);
            return false;
        });
        player.onChanged([this] { ++changed; });
    }
};

TEST(TimelinePlayer, WaitsRunAgainstADeadlineSoALateWakeIsNotAddedToTheNext) {
    Rig r;
    r.timeline.push({step::Blend{1, 50}, 100, Wait::Plain});
    r.timeline.push({step::Blend{1, 100}});  // no wait: plays with the one before
    r.timeline.push({step::Blend{1, 150}, 100, Wait::Plain});
    r.timeline.push({step::Blend{1, 200}});
    r.player.play();
    EXPECT_TRUE(r.player.playing());
    EXPECT_EQ(r.model.side[1].blendLevel, 50);  // applied before the wait
    EXPECT_EQ(r.clock.asked, (std::vector<int64_t>{100}));

    r.clock.advance(99);
    EXPECT_EQ(r.model.side[1].blendLevel, 50);  // still waiting
    r.clock.advance(31);                         // woken 30 ms late
    EXPECT_EQ(r.model.side[1].blendLevel, 150);
    EXPECT_EQ(r.clock.asked.back(), 70);  // the second wait ends where the deadline says
    r.clock.advance(70);
    EXPECT_EQ(r.model.side[1].blendLevel, 200);
    EXPECT_FALSE(r.player.playing());
    EXPECT_FALSE(r.clock.waiting());
    EXPECT_EQ(r.blends, (std::vector<int>{50, 100, 150, 200}));
    EXPECT_EQ(r.player.scheduledWaitMs(), 200);
    EXPECT_GE(r.changed, 3);  // at each wait and at the end
}

TEST(TimelinePlayer, ScaledWaitsFollowTheGameSpeedAndOwnWaitsAreCounted) {
    for (int speed : {0, 3, -2}) {
        Rig r;
        r.speed = speed;
        r.timeline.push(pauseStep(500, Wait::Scaled));
        Step motion = pauseStep(30, Wait::Scaled);
        motion.ownWait = true;
        r.timeline.push(motion);
        r.timeline.push(pauseStep(3500, Wait::Plain));
        const int64_t expected = r.timeline.totalWaitMs(speed);
        r.player.play();
        r.clock.advance(100000);
        EXPECT_FALSE(r.player.playing());
        EXPECT_EQ(r.player.scheduledWaitMs(), expected) << "speed " << speed;
        EXPECT_EQ(r.player.ownWaitMs(), stepWaitMs(motion, speed)) << "speed " << speed;
        EXPECT_EQ(r.clock.now(), 1000 + 100000);
    }
}

TEST(TimelinePlayer, ControlStepsDoNotWaitAndMayHoldThePlayer) {
    Rig r;
    bool holdAtResult = true;
    std::vector<std::string> seen;
    r.player.onStep([&](const Step& s) {
        if (s.is<step::TurnEnded>()) {
            seen.push_back("turn");
            return true;
        }
        if (s.is<step::BattleEnded>()) {
            seen.push_back("ended");
            if (holdAtResult) r.player.hold();
            return true;
        }
        seen.push_back("other");
        return false;
    });
    Step turnEnded{step::TurnEnded{}, 1000, Wait::Plain};  // a control step's wait is not waited
    r.timeline.push(turnEnded);
    r.timeline.push({step::BattleEnded{1, {}}});
    r.timeline.push({step::Blend{0, 250}});
    r.player.play();
    EXPECT_TRUE(r.clock.asked.empty());
    EXPECT_FALSE(r.player.playing());  // held at the end of the battle
    EXPECT_EQ(seen, (std::vector<std::string>{"turn", "ended"}));
    EXPECT_EQ(r.timeline.size(), 1u);  // the rest waits for play()

    holdAtResult = false;
    r.player.play();
    EXPECT_EQ(seen.back(), "other");
    EXPECT_TRUE(r.timeline.empty());
    EXPECT_FALSE(r.player.playing());
}

TEST(TimelinePlayer, StopForgetsThePendingWaitAndPlayGoesOnFromTheNextStep) {
    Rig r;
    r.timeline.push({step::Blend{0, 10}, 200, Wait::Plain});
    r.timeline.push({step::Blend{0, 20}, 200, Wait::Plain});
    r.player.play();
    r.player.play();  // already playing: nothing more
    EXPECT_EQ(r.clock.asked.size(), 1u);
    r.player.stop();
    EXPECT_FALSE(r.player.playing());
    r.clock.advance(1000);
    EXPECT_EQ(r.model.side[0].blendLevel, 10);  // the stopped wait woke nothing

    r.player.play();  // a fresh deadline from now
    EXPECT_EQ(r.model.side[0].blendLevel, 20);
    EXPECT_EQ(r.clock.asked.back(), 200);
    r.clock.advance(200);
    EXPECT_FALSE(r.player.playing());
}

}  // namespace
}  // namespace vex::ui
