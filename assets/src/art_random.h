#pragma once
// Randomness for painting and composing: a fixed-seed generator and smooth value noise, so
// every run paints the same strokes. (The game's own generator is kept for the data files.)

#include <cmath>
#include <cstdint>

namespace vex::assets {

class ArtRandom {
public:
    explicit ArtRandom(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // In [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    int below(int n) { return static_cast<int>(unit() * n); }
    bool chance(double p) { return unit() < p; }

private:
    uint64_t state_;
};

// A hash of lattice coordinates in [0, 1).
inline double latticeValue(int x, int y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / 16777216.0;
}

// Smooth value noise in [0, 1) at scale 1 lattice unit.
inline double valueNoise(double x, double y, uint32_t seed) {
    const int xi = static_cast<int>(std::floor(x)), yi = static_cast<int>(std::floor(y));
    const double fx = x - xi, fy = y - yi;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double a = latticeValue(xi, yi, seed), b = latticeValue(xi + 1, yi, seed);
    const double c = latticeValue(xi, yi + 1, seed), d = latticeValue(xi + 1, yi + 1, seed);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

// Several octaves of value noise, in [0, 1).
inline double fractalNoise(double x, double y, uint32_t seed, int octaves = 4) {
    double sum = 0, amplitude = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += valueNoise(x, y, seed + static_cast<uint32_t>(o) * 101u) * amplitude;
        total += amplitude;
        amplitude *= 0.5;
        x *= 2;
        y *= 2;
    }
    return sum / total;
}

}  // namespace vex::assets
