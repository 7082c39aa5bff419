#include "midi_writer.h"

#include <algorithm>
#include <cmath>

#include "byte_order.h"

namespace vex::assets {

std::string variableLength(uint32_t value) {
    std::string out(1, static_cast<char>(value & 0x7F));
    while (value >>= 7) out.insert(out.begin(), static_cast<char>(0x80 | (value & 0x7F)));
    return out;
}

void MidiTrack::add(uint32_t tick, int order, std::string bytes) {
    events_.push_back({tick, order, std::move(bytes)});
    end_ = std::max(end_, tick);
}

void MidiTrack::tempo(uint32_t tick, double bpm) {
    const uint32_t micro = static_cast<uint32_t>(std::lround(60000000.0 / bpm));
    std::string e = "\xFF\x51\x03";
    e += static_cast<char>((micro >> 16) & 0xFF);
    e += static_cast<char>((micro >> 8) & 0xFF);
    e += static_cast<char>(micro & 0xFF);
    add(tick, 0, e);
}

void MidiTrack::timeSignature(uint32_t tick, int numerator, int denominatorPower) {
    std::string e = "\xFF\x58\x04";
    e += static_cast<char>(numerator);
    e += static_cast<char>(denominatorPower);
    e += static_cast<char>(24);
    e += static_cast<char>(8);
    add(tick, 0, e);
}

void MidiTrack::program(uint32_t tick, int channel, int program) {
    std::string e;
    e += static_cast<char>(0xC0 | channel);
    e += static_cast<char>(program);
    add(tick, 1, e);
}

void MidiTrack::controller(uint32_t tick, int channel, int number, int value) {
    std::string e;
    e += static_cast<char>(0xB0 | channel);
    e += static_cast<char>(number);
    e += static_cast<char>(value);
    add(tick, 1, e);
}

void MidiTrack::note(uint32_t tick, int channel, int key, int velocity, uint32_t length) {
    key = std::clamp(key, 0, 127);
    velocity = std::clamp(velocity, 1, 127);
    std::string on, off;
    on += static_cast<char>(0x90 | channel);
    on += static_cast<char>(key);
    on += static_cast<char>(velocity);
    off += static_cast<char>(0x80 | channel);
    off += static_cast<char>(key);
    off += static_cast<char>(64);
    add(tick, 3, on);
    add(tick + std::max<uint32_t>(1, length), 2, off);
    ++notes_;
}

void MidiTrack::marker(uint32_t tick, const std::string& text) {
    std::string e = "\xFF\x06";
    e += variableLength(static_cast<uint32_t>(text.size()));
    e += text;
    add(tick, 0, e);
}

std::string MidiTrack::chunk() const {
    std::vector<Event> sorted = events_;
    uint32_t end = end_;
    if (hardEnd_ >= 0) {
        end = static_cast<uint32_t>(hardEnd_);
        for (Event& e : sorted) e.tick = std::min(e.tick, end);
    }
    std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::string body;
    body += variableLength(0);
    body += "\xFF\x03";
    body += variableLength(static_cast<uint32_t>(name_.size()));
    body += name_;
    uint32_t now = 0;
    for (const Event& e : sorted) {
        body += variableLength(e.tick - now);
        body += e.bytes;
        now = e.tick;
    }
    body += variableLength(end - now);
    body += std::string("\xFF\x2F\x00", 3);
    std::string out = "MTrk";
    putBe32(out, static_cast<uint32_t>(body.size()));
    return out + body;
}

std::string standardMidiFile(const std::vector<MidiTrack>& tracks) {
    std::string out = "MThd";
    putBe32(out, 6);
    putBe16(out, 1);
    putBe16(out, static_cast<uint32_t>(tracks.size()));
    putBe16(out, kTicksPerQuarter);
    for (const MidiTrack& t : tracks) out += t.chunk();
    return out;
}

}  // namespace vex::assets
