#pragma once
// Views that keep what a battle showed: RecordingView holds the events for tests to read,
// JsonLinesView writes each as one JSON line (the battle log, docs/battle-log.md).

#include <array>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "vexmora/battle/battle_view.h"

namespace vex {

// The summary written at the end of every turn.
struct TurnRecord {
    int turn = 0;
    int firstSide = 0;
    int stage = 0;
    int drawCounter = 0;
    uint64_t hash = 0;                  // Battle::stateHash() after the turn
    std::array<Command, 2> commands{};  // as carried out (after confusion, failures, copies)
    std::array<Command, 2> input{};     // as given to the turn
    std::array<int, 2> hp{}, sp{}, emotion{};
    std::array<std::array<int16_t, kStatusCount>, 2> statusTurns{};
};

// One struct per event of the BattleView, with the values the view was given.
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
struct Turn {
    TurnRecord record;
};
struct End {
    int winner = 0;
    EndReason reason{};
};

}  // namespace event

struct BattleEvent {
    std::variant<event::Caption, event::GaugeMove, event::Sound, event::MotionShown, event::PictureChange,
                 event::Announce, event::ElementFlash, event::Banner, event::TimeUp, event::Pause, event::Redraw,
                 event::CommandList, event::Speech, event::Turn, event::End>
        what;

    template <class Kind>
    const Kind* as() const {
        return std::get_if<Kind>(&what);
    }
    template <class Kind>
    bool is() const {
        return std::holds_alternative<Kind>(what);
    }
};

std::string toJsonLine(const BattleEvent& event);  // without the line break
std::string jsonString(std::string_view text);     // a quoted, escaped JSON string
std::string stateHashText(uint64_t hash);          // 16 lowercase hexadecimal digits

class EventRecorder : public BattleView {
public:
    void caption(int fighter, std::string_view text, Rgb colour, TextKind kind) override;
    void gauge(const GaugeRun& run) override;
    void sound(int number) override;
    void motion(int fighter, Motion kind) override;
    void picture(int fighter, PictureProperty property, int value) override;
    void announce(int fighter, std::string_view text) override;
    void elementFlash(int fighter, int element) override;
    void banner(std::string_view text) override;
    void timeUp() override;
    void pause(int ms, Wait wait) override;
    void redraw(RedrawTarget what) override;
    void commandList(CommandListMode mode) override;
    void speech(int fighter, std::string_view text) override;
    bool wantsStateHash() const override { return true; }
    void turnEnded(const BattleState& state) override;
    void battleEnded(int winner, EndReason reason) override;

protected:
    virtual void record(BattleEvent&& event) = 0;
};

class RecordingView final : public EventRecorder {
public:
    const std::vector<BattleEvent>& events() const { return events_; }
    void clear() { events_.clear(); }
    // The texts of the captions over a fighter (-1: over either), in order.
    std::vector<std::string> captions(int fighter = -1) const;
    bool hasCaption(std::string_view text, int fighter = -1) const;
    std::vector<int> sounds() const;
    std::vector<std::string> banners() const;
    template <class Kind>
    int count() const {
        int n = 0;
        for (const BattleEvent& e : events_) n += e.is<Kind>() ? 1 : 0;
        return n;
    }
    std::string jsonLines() const;

protected:
    void record(BattleEvent&& event) override { events_.push_back(std::move(event)); }

private:
    std::vector<BattleEvent> events_;
};

class JsonLinesView final : public EventRecorder {
public:
    explicit JsonLinesView(std::ostream& out) : out_(out) {}

protected:
    void record(BattleEvent&& event) override;

private:
    std::ostream& out_;
};

}  // namespace vex
