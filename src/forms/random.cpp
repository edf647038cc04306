#include "forms/random.h"

#include <functional>

namespace forms {

Random::Random(std::uint64_t seed) : engine_(seed) {}

double Random::next() {
    // The top 53 bits scaled by 2^-53 give every double step in [0, 1) evenly and can never
    // reach 1, which std::generate_canonical does not promise.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

void Random::reseed(double value) {
    // Two draws carry the current state into the new one, so that the same value never
    // brings the generator back to a state it has had.
    const std::uint64_t current[] = {engine_(), engine_()};
    const std::uint64_t mixedIn = std::hash<double>{}(value);
    std::seed_seq seeds{current[0],       current[0] >> 32, current[1],
                        current[1] >> 32, mixedIn,          mixedIn >> 32};
    engine_.seed(seeds);
}

}  // namespace forms
