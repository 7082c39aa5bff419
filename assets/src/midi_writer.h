#pragma once
// Standard MIDI Files (format 1): a conductor track with tempo and metre, then one track per
// instrument part. Events are collected in any order and written sorted by time.

#include <cstdint>
#include <string>
#include <vector>

namespace vex::assets {

inline constexpr int kTicksPerQuarter = 480;

class MidiTrack {
public:
    explicit MidiTrack(std::string name) : name_(std::move(name)) {}

    void tempo(uint32_t tick, double beatsPerMinute);
    void timeSignature(uint32_t tick, int numerator, int denominatorPower);
    void program(uint32_t tick, int channel, int program);
    void controller(uint32_t tick, int channel, int number, int value);
    void note(uint32_t tick, int channel, int key, int velocity, uint32_t length);
    void marker(uint32_t tick, const std::string& text);
    // The track ends exactly here: notes still sounding are released at this tick, so a tune
    // that loops restarts on the beat.
    void endAt(uint32_t tick) { hardEnd_ = tick; }

    // The "MTrk" chunk.
    std::string chunk() const;
    size_t noteCount() const { return notes_; }

private:
    struct Event {
        uint32_t tick;
        int order;  // at one tick: meta and set-up first, note-offs before note-ons
        std::string bytes;
    };
    void add(uint32_t tick, int order, std::string bytes);

    std::string name_;
    std::vector<Event> events_;
    uint32_t end_ = 0;
    int64_t hardEnd_ = -1;
    size_t notes_ = 0;
};

std::string standardMidiFile(const std::vector<MidiTrack>& tracks);

// Variable-length quantity as SMF writes delta times.
std::string variableLength(uint32_t value);

}  // namespace vex::assets
