#pragma once
// One step of the battle screen's animation timeline: a change of what the screen shows, and
// the wait that follows it. The battle's events become steps (animation_timeline.h), the
// display model applies them one by one (display_model.h), and the battle session plays them
// with timer-driven waits.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "vexmora/battle/battle_state.h"
#include "vexmora/battle/battle_view.h"
#include "vexmora/ui/command_rows.h"

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

enum class StepKind {
    Sync,          // both fighters as the facts say, gauges included; clears motions, fades and texts
    Facts,         // statuses, markers and command rows as the facts say; the gauges keep running
    Stage,         // value: the stage whose picture shows
    Caption,       // fighter, text, colour, textKind: a text floating up over the fighter
    GaugeValues,   // gauges: the values shown by one step of one or more gauge runs
    GaugeGlide,    // run: a gauge that runs without holding the timeline (runs without waits)
    Sound,         // value: effect number
    MotionOffset,  // fighter, value = dx, value2 = dy: the picture's place during a motion
    Effect,        // fighter, value = cell of the effect strip, value2 = dx, value3 = dy, duration
    Picture,       // fighter, value = PictureProperty, value2 = its value
    Announce,      // fighter, text: the technique's name as the fighter's battle message
    Banner,        // text: "TURN 2" and the like
    TimeUp,        // "TIMEUP!"
    Flash,         // the whole frame flashes
    Pause,         // only the wait
    CommandRows,   // rows: the x of each of fighter 0's rows (shown from now on)
    CommandRowsHidden,
    TwoPlayerRows, // both players' lists stand still for the keys
    Speech,        // fighter, text, value = bubble (0 said, 1 shouted, 2 thought), value3 = delay,
                   // duration (0: until the next battle starts)
    Blend,         // fighter, value: the level at which the monster fades into the stage
    ResultText,    // text = label, text2 = name, colour, value = frame 1-6
    Message,       // text, duration: a message over the middle of the frame
    Control,       // value: a ControlId for the session
};

enum class ControlId { StartDone, TurnEnded, BattleEnded, ResultMusic, ResultShown, RecordsDone };

struct GaugeValue {
    Gauge gauge = Gauge::Hp;
    int fighter = 0;
    int value = 0;
    bool operator==(const GaugeValue&) const = default;
};

struct Step {
    StepKind kind = StepKind::Pause;
    int fighter = -1;
    int value = 0;
    int value2 = 0;
    int value3 = 0;
    int durationMs = 0;   // how long a text or effect stays, at game speed 0
    std::string text;
    std::string text2;
    Rgb colour{};
    TextKind textKind = TextKind::Caption;
    std::vector<GaugeValue> gauges;
    GaugeRun run{};
    RowPositions rows{};
    std::shared_ptr<const BattleFacts> facts;
    int waitMs = 0;       // the wait after the step
    Wait wait = Wait::Scaled;
    bool ownWait = false; // a wait the screen adds itself (a motion's steps), not one the battle asked for
};

}  // namespace vex::ui
