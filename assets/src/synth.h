#pragma once
// A small sound synthesiser for the effects: oscillators with pitch sweeps, noise, envelopes,
// filters and mixing into one mono buffer, then 16-bit PCM WAV.

#include <functional>
#include <string>
#include <vector>

#include "art_random.h"

namespace vex::assets {

inline constexpr int kSampleRate = 22050;

enum class Wave { Sine, Square, Saw, Triangle, Noise };

class Sound {
public:
    explicit Sound(double seconds) : samples_(static_cast<size_t>(seconds * kSampleRate), 0.0) {}

    size_t size() const { return samples_.size(); }
    double seconds() const { return static_cast<double>(samples_.size()) / kSampleRate; }
    std::vector<double>& samples() { return samples_; }
    const std::vector<double>& samples() const { return samples_; }

    // Adds a tone from `start` for `length` seconds. Frequency and gain are functions of the
    // time since the tone began (in seconds); the phase follows the frequency smoothly.
    void tone(double start, double length, Wave wave, const std::function<double(double)>& frequency,
              const std::function<double(double)>& gain, uint64_t seed = 1);
    // Filtered noise: `cutoff(t)` of a low-pass (and `low(t)` of a high-pass, 0 for none).
    void noise(double start, double length, const std::function<double(double)>& cutoff,
               const std::function<double(double)>& low, const std::function<double(double)>& gain, uint64_t seed);
    // A simple room: quiet repeats of what is there.
    void echo(double delay, double feedback, int repeats);
    // Scales the whole sound so that its loudest sample is at `peak` (0 … 1).
    void normalise(double peak = 0.85);
    // Short fades at both ends, so nothing clicks.
    void fadeEnds(double seconds = 0.004);

    std::string wavBytes() const;

private:
    std::vector<double> samples_;
};

// Envelopes: gain as a function of time.
std::function<double(double)> decay(double level, double halfLife);
std::function<double(double)> attackDecay(double level, double attack, double halfLife);
std::function<double(double)> hold(double level, double length, double release = 0.02);
std::function<double(double)> constant(double value);
std::function<double(double)> sweep(double from, double to, double length);          // linear
std::function<double(double)> glide(double from, double to, double length);          // exponential

}  // namespace vex::assets
