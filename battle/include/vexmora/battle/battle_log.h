#pragma once
// Views that keep what a battle showed: RecordingView holds the events for tests to read,
// JsonLinesView writes each as one JSON line (the battle log, docs/battle-log.md).

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "vexmora/battle/battle_view.h"

namespace vex {

enum class EventType {
    Caption, Gauge, Sound, Motion, Picture, Announce, ElementFlash, Banner, TimeUp, Pause,
    Redraw, CommandList, Speech, NotImplemented, Turn, End,
};

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

struct BattleEvent {
    EventType type = EventType::Caption;
    int fighter = -1;
    std::string text;   // caption, announcement, banner, speech, or what is not implemented
    Rgb colour{};
    int kind = 0;       // the TextKind, Motion, PictureProperty, Wait, RedrawTarget or CommandListMode
    int value = 0;      // sound number, element, pause ms, picture value, technique id, winner
    GaugeRun run{};
    TurnRecord turn{};
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
    void notImplemented(int fighter, int id, std::string_view what) override;
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
    int count(EventType type) const;
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
