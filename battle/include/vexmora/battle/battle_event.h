#pragma once
// BattleEvent: one visible step of a battle, as a value.
//
// The engine computes a whole turn at once and hands each step a player would see or hear to
// its BattleView (battle_view.h) as one of these, in the order it happens. The battle log
// writes them (battle_log.h), the battle screen turns them into animation steps; both visit
// the variant, so a new kind of event is a new struct here and one case in each visitor.
//
// The events, and what their values mean:
//   Caption        a text floating over a fighter. `kind` tells captions from the HP and SP
//                  numbers, which the screen draws in its own font. A caption that moves the
//                  emotion gauge is followed by a gauge run of the emotion.
//   GaugeMove      a gauge (HP, SP or emotion) of a fighter runs from `from` to `to` in
//                  `steps` steps, `msPerStep` (scaled) apart. Step i shows
//                  Int(from + delta / steps * i), held within the gauge's range; the last step
//                  shows `to`. `withNext` marks a run that plays together with the next one.
//   Sound          effect sound n (0-43).
//   MotionShown    a short picture motion of a fighter.
//   PictureChange  a lasting change of a fighter's picture: its height offset, its sinking
//                  into the ground, its fade, its size (the record's picture size; the picture
//                  is rebuilt at it).
//   Announce       the technique announcement: a battle message for a fighter.
//   ElementFlash   the flash of a technique's element after its use.
//   Banner         the turn banner ("TURN 2", "LAST 3", "LAST TURN").
//   TimeUp         "TIMEUP!" over the middle of the battle picture.
//   Pause          a pause; Scaled pauses shorten with the game speed option.
//   Redraw         the screen, the status windows, or the stage picture.
//   CommandList    fighter 0's command list is offered or taken away.
//   Speech         a fighter says its battle line.
//   Hit            why a hit came out as it did (hit_explanation.h), when its hit is done;
//                  only to a view that asks for them (BattleView::wantsHitRecords).
//   Turn           the turn is over (also the last turn of a battle).
//   End            a fighter won; the results take over from here.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "vexmora/battle/battle_state.h"
#include "vexmora/battle/hit_explanation.h"

namespace vex {

struct Rgb {
    uint8_t r = 255, g = 255, b = 255;
    bool operator==(const Rgb&) const = default;
};

enum class TextKind { Caption, HpNumber, SpNumber };
enum class Gauge { Hp, Sp, Emotion };
enum class Motion { Hit, StrongHit, Dodge, Taunt, KnockBack, Shift, Fall, SelfStrike, ScreenFlash, Flee };
enum class PictureProperty { OffsetY, SinkPercent, Fade, Size };
enum class Wait { Scaled, Plain };
enum class RedrawTarget { Screen, StatusWindows, Stage };
enum class CommandListMode { Offer, Taken };

struct GaugeRun {
    Gauge gauge = Gauge::Hp;
    int fighter = 0;
    int from = 0;
    int to = 0;
    double delta = 0;   // the change the steps are spread over, before the range limits
    int steps = 1;
    int msPerStep = 0;
    bool withNext = false;
};

// The summary of a turn, taken when it ends.
struct TurnRecord {
    int turn = 0;
    int firstSide = 0;
    int stage = 0;
    int drawCounter = 0;
    uint64_t hash = 0;                  // Battle::stateHash() after the turn, when the view asked
    std::array<Command, 2> commands{};  // as carried out (after confusion, failures, copies)
    std::array<Command, 2> input{};     // as given to the turn
    std::array<int, 2> hp{}, sp{}, emotion{};
    std::array<std::array<int16_t, kStatusCount>, 2> statusTurns{};
    std::array<ActionOutcome, 2> actions{};  // what each side's action came to
};

TurnRecord turnRecordOf(const BattleState& state);

namespace event {

struct Caption {
    int fighter = 0;
    std::string text;
    Rgb colour{};
    TextKind kind = TextKind::Caption;
};
struct GaugeMove {
    GaugeRun run{};
};
struct Sound {
    int number = 0;
};
struct MotionShown {
    int fighter = 0;
    Motion kind = Motion::Hit;
};
struct PictureChange {
    int fighter = 0;
    PictureProperty property = PictureProperty::OffsetY;
    int value = 0;
};
struct Announce {
    int fighter = 0;
    std::string text;
};
struct ElementFlash {
    int fighter = 0;
    int element = 0;
};
struct Banner {
    std::string text;
};
struct TimeUp {};
struct Pause {
    int ms = 0;
    Wait wait = Wait::Scaled;
};
struct Redraw {
    RedrawTarget what = RedrawTarget::Screen;
};
struct CommandList {
    CommandListMode mode = CommandListMode::Offer;
};
struct Speech {
    int fighter = 0;
    std::string text;
};
struct Hit {
    std::shared_ptr<const HitExplanation> record;  // never null
};
struct Turn {
    TurnRecord record;
};
struct End {
    int winner = 0;
    EndReason reason{};
};

}  // namespace event

struct BattleEvent {
    using Variant = std::variant<event::Caption, event::GaugeMove, event::Sound, event::MotionShown,
                                 event::PictureChange, event::Announce, event::ElementFlash, event::Banner,
                                 event::TimeUp, event::Pause, event::Redraw, event::CommandList, event::Speech,
                                 event::Hit, event::Turn, event::End>;
    Variant what;

    BattleEvent() = default;
    // Any one event is a BattleEvent: `view.onEvent(event::Sound{27})`.
    template <class Kind>
        requires std::is_constructible_v<Variant, Kind&&> &&
                 (!std::is_same_v<std::remove_cvref_t<Kind>, BattleEvent>)
    BattleEvent(Kind&& kind) : what(std::forward<Kind>(kind)) {}

    template <class Kind>
    const Kind* as() const {
        return std::get_if<Kind>(&what);
    }
    template <class Kind>
    bool is() const {
        return std::holds_alternative<Kind>(what);
    }
};

// A visitor made of lambdas, one per kind of event: std::visit(Overloaded{...}, event.what).
template <class... Cases>
struct Overloaded : Cases... {
    using Cases::operator()...;
};

std::string_view motionName(Motion kind);
std::string_view gaugeName(Gauge gauge);
std::string_view endReasonName(EndReason reason);

}  // namespace vex
