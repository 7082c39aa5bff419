#pragma once
// BattleView: everything a player would see or hear during a battle, in the order it happens.
//
// The engine computes a whole turn at once and reports each visible step here; it never waits
// and never asks. A view must not touch the battle or its generator: the battle's result is
// the same whichever view watches it.
//
// The events, and what their values mean:
//   caption(f, text, colour, kind)  a text floating over fighter f. kind tells captions from
//                                   the HP and SP numbers, which the screen draws in its own
//                                   font. A caption that moves the emotion gauge is followed by
//                                   a gauge run of the emotion.
//   gauge(run)                      a gauge (HP, SP or emotion) of fighter f runs from `from` to
//                                   `to` in `steps` steps, `msPerStep` (scaled) apart. Step i
//                                   shows Int(from + delta / steps * i), held within the
//                                   gauge's range; the last step shows `to`. `withNext` marks
//                                   a run that plays together with the next one.
//   sound(n)                        effect sound n (0-43).
//   motion(f, kind)                 a short picture motion of fighter f.
//   picture(f, property, value)     a lasting change of fighter f's picture: its height offset,
//                                   its sinking into the ground, its fade, its size (the
//                                   record's picture size; the picture is rebuilt at it).
//   announce(f, text)               the technique announcement: a battle message for fighter f.
//   elementFlash(f, element)        the flash of a technique's element after its use.
//   banner(text)                    the turn banner ("TURN 2", "LAST 3", "LAST TURN").
//   timeUp()                        "TIMEUP!" over the middle of the battle picture.
//   pause(ms, wait)                 a pause; Scaled pauses shorten with the game speed option.
//   redraw(what)                    the screen, the status windows, or the stage picture.
//   commandList(mode)               fighter 0's command list is offered or taken away.
//   speech(f, text)                 fighter f says its battle line.
//   turnEnded(state)                the turn is over (also the last turn of a battle).
//   battleEnded(winner, reason)     a fighter won; the results take over from here.

#include <cstdint>
#include <string_view>

#include "vexmora/battle/battle_state.h"

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

class BattleView {
public:
    virtual ~BattleView() = default;
    virtual void caption(int fighter, std::string_view text, Rgb colour, TextKind kind) = 0;
    virtual void gauge(const GaugeRun& run) = 0;
    virtual void sound(int number) = 0;
    virtual void motion(int fighter, Motion kind) = 0;
    virtual void picture(int fighter, PictureProperty property, int value) = 0;
    virtual void announce(int fighter, std::string_view text) = 0;
    virtual void elementFlash(int fighter, int element) = 0;
    virtual void banner(std::string_view text) = 0;
    virtual void timeUp() = 0;
    virtual void pause(int ms, Wait wait) = 0;
    virtual void redraw(RedrawTarget what) = 0;
    virtual void commandList(CommandListMode mode) = 0;
    virtual void speech(int fighter, std::string_view text) = 0;
    virtual void turnEnded(const BattleState& state) = 0;
    virtual void battleEnded(int winner, EndReason reason) = 0;
    // A view that shows the state hash of every turn (the battle log) asks for it here: the
    // battle then computes it before turnEnded (BattleState::turnHash). Others cost nothing.
    virtual bool wantsStateHash() const { return false; }
};

// Discards everything: for simulations and benchmarks. A view that keeps only a few events
// derives from it and overrides those.
class NullView : public BattleView {
public:
    void caption(int, std::string_view, Rgb, TextKind) override {}
    void gauge(const GaugeRun&) override {}
    void sound(int) override {}
    void motion(int, Motion) override {}
    void picture(int, PictureProperty, int) override {}
    void announce(int, std::string_view) override {}
    void elementFlash(int, int) override {}
    void banner(std::string_view) override {}
    void timeUp() override {}
    void pause(int, Wait) override {}
    void redraw(RedrawTarget) override {}
    void commandList(CommandListMode) override {}
    void speech(int, std::string_view) override {}
    void turnEnded(const BattleState&) override {}
    void battleEnded(int, EndReason) override {}
};

std::string_view motionName(Motion kind);
std::string_view gaugeName(Gauge gauge);
std::string_view endReasonName(EndReason reason);

}  // namespace vex
