#include "synth.h"

#include <algorithm>
#include <cmath>

#include "byte_order.h"

namespace vex::assets {

namespace {

double waveAt(Wave wave, double phase, ArtRandom& rnd) {
    const double f = phase - std::floor(phase);
    switch (wave) {
        case Wave::Sine: return std::sin(2 * M_PI * f);
        case Wave::Square: return f < 0.5 ? 0.8 : -0.8;
        case Wave::Saw: return 2 * f - 1;
        case Wave::Triangle: return f < 0.5 ? 4 * f - 1 : 3 - 4 * f;
        case Wave::Noise: return rnd.range(-1, 1);
    }
    return 0;
}

}  // namespace

void Sound::tone(double start, double length, Wave wave, const std::function<double(double)>& frequency,
                 const std::function<double(double)>& gain, uint64_t seed) {
    ArtRandom rnd(seed);
    const size_t first = static_cast<size_t>(std::max(0.0, start) * kSampleRate);
    const size_t count = static_cast<size_t>(length * kSampleRate);
    double phase = 0;
    for (size_t i = 0; i < count && first + i < samples_.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        samples_[first + i] += waveAt(wave, phase, rnd) * gain(t);
        phase += frequency(t) / kSampleRate;
    }
}

void Sound::noise(double start, double length, const std::function<double(double)>& cutoff,
                  const std::function<double(double)>& low, const std::function<double(double)>& gain, uint64_t seed) {
    ArtRandom rnd(seed);
    const size_t first = static_cast<size_t>(std::max(0.0, start) * kSampleRate);
    const size_t count = static_cast<size_t>(length * kSampleRate);
    double lp1 = 0, lp2 = 0, hpState = 0;
    for (size_t i = 0; i < count && first + i < samples_.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double white = rnd.range(-1, 1);
        // Two one-pole low-passes for a softer slope.
        const double a = 1 - std::exp(-2 * M_PI * std::clamp(cutoff(t), 20.0, 10000.0) / kSampleRate);
        lp1 += a * (white - lp1);
        lp2 += a * (lp1 - lp2);
        double out = lp2;
        const double lowCut = low(t);
        if (lowCut > 0) {
            const double b = 1 - std::exp(-2 * M_PI * lowCut / kSampleRate);
            hpState += b * (out - hpState);
            out -= hpState;
        }
        samples_[first + i] += out * gain(t) * 2.2;
    }
}

void Sound::echo(double delay, double feedback, int repeats) {
    const size_t step = static_cast<size_t>(delay * kSampleRate);
    std::vector<double> dry = samples_;
    double level = feedback;
    for (int r = 1; r <= repeats; ++r, level *= feedback)
        for (size_t i = 0; i + step * r < samples_.size(); ++i) samples_[i + step * r] += dry[i] * level;
}

void Sound::normalise(double peak) {
    double loudest = 0;
    for (double s : samples_) loudest = std::max(loudest, std::abs(s));
    if (loudest <= 0) return;
    for (double& s : samples_) s *= peak / loudest;
}

void Sound::fadeEnds(double seconds) {
    const size_t n = std::min(samples_.size() / 2, static_cast<size_t>(seconds * kSampleRate));
    for (size_t i = 0; i < n; ++i) {
        const double k = static_cast<double>(i) / n;
        samples_[i] *= k;
        samples_[samples_.size() - 1 - i] *= k;
    }
}

std::string Sound::wavBytes() const {
    const uint32_t dataBytes = static_cast<uint32_t>(samples_.size() * 2);
    std::string out = "RIFF";
    putLe32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    putLe32(out, 16);
    putLe16(out, 1);  // PCM
    putLe16(out, 1);  // mono
    putLe32(out, kSampleRate);
    putLe32(out, kSampleRate * 2);
    putLe16(out, 2);
    putLe16(out, 16);
    out += "data";
    putLe32(out, dataBytes);
    for (double s : samples_) {
        const int v = static_cast<int>(std::lround(std::clamp(s, -1.0, 1.0) * 32767));
        putLe16(out, static_cast<uint32_t>(static_cast<uint16_t>(static_cast<int16_t>(v))));
    }
    return out;
}

std::function<double(double)> decay(double level, double halfLife) {
    return [=](double t) { return level * std::exp2(-t / halfLife); };
}

std::function<double(double)> attackDecay(double level, double attack, double halfLife) {
    return [=](double t) { return t < attack ? level * t / attack : level * std::exp2(-(t - attack) / halfLife); };
}

std::function<double(double)> hold(double level, double length, double release) {
    return [=](double t) {
        if (t < 0.005) return level * t / 0.005;
        if (t < length) return level;
        return std::max(0.0, level * (1 - (t - length) / release));
    };
}

std::function<double(double)> constant(double value) {
    return [=](double) { return value; };
}

std::function<double(double)> sweep(double from, double to, double length) {
    return [=](double t) { return from + (to - from) * std::min(1.0, t / length); };
}

std::function<double(double)> glide(double from, double to, double length) {
    return [=](double t) { return from * std::pow(to / from, std::min(1.0, t / length)); };
}

}  // namespace vex::assets
