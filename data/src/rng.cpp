#include "vexmora/data/rng.h"

#include <bit>
#include <chrono>
#include <ctime>

namespace vex {

namespace {

constexpr uint32_t kMask = 0xFFFFFF;

uint32_t step(uint32_t x) {
    return static_cast<uint32_t>((static_cast<uint64_t>(x) * 0x43FD43FDull + 0xC39EC3ull) & kMask);
}

}  // namespace

float Rng::draw() {
    state_ = step(state_);
    return static_cast<float>(state_) / 16777216.0f;
}

void Rng::reset(double negative) {
    const uint32_t bits = std::bit_cast<uint32_t>(static_cast<float>(negative));
    state_ = (bits + (bits >> 24)) & kMask;
    state_ = step(state_);
}

void Rng::reseed(double value) {
    const uint64_t bits = std::bit_cast<uint64_t>(value);
    const auto hi = static_cast<int32_t>(static_cast<uint32_t>(bits >> 32));
    const int32_t mixed = (hi & 0xFFFF) ^ (hi >> 16);
    const uint32_t v = static_cast<uint32_t>(mixed) << 8;
    state_ = ((state_ & 0xFF0000FFu) | v) & kMask;
}

void Rng::reseedFromClock() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto sinceSecond = now - std::chrono::system_clock::from_time_t(t);
    const double fraction = std::chrono::duration<double>(sinceSecond).count();
    const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
    reseed(static_cast<float>(seconds));
}

Rng& processRng() {
    static Rng rng;
    return rng;
}

}  // namespace vex
