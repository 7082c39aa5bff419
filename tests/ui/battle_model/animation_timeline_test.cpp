// The battle's events as timeline steps, and the display model that follows them: gauges run
// through their intermediate values, waits add up as the game speed says, the command list
// slides in 31 frames, and watching a battle never changes it.

#include <gtest/gtest.h>

#include <algorithm>

#include "vexmora/battle/battle.h"
#include "vexmora/data/rng.h"
#include "vexmora/ui/battle_model/animation_timeline.h"
#include "vexmora/ui/battle_model/display_model.h"

namespace vex::ui {
namespace {

std::vector<Step> stepsOf(const Timeline& t) { return {t.steps().begin(), t.steps().end()}; }

TEST(Timeline, RunsThatPlayTogetherStepSideBySide) {
    Timeline t;
    TimelineView view(t, {});
    view.gauge({Gauge::Sp, 0, 26, 8, -18, 20, 50, true});
    EXPECT_TRUE(t.empty());  // held for its partner
    view.gauge({Gauge::Emotion, 0, -26, -11, 15, 20, 50, false});
    const auto steps = stepsOf(t);
    ASSERT_EQ(steps.size(), 20u);
    std::vector<std::vector<GaugeValue>> values;
    for (const Step& s : steps) {
        ASSERT_TRUE(s.is<step::GaugeValues>());
        EXPECT_EQ(s.waitMs, 50);
        values.push_back(s.as<step::GaugeValues>()->gauges);
        ASSERT_EQ(values.back().size(), 2u);
    }
    EXPECT_EQ(values[0][0].value, 25);   // Int(26 - 18/20)
    EXPECT_EQ(values[0][1].value, -26);  // Int(-25.25)
    EXPECT_EQ(values[9][0].value, 17);
    EXPECT_EQ(values[19][0].value, 8);
    EXPECT_EQ(values[19][1].value, -11);
    EXPECT_EQ(t.totalWaitMs(0), 1000);

    // A run waiting for its partner plays as soon as something else happens.
    Timeline u;
    TimelineView other(u, {});
    other.gauge({Gauge::Sp, 1, 10, 20, 10, 10, 50, true});
    other.sound(3);
    ASSERT_EQ(u.size(), 11u);
    EXPECT_TRUE(u.steps().back().is<step::Sound>());
}

TEST(Timeline, ARunWithoutWaitsGlidesOnTheDisplayClock) {
    Timeline t;
    TimelineView view(t, {});
    view.gauge({Gauge::Hp, 1, 1000, 880, -120, 40, 0, false});
    ASSERT_EQ(t.size(), 1u);
    EXPECT_TRUE(t.steps().front().is<step::GaugeGlide>());
    EXPECT_EQ(t.totalWaitMs(0), 0);  // the timeline goes on at once

    DisplayModel m;
    applyStep(m, t.steps().front(), 1000, 0);
    EXPECT_EQ(m.shown(1, Gauge::Hp, 1000), 997);  // step 1
    EXPECT_EQ(m.shown(1, Gauge::Hp, 1000 + 195), 940);
    EXPECT_EQ(m.shown(1, Gauge::Hp, 1000 + 400), 880);
    EXPECT_TRUE(m.animatingAt(1100));
    EXPECT_FALSE(m.animatingAt(1400));
    // A later step sets the gauge outright.
    applyStep(m, Step{step::GaugeValues{{{Gauge::Hp, 1, 500}}}}, 1010, 0);
    EXPECT_EQ(m.shown(1, Gauge::Hp, 1020), 500);
}

TEST(Timeline, WaitsFollowTheGameSpeedAndPlainWaitsDoNot) {
    Timeline t;
    TimelineView view(t, {});
    view.pause(500, Wait::Scaled);
    view.pause(300, Wait::Plain);
    EXPECT_EQ(t.totalWaitMs(0), 800);
    EXPECT_EQ(t.totalWaitMs(2), 350 + 300);
    EXPECT_EQ(t.totalWaitMs(7), 300);  // a negative scaled length waits not at all
    EXPECT_EQ(t.totalWaitMs(-1), 575 + 300);
}

TEST(Timeline, TheCommandListSlidesInThirtyOneFrames) {
    Timeline offer;
    TimelineView(offer, {}).commandList(CommandListMode::Offer);
    const auto frames = slidePositions(SlideMode::Offer);
    ASSERT_EQ(offer.size(), 31u);
    for (size_t i = 0; i < 31; ++i) {
        ASSERT_TRUE(offer.steps()[i].is<step::CommandRows>());
        EXPECT_EQ(offer.steps()[i].as<step::CommandRows>()->x, frames[i]);
        EXPECT_EQ(offer.steps()[i].waitMs, 50);
    }

    Timeline taken;
    TimelineView(taken, {}).commandList(CommandListMode::Taken);
    ASSERT_EQ(taken.size(), 32u);
    EXPECT_TRUE(taken.steps().back().is<step::CommandRowsHidden>());

    Timeline twoPlayers;
    TimelineView(twoPlayers, {true, true}).commandList(CommandListMode::Offer);
    ASSERT_EQ(twoPlayers.size(), 1u);
    EXPECT_TRUE(twoPlayers.steps().front().is<step::TwoPlayerRows>());

    Timeline still;
    TimelineView(still, {false, false}).commandList(CommandListMode::Offer);
    ASSERT_EQ(still.size(), 1u);
    ASSERT_TRUE(still.steps().front().is<step::CommandRows>());
    EXPECT_EQ(still.steps().front().as<step::CommandRows>()->x, frames.back());
    EXPECT_EQ(still.totalWaitMs(0), 0);
}

TEST(Timeline, AHitShakesTheFighterAwayFromItsOpponentAndShowsTheImpact) {
    Timeline t;
    TimelineView view(t, {});
    view.motion(1, Motion::Hit);
    const auto steps = stepsOf(t);
    ASSERT_GE(steps.size(), 2u);
    const auto* effect = steps[0].as<step::Effect>();
    ASSERT_TRUE(effect);
    EXPECT_EQ(effect->cell, kCellImpact);
    EXPECT_LT(effect->dx, 0);  // toward side 0, on the left
    ASSERT_TRUE(steps[1].is<step::MotionOffset>());
    EXPECT_GT(steps[1].as<step::MotionOffset>()->dx, 0);  // side 1 is knocked to the right
    ASSERT_TRUE(steps.back().is<step::MotionOffset>());
    EXPECT_EQ(steps.back().as<step::MotionOffset>()->dx, 0);
    EXPECT_EQ(steps.back().as<step::MotionOffset>()->dy, 0);

    Timeline still;
    TimelineView(still, {false, false}).motion(0, Motion::Hit);
    ASSERT_EQ(still.size(), 1u);  // without animation only the effect shows
}

TEST(DisplayModel, CaptionsFloatAndFadeAndStackWhenTheyComeTogether) {
    DisplayModel m;
    const Step caption{step::Caption{0, "MISS!", {}, TextKind::Caption}};
    applyStep(m, caption, 0, 0);
    applyStep(m, caption, 50, 0);
    ASSERT_EQ(m.side[0].captions.size(), 2u);
    EXPECT_EQ(m.side[0].captions[1].lane, 1);
    m.expire(kCaptionMs + 10);
    EXPECT_EQ(m.side[0].captions.size(), 1u);
    m.expire(kCaptionMs + 60);
    EXPECT_TRUE(m.side[0].captions.empty());
    // At a game speed that leaves no time for it, a caption does not stay at all.
    applyStep(m, caption, 0, 7);
    EXPECT_TRUE(m.side[0].captions.empty());
}

MonsterRecord fighterRecord(const char* name) {
    MonsterRecord r = newMonster(name, 400, 300, 300, 0);
    r.techId = {0, 0, 0, 99, 99};
    r.techName = {"通常攻撃", "通常攻撃", "通常攻撃", "", ""};
    return r;
}

// Plays every step of the timeline on a display clock that advances by each wait.
int64_t playAll(Timeline& t, DisplayModel& m, int64_t now) {
    while (!t.empty()) {
        const Step s = t.pop();
        applyStep(m, s, now, 0);
        now += stepWaitMs(s, 0);
    }
    return now + 10000;  // long after every glide
}

TEST(Timeline, TheDisplayEndsEachTurnWhereTheBattleStands) {
    BattleSettings settings;
    settings.battleMode = kModeTwoPlayers;
    Rng rng;
    Timeline t;
    TimelineView view(t, {true, true});
    Battle battle(settings, fighterRecord("ひだり"), fighterRecord("みぎ"), rng, view);
    view.watch(&battle);
    seedBattleGenerator(rng, 1234);
    battle.startBattle(18);
    DisplayModel m;
    int64_t now = playAll(t, m, 0);
    EXPECT_EQ(m.side[0].facts.name, "ひだり");
    EXPECT_EQ(m.side[1].facts.rows[0].name, "通常攻撃");
    EXPECT_TRUE(m.commands.shown);

    bool sawGlide = false;
    for (int turn = 0; turn < 8 && !battle.state().ended; ++turn) {
        battle.runTurn(Command::fromSlot(battle.fighter(0).record, 0), Command::fromSlot(battle.fighter(1).record, 0));
        for (const Step& s : t.steps())
            if (const auto* glide = s.as<step::GaugeGlide>()) sawGlide |= glide->run.gauge == Gauge::Hp;
        now = playAll(t, m, now);
        for (int side = 0; side < 2; ++side) {
            const FighterState& f = battle.fighter(side);
            EXPECT_EQ(m.shown(side, Gauge::Hp, now), f.hp) << "turn " << turn << " side " << side;
            EXPECT_EQ(m.shown(side, Gauge::Sp, now), f.sp);
            EXPECT_EQ(m.shown(side, Gauge::Emotion, now), f.emotion);
        }
        EXPECT_EQ(m.turn, battle.state().turnCount);
        EXPECT_EQ(m.drawCounter, battle.state().drawCounter);
    }
    EXPECT_TRUE(sawGlide);  // the attacks cost HP, and the HP ran
}

TEST(Timeline, WatchingABattleNeverChangesIt) {
    BattleSettings settings;
    settings.battleMode = kModeTwoPlayers;
    auto play = [&](BattleView& view, TimelineView* timeline) {
        Rng rng;
        Battle battle(settings, fighterRecord("A"), fighterRecord("B"), rng, view);
        if (timeline) timeline->watch(&battle);
        seedBattleGenerator(rng, 99);
        battle.startBattle(18);
        for (int turn = 0; turn < 30 && !battle.state().ended; ++turn)
            battle.runTurn(Command::fromSlot(battle.fighter(0).record, 0), Command::fromSlot(battle.fighter(1).record, 1));
        return std::tuple(battle.state().turnCount, battle.state().drawCounter, battle.fighter(0).hp, battle.fighter(1).hp,
                          rng.state());
    };
    NullView null;
    Timeline t;
    TimelineView timeline(t, {true, true});
    EXPECT_EQ(play(null, nullptr), play(timeline, &timeline));
    EXPECT_FALSE(t.empty());
}

}  // namespace
}  // namespace vex::ui
