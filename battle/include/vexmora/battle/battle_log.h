#pragma once
// Views that keep what a battle showed: RecordingView holds the events for tests to read,
// JsonLinesView writes each as one JSON line (the battle log, docs/battle-log.md). Both ask
// for the state hash of every turn and the record of every hit.

#include <ostream>
#include <string>
#include <vector>

#include "vexmora/battle/battle_view.h"

namespace vex {

std::string toJsonLine(const BattleEvent& event);  // without the line break
std::string jsonString(std::string_view text);     // a quoted, escaped JSON string
std::string stateHashText(uint64_t hash);          // 16 lowercase hexadecimal digits

// A view that keeps the whole story: every turn's state hash and every hit's record.
class EventRecorder : public BattleView {
public:
    bool wantsStateHash() const override { return true; }
    bool wantsHitRecords() const override { return true; }
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

    void onEvent(const BattleEvent& event) override { events_.push_back(event); }

private:
    std::vector<BattleEvent> events_;
};

class JsonLinesView final : public EventRecorder {
public:
    explicit JsonLinesView(std::ostream& out) : out_(out) {}
    void onEvent(const BattleEvent& event) override;

private:
    std::ostream& out_;
};

}  // namespace vex
