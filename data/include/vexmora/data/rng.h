#pragma once
// The game's random generator. Files made by other copies of the game decode only when this
// generator reproduces the same sequence exactly, so its arithmetic is fixed to the bit:
//   state: 24 bits, initially 0x50000
//   step(x) = (x * 0x43FD43FD + 0xC39EC3) mod 2^24
//   draw(): state = step(state), returns state / 2^24 as a float in [0, 1)
//   reset(n < 0): state from the float bit pattern of n, then one step (its value discarded)
//   reseed(x): mixes the high word of x's double bit pattern into state bits 8..23

#include <cstdint>

namespace vex {

// Anything that hands out draws in [0, 1). The battle takes one of these, so tests can
// script the draws and the simulator can give each battle its own generator.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float draw() = 0;
    // What decides the draws to come, for the battle's state hash. A source whose future
    // cannot be summed up in a number (a script of draws) gives 0.
    virtual uint64_t stateForHash() const { return 0; }
};

class Rng final : public RandomSource {
public:
    static constexpr uint32_t kInitialState = 0x50000;

    float draw() override;
    uint64_t stateForHash() const override { return state_; }
    void reset(double negative);
    void reseed(double value);
    // Reseeds with the seconds since midnight, as a float.
    void reseedFromClock();

    uint32_t state() const { return state_; }
    void setState(uint32_t state) { state_ = state & 0xFFFFFF; }

private:
    uint32_t state_ = kInitialState;
};

// The one generator of the game process: keying a file and every battle start go through it.
Rng& processRng();

}  // namespace vex
