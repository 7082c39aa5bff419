#pragma once
// One step of the battle screen's animation timeline: a change of what the screen shows, and
// the wait that follows it. The battle's events become steps (animation_timeline.h), the
// display model applies them one by one (display_model.h), and the battle session plays them
// with timer-driven waits.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "vexmora/battle/battle_event.h"
#include "vexmora/battle/battle_state.h"
#include "vexmora/battle/battle_view.h"
#include "vexmora/ui/battle_model/command_rows.h"

namespace vex::ui {

// What the screen knows of one command row of a fighter.
struct SlotFacts {
    std::string name;     // the row's text
    int techId = 99;
    int category = 1;     // a category-4 technique (a passive ability) is not drawn
    int element = 0;
    bool usable = false;
    RowInfo info;         // for the help line
    bool operator==(const SlotFacts&) const = default;
};

// What the screen knows of a fighter besides its gauges, read whenever the battle redraws.
struct SideFacts {
    bool present = false;  // a monster stands on this side
    std::string name;
    int hp = 0, maxHp = 0, sp = 0, emotion = 0;  // used only when the whole side is synchronised
    std::array<int16_t, kStatusCount> statusTurns{};
    int abilityMark = 0;
    int offsetY = 0;
    bool cloaked = false;
    std::array<SlotFacts, kCommandRows> rows{};
    bool operator==(const SideFacts&) const = default;
};

struct BattleFacts {
    std::array<SideFacts, 2> side{};
    int stage = 99;
    int turn = 0;
    int drawCounter = 0;
    bool operator==(const BattleFacts&) const = default;
};

struct GaugeValue {
    Gauge gauge = Gauge::Hp;
    int fighter = 0;
    int value = 0;
    bool operator==(const GaugeValue&) const = default;
};

// What a step changes, one struct per kind. The display model applies a step by visiting it;
// the session acts on the control steps. What the engine tells in a form the screen can show
// as it is goes into the timeline as the engine's own event value.
namespace step {

using Caption = event::Caption;        // a text floating up over the fighter
using GaugeGlide = event::GaugeMove;   // a run on the display clock that does not hold the timeline
using Sound = event::Sound;
using Picture = event::PictureChange;  // a lasting change of the fighter's picture
using Announce = event::Announce;      // the technique's name as the fighter's battle message
using Banner = event::Banner;          // "TURN 2" and the like
using TimeUp = event::TimeUp;          // "TIMEUP!"
using Hit = event::Hit;                // why a hit came out as it did: shows nothing, the breakdown reads it

// Both fighters as the facts say, gauges included; clears motions, fades and texts.
struct Sync {
    std::shared_ptr<const BattleFacts> facts;
};
// Statuses, markers and command rows as the facts say; the gauges keep running.
struct Facts {
    std::shared_ptr<const BattleFacts> facts;
};
// The stage whose picture shows.
struct Stage {
    int stage = 0;
};
// The values shown by one step of one or more gauge runs.
struct GaugeValues {
    std::vector<GaugeValue> gauges;
};
// The picture's place during a motion.
struct MotionOffset {
    int fighter = 0;
    int dx = 0;
    int dy = 0;
};
// A cell of the effect strip over the fighter.
struct Effect {
    int fighter = 0;
    int cell = 0;
    int dx = 0;
    int dy = 0;
    int durationMs = 0;  // at game speed 0
};
// The whole frame flashes.
struct Flash {
    int fighter = 0;
};
// Only the wait.
struct Pause {};
// The x of each of fighter 0's rows (shown from now on).
struct CommandRows {
    RowPositions x{};
};
struct CommandRowsHidden {};
// Both players' lists stand still for the keys.
struct TwoPlayerRows {};
enum class Bubble { Said = 0, Shouted = 1, Thought = 2 };
struct Speech {
    int fighter = 0;
    std::string text;
    Bubble bubble = Bubble::Said;
    int delayMs = 0;     // two bubbles do not fit side by side: one may wait for the other
    int durationMs = 0;  // 0: until the next battle starts
};
// The level at which the monster fades into the stage.
struct Blend {
    int fighter = 0;
    int level = 0;
};
// The result's label and name sliding in, frame 1-6.
struct ResultText {
    std::string label;
    std::string name;
    Rgb colour{};
    int frame = 1;
};
// A message over the middle of the frame.
struct Message {
    std::string text;
    int durationMs = 0;
};

// For the session: where the battle stands.
struct StartDone {};
struct TurnEnded {};
struct BattleEnded {
    int winner = 0;
    EndReason reason{};
};
struct ResultMusic {
    std::string path;
};
struct ResultShown {
    int winner = 0;
};
struct RecordsDone {};

}  // namespace step

using StepAction =
    std::variant<step::Pause, step::Sync, step::Facts, step::Stage, step::Caption, step::GaugeValues, step::GaugeGlide,
                 step::Sound, step::MotionOffset, step::Effect, step::Picture, step::Announce, step::Banner,
                 step::TimeUp, step::Flash, step::CommandRows, step::CommandRowsHidden, step::TwoPlayerRows,
                 step::Speech, step::Blend, step::ResultText, step::Message, step::StartDone, step::TurnEnded,
                 step::BattleEnded, step::ResultMusic, step::ResultShown, step::RecordsDone, step::Hit>;

struct Step {
    StepAction action;
    int waitMs = 0;       // the wait after the step
    Wait wait = Wait::Scaled;
    bool ownWait = false; // a wait the screen adds itself (a motion's steps), not one the battle asked for

    template <class Kind>
    const Kind* as() const {
        return std::get_if<Kind>(&action);
    }
    template <class Kind>
    bool is() const {
        return std::holds_alternative<Kind>(action);
    }
};

// A step that only waits.
inline Step pauseStep(int ms, Wait wait) { return Step{step::Pause{}, ms, wait}; }

}  // namespace vex::ui
