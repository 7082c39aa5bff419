#pragma once
// The battle's events as an animation timeline.
//
// The engine plays a whole turn at once and reports what a player would see and hear to its
// BattleView. TimelineView is that view for the battle screen: it turns each event into
// steps of a Timeline for the display model, with the waits the event asks for (pauses, the
// steps of a gauge run, the frames of the command list) and the short motions the screen
// plays for hits, dodges and the like. It reads the battle's state when the battle redraws,
// to show statuses and command rows as they are at that moment, and never changes the battle.

#include <deque>
#include <memory>
#include <vector>

#include "vexmora/battle/battle.h"
#include "vexmora/ui/battle_model/timeline_step.h"

namespace vex::ui {

class Timeline {
public:
    void push(Step step) { steps_.push_back(std::move(step)); }
    bool empty() const { return steps_.empty(); }
    size_t size() const { return steps_.size(); }
    Step pop() {
        Step s = std::move(steps_.front());
        steps_.pop_front();
        return s;
    }
    const std::deque<Step>& steps() const { return steps_; }
    void clear() { steps_.clear(); }

    // The sum of the waits of all steps at a game speed (negative scaled lengths count as 0).
    int64_t totalWaitMs(int gameSpeed) const;

private:
    std::deque<Step> steps_;
};

// The wait a step asks for at a game speed, in ms (0 for none).
int stepWaitMs(const Step& step, int gameSpeed);

// One step of a motion's path: where the picture stands, and the wait after it.
struct MotionStep {
    int dx = 0;
    int dy = 0;
    int ms = 0;
};
// The path of a motion for a fighter; dx is positive away from the opponent (outward). The
// last step brings the picture back to its place, except that a fleeing fighter stays away.
std::vector<MotionStep> motionPath(Motion kind);

// The facts of both fighters of a battle, as the status windows and the command list show
// them; `twoPlayers` decides whether side 1's rows count as a list too.
BattleFacts factsOf(const Battle& battle);
// The facts of one side from a monster that has not entered a battle yet.
SideFacts factsOfRecord(const MonsterRecord& record, int hp, int sp);

struct TimelineOptions {
    bool twoPlayers = false;     // both lists stand still, the keys choose
    bool animationOn = true;     // アニメーション: the motions and the sliding list
};

class TimelineView final : public BattleView {
public:
    TimelineView(Timeline& timeline, TimelineOptions options) : timeline_(timeline), options_(options) {}

    // The battle whose state the view reads when the screen is redrawn.
    void watch(const Battle* battle) {
        battle_ = battle;
        lastFacts_.reset();
    }
    void setOptions(TimelineOptions options) { options_ = options; }

    // Appends the steps of one event; the gauge runs that play together are held until the
    // last of them arrives, and anything else that comes first lets them play.
    void onEvent(const BattleEvent& event) override;
    // The hits' records go into the timeline with the rest, for the screen's breakdown.
    bool wantsHitRecords() const override { return true; }

    // Lets the held gauge runs play.
    void flush();

private:
    void push(Step step);
    void effect(int fighter, int cell, int dx, int dy);
    void caption(const event::Caption& caption);
    void gauge(const GaugeRun& run);
    void motion(int fighter, Motion kind);
    void elementFlash(int fighter, int element);
    void redraw(RedrawTarget what);
    void commandList(CommandListMode mode);
    void turnEnded(const TurnRecord& turn);

    Timeline& timeline_;
    TimelineOptions options_;
    const Battle* battle_ = nullptr;
    std::vector<GaugeRun> pendingRuns_;
    std::shared_ptr<const BattleFacts> lastFacts_;
};

// The cells of the effect strip.
enum EffectCell : int {
    kCellSlash = 0, kCellImpact = 1, kCellExplosion = 2, kCellFlames = 3, kCellWater = 4, kCellLightning = 5,
    kCellRock = 6, kCellHoly = 7, kCellDark = 8, kCellHeal = 9, kCellBarrier = 10, kCellPoison = 11,
    kCellArrowsUp = 12, kCellArrowsDown = 13, kCellGunfire = 14, kCellStars = 15,
};

}  // namespace vex::ui
