#pragma once

#include <cstdint>

// SplitMix64 with a fixed seed: the only source of "randomness", so every run draws the same sequence.
class Prng {
public:
    explicit Prng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next();
    double unit(); // uniform in [0, 1)
    double between(double lo, double hi) { return lo + (hi - lo) * unit(); }

private:
    std::uint64_t state_;
};

// Smooth lattice noise in [0, 1).
double valueNoise(double x, double y, std::uint32_t seed);

// Sum of `octaves` layers of value noise, each twice as fine and half as strong; result in [0, 1).
double fractalNoise(double x, double y, int octaves, std::uint32_t seed);
