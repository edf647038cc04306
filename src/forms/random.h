#pragma once
// The program's random numbers.
#include <cstdint>
#include <random>

namespace forms {

class Random {
public:
    explicit Random(std::uint64_t seed);

    // The next number in [0, 1).
    double next();

    // Mixes `value` into the current state. The sequence goes on from a new point and never
    // restarts: re-seeding with the same value again, with or without draws in between, does
    // not repeat earlier draws.
    void reseed(double value);

private:
    std::mt19937_64 engine_;
};

}  // namespace forms
